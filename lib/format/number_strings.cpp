#include "lib/format/number_strings.h"

#include <algorithm>
#include <cstring>

#include "lib/format/digits.hpp"
#include "lib/strings/string_insert.h"
#include "lib/text/ascii.hpp"
#include "platform/core/result_codes.h"
#include "platform/text/number_format.h"

namespace {

using vigil::format::Digits;
using vigil::format::Magnitude;

// Every byte of the string whose digit value (in base) exists, in order.
UInt32 AllDigitsValue(ConstStr255Param str, unsigned base) {
  UInt32 value = 0;
  for (int i = 1; i <= str[0]; ++i) {
    const int digit = vigil::ascii::HexValue(str[i]);
    if (digit >= 0 && static_cast<unsigned>(digit) < base) value = value * base + static_cast<UInt32>(digit);
  }
  return value;
}

void AppendUnsigned(UInt32 value, unsigned base, StringPtr dst) {
  const Digits digits(value, base);
  PStringAppendText(digits.begin, static_cast<UInt32>(digits.count), dst);
}

// The signed decimal form in buffer; returns its length (at most 11).
int SignedDecimal(SInt32 value, char *buffer) {
  const Digits digits(Magnitude(value), 10);
  int length = 0;
  if (value < 0) buffer[length++] = '-';
  std::memcpy(buffer + length, digits.begin, static_cast<std::size_t>(digits.count));
  return length + digits.count;
}

void Padded(UInt32 value, unsigned base, SInt32 width, StringPtr dst) {
  dst[0] = 0;
  AppendUnsigned(value, base, dst);
  PadPascalString(dst, width, '0');
}

}  // namespace

extern "C" SInt32 ConvertStringToNumber(ConstStr255Param str) {
  const UInt32 value = AllDigitsValue(str, 10);
  return static_cast<SInt32>(str[0] > 0 && str[1] == '-' ? 0u - value : value);
}

extern "C" UInt32 ConvertHexStringToNumber(ConstStr255Param str) { return AllDigitsValue(str, 16); }

extern "C" UInt32 ConvertBinaryStringToNumber(ConstStr255Param str) { return AllDigitsValue(str, 2); }

extern "C" SInt32 ConvertCharToNumber(SInt32 ch) { return ch >= '0' && ch <= '9' ? ch - '0' : -1; }

extern "C" SInt32 ConvertHexCharToNumber(SInt32 ch) {
  return ch >= 0 && ch <= 0xFF ? vigil::ascii::HexValue(static_cast<std::uint8_t>(ch)) : -1;
}

extern "C" SInt32 ConvertBinaryCharToNumber(SInt32 ch) {
  const SInt32 low = ch & 0xFF;
  return low == '0' || low == '1' ? low - '0' : -1;
}

extern "C" void AppendNumberToString(SInt32 value, StringPtr dst) {
  char buffer[12];
  PStringAppendText(buffer, static_cast<UInt32>(SignedDecimal(value, buffer)), dst);
}

extern "C" void ConvertNumberToString(SInt32 value, StringPtr dst) {
  dst[0] = 0;
  AppendNumberToString(value, dst);
}

extern "C" void AppendNumberToCString(SInt32 value, char *dst) {
  char *end = dst + std::strlen(dst);
  end[SignedDecimal(value, end)] = '\0';
}

extern "C" void ConvertNumberToCString(SInt32 value, char *dst) { AppendNumberToCString(value, dst); }

extern "C" void AppendNumberToHexString(UInt32 value, StringPtr dst) { AppendUnsigned(value, 16, dst); }

extern "C" void AppendNumberToBinaryString(UInt32 value, StringPtr dst) { AppendUnsigned(value, 2, dst); }

extern "C" void AppendNumberToOctalString(UInt32 value, StringPtr dst) { AppendUnsigned(value, 8, dst); }

extern "C" void ConvertNumberToHexString(UInt32 value, StringPtr dst) {
  dst[0] = 0;
  AppendUnsigned(value, 16, dst);
}

extern "C" void ConvertNumberToBinaryString(UInt32 value, StringPtr dst) {
  dst[0] = 0;
  AppendUnsigned(value, 2, dst);
}

extern "C" void ConvertNumberToOctalString(UInt32 value, StringPtr dst) {
  dst[0] = 0;
  AppendUnsigned(value, 8, dst);
}

extern "C" void ConvertNumberToHexStringPadded(UInt32 value, SInt32 width, StringPtr dst) {
  Padded(value, 16, width, dst);
}

extern "C" void ConvertNumberToBinaryStringPadded(UInt32 value, SInt32 width, StringPtr dst) {
  Padded(value, 2, width, dst);
}

extern "C" void ConvertNumberToHexText(UInt32 value, char *dst, SInt32 width) {
  const Digits digits(value, 16);
  const int zeros = std::max(0, width - digits.count);
  std::memset(dst, '0', static_cast<std::size_t>(zeros));
  std::memcpy(dst + zeros, digits.begin, static_cast<std::size_t>(digits.count));
}

extern "C" void ConvertNumberToFormattedStringWithSeperator(SInt32 value, char separator, StringPtr dst) {
  char plain[12];
  const int length = SignedDecimal(value, plain);
  const int sign = value < 0 ? 1 : 0;
  const int groups = (length - sign - 1) / 3;  // separators to put in
  // The first separator goes before character length - 3 * groups, each next
  // one four characters further on in the grouped form.
  int out = 0;
  int nextSeparator = length - 3 * groups;
  for (int i = 0; i < length; ++i) {
    if (groups > 0 && i == nextSeparator) {
      dst[1 + out++] = static_cast<unsigned char>(separator);
      nextSeparator += 3;
    }
    dst[1 + out++] = static_cast<unsigned char>(plain[i]);
  }
  dst[0] = static_cast<unsigned char>(out);
}

extern "C" OSStatus ConvertNumberToFormattedString(SInt32 value, StringPtr dst) {
  UInt8 decimalPoint = '.';
  UInt8 separator = ',';
  const OSStatus status = GetSystemNumericFormat(&decimalPoint, &separator);
  if (status != noErr) separator = ',';
  ConvertNumberToFormattedStringWithSeperator(value, static_cast<char>(separator), dst);
  return status;
}
