#include "lib/strings/memory_search.h"

#include <cstdint>
#include <cstring>

#include "lib/text/ascii.hpp"
#include "lib/text/search_kernels.hpp"

namespace {

using vigil::text::FindPattern;
using vigil::text::kNotFound;

const std::uint8_t *Bytes(const void *p) { return static_cast<const std::uint8_t *>(p); }

}  // namespace

extern "C" void *memmem(const void *hay, size_t hayLen, const void *needle, size_t needleLen) {
  const size_t at = FindPattern(Bytes(hay), hayLen, Bytes(needle), needleLen, true);
  return at == kNotFound ? nullptr : const_cast<std::uint8_t *>(Bytes(hay) + at);
}

extern "C" int memicmp(const void *a, const void *b, UInt32 n) {
  for (UInt32 i = 0; i < n; ++i) {
    const auto x = static_cast<std::int8_t>(vigil::ascii::ToLower(Bytes(a)[i]));
    const auto y = static_cast<std::int8_t>(vigil::ascii::ToLower(Bytes(b)[i]));
    if (x != y) return x < y ? -1 : 1;
    if (x == 0) return 0;
  }
  return 0;
}

extern "C" int memiequal(const void *a, UInt32 aLen, const void *b, UInt32 bLen) {
  return aLen == bLen && vigil::text::BytesEqual(Bytes(a), Bytes(b), aLen, false) ? 1 : 0;
}

extern "C" char *strrstr(const char *hay, const char *needle) {
  const size_t needleLength = std::strlen(needle);
  if (needleLength == 0) return nullptr;
  const char *last = nullptr;
  for (const char *found = std::strstr(hay, needle); found; found = std::strstr(found + needleLength, needle)) {
    last = found;
  }
  return const_cast<char *>(last);
}

extern "C" char *stristr(const char *hay, const char *needle) {
  if (!needle || !*needle) return const_cast<char *>(hay);
  const size_t at = FindPattern(Bytes(hay), std::strlen(hay), Bytes(needle), std::strlen(needle), false);
  return at == kNotFound ? nullptr : const_cast<char *>(hay + at);
}
