#include "platform/text/number_format.h"

#include <langinfo.h>
#include <locale.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "platform/core/result_codes.h"

namespace {

constexpr std::size_t kMaxAffix = sizeof(NumberFormatSection::prefix);
constexpr std::size_t kMaxPascal = 255;

// A locale symbol as one Mac OS Roman byte, or 0 when it has none.
UInt8 MacRomanSymbol(const char *symbol) {
  const std::string_view s = symbol ? symbol : "";
  if (s.size() == 1 && static_cast<unsigned char>(s[0]) < 0x80) return static_cast<UInt8>(s[0]);
  if (s == "\xC2\xA0" || s == "\xE2\x80\xAF") return 0xCA;  // no-break spaces
  if (s == "\xE2\x80\x99") return 0xD5;                     // right single quotation mark
  return 0;
}

// The decimal point and thousands separator of the user's LC_NUMERIC locale,
// read without changing the process's locale.
struct LocaleSymbols {
  UInt8 decimalPoint = '.';
  UInt8 thousandsSeparator = 0;
};

LocaleSymbols ReadLocaleSymbols() {
  LocaleSymbols symbols;
  locale_t locale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (!locale) return symbols;
  if (const UInt8 point = MacRomanSymbol(nl_langinfo_l(RADIXCHAR, locale))) symbols.decimalPoint = point;
  symbols.thousandsSeparator = MacRomanSymbol(nl_langinfo_l(THOUSEP, locale));
  freelocale(locale);
  return symbols;
}

OSErr LocaleNumberParts(NumberParts *outParts) {
  if (!outParts) return paramErr;
  const LocaleSymbols symbols = ReadLocaleSymbols();
  *outParts = NumberParts{};
  outParts->version = 1;
  outParts->symbols[kNumberPartDecimalPoint] = symbols.decimalPoint;
  outParts->symbols[kNumberPartThousandsSeparator] = symbols.thousandsSeparator ? symbols.thousandsSeparator : ',';
  outParts->symbols[kNumberPartMinusSign] = '-';
  outParts->symbols[kNumberPartPlusSign] = '+';
  return noErr;
}

UInt8 Symbol(const NumberParts *parts, int index, UInt8 fallback) {
  const UInt8 symbol = parts ? static_cast<UInt8>(parts->symbols[index] & 0xFF) : 0;
  return symbol ? symbol : fallback;
}

bool IsPatternCharacter(char c) { return c == '#' || c == '0' || c == ',' || c == '.'; }

bool CompileSection(std::string_view text, bool textAlone, NumberFormatSection &section) {
  section = NumberFormatSection{};
  const std::size_t first = text.find_first_of("#0,.");
  if (first == std::string_view::npos) {
    if (!textAlone || text.empty() || text.size() > kMaxAffix) return false;
    section.prefixLength = static_cast<UInt8>(text.size());
    std::memcpy(section.prefix, text.data(), text.size());
    return true;
  }
  std::size_t last = first;
  while (last < text.size() && IsPatternCharacter(text[last])) ++last;
  const std::string_view prefix = text.substr(0, first);
  const std::string_view pattern = text.substr(first, last - first);
  const std::string_view suffix = text.substr(last);
  if (suffix.find_first_of("#0,.") != std::string_view::npos) return false;
  if (prefix.size() > kMaxAffix || suffix.size() > kMaxAffix) return false;
  bool inFraction = false;
  int digits = 0;
  int fractionDigits = 0;
  for (const char c : pattern) {
    if (c == '.') {
      if (inFraction) return false;
      inFraction = true;
    } else if (c == ',') {
      if (inFraction) return false;
      section.grouped = 1;
    } else {
      ++digits;
      if (inFraction) {
        ++fractionDigits;
        if (c == '0') section.minFractionDigits = static_cast<UInt8>(fractionDigits);
      } else if (c == '0') {
        ++section.minIntegerDigits;
      }
    }
  }
  if (digits == 0 || fractionDigits > static_cast<int>(kMaxPascal)) return false;
  section.maxFractionDigits = static_cast<UInt8>(fractionDigits);
  section.hasDigits = 1;
  section.prefixLength = static_cast<UInt8>(prefix.size());
  section.suffixLength = static_cast<UInt8>(suffix.size());
  std::memcpy(section.prefix, prefix.data(), prefix.size());
  std::memcpy(section.suffix, suffix.data(), suffix.size());
  return true;
}

std::string_view Prefix(const NumberFormatSection &s) { return {s.prefix, s.prefixLength}; }
std::string_view Suffix(const NumberFormatSection &s) { return {s.suffix, s.suffixLength}; }

// The digits of a non-negative finite value rounded to the section's fraction
// digits, split at the decimal point, trimmed and padded as the section asks.
struct Rendered {
  std::string integer;
  std::string fraction;
};

std::optional<Rendered> Render(double magnitude, const NumberFormatSection &section) {
  char buffer[320 + kMaxPascal];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, section.maxFractionDigits);
  if (error != std::errc{}) return std::nullopt;
  const std::string_view all(buffer, static_cast<std::size_t>(end - buffer));
  const std::size_t point = all.find('.');
  Rendered r{std::string(all.substr(0, point)), point == std::string_view::npos ? "" : std::string(all.substr(point + 1))};
  r.integer.erase(0, r.integer.find_first_not_of('0'));
  if (r.integer.size() < section.minIntegerDigits) {
    r.integer = std::string(section.minIntegerDigits - r.integer.size(), '0') + r.integer;
  }
  while (r.fraction.size() > section.minFractionDigits && r.fraction.back() == '0') r.fraction.pop_back();
  if (r.integer.empty() && r.fraction.empty()) r.integer.push_back('0');
  return r;
}

