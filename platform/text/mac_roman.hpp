// Mac OS Roman, the platform's 8-bit character set, to and from UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vigil::text {

// The Unicode scalar value of a Mac OS Roman byte.
char32_t MacRomanToUnicode(uint8_t byte);

// The Mac OS Roman byte of a scalar value, or nothing when it has none.
std::optional<uint8_t> UnicodeToMacRoman(char32_t scalar);

// Every Mac OS Roman text has a UTF-8 form.
std::string MacRomanToUtf8(std::span<const uint8_t> bytes);

// Nothing when the text is not valid UTF-8 or holds a character outside Mac OS Roman.
std::optional<std::string> Utf8ToMacRoman(std::string_view utf8);

// Decodes one UTF-8 sequence at the front of text, strictly (no overlong forms,
// no surrogates); answers the scalar and its length, or nothing.
struct Utf8Decoded {
  char32_t scalar;
  size_t length;
};
std::optional<Utf8Decoded> DecodeUtf8(std::string_view text);

// Appends the UTF-8 form of a scalar value.
void AppendUtf8(std::string &out, char32_t scalar);

// UTF-8 to UTF-16 in the machine's byte order; nothing for invalid UTF-8.
std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8);

}  // namespace vigil::text
