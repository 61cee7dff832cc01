#include "lib/strings/four_char_codes.h"


#include "lib/strings/pascal_string.hpp"

namespace {

void WriteCode(OSType code, unsigned char *dst) {
  for (int i = 0; i < 4; ++i) dst[i] = static_cast<unsigned char>(code >> (24 - 8 * i));
}

OSType ReadCode(const unsigned char *characters, UInt32 count) {
  OSType code = 0;
  for (UInt32 i = 0; i < 4; ++i) code = (code << 8) | (i < count ? characters[i] : 0u);
  return code;
}

}  // namespace

extern "C" void OSTypeToPascalString(OSType code, StringPtr dst) {
  dst[0] = code == 0 ? 0 : 4;
  if (code != 0) WriteCode(code, dst + 1);
}

extern "C" OSType PascalStringToOSType(ConstStr255Param str) { return ReadCode(str + 1, str[0]); }

extern "C" void OSTypeToCStringCompat(OSType code, char *dst) {
  WriteCode(code, reinterpret_cast<unsigned char *>(dst));
  dst[4] = '\0';
}

extern "C" OSType CStringToOSType(const char *str) {
  return ReadCode(reinterpret_cast<const unsigned char *>(str), vigil::strings::BoundedLength(str, 4));
}
