#include "lib/text/text_hash.h"

#include <cstring>

namespace {

UInt32 Reduced(UInt32 hash, UInt32 modulus) { return modulus ? hash % modulus : hash; }

}  // namespace

extern "C" UInt32 ASCIIHashText(const char *text, UInt32 length, UInt32 modulus) {
  UInt32 hash = 0;
  for (UInt32 i = 0; text && i < length; ++i) hash = hash * 37u + static_cast<unsigned char>(text[i]);
  return Reduced(hash, modulus);
}

extern "C" UInt32 ASCIIHashCString(const char *string, UInt32 modulus) {
  return ASCIIHashText(string, string ? static_cast<UInt32>(std::strlen(string)) : 0, modulus);
}