bool AllZero(const Rendered &r) {
  return r.integer.find_first_not_of('0') == std::string::npos && r.fraction.find_first_not_of('0') == std::string::npos;
}

std::string Grouped(const std::string &integer, char separator) {
  std::string out;
  for (std::size_t i = 0; i < integer.size(); ++i) {
    if (i > 0 && (integer.size() - i) % 3 == 0) out += separator;
    out += integer[i];
  }
  return out;
}

// Reads the text against one section; the minus sign is accepted in front
// only when allowed.
std::optional<double> ReadSection(const NumberFormat &format, const NumberFormatSection &section,
                                  std::string_view text, bool allowSign) {
  if (!section.hasDigits) return text == Prefix(section) ? std::optional<double>(0.0) : std::nullopt;
  bool negative = false;
  if (allowSign && !text.empty() && (static_cast<UInt8>(text[0]) == format.minusSign || text[0] == '+')) {
    negative = static_cast<UInt8>(text[0]) == format.minusSign;
    text.remove_prefix(1);
  }
  if (!text.starts_with(Prefix(section))) return std::nullopt;
  text.remove_prefix(section.prefixLength);
  if (!text.ends_with(Suffix(section))) return std::nullopt;
  text.remove_suffix(section.suffixLength);
  std::string plain;
  bool seenPoint = false;
  bool seenDigit = false;
  for (const char c : text) {
    const UInt8 byte = static_cast<UInt8>(c);
    if (c >= '0' && c <= '9') {
      plain += c;
      seenDigit = true;
    } else if (byte == format.decimalPoint && !seenPoint) {
      plain += '.';
      seenPoint = true;
    } else if (byte == format.thousandsSeparator && section.grouped && seenDigit && !seenPoint) {
      continue;
    } else {
      return std::nullopt;
    }
  }
  if (!seenDigit) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc{} || end != plain.data() + plain.size()) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace

extern "C" OSErr GetSystemNumberParts(NumberParts *outParts) { return LocaleNumberParts(outParts); }

extern "C" OSErr GetCurrentNumberParts(NumberParts *outParts) { return LocaleNumberParts(outParts); }

