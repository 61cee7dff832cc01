#include "platform/desktop/configured_mail_delivery.hpp"

#include "platform/desktop/internet_message.hpp"
#include "platform/desktop/mail_transports.hpp"
#include "platform/desktop/preferences.hpp"

#include <pwd.h>
#include <unistd.h>

#include <charconv>

namespace vigil::desktop {
namespace {

constexpr int kLongestTimeoutSeconds = 30;

std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The user's login name at this host.
std::string DefaultSender() {
  const passwd *entry = getpwuid(getuid());
  const std::string user = entry != nullptr && entry->pw_name != nullptr ? entry->pw_name : "user";
  char host[256] = {};
  if (gethostname(host, sizeof host - 1) != 0 || host[0] == '\0') return user + "@localhost";
  return user + "@" + host;
}

std::chrono::seconds Timeout(const std::optional<std::string> &setting) {
  int seconds = kLongestTimeoutSeconds;
  if (setting) {
    const auto [end, error] =
        std::from_chars(setting->data(), setting->data() + setting->size(), seconds);
    if (error != std::errc() || end != setting->data() + setting->size() || seconds < 1) {
      seconds = kLongestTimeoutSeconds;
    }
  }
  return std::chrono::seconds(std::min(seconds, kLongestTimeoutSeconds));
}

}  // namespace

ConfiguredMailDelivery::ConfiguredMailDelivery(std::string preferencesPath,
                                               std::vector<std::string> sendmailFolders)
    : preferencesPath_(std::move(preferencesPath)), sendmailFolders_(std::move(sendmailFolders)) {}

bool ConfiguredMailDelivery::deliverMessage(const std::string &body, const std::string &subject,
                                            const std::string &to) {
  const Preferences preferences(preferencesPath_);
  const std::string recipient(TrimBlanks(to));
  const std::string sender = preferences.get("mail", "from").value_or(DefaultSender());
  if (!IsMailAddress(recipient) || !IsMailAddress(sender)) return false;
  const auto timeout = Timeout(preferences.get("mail", "timeout"));

  MessageFields fields;
  fields.from = sender;
  fields.to = recipient;
  fields.subject = subject;
  fields.body = body;
  fields.date = std::time(nullptr);
  fields.messageId = NewMessageId(sender.substr(sender.rfind('@') + 1));

  const std::string server = preferences.get("mail", "server").value_or("");
  if (server.empty()) return SendWithSendmail(ComposeMessage(fields, "\n"), sendmailFolders_, timeout);
  const SmtpServer smtp{server, preferences.get("mail", "username").value_or(""),
                        preferences.get("mail", "password").value_or("")};
  return SendWithSmtp(smtp, sender, recipient, ComposeMessage(fields, "\r\n"), timeout);
}

}  // namespace vigil::desktop
