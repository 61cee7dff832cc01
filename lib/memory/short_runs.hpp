// Byte-run helpers for short runs, inlined where calls into the C library would
// cost more than the work: word loads and stores, and equality of runs.
#pragma once

#include <cstdint>
#include <cstring>

namespace vigil::memory {

template <typename Word>
inline Word Load(const void *p) {
  Word word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

template <typename Word>
inline void Store(void *p, Word word) {
  std::memcpy(p, &word, sizeof word);
}

// Up to 16 bytes with two overlapping stores of the widest word that fits.
inline void SetShort(unsigned char *dest, std::size_t length, unsigned char value) {
  std::uint64_t word = 0x0101010101010101ull * value;
  if (length >= 8) {
    Store<std::uint64_t>(dest, word);
    Store<std::uint64_t>(dest + length - 8, word);
  } else if (length >= 4) {
    Store<std::uint32_t>(dest, std::uint32_t(word));
    Store<std::uint32_t>(dest + length - 4, std::uint32_t(word));
  } else {
    for (std::size_t i = 0; i < length; ++i) dest[i] = value;
  }
}

inline bool EqualShort(const unsigned char *a, const unsigned char *b, std::size_t length) {
  if (length >= 8)
    return Load<std::uint64_t>(a) == Load<std::uint64_t>(b) &&
           Load<std::uint64_t>(a + length - 8) == Load<std::uint64_t>(b + length - 8);
  if (length >= 4)
    return Load<std::uint32_t>(a) == Load<std::uint32_t>(b) &&
           Load<std::uint32_t>(a + length - 4) == Load<std::uint32_t>(b + length - 4);
  for (std::size_t i = 0; i < length; ++i)
    if (a[i] != b[i]) return false;
  return true;
}

inline bool EqualBytes(const void *a, const void *b, std::size_t length) {
  const auto *x = static_cast<const unsigned char *>(a);
  const auto *y = static_cast<const unsigned char *>(b);
  return length <= 16 ? EqualShort(x, y, length) : std::memcmp(x, y, length) == 0;
}

}  // namespace vigil::memory
