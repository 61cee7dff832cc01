#include "lib/strings/string_compare.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "lib/text/ascii.hpp"
#include "lib/text/search_kernels.hpp"

namespace {

using vigil::ascii::Fold;

template <typename Change>
void ChangeEach(unsigned char *bytes, std::size_t length, Change change) {
  std::transform(bytes, bytes + length, bytes, change);
}

}  // namespace

extern "C" StringPtr ConvertPascalStringToLowercase(StringPtr str) {
  ChangeEach(str + 1, str[0], vigil::ascii::ToLower);
  return str;
}

extern "C" StringPtr ConvertPascalStringToUppercase(StringPtr str) {
  ChangeEach(str + 1, str[0], vigil::ascii::ToUpper);
  return str;
}

extern "C" char *ConvertCStringToLowercase(char *str) {
  ChangeEach(reinterpret_cast<unsigned char *>(str), std::strlen(str), vigil::ascii::ToLower);
  return str;
}

extern "C" char *ConvertCStringToUppercase(char *str) {
  ChangeEach(reinterpret_cast<unsigned char *>(str), std::strlen(str), vigil::ascii::ToUpper);
  return str;
}

extern "C" SInt32 PascalStringCompare(ConstStr255Param a, ConstStr255Param b, SInt32 caseFlag) {
  const bool exact = caseFlag != 0;
  const std::size_t common = std::min(a[0], b[0]);
  const std::size_t at = vigil::text::FirstMismatch(a + 1, b + 1, common, exact);
  if (at < common) {
    return SInt32{static_cast<SInt8>(Fold(a[1 + at], exact))} - SInt32{static_cast<SInt8>(Fold(b[1 + at], exact))};
  }
  return SInt32{a[0]} - SInt32{b[0]};
}

extern "C" SInt32 CStringCompare(const char *a, const char *b, SInt32 caseFlag) {
  const bool exact = caseFlag != 0;
  const auto *x = reinterpret_cast<const std::uint8_t *>(a);
  const auto *y = reinterpret_cast<const std::uint8_t *>(b);
  for (std::size_t i = 0;; ++i) {
    const SInt32 p = Fold(x[i], exact);
    const SInt32 q = Fold(y[i], exact);
    if (p != q) return p - q;
    if (p == 0) return 0;
  }
}

extern "C" int QSortPStringCompare(const void *a, const void *b) {
  return PascalStringCompare(static_cast<ConstStr255Param>(a), static_cast<ConstStr255Param>(b), 0);
}
