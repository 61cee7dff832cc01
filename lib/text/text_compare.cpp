#include "lib/text/text_compare.h"

#include <algorithm>
#include <cstdint>

#include "lib/text/ascii.hpp"
#include "lib/text/search_kernels.hpp"

namespace {

using vigil::ascii::Fold;
using vigil::ascii::IsDigit;

const std::uint8_t *Bytes(const char *p) { return reinterpret_cast<const std::uint8_t *>(p); }

}  // namespace

extern "C" SInt32 TextCompare(const char *a, UInt32 aLength, const char *b, UInt32 bLength,
                              SInt32 caseSensitive) {
  if (!a || !b) return 0;
  const bool exact = caseSensitive != 0;
  const std::uint8_t *x = Bytes(a);
  const std::uint8_t *y = Bytes(b);
  const std::size_t common = std::min(aLength, bLength);
  const std::size_t at = vigil::text::FirstMismatch(x, y, common, exact);
  if (at < common) return SInt32{Fold(x[at], exact)} - SInt32{Fold(y[at], exact)};
  if (aLength == bLength) return 0;
  // The longer side's last compared byte decides the magnitude; with nothing
  // compared it is the longer text's first byte, as it stands.
  const std::uint8_t *longer = aLength > bLength ? x : y;
  const SInt32 magnitude = common == 0 ? longer[0] : Fold(longer[common - 1], exact);
  return aLength < bLength ? -magnitude : magnitude;
}

extern "C" SInt32 TextCompareNatural(const char *a, UInt32 aLength, const char *b, UInt32 bLength,
                                     SInt32 caseSensitive) {
  if (!a) aLength = 0;
  if (!b) bLength = 0;
  const bool exact = caseSensitive != 0;
  const std::uint8_t *x = Bytes(a);
  const std::uint8_t *y = Bytes(b);
  UInt32 i = 0;
  UInt32 j = 0;
  SInt32 extraZeros = 0;  // leading zeros of a's numbers minus b's
  for (;;) {
    if (i == aLength && j == bLength) return 0;
    while (i < aLength && j < bLength && !(IsDigit(x[i]) && IsDigit(y[j]))) {
      const std::uint8_t p = Fold(x[i], exact);
      const std::uint8_t q = Fold(y[j], exact);
      if (p != q) return p < q ? -1 : 1;
      ++i;
      ++j;
    }
    if (i == aLength) return j == bLength ? 0 : -1;
    if (j == bLength) return 1;
    // Both at a digit. A zero that ends its run is kept, so '0' and '000' keep one.
    for (; x[i] == '0' && i + 1 < aLength && IsDigit(x[i + 1]); ++i) ++extraZeros;
    for (; y[j] == '0' && j + 1 < bLength && IsDigit(y[j + 1]); ++j) --extraZeros;
    UInt32 aEnd = i;
    UInt32 bEnd = j;
    while (aEnd < aLength && IsDigit(x[aEnd])) ++aEnd;
    while (bEnd < bLength && IsDigit(y[bEnd])) ++bEnd;
    if (aEnd - i != bEnd - j) return aEnd - i > bEnd - j ? 1 : -1;
    for (; i < aEnd; ++i, ++j) {
      if (x[i] != y[j]) return x[i] < y[j] ? -1 : 1;
    }
    if (extraZeros != 0) return extraZeros < 0 ? -1 : 1;
  }
}