extern "C" OSErr GetSystemNumericFormat(UInt8 *outDecimalPoint, UInt8 *outThousandsSeparator) {
  const LocaleSymbols symbols = ReadLocaleSymbols();
  if (symbols.thousandsSeparator == 0) return resNotFound;
  if (outDecimalPoint) *outDecimalPoint = symbols.decimalPoint;
  if (outThousandsSeparator) *outThousandsSeparator = symbols.thousandsSeparator;
  return noErr;
}

extern "C" OSStatus CompileNumberFormat(ConstStr255Param format, const NumberParts *parts, NumberFormat *outFormat) {
  if (!format || !outFormat || format[0] == 0) return paramErr;
  NumberFormat compiled{};
  compiled.decimalPoint = Symbol(parts, kNumberPartDecimalPoint, '.');
  compiled.thousandsSeparator = Symbol(parts, kNumberPartThousandsSeparator, ',');
  compiled.minusSign = Symbol(parts, kNumberPartMinusSign, '-');
  std::string_view rest(reinterpret_cast<const char *>(format + 1), format[0]);
  for (;;) {
    if (compiled.sectionCount == 3) return paramErr;
    const std::size_t semicolon = rest.find(';');
    const bool zeroSection = compiled.sectionCount == 2;
    if (!CompileSection(rest.substr(0, semicolon), zeroSection, compiled.sections[compiled.sectionCount])) {
      return paramErr;
    }
    ++compiled.sectionCount;
    if (semicolon == std::string_view::npos) break;
    rest.remove_prefix(semicolon + 1);
  }
  *outFormat = compiled;
  return noErr;
}

extern "C" OSStatus WriteNumberWithFormat(const NumberFormat *format, double value, StringPtr outString) {
  if (!format || !outString || format->sectionCount == 0 || format->sectionCount > 3 || !std::isfinite(value)) {
    return paramErr;
  }
  const int which = value < 0 && format->sectionCount >= 2 ? 1 : 0;
  std::optional<Rendered> rendered = Render(std::fabs(value), format->sections[which]);
  if (!rendered) return paramErr;
  std::string text;
  if (AllZero(*rendered) && format->sectionCount == 3) {
    const NumberFormatSection &zero = format->sections[2];
    text = zero.hasDigits ? std::string(Prefix(zero)) + "0" + std::string(Suffix(zero)) : std::string(Prefix(zero));
  } else {
    const NumberFormatSection &section = format->sections[which];
    if (which == 0 && value < 0 && !AllZero(*rendered)) text += static_cast<char>(format->minusSign);
    text += Prefix(section);
    text += section.grouped ? Grouped(rendered->integer, static_cast<char>(format->thousandsSeparator))
                            : rendered->integer;
    if (!rendered->fraction.empty()) {
      text += static_cast<char>(format->decimalPoint);
      text += rendered->fraction;
    }
    text += Suffix(section);
  }
  if (text.size() > kMaxPascal) return paramErr;
  outString[0] = static_cast<UInt8>(text.size());
  std::memcpy(outString + 1, text.data(), text.size());
  return noErr;
}

extern "C" OSStatus ReadNumberWithFormat(const NumberFormat *format, ConstStr255Param text, double *outValue) {
  if (!format || !text || !outValue || format->sectionCount == 0 || format->sectionCount > 3) return paramErr;
  const std::string_view input(reinterpret_cast<const char *>(text + 1), text[0]);
  std::optional<double> value = ReadSection(*format, format->sections[0], input, format->sectionCount == 1);
  if (!value && format->sectionCount >= 2) {
    value = ReadSection(*format, format->sections[1], input, false);
    if (value) *value = -*value;
  }
  if (!value && format->sectionCount == 3) value = ReadSection(*format, format->sections[2], input, false);
  if (!value) return paramErr;
  *outValue = *value;
  return noErr;
}
