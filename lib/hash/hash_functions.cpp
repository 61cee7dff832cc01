#include <cstdint>
#include <cstring>

#include "lib/hash/hash_functions.hpp"

namespace vigil::hash {
namespace {

const UInt8 *Bytes(const void *key) { return static_cast<const UInt8 *>(key); }

}  // namespace

UInt32 HashText(void *, HashTable *table, const void *key, UInt32 keyLength) {
  UInt32 n = table->bucketCount;
  UInt32 h = 0;
  for (UInt32 i = 0; i < keyLength; ++i) h = (h * 127 + Bytes(key)[i]) % n;
  return h;
}

UInt32 HashInteger(void *, HashTable *table, const void *key, UInt32 keyLength) {
  // The first four bytes in machine order; a shorter key is not read past its end.
  UInt32 value = 0;
  std::memcpy(&value, key, keyLength < 4 ? keyLength : 4);
  return (value * 16161u) % table->bucketCount;
}

UInt32 HashUniversal(void *, HashTable *table, const void *key, UInt32 keyLength) {
  UInt32 n = table->bucketCount;
  if (n < 2) return 0;  // one bucket: the multiplier's modulus n - 1 would be 0
  UInt32 h = 0, a = 31415;
  for (UInt32 i = 0; i < keyLength; ++i) {
    h = (a * h + Bytes(key)[i]) % n;
    a = (a * 27183u) % (n - 1);
  }
  return h;
}

UInt32 HashPJW(void *, HashTable *table, const void *key, UInt32 keyLength) {
  UInt32 h = 0;
  for (UInt32 i = 0; i < keyLength; ++i) {
    h = (h << 4) + Bytes(key)[i];
    if (UInt32 g = h & 0xF0000000u) {
      h ^= g >> 24;
      h ^= g;
    }
  }
  return h % table->bucketCount;
}

UInt32 HashBinary(void *, HashTable *table, const void *key, UInt32 keyLength) {
  UInt32 h = 0;
  UInt32 words = keyLength / 4;
  for (UInt32 i = 0; i < words; ++i) {
    UInt32 word;
    std::memcpy(&word, Bytes(key) + 4 * i, 4);
    h ^= word;
  }
  for (UInt32 i = 4 * words; i < keyLength; ++i) h ^= Bytes(key)[i];
  return h % table->bucketCount;
}

HashFunction ResolveHashFunction(HashFunction selectorOrFunction) {
  switch (reinterpret_cast<std::intptr_t>(selectorOrFunction)) {
    case 0:
    case -5: return HashBinary;
    case -1: return HashInteger;
    case -2: return HashText;
    case -3: return HashUniversal;
    case -4: return HashPJW;
    default: return selectorOrFunction;
  }
}

}  // namespace vigil::hash
