// Plain-text Internet mail messages (RFC 5322 with MIME): the headers, the
// encodings, and the checks that keep what a user typed from becoming headers.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace vigil::desktop {

// True for a bare address "local@domain" of printable ASCII: the local part of
// letters, digits, dots and the other characters RFC 5322 allows unquoted, the
// domain of dot-separated labels. Anything else (display names, quoting, line
// breaks, several addresses) is refused, so an address can never carry a header.
bool IsMailAddress(std::string_view address);

// The subject as a header value: as it is when it is printable ASCII, else
// encoded words (RFC 2047, UTF-8, base64) folded onto continuation lines with
// lineEnding. Control characters become spaces and invalid UTF-8 becomes U+FFFD
// first, so the value never holds a line break of its own.
std::string EncodeSubject(std::string_view subject, std::string_view lineEnding);

// The body as quoted-printable lines ending in lineEnding (RFC 2045); line
// breaks of any kind in the text become lineEnding, and the last line ends with
// one whether or not the text did.
std::string QuotedPrintable(std::string_view text, std::string_view lineEnding);

struct MessageFields {
  std::string from;     // bare addresses, already checked
  std::string to;
  std::string subject;  // UTF-8
  std::string body;     // UTF-8
  std::time_t date = 0;
  std::string messageId;  // "<...@...>"
};

// The whole message with lineEnding after every line: Date, From, To, Subject,
// Message-ID, MIME-Version, Content-Type (text/plain, UTF-8) and
// Content-Transfer-Encoding (quoted-printable) headers, a blank line, the body.
std::string ComposeMessage(const MessageFields &fields, std::string_view lineEnding);

// The date in RFC 5322 form, in local time with its offset ("Fri, 11 Dec 2026
// 07:14:51 +0100"), with English names whatever the locale.
std::string MessageDate(std::time_t when);

// A new unique message ID in the given domain.
std::string NewMessageId(std::string_view domain);

}  // namespace vigil::desktop
