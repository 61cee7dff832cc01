// A document's window and the controller that loaded it: what sheets attach to.
#pragma once

namespace vigil::desktop {

class Window {
 public:
  virtual ~Window() = default;
};

class WindowController {
 public:
  virtual ~WindowController() = default;
  virtual Window *window() = 0;
};

}  // namespace vigil::desktop
