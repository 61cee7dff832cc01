// The platform services a document uses beyond its own window: the run loop,
// the panels, the sound, mail and opening files. The desktop front end, the
// program without a display and tests each supply their own.
#pragma once

#include "platform/desktop/open_panel.hpp"
#include "platform/desktop/run_loop.hpp"

#include <memory>
#include <string>

namespace vigil::desktop {

class DesktopServices {
 public:
  virtual ~DesktopServices() = default;
  virtual RunLoop &runLoop() = 0;
  // A new open panel; none where there is no display to show one.
  virtual std::unique_ptr<OpenPanel> openPanel() = 0;

  // The system alert sound.
  virtual void beep() = 0;

  // Shows a modal alert with one button and returns when it is closed.
  virtual void runAlertPanel(const std::string &title, const std::string &message,
                             const std::string &defaultButton) = 0;

  // Opens a file with its default application; true when a handler took it.
  virtual bool openFile(const std::string &path) = 0;

  // Hands a plain-text message to the mail service; true when it was accepted.
  virtual bool deliverMessage(const std::string &body, const std::string &subject,
                              const std::string &to) = 0;
};

}  // namespace vigil::desktop
