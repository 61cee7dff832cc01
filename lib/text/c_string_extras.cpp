#include "lib/text/c_string_extras.h"

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstring>

#include "lib/text/ascii.hpp"
#include "lib/text/search_kernels.hpp"

namespace {

using vigil::ascii::ToLower;

const std::uint8_t *Bytes(const char *p) { return reinterpret_cast<const std::uint8_t *>(p); }

int Sign(int difference) { return (difference > 0) - (difference < 0); }

// Case-insensitive order of two C strings over at most n bytes. Both lengths
// are measured first, so the comparison itself runs over known bytes only:
// those before the shorter string's terminator and that terminator.
int CompareFolded(const char *a, const char *b, size_t n) {
  const size_t shorter = std::min(strnlen(a, n), strnlen(b, n));
  const size_t compared = std::min(n, shorter + 1);
  const size_t at = vigil::text::FirstMismatch(Bytes(a), Bytes(b), compared, false);
  return at == compared ? 0 : Sign(ToLower(Bytes(a)[at]) - ToLower(Bytes(b)[at]));
}

template <bool kCaseSensitive>
int CompareTextToString(const char *text, UInt32 length, const char *string) {
  for (UInt32 i = 0; i < length; ++i) {
    const int x = vigil::ascii::Fold(Bytes(text)[i], kCaseSensitive);
    const int y = vigil::ascii::Fold(Bytes(string)[i], kCaseSensitive);
    if (x != y) return Sign(x - y);
    if (y == 0) return 0;
  }
  return string[length] == '\0' ? 0 : -1;
}

const char *LastDot(const char *name) {
  const char *dot = nullptr;
  for (const char *p = name; *p; ++p) {
    if (*p == '.') dot = p;
  }
  return dot;
}

template <bool kKeepMembers>
UInt32 RemoveBytes(char *string, const char *set) {
  // The first byte that has to go, then one pass moving the rest down.
  char *write = string + (kKeepMembers ? std::strspn(string, set) : std::strcspn(string, set));
  const char *read = write;
  for (; *read; ++read) {
    const bool member = std::strchr(set, *read) != nullptr;
    if (member == kKeepMembers) *write++ = *read;
  }
  *write = '\0';
  return static_cast<UInt32>(read - write);
}

}  // namespace

extern "C" size_t strnlen(const char *string, size_t max) {
  const void *end = std::memchr(string, 0, max);
  return end ? static_cast<size_t>(static_cast<const char *>(end) - string) : max;
}

// glibc declares memrchr for C++ as two overloads bound to the C symbol; defining
// the const one defines that symbol.
#if defined(__CORRECT_ISO_CPP_STRING_H_PROTO)
const void *memrchr(const void *block, int byte, size_t length) noexcept {
#else
extern "C" void *memrchr(const void *block, int byte, size_t length) {
#endif
  const auto *bytes = static_cast<const std::uint8_t *>(block);
  const size_t at = vigil::text::FindLastByte(bytes, length, static_cast<std::uint8_t>(byte), true);
  return at == vigil::text::kNotFound ? nullptr : const_cast<std::uint8_t *>(bytes + at);
}

extern "C" int stricmp(const char *a, const char *b) { return CompareFolded(a, b, SIZE_MAX); }

extern "C" int strnicmp(const char *a, const char *b, size_t n) { return CompareFolded(a, b, n); }

extern "C" int strncmpx(const char *text, UInt32 length, const char *string) {
  return CompareTextToString<true>(text, length, string);
}

extern "C" int strnicmpx(const char *text, UInt32 length, const char *string) {
  return CompareTextToString<false>(text, length, string);
}

extern "C" const char *StringFileExtension(const char *name) {
  static const char kNone[] = "";
  const char *dot = LastDot(name);
  if (!dot || vigil::ascii::IsDigit(Bytes(dot)[1]) || dot[1] == ' ') return kNone;
  return dot + 1;
}

extern "C" const char *StringFileExtensionMatch(const char *name, const char *extension) {
  const char *dot = LastDot(name);
  return dot && stricmp(dot + 1, extension) == 0 ? dot + 1 : nullptr;
}

extern "C" const char *StringFileExtensionMatchList(const char *name, ...) {
  const char *dot = LastDot(name);
  if (!dot) return nullptr;
  std::va_list extensions;
  va_start(extensions, name);
  const char *found = nullptr;
  while (const char *extension = va_arg(extensions, const char *)) {
    if (stricmp(dot + 1, extension) == 0) {
      found = dot + 1;
      break;
    }
  }
  va_end(extensions);
  return found;
}

extern "C" UInt32 StringRemoveSet(char *string, const char *set) { return RemoveBytes<false>(string, set); }

extern "C" UInt32 StringRemoveNotSet(char *string, const char *set) { return RemoveBytes<true>(string, set); }
