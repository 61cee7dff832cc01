#include "lib/text/search_kernels.hpp"

#include <cstring>

#include "lib/text/ascii.hpp"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vigil::text {
namespace {

using ascii::Fold;

#if defined(__SSE2__)
constexpr std::size_t kBlock = 16;

__m128i Load(const std::uint8_t *p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
}

// A to Z become a to z; every other byte, 0x80 to 0xFF included, stays. The
// shift maps 'A'..'Z' onto the 26 smallest signed bytes.
__m128i FoldBlock(__m128i x) {
  const __m128i shifted = _mm_add_epi8(x, _mm_set1_epi8(static_cast<char>(0x80 - 'A')));
  const __m128i upper = _mm_cmplt_epi8(shifted, _mm_set1_epi8(static_cast<char>(0x80 + 26)));
  return _mm_or_si128(x, _mm_and_si128(upper, _mm_set1_epi8(0x20)));
}

__m128i LoadFolded(const std::uint8_t *p, bool caseSensitive) {
  const __m128i x = Load(p);
  return caseSensitive ? x : FoldBlock(x);
}

unsigned EqualMask(__m128i a, __m128i b) {
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(a, b)));
}
#endif

bool FoldsLikeItself(std::uint8_t byte) { return !ascii::IsAlpha(byte); }

template <bool kCaseSensitive>
std::size_t FirstMismatchOf(const std::uint8_t *a, const std::uint8_t *b, std::size_t n) {
  std::size_t i = 0;
#if defined(__SSE2__)
  for (; i + 2 * kBlock <= n; i += 2 * kBlock) {
    const unsigned equal =
        EqualMask(LoadFolded(a + i, kCaseSensitive), LoadFolded(b + i, kCaseSensitive)) |
        (EqualMask(LoadFolded(a + i + kBlock, kCaseSensitive), LoadFolded(b + i + kBlock, kCaseSensitive)) << 16);
    if (equal != 0xFFFFFFFFu) return i + static_cast<std::size_t>(__builtin_ctz(~equal));
  }
  if (i + kBlock <= n) {
    const unsigned equal = EqualMask(LoadFolded(a + i, kCaseSensitive), LoadFolded(b + i, kCaseSensitive));
    if (equal != 0xFFFF) return i + static_cast<std::size_t>(__builtin_ctz(~equal));
    i += kBlock;
  }
#endif
  for (; i < n; ++i) {
    if (Fold(a[i], kCaseSensitive) != Fold(b[i], kCaseSensitive)) return i;
  }
  return n;
}

}  // namespace

std::size_t FirstMismatch(const std::uint8_t *a, const std::uint8_t *b, std::size_t n, bool caseSensitive) {
  return caseSensitive ? FirstMismatchOf<true>(a, b, n) : FirstMismatchOf<false>(a, b, n);
}

std::size_t FindByte(const std::uint8_t *text, std::size_t length, std::uint8_t byte,
                     bool caseSensitive) {
  if (caseSensitive || FoldsLikeItself(byte)) {
    const void *found = std::memchr(text, byte, length);
    return found ? static_cast<std::size_t>(static_cast<const std::uint8_t *>(found) - text) : kNotFound;
  }
  const std::uint8_t wanted = ascii::ToLower(byte);
  std::size_t i = 0;
#if defined(__SSE2__)
  const __m128i target = _mm_set1_epi8(static_cast<char>(wanted));
  for (; i + kBlock <= length; i += kBlock) {
    const unsigned hits = EqualMask(FoldBlock(Load(text + i)), target);
    if (hits) return i + static_cast<std::size_t>(__builtin_ctz(hits));
  }
#endif
  for (; i < length; ++i) {
    if (ascii::ToLower(text[i]) == wanted) return i;
  }
  return kNotFound;
}

std::size_t FindLastByte(const std::uint8_t *text, std::size_t length, std::uint8_t byte,
                         bool caseSensitive) {
  const std::uint8_t wanted = Fold(byte, caseSensitive);
  std::size_t end = length;
#if defined(__SSE2__)
  const __m128i target = _mm_set1_epi8(static_cast<char>(wanted));
  for (; end >= kBlock; end -= kBlock) {
    const unsigned hits = EqualMask(LoadFolded(text + end - kBlock, caseSensitive), target);
    if (hits) return end - kBlock + static_cast<std::size_t>(31 - __builtin_clz(hits));
  }
#endif
  while (end > 0) {
    --end;
    if (Fold(text[end], caseSensitive) == wanted) return end;
  }
  return kNotFound;
}

// Candidates are the positions where both the pattern's first and its last byte
// match; only those are compared in full. Worst case is text times pattern.
std::size_t FindPattern(const std::uint8_t *text, std::size_t textLength,
                        const std::uint8_t *pattern, std::size_t patternLength,
                        bool caseSensitive) {
  if (patternLength == 0 || patternLength > textLength) return kNotFound;
  if (patternLength == 1) return FindByte(text, textLength, pattern[0], caseSensitive);
  const std::size_t lastOffset = patternLength - 1;
  const std::uint8_t first = Fold(pattern[0], caseSensitive);
  const std::uint8_t last = Fold(pattern[lastOffset], caseSensitive);
  const std::uint8_t *middle = pattern + 1;
  const std::size_t middleLength = patternLength - 2;
  std::size_t i = 0;
#if defined(__SSE2__)
  const __m128i firstBlock = _mm_set1_epi8(static_cast<char>(first));
  const __m128i lastBlock = _mm_set1_epi8(static_cast<char>(last));
  for (; i + lastOffset + kBlock <= textLength; i += kBlock) {
    unsigned candidates = EqualMask(LoadFolded(text + i, caseSensitive), firstBlock) &
                          EqualMask(LoadFolded(text + i + lastOffset, caseSensitive), lastBlock);
    while (candidates) {
      const std::size_t at = i + static_cast<std::size_t>(__builtin_ctz(candidates));
      if (BytesEqual(text + at + 1, middle, middleLength, caseSensitive)) return at;
      candidates &= candidates - 1;
    }
  }
#endif
  for (; i + lastOffset < textLength; ++i) {
    if (Fold(text[i], caseSensitive) == first && Fold(text[i + lastOffset], caseSensitive) == last &&
        BytesEqual(text + i + 1, middle, middleLength, caseSensitive)) {
      return i;
    }
  }
  return kNotFound;
}

}  // namespace vigil::text
