// Test helpers: Pascal strings made from and read back as std::string.
#ifndef VIGIL_LIB_STRINGS_PASCAL_TEST_UTIL_HPP
#define VIGIL_LIB_STRINGS_PASCAL_TEST_UTIL_HPP

#include <array>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/core/base_types.h"

namespace vigil::test {

// A 256-byte Pascal string buffer; bytes after the characters are filled with
// 0xEE so that a write past the result shows.
struct PString {
  std::array<unsigned char, 256> bytes;
  explicit PString(std::string_view text = {}) {
    bytes.fill(0xEE);
    bytes[0] = static_cast<unsigned char>(text.size());
    if (!text.empty()) std::memcpy(bytes.data() + 1, text.data(), text.size());
  }
  StringPtr get() { return bytes.data(); }
  ConstStringPtr get() const { return bytes.data(); }
  std::string str() const { return std::string(reinterpret_cast<const char *>(bytes.data() + 1), bytes[0]); }
  // True when every byte after the characters still holds the fill.
  bool TailUntouched() const {
    for (std::size_t i = 1u + bytes[0]; i < bytes.size(); ++i) {
      if (bytes[i] != 0xEE) return false;
    }
    return true;
  }
};

}  // namespace vigil::test

#endif
