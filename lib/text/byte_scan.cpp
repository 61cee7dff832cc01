#include "lib/text/byte_scan.h"

#include <algorithm>
#include <cstdint>

#include "lib/text/ascii.hpp"
#include "lib/text/byte_set.hpp"
#include "lib/text/search_kernels.hpp"

namespace {

using vigil::ascii::Fold;
using vigil::text::ByteSet;
using vigil::text::kNotFound;

const std::uint8_t *Bytes(const char *p) { return reinterpret_cast<const std::uint8_t *>(p); }

const char *At(const char *text, std::size_t index) { return index == kNotFound ? nullptr : text + index; }

// Leading bytes for which member(byte) is wanted.
template <typename Wanted>
UInt32 CountLeading(const char *text, UInt32 length, Wanted wanted) {
  const std::uint8_t *bytes = Bytes(text);
  return static_cast<UInt32>(std::find_if_not(bytes, bytes + length, wanted) - bytes);
}

template <typename Wanted>
UInt32 CountTrailing(const char *text, UInt32 length, Wanted wanted) {
  UInt32 count = 0;
  while (count < length && wanted(Bytes(text)[length - 1 - count])) ++count;
  return count;
}

void Store(UInt32 *out, UInt32 value) {
  if (out) *out = value;
}

bool IsZeroDigit(std::uint8_t byte) { return byte == '0'; }

}  // namespace

extern "C" const char *TextByteSearch(const char *text, UInt32 length, SInt32 byte, SInt32 caseSensitive) {
  if (!text || length == 0) return nullptr;
  return At(text, vigil::text::FindByte(Bytes(text), length, static_cast<std::uint8_t>(byte), caseSensitive != 0));
}

extern "C" const char *TextReverseByteSearch(const char *text, UInt32 length, SInt32 byte,
                                             SInt32 caseSensitive) {
  if (!text || length == 0) return nullptr;
  return At(text,
            vigil::text::FindLastByte(Bytes(text), length, static_cast<std::uint8_t>(byte), caseSensitive != 0));
}

extern "C" const char *TextSetSearch(const char *text, UInt32 length, const char *set, UInt32 setLength,
                                     SInt32 caseSensitive) {
  if (!text || length == 0 || !set || setLength == 0) return nullptr;
  const ByteSet members(set, setLength, caseSensitive != 0);
  const UInt32 skipped = CountLeading(text, length, [&](std::uint8_t b) { return !members.Contains(b); });
  return skipped < length ? text + skipped : nullptr;
}

extern "C" UInt32 TextSetCountSearch(const char *text, UInt32 length, const char *set, UInt32 setLength,
                                     SInt32 caseSensitive) {
  if (!text || length == 0 || !set || setLength == 0) return 0;
  const ByteSet members(set, setLength, caseSensitive != 0);
  return CountLeading(text, length, [&](std::uint8_t b) { return members.Contains(b); });
}

extern "C" UInt32 TextNotSetCountSearch(const char *text, UInt32 length, const char *set, UInt32 setLength,
                                        SInt32 caseSensitive) {
  if (!text || length == 0 || !set || setLength == 0) return 0;
  const ByteSet members(set, setLength, caseSensitive != 0);
  return CountLeading(text, length, [&](std::uint8_t b) { return !members.Contains(b); });
}

extern "C" UInt32 TextCountMatchingBytes(const char *text, UInt32 length, SInt32 byte, SInt32 caseSensitive) {
  if (!text || length == 0) return 0;
  const bool exact = caseSensitive != 0;
  const std::uint8_t wanted = Fold(static_cast<std::uint8_t>(byte), exact);
  return static_cast<UInt32>(
      std::count_if(Bytes(text), Bytes(text) + length, [&](std::uint8_t b) { return Fold(b, exact) == wanted; }));
}

extern "C" UInt32 TextCountConsecutiveMatchingBytes(const char *text, UInt32 length, SInt32 byte,
                                                    SInt32 caseSensitive) {
  if (!text || length == 0) return 0;
  const bool exact = caseSensitive != 0;
  const std::uint8_t wanted = Fold(static_cast<std::uint8_t>(byte), exact);
  return CountLeading(text, length, [&](std::uint8_t b) { return Fold(b, exact) == wanted; });
}

extern "C" const char *TextFindLeadingNumbers(const char *text, UInt32 length, UInt32 *outCount) {
  if (!text || length == 0) return nullptr;
  const UInt32 count = CountLeading(text, length, vigil::ascii::IsDigit);
  Store(outCount, count);
  return count ? text : nullptr;
}

extern "C" const char *TextFindTrailingNumbers(const char *text, UInt32 length, UInt32 *outCount) {
  if (!text || length == 0) return nullptr;
  const UInt32 count = CountTrailing(text, length, vigil::ascii::IsDigit);
  Store(outCount, count);
  return count ? text + length - count : nullptr;
}

extern "C" const char *TextSkipLeadingZeroes(const char *text, UInt32 length, UInt32 *outLength) {
  if (!text || length == 0) return nullptr;
  const UInt32 zeros = CountLeading(text, length, IsZeroDigit);
  Store(outLength, length - zeros);
  return text + zeros;
}

extern "C" const char *TextSkipTrailingZeroes(const char *text, UInt32 length, UInt32 *outLength) {
  if (!text || length == 0) return nullptr;
  Store(outLength, length - CountTrailing(text, length, IsZeroDigit));
  return text;
}

extern "C" const char *TextFindExtension(const char *name, UInt32 length, UInt32 *outLength) {
  Store(outLength, 0);
  if (!name || length == 0) return nullptr;
  const std::size_t dot = vigil::text::FindLastByte(Bytes(name), length, '.', true);
  if (dot == kNotFound) return nullptr;
  const UInt32 extensionLength = length - static_cast<UInt32>(dot) - 1;
  if (extensionLength == 0) return name + length;
  if (!vigil::ascii::IsAlpha(Bytes(name)[dot + 1])) return nullptr;
  Store(outLength, extensionLength);
  return name + dot + 1;
}
