// The two ways a message leaves this machine: an SMTP server, or the local
// sendmail program.
#pragma once

#include <chrono>
#include <span>
#include <string>

namespace vigil::desktop {

struct SmtpServer {
  std::string url;  // smtp://host[:port] (STARTTLS when offered) or smtps://host[:port]
  std::string username;  // no login when empty
  std::string password;
};

// Sends a message (CRLF lines) from one address to one address; true when the
// server accepted it within the time-out.
bool SendWithSmtp(const SmtpServer &server, const std::string &from, const std::string &to,
                  const std::string &message, std::chrono::seconds timeout);

// Hands a message (LF lines, recipients in its headers) to `sendmail -t -i`,
// found in PATH or in extraFolders; true when it ran and answered success
// within the time-out.
bool SendWithSendmail(const std::string &message, std::span<const std::string> extraFolders,
                      std::chrono::seconds timeout);

}  // namespace vigil::desktop
