#include "lib/format/number_text.h"

#include <cstdint>

#include "lib/text/ascii.hpp"

namespace {

int DigitIn(std::uint8_t byte, unsigned base) {
  const int value = vigil::ascii::HexValue(byte);
  return value >= 0 && static_cast<unsigned>(value) < base ? value : -1;
}

UInt32 LeadingDigits(const char *text, UInt32 len, unsigned base) {
  UInt32 value = 0;
  for (UInt32 i = 0; text && i < len; ++i) {
    const int digit = DigitIn(static_cast<std::uint8_t>(text[i]), base);
    if (digit < 0) break;
    value = value * base + static_cast<UInt32>(digit);
  }
  return value;
}

}  // namespace

extern "C" SInt32 DecimalTextToNumber(const char *text, UInt32 len) {
  const bool negative = text && len > 0 && text[0] == '-';
  const UInt32 value = negative ? LeadingDigits(text + 1, len - 1, 10) : LeadingDigits(text, len, 10);
  return static_cast<SInt32>(negative ? 0u - value : value);
}

extern "C" UInt32 HexTextToNumber(const char *text, UInt32 len) { return LeadingDigits(text, len, 16); }

extern "C" UInt32 BinaryTextToNumber(const char *text, UInt32 len) { return LeadingDigits(text, len, 2); }

extern "C" UInt32 OctalTextToNumber(const char *text, UInt32 len) { return LeadingDigits(text, len, 8); }

extern "C" UInt32 ConvertHexTextToNumber(const char *text, UInt32 len) {
  UInt32 value = 0;
  for (UInt32 i = 0; text && i < len; ++i) {
    const int digit = vigil::ascii::HexValue(static_cast<std::uint8_t>(text[i]));
    if (digit >= 0) value = value * 16u + static_cast<UInt32>(digit);
  }
  return value;
}

extern "C" SInt32 FormattedTextToNumber(const char *text, UInt32 len, SInt32 base) {
  if (!text) return 0;
  while (len > 0 && vigil::ascii::IsSpace(static_cast<std::uint8_t>(*text))) {
    ++text;
    --len;
  }
  if (len > 1) {
    const char second = text[1];
    if (text[0] == '0' && (second == 'x' || second == 'X')) return static_cast<SInt32>(HexTextToNumber(text + 2, len - 2));
    if (text[0] == '0' && (second == 'b' || second == 'B')) return static_cast<SInt32>(BinaryTextToNumber(text + 2, len - 2));
    if (text[0] == '0' && vigil::ascii::IsDigit(static_cast<std::uint8_t>(second))) {
      return static_cast<SInt32>(OctalTextToNumber(text + 1, len - 1));
    }
    if (text[0] == '$') return static_cast<SInt32>(HexTextToNumber(text + 1, len - 1));
    if (text[0] == '#') return DecimalTextToNumber(text + 1, len - 1);
  }
  switch (base) {
    case 10:
      return DecimalTextToNumber(text, len);
    case 16:
      return static_cast<SInt32>(HexTextToNumber(text, len));
    case 2:
      return static_cast<SInt32>(BinaryTextToNumber(text, len));
    case 8:
      return static_cast<SInt32>(OctalTextToNumber(text, len));
    default:
      return 0;
  }
}
