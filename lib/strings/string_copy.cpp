#include "lib/strings/string_copy.h"

#include <algorithm>
#include <cstring>

#include "lib/strings/pascal_string.hpp"

using vigil::strings::BoundedLength;
using vigil::strings::kMaxPascalLength;

extern "C" UInt8 PascalStringLength(ConstStr255Param str) { return str[0]; }

extern "C" UInt32 CStringLength(const char *str) { return static_cast<UInt32>(std::strlen(str)); }

extern "C" UInt32 CStringLengthMax(const char *str, UInt32 max) { return BoundedLength(str, max); }

extern "C" UInt32 CStringNSize(const char *str, UInt32 max) { return BoundedLength(str, max); }

extern "C" void CopyPascalString(ConstStr255Param src, StringPtr dst) {
  std::memmove(dst, src, src[0] + 1u);
}

extern "C" void CopyCString(const char *src, char *dst) {
  std::memmove(dst, src, std::strlen(src) + 1);
}

extern "C" void CopyPascalStringCount(ConstStr255Param src, StringPtr dst, UInt32 count) {
  const UInt32 length = std::min<UInt32>(src[0], count);
  std::memmove(dst + 1, src + 1, length);
  dst[0] = static_cast<UInt8>(length);
}

extern "C" void CopyCStringCount(const char *src, char *dst, UInt32 count) {
  const UInt32 length = BoundedLength(src, count);
  std::memmove(dst, src, length);
  dst[length] = '\0';
}

extern "C" char *ConvertPascalToCString(StringPtr str) {
  if (!str) return nullptr;
  const UInt8 length = str[0];
  std::memmove(str, str + 1, length);
  str[length] = '\0';
  return reinterpret_cast<char *>(str);
}

extern "C" StringPtr ConvertCToPascalString(char *str) {
  if (!str) return nullptr;
  const UInt32 length = BoundedLength(str, kMaxPascalLength);
  std::memmove(str + 1, str, length);
  str[0] = static_cast<char>(length);
  return reinterpret_cast<StringPtr>(str);
}

extern "C" char *CopyPascalToCString(ConstStr255Param src, char *dst) {
  const UInt8 length = src[0];
  std::memmove(dst, src + 1, length);
  dst[length] = '\0';
  return dst;
}

extern "C" char *PStringToCString(ConstStr255Param src, char *dst) { return CopyPascalToCString(src, dst); }

extern "C" StringPtr CopyCToPascalString(const char *src, StringPtr dst) {
  const UInt32 length = BoundedLength(src, kMaxPascalLength);
  std::memmove(dst + 1, src, length);
  dst[0] = static_cast<UInt8>(length);
  return dst;
}

extern "C" StringPtr CStringToPString(const char *src, StringPtr dst) { return CopyCToPascalString(src, dst); }

extern "C" void TextToPascalString(const void *text, UInt32 textLen, UInt32 maxLen, StringPtr dst) {
  const UInt32 length = std::min({textLen, maxLen, kMaxPascalLength});
  std::memmove(dst + 1, text, length);
  dst[0] = static_cast<UInt8>(length);
}
