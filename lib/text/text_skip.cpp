#include "lib/text/text_skip.h"

#include <cstring>

#include "lib/text/byte_scan.h"
#include "lib/text/text_search.h"

namespace {

UInt32 Measured(const char *text, UInt32 length) {
  return (text && length == 0) ? static_cast<UInt32>(std::strlen(text)) : length;
}

const char *After(const char *found) { return found ? found + 1 : nullptr; }

}  // namespace

extern "C" const char *SkipToChar(const char *text, UInt32 length, SInt32 byte, SInt32 caseSensitive) {
  return TextByteSearch(text, Measured(text, length), byte & 0xFF, caseSensitive);
}

extern "C" const char *SkipToCharReverse(const char *text, UInt32 length, SInt32 byte, SInt32 caseSensitive) {
  return TextReverseByteSearch(text, Measured(text, length), byte & 0xFF, caseSensitive);
}

extern "C" const char *SkipPastChar(const char *text, UInt32 length, SInt32 byte, SInt32 caseSensitive) {
  return After(SkipToChar(text, length, byte, caseSensitive));
}

extern "C" const char *SkipPastCharReverse(const char *text, UInt32 length, SInt32 byte,
                                           SInt32 caseSensitive) {
  return After(SkipToCharReverse(text, length, byte, caseSensitive));
}

extern "C" const char *SkipToToken(const char *text, UInt32 length, const char *token, UInt32 tokenLength,
                                   SInt32 caseSensitive) {
  return TextSearch(text, Measured(text, length), token, Measured(token, tokenLength), caseSensitive);
}

extern "C" const char *SkipPastToken(const char *text, UInt32 length, const char *token, UInt32 tokenLength,
                                     SInt32 caseSensitive) {
  const char *found = SkipToToken(text, length, token, tokenLength, caseSensitive);
  return found ? found + tokenLength : nullptr;
}
