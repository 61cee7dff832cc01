#include "lib/format/indexed_strings.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "lib/strings/string_copy.h"
#include "platform/core/result_codes.h"

namespace {

IndexedStringLookup gLookup = nullptr;

// The entry as a C string in format (256 bytes), empty when it cannot be had;
// false when no lookup is installed.
bool FetchFormat(SInt16 listID, SInt16 index, char *format) {
  Str255 entry;
  entry[0] = 0;
  if (gLookup && gLookup(listID, index, entry) != noErr) entry[0] = 0;
  CopyPascalToCString(entry, format);
  return gLookup != nullptr;
}

}  // namespace

extern "C" IndexedStringLookup SetIndexedStringLookup(IndexedStringLookup lookup) {
  const IndexedStringLookup previous = gLookup;
  gLookup = lookup;
  return previous;
}

extern "C" SInt32 GetIndStringFormatted(SInt16 listID, SInt16 index, StringPtr dst, ...) {
  char format[256];
  dst[0] = 0;
  if (!FetchFormat(listID, index, format)) return kLibNotFoundErr;
  char printed[256];
  va_list args;
  va_start(args, dst);
  const int length = std::vsnprintf(printed, sizeof printed, format, args);
  va_end(args);
  // A longer result keeps its first 255 characters: nothing past dst's 256 bytes.
  const SInt32 stored = std::clamp(length, 0, 255);
  std::memcpy(dst + 1, printed, static_cast<std::size_t>(stored));
  dst[0] = static_cast<UInt8>(stored);
  return stored;
}

extern "C" char *GetIndCString(SInt16 listID, SInt16 index, char *dst) {
  FetchFormat(listID, index, dst);
  return dst;
}

extern "C" SInt32 GetIndCStringFormatted(SInt16 listID, SInt16 index, char *dst, ...) {
  char format[256];
  if (!FetchFormat(listID, index, format)) {
    dst[0] = '\0';
    return kLibNotFoundErr;
  }
  va_list args;
  va_start(args, dst);
  const int printed = std::vsprintf(dst, format, args);
  va_end(args);
  return printed;
}
