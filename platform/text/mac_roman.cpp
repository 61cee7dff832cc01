#include "platform/text/mac_roman.hpp"

#include <algorithm>
#include <array>

namespace vigil::text {
namespace {

// The upper half of Mac OS Roman (0x80 to 0xFF); the lower half is ASCII.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1,  // 80
    0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5, 0x00E7, 0x00E9, 0x00E8,  // 88
    0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3,  // 90
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC,  // 98
    0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6, 0x00DF,  // A0
    0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8,  // A8
    0x221E, 0x00B1, 0x2264, 0x2265, 0x00A5, 0x00B5, 0x2202, 0x2211,  // B0
    0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8,  // B8
    0x00BF, 0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB,  // C0
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153,  // C8
    0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA,  // D0
    0x00FF, 0x0178, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02,  // D8
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1,  // E0
    0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4,  // E8
    0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC,  // F0
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7,  // F8
};

}  // namespace

char32_t MacRomanToUnicode(uint8_t byte) {
  return byte < 0x80 ? byte : kUpperHalf[byte - 0x80];
}

std::optional<uint8_t> UnicodeToMacRoman(char32_t scalar) {
  if (scalar < 0x80) return static_cast<uint8_t>(scalar);
  const auto found = std::find(kUpperHalf.begin(), kUpperHalf.end(), scalar);
  if (found == kUpperHalf.end()) return std::nullopt;
  return static_cast<uint8_t>(0x80 + (found - kUpperHalf.begin()));
}

std::optional<Utf8Decoded> DecodeUtf8(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const auto lead = static_cast<uint8_t>(text[0]);
  if (lead < 0x80) return Utf8Decoded{lead, 1};
  size_t length;
  char32_t scalar;
  char32_t minimum;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, scalar = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, scalar = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, scalar = lead & 0x07, minimum = 0x10000;
  } else {
    return std::nullopt;
  }
  if (text.size() < length) return std::nullopt;
  for (size_t i = 1; i < length; ++i) {
    const auto next = static_cast<uint8_t>(text[i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    scalar = (scalar << 6) | (next & 0x3F);
  }
  if (scalar < minimum || scalar > 0x10FFFF || (scalar >= 0xD800 && scalar <= 0xDFFF)) {
    return std::nullopt;
  }
  return Utf8Decoded{scalar, length};
}

void AppendUtf8(std::string &out, char32_t scalar) {
  if (scalar < 0x80) {
    out += static_cast<char>(scalar);
  } else if (scalar < 0x800) {
    out += static_cast<char>(0xC0 | (scalar >> 6));
    out += static_cast<char>(0x80 | (scalar & 0x3F));
  } else if (scalar < 0x10000) {
    out += static_cast<char>(0xE0 | (scalar >> 12));
    out += static_cast<char>(0x80 | ((scalar >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (scalar & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (scalar >> 18));
    out += static_cast<char>(0x80 | ((scalar >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((scalar >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (scalar & 0x3F));
  }
}

std::string MacRomanToUtf8(std::span<const uint8_t> bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (uint8_t byte : bytes) AppendUtf8(out, MacRomanToUnicode(byte));
  return out;
}

std::optional<std::string> Utf8ToMacRoman(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  while (!utf8.empty()) {
    const auto decoded = DecodeUtf8(utf8);
    if (!decoded) return std::nullopt;
    const auto byte = UnicodeToMacRoman(decoded->scalar);
    if (!byte) return std::nullopt;
    out += static_cast<char>(*byte);
    utf8.remove_prefix(decoded->length);
  }
  return out;
}

std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  while (!utf8.empty()) {
    const auto decoded = DecodeUtf8(utf8);
    if (!decoded) return std::nullopt;
    char32_t scalar = decoded->scalar;
    if (scalar >= 0x10000) {
      scalar -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (scalar >> 10));
      out += static_cast<char16_t>(0xDC00 + (scalar & 0x3FF));
    } else {
      out += static_cast<char16_t>(scalar);
    }
    utf8.remove_prefix(decoded->length);
  }
  return out;
}

}  // namespace vigil::text
