// The platform services of the desktop application: the run loop over Qt's
// event loop, the folder chooser, and the preferences the drop box writes to.
#pragma once

#include "app/qt/ini_user_defaults.hpp"
#include "app/qt/qt_run_loop.hpp"
#include "platform/desktop/desktop_services.hpp"

namespace vigil::qt {

class QtDesktopServices : public desktop::DesktopServices {
 public:
  desktop::RunLoop &runLoop() override { return loop_; }
  std::unique_ptr<desktop::OpenPanel> openPanel() override;

  desktop::UserDefaults &userDefaults() { return defaults_; }

 private:
  QtRunLoop loop_;
  IniUserDefaults defaults_;
};

}  // namespace vigil::qt
