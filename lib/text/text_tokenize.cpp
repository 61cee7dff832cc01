#include "lib/text/text_tokenize.h"

#include <cstdint>

#include "lib/text/byte_set.hpp"

namespace {

// The resume position of TextMutableTokenize and the bytes left after it.
const char *gResumePosition = nullptr;
UInt32 gResumeLength = 0;

template <typename T>
void Store(T *out, T value) {
  if (out) *out = value;
}

}  // namespace

extern "C" const char *TextTokenize(const char *text, UInt32 length, const char *delimiters,
                                    UInt32 delimitersLength, SInt32 caseSensitive, UInt32 *outTokenLength,
                                    const char **outNext, UInt32 *outNextLength) {
  const vigil::text::ByteSet delimiter(delimiters, delimitersLength, caseSensitive != 0);
  const auto *bytes = reinterpret_cast<const std::uint8_t *>(text);
  UInt32 tokenEnd = 0;
  while (text && tokenEnd < length && !delimiter.Contains(bytes[tokenEnd])) ++tokenEnd;
  if (!text || tokenEnd == length) {
    Store<UInt32>(outTokenLength, 0);
    Store<const char *>(outNext, nullptr);
    Store<UInt32>(outNextLength, 0);
    return nullptr;
  }
  UInt32 next = tokenEnd;
  while (next < length && delimiter.Contains(bytes[next])) ++next;
  Store<UInt32>(outTokenLength, tokenEnd);
  Store<const char *>(outNext, text + next);
  Store<UInt32>(outNextLength, length - next);
  return text;
}

extern "C" const char *TextMutableTokenize(const char *text, UInt32 length, const char *delimiters,
                                           UInt32 delimitersLength, SInt32 caseSensitive,
                                           UInt32 *outTokenLength) {
  if (text) {
    gResumePosition = text;
    gResumeLength = length;
  } else if (!gResumePosition) {
    Store<UInt32>(outTokenLength, 0);
    return nullptr;
  }
  const char *token = TextTokenize(gResumePosition, gResumeLength, delimiters, delimitersLength, caseSensitive,
                                   outTokenLength, &gResumePosition, &gResumeLength);
  if (!token) {
    gResumePosition = nullptr;
    gResumeLength = 0;
  }
  return token;
}
