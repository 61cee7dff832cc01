// Character classes and case folding of the C library in the default C locale,
// written out so that no result ever depends on the process's locale setting.
// Bytes 0x80 to 0xFF belong to no class and fold to themselves.
#ifndef VIGIL_LIB_TEXT_ASCII_HPP
#define VIGIL_LIB_TEXT_ASCII_HPP

#include <cstdint>

namespace vigil::ascii {

constexpr std::uint8_t ToLower(std::uint8_t c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<std::uint8_t>(c + ('a' - 'A')) : c;
}
constexpr std::uint8_t ToUpper(std::uint8_t c) {
  return (c >= 'a' && c <= 'z') ? static_cast<std::uint8_t>(c - ('a' - 'A')) : c;
}
// The byte as compared under a case flag: nonzero keeps it, zero folds A-Z.
constexpr std::uint8_t Fold(std::uint8_t c, bool caseSensitive) {
  return caseSensitive ? c : ToLower(c);
}

constexpr bool IsDigit(std::uint8_t c) { return c >= '0' && c <= '9'; }
constexpr bool IsAlpha(std::uint8_t c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }
constexpr bool IsAlnum(std::uint8_t c) { return IsDigit(c) || IsAlpha(c); }
constexpr bool IsXDigit(std::uint8_t c) { return IsDigit(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f'); }
// Space and the five controls tab, line feed, vertical tab, form feed, return.
constexpr bool IsSpace(std::uint8_t c) { return c == ' ' || (c >= 0x09 && c <= 0x0D); }

// Value of a hexadecimal digit of either case, or -1.
constexpr int HexValue(std::uint8_t c) {
  if (IsDigit(c)) return c - '0';
  const std::uint8_t lower = c | 0x20;
  if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
  return -1;
}

}  // namespace vigil::ascii

#endif
