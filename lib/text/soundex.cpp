#include "lib/text/soundex.h"

#include <cstdint>

#include "lib/text/ascii.hpp"

namespace {

using vigil::ascii::ToUpper;

// The digit of each letter A to Z; '0' adds nothing to a key.
constexpr char kSoundexMappingTable[] = "01230120022455012623010202";
constexpr int kKeyDigits = 3;

std::uint8_t At(const char *text, UInt32 i) { return static_cast<std::uint8_t>(text[i]); }

}  // namespace

extern "C" UInt32 TextToSoundex(const char *text, UInt32 length) {
  UInt32 i = 0;
  while (text && i < length && !vigil::ascii::IsAlnum(At(text, i))) ++i;
  if (!text || i == length) return 0x30303030u;  // '0000'
  UInt32 key = ToUpper(At(text, i));
  int digits = 0;
  // A letter adds its digit unless it repeats the very byte before it.
  for (++i; i < length && digits < kKeyDigits; ++i) {
    const std::uint8_t letter = ToUpper(At(text, i));
    if (letter < 'A' || letter > 'Z' || letter == ToUpper(At(text, i - 1))) continue;
    const char digit = kSoundexMappingTable[letter - 'A'];
    if (digit == '0') continue;
    key = (key << 8) | static_cast<UInt32>(digit);
    ++digits;
  }
  for (; digits < kKeyDigits; ++digits) key = (key << 8) | '0';
  return key;
}

extern "C" const char *TextSearchSoundex(const char *text, UInt32 length, const char *word,
                                         UInt32 wordLength) {
  if (!text || !word) return nullptr;
  const UInt32 wanted = TextToSoundex(word, wordLength);
  UInt32 i = 0;
  for (;;) {
    while (i < length && vigil::ascii::IsSpace(At(text, i))) ++i;
    if (i == length) return nullptr;
    const UInt32 begin = i;
    while (i < length && !vigil::ascii::IsSpace(At(text, i))) ++i;
    if (TextToSoundex(text + begin, i - begin) == wanted) return text + begin;
  }
}
