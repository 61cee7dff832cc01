// Modal alerts: a title, a message and one button.
#pragma once

#include <cstdio>
#include <string>

namespace vigil::desktop {

class AlertPresenter {
 public:
  virtual ~AlertPresenter() = default;
  // Shows the alert and returns when it is closed.
  virtual void runAlertPanel(const std::string &title, const std::string &message,
                             const std::string &defaultButton) = 0;
};

// Where there is no display: the title and the message, each on a line of its
// own, on a stream (standard error), and return at once.
class StreamAlertPresenter : public AlertPresenter {
 public:
  explicit StreamAlertPresenter(std::FILE *stream = stderr) : stream_(stream) {}
  void runAlertPanel(const std::string &title, const std::string &message,
                     const std::string &defaultButton) override;

 private:
  std::FILE *stream_;
};

}  // namespace vigil::desktop
