// Alerts as modal message boxes over the active window. No timer of the run
// loop fires while one is up (see QtRunLoop), as none did on the platform.
#pragma once

#include "platform/desktop/alert_presenter.hpp"

namespace vigil::qt {

class MessageBoxAlerts : public desktop::AlertPresenter {
 public:
  void runAlertPanel(const std::string &title, const std::string &message,
                     const std::string &defaultButton) override;
};

}  // namespace vigil::qt
