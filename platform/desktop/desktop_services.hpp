// The platform services a document uses beyond its own window: the run loop and
// the panels. The desktop front end, the program without a display and tests
// each supply their own.
#pragma once

#include "platform/desktop/open_panel.hpp"
#include "platform/desktop/run_loop.hpp"

#include <memory>

namespace vigil::desktop {

class DesktopServices {
 public:
  virtual ~DesktopServices() = default;
  virtual RunLoop &runLoop() = 0;
  // A new open panel; none where there is no display to show one.
  virtual std::unique_ptr<OpenPanel> openPanel() = 0;
};

}  // namespace vigil::desktop
