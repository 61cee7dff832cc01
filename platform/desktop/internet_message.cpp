#include "platform/desktop/internet_message.hpp"

#include "platform/text/mac_roman.hpp"

#include <sys/random.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace vigil::desktop {
namespace {

constexpr size_t kLongestPlainSubject = 900;  // well inside the 998-byte line limit
constexpr size_t kEncodedWordBytes = 45;      // 60 base64 characters, 72 with the markers
constexpr size_t kQuotedLineLength = 76;

bool IsAtext(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         std::strchr("!#$%&'*+-/=?^_`{|}~", c) != nullptr;
}

bool IsLabelCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
}

bool IsDomain(std::string_view domain) {
  if (domain.empty() || domain.size() > 253) return false;
  size_t start = 0;
  while (start <= domain.size()) {
    size_t end = domain.find('.', start);
    if (end == std::string_view::npos) end = domain.size();
    const std::string_view label = domain.substr(start, end - start);
    if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') {
      return false;
    }
    for (const char c : label) {
      if (!IsLabelCharacter(c)) return false;
    }
    start = end + 1;
  }
  return true;
}

// Valid UTF-8 with every other byte replaced by U+FFFD, and control characters
// (line breaks included) by spaces when asked.
std::string CleanUtf8(std::string_view text, bool controlsToSpaces) {
  std::string clean;
  clean.reserve(text.size());
  while (!text.empty()) {
    const auto decoded = text::DecodeUtf8(text);
    if (!decoded) {
      clean += "\xEF\xBF\xBD";
      text.remove_prefix(1);
      continue;
    }
    if (controlsToSpaces && (decoded->scalar < 0x20 || decoded->scalar == 0x7F)) {
      clean += ' ';
    } else {
      clean.append(text.substr(0, decoded->length));
    }
    text.remove_prefix(decoded->length);
  }
  return clean;
}

std::string Base64(std::string_view bytes) {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  for (size_t i = 0; i < bytes.size(); i += 3) {
    const size_t count = std::min<size_t>(3, bytes.size() - i);
    uint32_t group = 0;
    for (size_t j = 0; j < 3; ++j) {
      group = group << 8 | (j < count ? static_cast<unsigned char>(bytes[i + j]) : 0);
    }
    for (size_t j = 0; j < 4; ++j) {
      out += j <= count ? kAlphabet[(group >> (18 - 6 * j)) & 0x3F] : '=';
    }
  }
  return out;
}

void AppendEscaped(std::string &out, unsigned char byte) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += '=';
  out += kHex[byte >> 4];
  out += kHex[byte & 0x0F];
}

}  // namespace

bool IsMailAddress(std::string_view address) {
  const size_t at = address.rfind('@');
  if (at == std::string_view::npos || address.size() > 254) return false;
  const std::string_view local = address.substr(0, at);
  if (local.empty() || local.size() > 64 || local.front() == '.' || local.back() == '.' ||
      local.find("..") != std::string_view::npos) {
    return false;
  }
  for (const char c : local) {
    if (!IsAtext(c) && c != '.') return false;
  }
  return IsDomain(address.substr(at + 1));
}

std::string EncodeSubject(std::string_view subject, std::string_view lineEnding) {
  const std::string clean = CleanUtf8(subject, true);
  bool plain = clean.size() <= kLongestPlainSubject;
  for (const char c : clean) plain = plain && static_cast<unsigned char>(c) < 0x80;
  // Text that looks like an encoded word is encoded too, so it reads back as typed.
  if (plain && clean.find("=?") == std::string::npos) return clean;
  std::string encoded;
  std::string_view rest = clean;
  while (!rest.empty()) {
    // Whole characters only: a word never ends inside a UTF-8 sequence.
    size_t take = 0;
    while (take < rest.size()) {
      const size_t length = text::DecodeUtf8(rest.substr(take))->length;
      if (take + length > kEncodedWordBytes && take > 0) break;
      take += length;
    }
    if (!encoded.empty()) {
      encoded += lineEnding;
      encoded += ' ';
    }
    encoded += "=?UTF-8?B?" + Base64(rest.substr(0, take)) + "?=";
    rest.remove_prefix(take);
  }
  return encoded;
}

std::string QuotedPrintable(std::string_view text, std::string_view lineEnding) {
  const std::string clean = CleanUtf8(text, false);
  std::string out;
  std::string_view rest = clean;
  while (true) {
    const size_t breakAt = rest.find_first_of("\r\n");
    const std::string_view line = rest.substr(0, breakAt);
    size_t column = 0;
    for (size_t i = 0; i < line.size(); ++i) {
      const auto byte = static_cast<unsigned char>(line[i]);
      const bool last = i + 1 == line.size();
      // Blanks at a line's end would be lost in transit; '=' is the escape itself.
      const bool escape = byte == '=' || byte > 126 || (byte < 32 && byte != '\t') ||
                          (last && (byte == ' ' || byte == '\t'));
      const size_t width = escape ? 3 : 1;
      // A soft break ("=" at the end) keeps every line within 76 characters.
      if (column + width > kQuotedLineLength - (last ? 0 : 1)) {
        out += '=';
        out += lineEnding;
        column = 0;
      }
      if (escape) {
        AppendEscaped(out, byte);
      } else {
        out += static_cast<char>(byte);
      }
      column += width;
    }
    out += lineEnding;
    if (breakAt == std::string_view::npos) break;
    const size_t breakLength = rest.compare(breakAt, 2, "\r\n") == 0 ? 2 : 1;
    rest.remove_prefix(breakAt + breakLength);
    // A text that ends with a line break has no empty line after it.
    if (rest.empty()) break;
  }
  return out;
}

std::string MessageDate(std::time_t when) {
  static constexpr const char *kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static constexpr const char *kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::tm local{};
  localtime_r(&when, &local);
  const long offset = local.tm_gmtoff / 60;
  const long magnitude = offset < 0 ? -offset : offset;
  char text[64];
  std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d %c%02ld%02ld",
                kDays[local.tm_wday], local.tm_mday, kMonths[local.tm_mon],
                local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec,
                offset < 0 ? '-' : '+', magnitude / 60, magnitude % 60);
  return text;
}

std::string NewMessageId(std::string_view domain) {
  unsigned char random[12] = {};
  if (getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
    // Without the kernel's randomness the time and process keep IDs apart.
    const auto seed = static_cast<uint64_t>(std::time(nullptr)) ^ static_cast<uint64_t>(getpid());
    std::memcpy(random, &seed, sizeof seed);
  }
  std::string id = "<";
  char hex[3];
  for (const unsigned char byte : random) {
    std::snprintf(hex, sizeof hex, "%02x", byte);
    id += hex;
  }
  id += '.';
  id += std::to_string(std::time(nullptr));
  id += '@';
  id += domain;
  id += '>';
  return id;
}

std::string ComposeMessage(const MessageFields &fields, std::string_view lineEnding) {
  std::string message;
  const auto header = [&](std::string_view name, std::string_view value) {
    message += name;
    message += ": ";
    message += value;
    message += lineEnding;
  };
  header("Date", MessageDate(fields.date));
  header("From", fields.from);
  header("To", fields.to);
  header("Subject", EncodeSubject(fields.subject, lineEnding));
  header("Message-ID", fields.messageId);
  header("MIME-Version", "1.0");
  header("Content-Type", "text/plain; charset=UTF-8");
  header("Content-Transfer-Encoding", "quoted-printable");
  message += lineEnding;
  message += QuotedPrintable(fields.body, lineEnding);
  return message;
}

}  // namespace vigil::desktop
