#include "lib/hash/hash_table.h"

#include <cstring>

#include "lib/hash/hash_functions.hpp"
#include "lib/memory/short_runs.hpp"
#include "platform/core/result_codes.h"

namespace {

bool KeysByReference(const HashTable &table) { return table.flags & kHashTableKeysByReference; }

HashTableNode *&Bucket(HashTable &table, const void *key, UInt32 keyLength) {
  UInt32 index = table.hashFunction(table.hashContext, &table, key, keyLength);
  if (index >= table.bucketCount) index %= table.bucketCount;  // a caller's function out of range
  return table.buckets[index];
}

// Keys match when they have the same length and bytes; comparing the lengths
// keeps a longer lookup key from being compared past a shorter stored key.
bool Matches(const HashTableNode &node, const void *key, UInt32 keyLength) {
  return node.keyLength == keyLength && vigil::memory::EqualBytes(node.key, key, keyLength);
}

}  // namespace

extern "C" {

OSStatus CreateHashTable(UInt32 flags, UInt32 bucketCount, void *reserved, HashFunction hashFunction,
                         void *hashContext, MemAllocatorRef tableAllocator, MemAllocatorRef nodeAllocator,
                         HashTable **outTable) {
  if (outTable == nullptr) return paramErr;
  if (bucketCount == 0) bucketCount = 101;
  void *record = nullptr;
  if (OSStatus error = MemAllocate(tableAllocator, 0, sizeof(HashTable), &record)) return error;
  void *buckets = nullptr;
  if (OSStatus error = MemAllocate(tableAllocator, kMemAllocatorClear, Size(bucketCount) * sizeof(HashTableNode *),
                                   &buckets)) {
    MemFree(tableAllocator, 0, record);
    return error;
  }
  auto *table = static_cast<HashTable *>(record);
  table->flags = flags;
  table->reserved = reserved;
  table->hashFunction = vigil::hash::ResolveHashFunction(hashFunction);
  table->hashContext = hashContext;
  table->tableAllocator = tableAllocator;
  table->nodeAllocator = nodeAllocator;
  table->bucketCount = bucketCount;
  table->buckets = static_cast<HashTableNode **>(buckets);
  table->first = nullptr;
  table->last = nullptr;
  *outTable = table;
  return noErr;
}

OSStatus DeleteHashTable(HashTable *table) {
  if (table == nullptr) return noErr;
  for (UInt32 i = 0; i < table->bucketCount; ++i) {
    for (HashTableNode *node = table->buckets[i]; node != nullptr;) {
      HashTableNode *next = node->chainNext;
      MemFree(table->nodeAllocator, 0, node);
      node = next;
    }
  }
  // Nothing else could release these, so the table does.
  MemAllocatorRef allocator = table->tableAllocator;
  MemFree(allocator, 0, table->buckets);
  MemFree(allocator, 0, table);
  return noErr;
}

OSStatus AddToHashTable(HashTable *table, const void *key, UInt32 keyLength, UInt32 *outCount) {
  if (table == nullptr || (key == nullptr && keyLength > 0)) return paramErr;
  HashTableNode *&head = Bucket(*table, key, keyLength);
  HashTableNode **link = &head;
  for (; *link != nullptr; link = &(*link)->chainNext) {
    if (Matches(**link, key, keyLength)) {
      UInt32 count = ++(*link)->count;
      if (outCount != nullptr) *outCount = count;
      return noErr;
    }
  }
  bool byReference = KeysByReference(*table);
  void *memory = nullptr;
  Size size = byReference ? Size(sizeof(HashTableNode)) : Size(GetHashTableNodeSize(keyLength));
  if (OSStatus error = MemAllocate(table->nodeAllocator, 0, size, &memory)) return error;
  auto *node = static_cast<HashTableNode *>(memory);
  if (byReference) {
    node->key = key;
  } else {
    if (keyLength > 0) std::memcpy(node + 1, key, keyLength);
    node->key = node + 1;
  }
  node->count = 1;
  node->keyLength = keyLength;
  node->chainNext = nullptr;
  *link = node;
  node->orderPrevious = table->last;
  node->orderNext = nullptr;
  (table->last != nullptr ? table->last->orderNext : table->first) = node;
  table->last = node;
  if (outCount != nullptr) *outCount = 0;
  return noErr;
}

OSStatus RemoveFromHashTable(HashTable *table, const void *key, UInt32 keyLength) {
  if (table == nullptr || (key == nullptr && keyLength > 0)) return paramErr;
  for (HashTableNode **link = &Bucket(*table, key, keyLength); *link != nullptr; link = &(*link)->chainNext) {
    HashTableNode *node = *link;
    if (!Matches(*node, key, keyLength)) continue;
    *link = node->chainNext;
    (node->orderPrevious != nullptr ? node->orderPrevious->orderNext : table->first) = node->orderNext;
    (node->orderNext != nullptr ? node->orderNext->orderPrevious : table->last) = node->orderPrevious;
    MemFree(table->nodeAllocator, 0, node);
    return noErr;
  }
  return errAEDescNotFound;
}

UInt32 SearchHashTable(HashTable *table, const void *key, UInt32 keyLength, HashTableNode **outNode) {
  if (outNode != nullptr) *outNode = nullptr;
  if (table == nullptr || (key == nullptr && keyLength > 0)) return 0;
  for (HashTableNode *node = Bucket(*table, key, keyLength); node != nullptr; node = node->chainNext) {
    if (Matches(*node, key, keyLength)) {
      if (outNode != nullptr) *outNode = node;
      return node->count;
    }
  }
  return 0;
}

Boolean GetNextHashTableItem(HashTable *table, HashTableNode *node, HashTableNode **outNext) {
  HashTableNode *next = table == nullptr ? nullptr : node == nullptr ? table->first : node->orderNext;
  if (outNext != nullptr) *outNext = next;
  return next != nullptr;
}

UInt32 GetMaxHashTableDepth(HashTable *table) {
  if (table == nullptr) return 0;
  UInt32 deepest = 0;
  for (UInt32 i = 0; i < table->bucketCount; ++i) {
    UInt32 depth = 0;
    for (HashTableNode *node = table->buckets[i]; node != nullptr; node = node->chainNext) ++depth;
    if (depth > deepest) deepest = depth;
  }
  return deepest;
}

UInt32 GetHashTableNodeSize(UInt32 keyLength) { return keyLength + UInt32(sizeof(HashTableNode)); }

}  // extern "C"
