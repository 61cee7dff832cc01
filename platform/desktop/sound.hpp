// The alert sound.
#pragma once

namespace vigil::desktop {

class Sound {
 public:
  virtual ~Sound() = default;
  virtual void beep() = 0;
};

// The terminal's bell, rung on the controlling terminal; silent for a process
// that has none (started by a service manager, say).
class TerminalBell : public Sound {
 public:
  void beep() override;
};

}  // namespace vigil::desktop
