#include "lib/format/formatted_output.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>

#include "lib/format/digits.hpp"
#include "lib/format/format_engine.hpp"
#include "lib/text/ascii.hpp"

namespace {

using vigil::format::kFieldSize;

constexpr char kMostNegative[] = "-2147483648";

// Arguments from a variadic list, read as 32-bit words and pointers.
class VaListSource {
 public:
  explicit VaListSource(va_list args) { va_copy(args_, args); }
  ~VaListSource() { va_end(args_); }
  VaListSource(const VaListSource &) = delete;
  VaListSource &operator=(const VaListSource &) = delete;

  UInt32 NextWord() { return va_arg(args_, unsigned int); }
  SInt32 NextInt() { return va_arg(args_, int); }
  const char *NextCString() { return va_arg(args_, const char *); }
  const unsigned char *NextPString() { return va_arg(args_, const unsigned char *); }

 private:
  va_list args_;
};

}  // namespace

extern "C" char *NumberToString(UInt32 value, SInt32 base, char pad, SInt32 width, SInt32 precision,
                                Boolean upperCase, char *dst) {
  if (precision > 0) {
    width = precision;
    pad = '0';
  }
  bool minus = false;
  if (base == -10) {
    if (value == 0x80000000u) {
      std::memcpy(dst, kMostNegative, sizeof kMostNegative);
      return dst + sizeof kMostNegative - 1;
    }
    minus = static_cast<SInt32>(value) < 0;
    if (minus) value = 0u - value;
    base = 10;
  }
  if (base < 2 || base > 16) {
    *dst = '\0';
    return dst;
  }
  char digits[vigil::format::kMaxDigits];
  char *digitsEnd = digits + sizeof digits;
  const char *first = vigil::format::DigitsBackwards(
      value, static_cast<unsigned>(base), upperCase ? vigil::format::kUpperDigits : vigil::format::kLowerDigits,
      digitsEnd);
  const SInt32 count = static_cast<SInt32>(digitsEnd - first);
  const SInt32 room = static_cast<SInt32>(kFieldSize - 1) - (minus ? 1 : 0);
  const SInt32 padding = pad != 0 ? std::clamp(std::min(width, room) - count, 0, room) : 0;
  char *out = dst;
  if (minus) *out++ = '-';
  std::memset(out, pad, static_cast<std::size_t>(padding));
  out += padding;
  std::memcpy(out, first, static_cast<std::size_t>(count));
  out += count;
  *out = '\0';
  return out;
}

extern "C" SInt32 StringToNumber(const char *str, char **end, SInt32 base) {
  const char *p = str;
  if (base != 10 && base != 16) {
    if (end) *end = const_cast<char *>(str);
    return 0;
  }
  while (*p == ' ' || *p == '\t' || *p == '\n') ++p;
  const bool negative = *p == '-';
  if (negative) ++p;
  UInt32 value = 0;
  for (;; ++p) {
    const int digit = vigil::ascii::HexValue(static_cast<std::uint8_t>(*p));
    if (digit < 0 || digit >= base) break;
    value = value * static_cast<UInt32>(base) + static_cast<UInt32>(digit);
  }
  if (end) *end = const_cast<char *>(p);
  return static_cast<SInt32>(negative ? 0u - value : value);
}

extern "C" void ExpandFormat(char *dst, const char *format, va_list args) {
  VaListSource source(args);
  vigil::format::UnboundedSink sink(dst);
  vigil::format::Expand(format, source, sink);
}

extern "C" SInt32 SPrintF(char *dst, const char *format, ...) {
  if (!dst || !format) return -1;
  va_list args;
  va_start(args, format);
  vigil::format::UnboundedSink sink(dst);
  {
    VaListSource source(args);
    vigil::format::Expand(format, source, sink);
  }
  va_end(args);
  return static_cast<SInt32>(sink.Length());
}
