// The mail service: hands a plain-text message to one recipient.
#pragma once

#include <string>

namespace vigil::desktop {

class MailDelivery {
 public:
  virtual ~MailDelivery() = default;
  // True when the message was accepted for delivery.
  virtual bool deliverMessage(const std::string &body, const std::string &subject,
                              const std::string &to) = 0;
};

}  // namespace vigil::desktop
