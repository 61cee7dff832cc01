// The platform services of the desktop application: the run loop over Qt's
// event loop, the folder chooser, the desktop's bell and modal message boxes;
// opening files and mail as the platform does them; the preferences the drop
// box writes to.
#pragma once

#include "app/qt/bell_sound.hpp"
#include "app/qt/message_box_alerts.hpp"
#include "app/qt/preferences_user_defaults.hpp"
#include "app/qt/qt_run_loop.hpp"
#include "platform/desktop/configured_mail_delivery.hpp"
#include "platform/desktop/desktop_services.hpp"
#include "platform/desktop/preferences.hpp"
#include "platform/desktop/workspace.hpp"

namespace vigil::qt {

class QtDesktopServices : public desktop::DesktopServices {
 public:
  desktop::RunLoop &runLoop() override { return loop_; }
  std::unique_ptr<desktop::OpenPanel> openPanel() override;
  desktop::Sound &sound() override { return bell_; }
  desktop::AlertPresenter &alerts() override { return alerts_; }
  desktop::Workspace &workspace() override { return workspace_; }
  desktop::MailDelivery &mail() override { return mail_; }

  desktop::UserDefaults &userDefaults() { return defaults_; }

 private:
  QtRunLoop loop_;
  BellSound bell_;
  MessageBoxAlerts alerts_;
  desktop::FreedesktopWorkspace workspace_;
  desktop::ConfiguredMailDelivery mail_{desktop::Preferences::DefaultPath()};
  PreferencesUserDefaults defaults_{desktop::Preferences::DefaultPath()};
};

}  // namespace vigil::qt
