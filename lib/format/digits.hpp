// Writing unsigned 32-bit values as digits, most significant first, into a
// small buffer; shared by the digit-string conversions and the formatted-print
// engine.
#ifndef VIGIL_LIB_FORMAT_DIGITS_HPP
#define VIGIL_LIB_FORMAT_DIGITS_HPP

#include <cstdint>

namespace vigil::format {

// Enough for 32 binary digits.
inline constexpr int kMaxDigits = 32;

inline constexpr char kLowerDigits[] = "0123456789abcdef";
inline constexpr char kUpperDigits[] = "0123456789ABCDEF";

// Writes the digits of value in base (2 to 16) ending just before end and
// returns where they begin; 0 gives the single digit '0'.
inline char *DigitsBackwards(std::uint32_t value, unsigned base, const char *alphabet, char *end) {
  char *p = end;
  do {
    *--p = alphabet[value % base];
    value /= base;
  } while (value != 0);
  return p;
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

}  // namespace vigil::format

#endif
