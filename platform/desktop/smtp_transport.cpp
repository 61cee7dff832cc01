#include "platform/desktop/mail_transports.hpp"

#include <curl/curl.h>

#include <cstring>
#include <memory>
#include <mutex>
#include <string_view>

namespace vigil::desktop {
namespace {

struct EasyRelease {
  void operator()(CURL *easy) const { curl_easy_cleanup(easy); }
};
struct ListRelease {
  void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};

// libcurl reads the message through this, a piece at a time.
size_t ReadMessage(char *buffer, size_t size, size_t count, void *source) {
  auto *rest = static_cast<std::string_view *>(source);
  const size_t length = std::min(size * count, rest->size());
  std::memcpy(buffer, rest->data(), length);
  rest->remove_prefix(length);
  return length;
}

}  // namespace

bool SendWithSmtp(const SmtpServer &server, const std::string &from, const std::string &to,
                  const std::string &message, std::chrono::seconds timeout) {
  const bool implicitTls = server.url.starts_with("smtps://");
  if (!implicitTls && !server.url.starts_with("smtp://")) return false;
  // Process-wide set-up, before any other thread may use libcurl.
  static std::once_flag initialized;
  std::call_once(initialized, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
  std::unique_ptr<CURL, EasyRelease> easy(curl_easy_init());
  if (!easy) return false;
  const std::string sender = "<" + from + ">";
  std::unique_ptr<curl_slist, ListRelease> recipients(
      curl_slist_append(nullptr, ("<" + to + ">").c_str()));
  if (!recipients) return false;
  std::string_view rest = message;
  CURL *handle = easy.get();
  curl_easy_setopt(handle, CURLOPT_URL, server.url.c_str());
  curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
  if (!implicitTls) curl_easy_setopt(handle, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
  if (!server.username.empty()) {
    curl_easy_setopt(handle, CURLOPT_USERNAME, server.username.c_str());
    curl_easy_setopt(handle, CURLOPT_PASSWORD, server.password.c_str());
  }
  curl_easy_setopt(handle, CURLOPT_MAIL_FROM, sender.c_str());
  curl_easy_setopt(handle, CURLOPT_MAIL_RCPT, recipients.get());
  curl_easy_setopt(handle, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(handle, CURLOPT_READFUNCTION, &ReadMessage);
  curl_easy_setopt(handle, CURLOPT_READDATA, &rest);
  curl_easy_setopt(handle, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(message.size()));
  curl_easy_setopt(handle, CURLOPT_TIMEOUT, static_cast<long>(timeout.count()));
  curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
  return curl_easy_perform(handle) == CURLE_OK;
}

}  // namespace vigil::desktop
