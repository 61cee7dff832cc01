// Writing 32-bit values as digits, most significant first, and reading them
// back; shared by the digit-string conversions and the formatted-print engine.
#ifndef VIGIL_LIB_FORMAT_DIGITS_HPP
#define VIGIL_LIB_FORMAT_DIGITS_HPP

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "lib/text/ascii.hpp"

namespace vigil::format {

// Enough for 32 binary digits.
inline constexpr int kMaxDigits = 32;

inline constexpr char kLowerDigits[] = "0123456789abcdef";
inline constexpr char kUpperDigits[] = "0123456789ABCDEF";

// Writes the digits of value in base (2 to 16) ending just before end and
// returns where they begin; 0 gives the single digit '0'. The common bases get
// loops the compiler turns into shifts and multiplications.
template <typename Base>
char *DigitsBackwardsIn(std::uint32_t value, Base base, const char *alphabet, char *end) {
  char *p = end;
  do {
    *--p = alphabet[value % base];
    value /= base;
  } while (value != 0);
  return p;
}

template <unsigned kBase>
using Constant = std::integral_constant<unsigned, kBase>;

// Decimal digits two at a time: "00" to "99".
inline constexpr auto kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

inline char *DecimalBackwards(std::uint32_t value, char *end) {
  char *p = end;
  while (value >= 100) {
    p -= 2;
    std::memcpy(p, &kDigitPairs[2 * (value % 100)], 2);
    value /= 100;
  }
  if (value >= 10) {
    p -= 2;
    std::memcpy(p, &kDigitPairs[2 * value], 2);
  } else {
    *--p = static_cast<char>('0' + value);
  }
  return p;
}

inline char *DigitsBackwards(std::uint32_t value, unsigned base, const char *alphabet, char *end) {
  switch (base) {
    case 10:
      return DecimalBackwards(value, end);
    case 16:
      return DigitsBackwardsIn(value, Constant<16>{}, alphabet, end);
    case 8:
      return DigitsBackwardsIn(value, Constant<8>{}, alphabet, end);
    case 2:
      return DigitsBackwardsIn(value, Constant<2>{}, alphabet, end);
    default:
      return DigitsBackwardsIn(value, base, alphabet, end);
  }
}

// The digits of value in base into a fresh buffer.
struct Digits {
  char buffer[kMaxDigits];
  const char *begin;
  int count;

  Digits(std::uint32_t value, unsigned base, const char *alphabet = kUpperDigits) {
    begin = DigitsBackwards(value, base, alphabet, buffer + kMaxDigits);
    count = static_cast<int>(buffer + kMaxDigits - begin);
  }
};

// The magnitude of a signed value, the most negative included.
inline std::uint32_t Magnitude(std::int32_t value) {
  return value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
}

// A number's field in the formatted-print engine: 32 characters and the
// terminator.
inline constexpr std::size_t kFieldSize = 33;

// The body of NumberToString, inline for the engine: see formatted_output.h.
inline char *WriteNumberField(std::uint32_t value, std::int32_t base, char pad, std::int32_t width,
                              std::int32_t precision, bool upperCase, char *dst) {
  static constexpr char kMostNegative[] = "-2147483648";
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
    minus = static_cast<std::int32_t>(value) < 0;
    if (minus) value = 0u - value;
    base = 10;
  }
  if (base < 2 || base > 16) {
    *dst = '\0';
    return dst;
  }
  char digits[kMaxDigits];
  char *digitsEnd = digits + kMaxDigits;
  const char *first = DigitsBackwards(value, static_cast<unsigned>(base), upperCase ? kUpperDigits : kLowerDigits, digitsEnd);
  const std::int32_t count = static_cast<std::int32_t>(digitsEnd - first);
  const std::int32_t room = static_cast<std::int32_t>(kFieldSize - 1) - (minus ? 1 : 0);
  const std::int32_t target = width < room ? width : room;
  const std::int32_t padding = pad != 0 && target > count ? target - count : 0;
  char *out = dst;
  if (minus) *out++ = '-';
  std::memset(out, pad, static_cast<std::size_t>(padding));
  out += padding;
  std::memcpy(out, first, static_cast<std::size_t>(count));
  out += count;
  *out = '\0';
  return out;
}

// The body of StringToNumber, inline for the engine: see formatted_output.h.
inline std::int32_t ReadNumber(const char *str, const char **end, std::int32_t base) {
  const char *p = str;
  if (base != 10 && base != 16) {
    *end = str;
    return 0;
  }
  while (*p == ' ' || *p == '\t' || *p == '\n') ++p;
  const bool negative = *p == '-';
  if (negative) ++p;
  std::uint32_t value = 0;
  for (int digit; (digit = ascii::HexValue(static_cast<std::uint8_t>(*p))) >= 0 && digit < base; ++p) {
    value = value * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
  }
  *end = p;
  return static_cast<std::int32_t>(negative ? 0u - value : value);
}

}  // namespace vigil::format

#endif
