#include "lib/format/floating_point.h"

#include <algorithm>

#include "platform/core/result_codes.h"

namespace {

constexpr int kIntegerPart = 8;        // '######0.'
constexpr int kMaxFormatLength = 20;   // so at most 12 fraction digits
constexpr int kAllFractionDigits = 18;

// The canonical format: six '#', '0', '.', then one '#' per fraction digit.
void CanonicalFormat(SInt16 fractionDigits, Str255 format) {
  const int wanted = fractionDigits <= 0 ? kAllFractionDigits : fractionDigits;
  const int length = std::min(kIntegerPart + wanted, kMaxFormatLength);
  std::fill(format + 1, format + 1 + length, '#');
  format[7] = '0';
  format[8] = '.';
  format[0] = static_cast<UInt8>(length);
}

OSStatus Compile(ConstStr255Param format, const NumberParts &parts, NumberFormat *out) {
  static const unsigned char kEmpty[1] = {0};
  return CompileNumberFormat(format ? format : kEmpty, &parts, out) == noErr ? noErr : paramErr;
}

OSStatus CurrentFormat(ConstStr255Param format, NumberFormat *out) {
  NumberParts parts;
  const OSErr status = GetCurrentNumberParts(&parts);
  return status != noErr ? status : Compile(format, parts, out);
}

}  // namespace

extern "C" OSStatus CreateCannonicalStringFormat(SInt16 fractionDigits, NumberFormat *formatRecordOut,
                                                 NumberParts *partsTableOut) {
  NumberParts parts;
  const OSErr status = GetSystemNumberParts(&parts);
  if (status != noErr) return status;
  if (partsTableOut) *partsTableOut = parts;
  Str255 format;
  CanonicalFormat(fractionDigits, format);
  return Compile(format, parts, formatRecordOut);
}

extern "C" StringPtr ConvertDoubleToString(double value, SInt16 fractionDigits, StringPtr dst) {
  NumberFormat format;
  if (CreateCannonicalStringFormat(fractionDigits, &format, nullptr) != noErr ||
      WriteNumberWithFormat(&format, value, dst) != noErr) {
    dst[0] = 0;
  }
  return dst;
}

extern "C" double ConvertStringToDouble(ConstStr255Param str, SInt16 fractionDigits) {
  NumberFormat format;
  double value = 0;
  if (CreateCannonicalStringFormat(fractionDigits, &format, nullptr) != noErr ||
      ReadNumberWithFormat(&format, str, &value) != noErr) {
    return 0;
  }
  return value;
}

extern "C" OSStatus FloatingPointValueToString(double value, StringPtr dst, ConstStr255Param format) {
  NumberFormat compiled;
  const OSStatus status = CurrentFormat(format, &compiled);
  if (status != noErr) return status;
  return WriteNumberWithFormat(&compiled, value, dst) == noErr ? noErr : paramErr;
}

extern "C" OSStatus StringToFloatingPointValue(ConstStr255Param str, double *valueOut, ConstStr255Param format) {
  NumberFormat compiled;
  const OSStatus status = CurrentFormat(format, &compiled);
  if (status != noErr) return status;
  return ReadNumberWithFormat(&compiled, str, valueOut) == noErr ? noErr : paramErr;
}
