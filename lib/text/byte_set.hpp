// A set of bytes as a 256-bit map, built from a set given as text, with the
// set's bytes folded when the comparison ignores case.
#ifndef VIGIL_LIB_TEXT_BYTE_SET_HPP
#define VIGIL_LIB_TEXT_BYTE_SET_HPP

#include <bitset>
#include <cstdint>

#include "lib/text/ascii.hpp"

namespace vigil::text {

class ByteSet {
 public:
  ByteSet(const char *set, std::uint32_t setLength, bool caseSensitive) : caseSensitive_(caseSensitive) {
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(set);
    for (std::uint32_t i = 0; set && i < setLength; ++i) members_.set(ascii::Fold(bytes[i], caseSensitive));
  }
  bool Contains(std::uint8_t byte) const { return members_.test(ascii::Fold(byte, caseSensitive_)); }
  bool Empty() const { return members_.none(); }

 private:
  std::bitset<256> members_;
  bool caseSensitive_;
};

}  // namespace vigil::text

#endif
