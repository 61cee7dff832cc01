#include "platform/desktop/alert_presenter.hpp"

namespace vigil::desktop {

void StreamAlertPresenter::runAlertPanel(const std::string &title, const std::string &message,
                                         const std::string &) {
  std::fprintf(stream_, "%s\n%s\n", title.c_str(), message.c_str());
  std::fflush(stream_);
}

}  // namespace vigil::desktop
