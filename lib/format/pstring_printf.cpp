#include "lib/format/pstring_printf.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kMaxPrinted = 253;

}  // namespace

extern "C" SInt32 PStringPrintF(StringPtr dst, const char *format, ...) {
  va_list args;
  va_start(args, format);
  const int printed = std::vsnprintf(reinterpret_cast<char *>(dst + 1), kMaxPrinted + 1, format, args);
  va_end(args);
  const SInt32 length = std::clamp(printed, 0, kMaxPrinted);
  dst[0] = static_cast<UInt8>(length);
  if (printed < 0) dst[1] = '\0';
  return length;
}

extern "C" SInt32 PStringScanF(ConstStr255Param src, const char *format, ...) {
  char text[256];
  std::memcpy(text, src + 1, src[0]);
  text[src[0]] = '\0';
  va_list args;
  va_start(args, format);
  const int scanned = std::vsscanf(text, format, args);
  va_end(args);
  return scanned;
}
