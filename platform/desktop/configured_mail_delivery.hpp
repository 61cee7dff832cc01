// Mail delivery as the user configured it in the [mail] section of the
// preferences file (read anew for every message, so edits apply at once):
//
//   server   = smtp://mail.example.org:587   (STARTTLS when the server offers it)
//              or smtps://mail.example.org:465 (TLS from the start)
//   username = login name; no login when absent
//   password = its password
//   from     = sender address; else the user's login name at this host
//   timeout  = seconds to wait for delivery, 1 to 30 (30 when absent)
//
// With no server the message goes to the local sendmail program.
#pragma once

#include "platform/desktop/mail_delivery.hpp"

#include <string>
#include <vector>

namespace vigil::desktop {

class ConfiguredMailDelivery : public MailDelivery {
 public:
  // sendmailFolders are searched after PATH: sendmail lives in sbin, which a
  // user's PATH often leaves out.
  explicit ConfiguredMailDelivery(std::string preferencesPath,
                                  std::vector<std::string> sendmailFolders = {"/usr/sbin",
                                                                              "/usr/lib"});

  // False for a recipient or sender that is not a bare address, and when the
  // server or sendmail refused, failed or ran out of time.
  bool deliverMessage(const std::string &body, const std::string &subject,
                      const std::string &to) override;

 private:
  std::string preferencesPath_;
  std::vector<std::string> sendmailFolders_;
};

}  // namespace vigil::desktop
