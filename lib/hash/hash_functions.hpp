// The built-in hash functions of the hash table, reached through its selectors.
#pragma once

#include "lib/hash/hash_table.h"

namespace vigil::hash {

UInt32 HashText(void *context, HashTable *table, const void *key, UInt32 keyLength);
UInt32 HashInteger(void *context, HashTable *table, const void *key, UInt32 keyLength);
UInt32 HashUniversal(void *context, HashTable *table, const void *key, UInt32 keyLength);
UInt32 HashPJW(void *context, HashTable *table, const void *key, UInt32 keyLength);
UInt32 HashBinary(void *context, HashTable *table, const void *key, UInt32 keyLength);

// The function a selector or a caller's function stands for.
HashFunction ResolveHashFunction(HashFunction selectorOrFunction);

}  // namespace vigil::hash
