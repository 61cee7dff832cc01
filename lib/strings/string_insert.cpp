#include "lib/strings/string_insert.h"

#include <algorithm>
#include <cstring>

#include "lib/strings/pascal_string.hpp"

namespace {

using vigil::strings::BoundedLength;
using vigil::strings::kMaxPascalLength;

constexpr UInt32 kNoMaximum = 0xFFFFFFFFu;

// The number of characters to add to a string of length d, given a characters
// on offer and a maximum result length: all of them, the part that fits, or none.
UInt32 Fitting(UInt32 d, UInt32 a, UInt32 max) {
  if (d >= max) return 0;
  return std::min(a, max - d);
}

// Puts count bytes (copied first, as they may lie inside dst) before character
// offset of a Pascal string, within max characters.
void InsertIntoPascal(StringPtr dst, const void *bytes, UInt32 count, UInt32 offset, UInt32 max) {
  unsigned char added[kMaxPascalLength];
  const UInt32 d = dst[0];
  const UInt32 a = Fitting(d, std::min(count, kMaxPascalLength), std::min(max, kMaxPascalLength));
  if (a == 0) return;
  std::memcpy(added, bytes, a);
  offset = std::min(offset, d);
  std::memmove(dst + 1 + offset + a, dst + 1 + offset, d - offset);
  std::memcpy(dst + 1 + offset, added, a);
  dst[0] = static_cast<UInt8>(d + a);
}

void InsertIntoC(char *dst, const char *src, UInt32 count, UInt32 offset, UInt32 max) {
  const UInt32 d = static_cast<UInt32>(std::strlen(dst));
  const UInt32 a = Fitting(d, count, max);
  offset = std::min(offset, d);
  std::memmove(dst + offset + a, dst + offset, d - offset + 1);  // the tail keeps its terminator
  std::memmove(dst + offset, src, a);
}

}  // namespace

extern "C" void InsertPascalString(StringPtr dst, ConstStr255Param src, UInt32 offset) {
  InsertIntoPascal(dst, src + 1, src[0], offset, kNoMaximum);
}

extern "C" void InsertCString(char *dst, const char *src, UInt32 offset) {
  InsertIntoC(dst, src, static_cast<UInt32>(std::strlen(src)), offset, kNoMaximum);
}

extern "C" void InsertPascalStringCount(StringPtr dst, ConstStr255Param src, UInt32 offset, UInt32 count) {
  InsertIntoPascal(dst, src + 1, std::min<UInt32>(count, src[0]), offset, kNoMaximum);
}

extern "C" void InsertCStringCount(char *dst, const char *src, UInt32 offset, UInt32 count) {
  InsertIntoC(dst, src, BoundedLength(src, count), offset, kNoMaximum);
}

extern "C" void InsertMaximumPascalString(StringPtr dst, ConstStr255Param src, UInt32 offset, UInt32 max) {
  InsertIntoPascal(dst, src + 1, src[0], offset, max);
}

extern "C" void InsertMaximumCString(char *dst, const char *src, UInt32 offset, UInt32 max) {
  InsertIntoC(dst, src, static_cast<UInt32>(std::strlen(src)), offset, max);
}

extern "C" void InsertMaximumPascalStringCount(StringPtr dst, ConstStr255Param src, UInt32 offset,
                                               UInt32 count, UInt32 max) {
  InsertIntoPascal(dst, src + 1, std::min<UInt32>(count, src[0]), offset, max);
}

extern "C" void InsertMaximumCStringCount(char *dst, const char *src, UInt32 offset, UInt32 count,
                                          UInt32 max) {
  InsertIntoC(dst, src, BoundedLength(src, count), offset, max);
}

extern "C" void AppendPascalString(StringPtr dst, ConstStr255Param src) {
  InsertIntoPascal(dst, src + 1, src[0], kNoMaximum, kNoMaximum);
}

extern "C" void AppendCString(char *dst, const char *src) { std::strcat(dst, src); }

extern "C" void AppendPascalStringCount(StringPtr dst, ConstStr255Param src, UInt32 count) {
  InsertIntoPascal(dst, src + 1, std::min<UInt32>(count, src[0]), kNoMaximum, kNoMaximum);
}

extern "C" void AppendCStringCount(char *dst, const char *src, UInt32 count) {
  std::strncat(dst, src, count);
}

extern "C" void AppendCStringToPascalString(const char *src, StringPtr dst) {
  InsertIntoPascal(dst, src, BoundedLength(src, kMaxPascalLength), kNoMaximum, kNoMaximum);
}

extern "C" void AppendPascalStringToPascalString(ConstStr255Param src, StringPtr dst) {
  AppendPascalString(dst, src);
}

extern "C" void PStringAppendText(const void *text, UInt32 textLen, StringPtr dst) {
  InsertIntoPascal(dst, text, textLen, kNoMaximum, kNoMaximum);
}

extern "C" void AppendCharToPascalString(unsigned char ch, StringPtr dst) {
  InsertIntoPascal(dst, &ch, 1, kNoMaximum, kNoMaximum);
}

extern "C" void InsertCharIntoPascalString(StringPtr dst, unsigned char ch, UInt32 offset) {
  InsertIntoPascal(dst, &ch, 1, offset, kNoMaximum);
}

extern "C" void AppendCharToCString(char *dst, char ch) {
  const size_t length = std::strlen(dst);
  dst[length] = ch;
  dst[length + 1] = '\0';
}

extern "C" void InsertCharIntoCString(char *dst, char ch, UInt32 offset) {
  InsertIntoC(dst, &ch, 1, offset, kNoMaximum);
}

extern "C" void PadPascalString(StringPtr str, SInt32 width, unsigned char ch) {
  const SInt32 length = str[0];
  if (width <= length) return;
  const UInt32 added = static_cast<UInt32>(std::min<SInt32>(width, kMaxPascalLength) - length);
  std::memmove(str + 1 + added, str + 1, static_cast<size_t>(length));
  std::memset(str + 1, ch, added);
  str[0] = static_cast<UInt8>(length + static_cast<SInt32>(added));
}

extern "C" void PadPascalStringToEnd(StringPtr str, SInt32 width, unsigned char ch) {
  const SInt32 length = str[0];
  if (width <= length) return;
  const UInt32 added = static_cast<UInt32>(std::min<SInt32>(width, kMaxPascalLength) - length);
  std::memset(str + 1 + length, ch, added);
  str[0] = static_cast<UInt8>(length + static_cast<SInt32>(added));
}
