// The byte loops under every search and comparison of the text and string
// toolkits: first occurrence of a pattern, first differing byte, first or last
// matching byte, each exact or with ASCII case folding. No tables and no
// allocation; the x86-64 builds look at 16 bytes at a time.
#ifndef VIGIL_LIB_TEXT_SEARCH_KERNELS_HPP
#define VIGIL_LIB_TEXT_SEARCH_KERNELS_HPP

#include <cstddef>
#include <cstdint>

namespace vigil::text {

inline constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

// Index of the first byte where a and b differ over n bytes, or n.
std::size_t FirstMismatch(const std::uint8_t *a, const std::uint8_t *b, std::size_t n,
                          bool caseSensitive);

inline bool BytesEqual(const std::uint8_t *a, const std::uint8_t *b, std::size_t n,
                       bool caseSensitive) {
  return FirstMismatch(a, b, n, caseSensitive) == n;
}

// Index of the first occurrence of the pattern wholly inside the text, or
// kNotFound; an empty pattern is never found.
std::size_t FindPattern(const std::uint8_t *text, std::size_t textLength,
                        const std::uint8_t *pattern, std::size_t patternLength,
                        bool caseSensitive);

// Index of the first (last) byte equal to byte, or kNotFound.
std::size_t FindByte(const std::uint8_t *text, std::size_t length, std::uint8_t byte,
                     bool caseSensitive);
std::size_t FindLastByte(const std::uint8_t *text, std::size_t length, std::uint8_t byte,
                         bool caseSensitive);

}  // namespace vigil::text

#endif
