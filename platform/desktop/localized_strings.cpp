#include "platform/desktop/localized_strings.hpp"

#include <libintl.h>
#include <sys/stat.h>

#include <cstdio>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace vigil::desktop {
namespace {

constexpr const char *kDomain = "vigil";

// English texts of the identifier keys, for when the catalog gives none (the C
// locale, or a language without a translation).
const std::map<std::string, std::string, std::less<>> &EnglishTexts() {
  static const std::map<std::string, std::string, std::less<>> texts = {
#include "english_texts.inc"
  };
  return texts;
}

void BindCatalog() {
  static std::once_flag bound;
  std::call_once(bound, [] {
    struct stat status {};
    const bool installed = stat(VIGIL_INSTALLED_LOCALE_DIR, &status) == 0;
    bindtextdomain(kDomain, installed ? VIGIL_INSTALLED_LOCALE_DIR : VIGIL_BUILD_LOCALE_DIR);
    bind_textdomain_codeset(kDomain, "UTF-8");
  });
}

enum class Argument { kInteger, kDouble, kString };

// The format rewritten for snprintf when it holds exactly one conversion, of the
// argument's kind; nothing otherwise.
std::optional<std::string> CheckedFormat(std::string_view format, Argument argument) {
  std::string out;
  int conversions = 0;
  for (size_t i = 0; i < format.size(); ++i) {
    out += format[i];
    if (format[i] != '%') continue;
    if (++i >= format.size()) return std::nullopt;
    if (format[i] == '%') {
      out += '%';
      continue;
    }
    if (format.substr(i, 2) == "1$") i += 2;  // the first and only argument
    while (i < format.size() && std::string_view("-+ #0").find(format[i]) != std::string_view::npos) {
      out += format[i++];
    }
    for (int digits = 0; i < format.size() && format[i] >= '0' && format[i] <= '9'; ++digits) {
      if (digits == 3) return std::nullopt;  // no field wider than 999
      out += format[i++];
    }
    if (i < format.size() && format[i] == '.') {
      out += format[i++];
      for (int digits = 0; i < format.size() && format[i] >= '0' && format[i] <= '9'; ++digits) {
        if (digits == 3) return std::nullopt;
        out += format[i++];
      }
    }
    if (i < format.size() && format[i] == 'l') ++i;
    if (i >= format.size()) return std::nullopt;
    const char conversion = format[i];
    switch (argument) {
      case Argument::kInteger:
        if (conversion != 'd' && conversion != 'i') return std::nullopt;
        out += "lld";
        break;
      case Argument::kDouble:
        if (std::string_view("fFeEgG").find(conversion) == std::string_view::npos) {
          return std::nullopt;
        }
        out += conversion;
        break;
      case Argument::kString:
        if (conversion != 's' && conversion != '@') return std::nullopt;
        out += 's';
        break;
    }
    ++conversions;
  }
  if (conversions != 1) return std::nullopt;
  return out;
}

template <typename Value>
std::string Print(std::string_view format, Argument kind, Value value) {
  const auto checked = CheckedFormat(format, kind);
  if (!checked) return std::string(format);
  const int length = std::snprintf(nullptr, 0, checked->c_str(), value);
  if (length < 0) return std::string(format);
  std::string out(static_cast<size_t>(length) + 1, '\0');
  std::snprintf(out.data(), out.size(), checked->c_str(), value);
  out.resize(static_cast<size_t>(length));
  return out;
}

}  // namespace

std::string LocalizedString(std::string_view key) {
  BindCatalog();
  const std::string id(key);
  if (id.empty()) return id;
  const char *translated = dgettext(kDomain, id.c_str());
  if (translated != id.c_str() && id != translated) return translated;
  const auto &english = EnglishTexts();
  if (const auto found = english.find(key); found != english.end()) return found->second;
  return id;
}

std::string FormatWithInteger(std::string_view format, long long value) {
  return Print(format, Argument::kInteger, value);
}

std::string FormatWithDouble(std::string_view format, double value) {
  return Print(format, Argument::kDouble, value);
}

std::string FormatWithString(std::string_view format, std::string_view value) {
  const std::string terminated(value);
  return Print(format, Argument::kString, terminated.c_str());
}

}  // namespace vigil::desktop
