#include "lib/hash/hash_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "lib/hash/hash_functions.hpp"
#include "platform/core/result_codes.h"
#include "platform/memory/zone_limit.hpp"
#include "platform/memory/zones.h"

namespace {

using vigil::platform::ScopedZoneLimit;

struct TableDeleter {
  void operator()(HashTable *table) const { DeleteHashTable(table); }
};
using TablePtr = std::unique_ptr<HashTable, TableDeleter>;

TablePtr Create(UInt32 flags, UInt32 buckets, HashFunction function, MemAllocatorRef nodes = kDefaultMemAllocatorRef) {
  HashTable *table = nullptr;
  EXPECT_EQ(CreateHashTable(flags, buckets, nullptr, function, nullptr, kDefaultMemAllocatorRef, nodes, &table), noErr);
  return TablePtr(table);
}

UInt32 Add(HashTable *table, const std::string &key) {
  UInt32 count = 99;
  EXPECT_EQ(AddToHashTable(table, key.data(), UInt32(key.size()), &count), noErr);
  return count;
}

std::vector<std::string> Keys(HashTable *table) {
  std::vector<std::string> keys;
  for (HashTableNode *node = nullptr; GetNextHashTableItem(table, node, &node);)
    keys.emplace_back(static_cast<const char *>(node->key), node->keyLength);
  return keys;
}

TEST(HashTable, CountsAddsAndRemovesWholeNodes) {
  TablePtr table = Create(0, 0, kHashFunctionDefault);
  EXPECT_EQ(table->bucketCount, 101u);
  EXPECT_EQ(table->hashFunction, &vigil::hash::HashBinary);
  const std::string key = "8bytekey";
  EXPECT_EQ(Add(table.get(), key), 0u);
  EXPECT_EQ(Add(table.get(), key), 2u);
  EXPECT_EQ(Add(table.get(), key), 3u);
  HashTableNode *node = nullptr;
  EXPECT_EQ(SearchHashTable(table.get(), key.data(), 8, &node), 3u);
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(RemoveFromHashTable(table.get(), key.data(), 8), noErr);
  EXPECT_EQ(SearchHashTable(table.get(), key.data(), 8, &node), 0u);
  EXPECT_EQ(node, nullptr);
  EXPECT_EQ(RemoveFromHashTable(table.get(), key.data(), 8), errAEDescNotFound);
  EXPECT_EQ(AddToHashTable(table.get(), key.data(), 8, nullptr), noErr);
}

TEST(HashTable, KeysOfDifferentLengthsNeverMatch) {
  TablePtr table = Create(0, 1, kHashFunctionText);
  Add(table.get(), "abc");
  EXPECT_EQ(SearchHashTable(table.get(), "abcdef", 6, nullptr), 0u);
  EXPECT_EQ(SearchHashTable(table.get(), "ab", 2, nullptr), 0u);
  EXPECT_EQ(Add(table.get(), "abcdef"), 0u);
  EXPECT_EQ(Add(table.get(), ""), 0u);
  EXPECT_EQ(Add(table.get(), ""), 2u);
}

TEST(HashTable, IteratesInInsertionOrder) {
  TablePtr table = Create(0, 7, kHashFunctionText);
  for (const char *key : {"A", "B", "C", "D"}) Add(table.get(), key);
  EXPECT_EQ(Keys(table.get()), (std::vector<std::string>{"A", "B", "C", "D"}));
  RemoveFromHashTable(table.get(), "B", 1);
  EXPECT_EQ(Keys(table.get()), (std::vector<std::string>{"A", "C", "D"}));
  RemoveFromHashTable(table.get(), "A", 1);
  RemoveFromHashTable(table.get(), "D", 1);
  EXPECT_EQ(Keys(table.get()), (std::vector<std::string>{"C"}));
  EXPECT_EQ(table->first, table->last);
  RemoveFromHashTable(table.get(), "C", 1);
  EXPECT_EQ(table->first, nullptr);
  EXPECT_EQ(table->last, nullptr);
  EXPECT_FALSE(GetNextHashTableItem(table.get(), nullptr, nullptr));
}

TEST(HashTable, DepthOfTheLongestChain) {
  TablePtr table = Create(0, 5, kHashFunctionInteger);
  EXPECT_EQ(GetMaxHashTableDepth(table.get()), 0u);
  for (UInt32 value : {0u, 5u, 10u, 1u}) AddToHashTable(table.get(), &value, 4, nullptr);  // three in bucket 0
  EXPECT_EQ(GetMaxHashTableDepth(table.get()), 3u);
}

TEST(HashTable, KeysByReferenceOrCopied) {
  char key[] = "mutable";
  TablePtr byReference = Create(kHashTableKeysByReference, 0, kHashFunctionDefault);
  TablePtr copied = Create(0, 0, kHashFunctionDefault);
  AddToHashTable(byReference.get(), key, 7, nullptr);
  AddToHashTable(copied.get(), key, 7, nullptr);
  EXPECT_EQ(byReference->first->key, key);
  EXPECT_NE(copied->first->key, key);
  EXPECT_EQ(copied->first->key, copied->first + 1);
  key[0] = 'M';
  EXPECT_EQ(std::memcmp(copied->first->key, "mutable", 7), 0);
  EXPECT_EQ(SearchHashTable(copied.get(), "mutable", 7, nullptr), 1u);
  EXPECT_EQ(GetHashTableNodeSize(8), 8 + sizeof(HashTableNode));
}

TEST(HashFunctions, KnownBuckets) {
  HashTable table{};
  table.bucketCount = 101;
  const UInt8 text[] = {1, 2};
  EXPECT_EQ(vigil::hash::HashText(nullptr, &table, text, 2), 28u);
  UInt32 words[2] = {0, 0};
  std::memcpy(words, "\x00\x00\x00\x05\x07\x09", 6);
  UInt32 first = words[0];
  EXPECT_EQ(vigil::hash::HashBinary(nullptr, &table, words, 6), (first ^ 7u ^ 9u) % 101);
  UInt32 value = 3;
  EXPECT_EQ(vigil::hash::HashInteger(nullptr, &table, &value, 4), 3u * 16161 % 101);
  EXPECT_EQ(vigil::hash::HashInteger(nullptr, &table, "\x03", 1), 3u * 16161 % 101);  // short key: not read past
  // PJW of "abcdefgh": the high nibble folds back in once the hash is wide enough.
  UInt32 h = 0;
  for (char c : std::string("abcdefgh")) {
    h = (h << 4) + UInt8(c);
    if (UInt32 g = h & 0xF0000000u) h = (h ^ (g >> 24)) ^ g;
  }
  EXPECT_EQ(vigil::hash::HashPJW(nullptr, &table, "abcdefgh", 8), h % 101);
  // h = 2, then a = 31415 × 27183 mod 100 = 45 and h = (45 × 2 + 3) mod 101.
  EXPECT_EQ(vigil::hash::HashUniversal(nullptr, &table, "\x02\x03", 2), 93u);
  for (auto function : {vigil::hash::HashText, vigil::hash::HashUniversal, vigil::hash::HashPJW, vigil::hash::HashBinary})
    EXPECT_EQ(function(nullptr, &table, "", 0), 0u);
  table.bucketCount = 1;
  EXPECT_EQ(vigil::hash::HashUniversal(nullptr, &table, "abc", 3), 0u);
}

UInt32 OutOfRangeHash(void *, HashTable *table, const void *, UInt32 keyLength) {
  return table->bucketCount + keyLength;
}

TEST(HashTable, EveryBuiltInFunctionWithManyKeysFromAFixedSizeAllocator) {
  constexpr UInt32 kKeys = 20000;
  for (HashFunction function : {kHashFunctionDefault, kHashFunctionInteger, kHashFunctionText,
                                kHashFunctionUniversal, kHashFunctionPJW, kHashFunctionBinary,
                                HashFunction(OutOfRangeHash)}) {
    MemAllocatorRef nodes = nullptr;
    ASSERT_EQ(FixedSizeBlockMemAllocatorNew(GetHashTableNodeSize(8), 0, nullptr, &nodes), noErr);
    TablePtr table = Create(0, 1009, function, nodes);
    for (UInt64 i = 0; i < kKeys; ++i) {
      UInt64 key = i * 0x9E3779B97F4A7C15ull;
      ASSERT_EQ(AddToHashTable(table.get(), &key, 8, nullptr), noErr);
    }
    for (UInt64 i = 0; i < kKeys; i += 3) {
      UInt64 key = i * 0x9E3779B97F4A7C15ull;
      ASSERT_EQ(RemoveFromHashTable(table.get(), &key, 8), noErr);
    }
    UInt32 seen = 0;
    for (HashTableNode *node = nullptr; GetNextHashTableItem(table.get(), node, &node);) {
      UInt64 key;
      std::memcpy(&key, node->key, 8);
      ASSERT_EQ(SearchHashTable(table.get(), &key, 8, nullptr), 1u);
      ++seen;
    }
    EXPECT_EQ(seen, kKeys - (kKeys + 2) / 3);
    table.reset();
    FixedSizeBlockMemAllocatorDispose(nodes);
  }
}

TEST(HashTable, AllocationFailuresLeaveTheTableAlone) {
  HashTable *table = nullptr;
  {
    ScopedZoneLimit limit(ApplicationZone(), sizeof(HashTable));  // the record fits, the buckets do not
    EXPECT_EQ(CreateHashTable(0, 0, nullptr, nullptr, nullptr, kDefaultMemAllocatorRef, kDefaultMemAllocatorRef,
                              &table),
              memFullErr);
  }
  Size before = ZoneBytesInUse(ApplicationZone());
  {
    ScopedZoneLimit limit(ApplicationZone(), 0);
    EXPECT_EQ(CreateHashTable(0, 0, nullptr, nullptr, nullptr, kDefaultMemAllocatorRef, kDefaultMemAllocatorRef,
                              &table),
              memFullErr);
  }
  EXPECT_EQ(ZoneBytesInUse(ApplicationZone()), before);
  EXPECT_EQ(CreateHashTable(0, 0, nullptr, nullptr, nullptr, kSystemMemAllocatorRef, kDefaultMemAllocatorRef, &table),
            kLibAllocatorUnavailableErr);
  TablePtr owned = Create(0, 0, kHashFunctionDefault);
  Add(owned.get(), "kept");
  {
    ScopedZoneLimit limit(ApplicationZone(), 0);
    EXPECT_EQ(AddToHashTable(owned.get(), "new", 3, nullptr), memFullErr);
    EXPECT_EQ(Add(owned.get(), "kept"), 2u);  // no node needed
  }
  EXPECT_EQ(Keys(owned.get()), (std::vector<std::string>{"kept"}));
  MemAllocatorRef wrongSize = nullptr;
  FixedSizeBlockMemAllocatorNew(16, 0, nullptr, &wrongSize);
  TablePtr mismatched = Create(0, 0, kHashFunctionDefault, wrongSize);
  EXPECT_EQ(AddToHashTable(mismatched.get(), "key", 3, nullptr), kLibBlockSizeErr);
  mismatched.reset();
  FixedSizeBlockMemAllocatorDispose(wrongSize);
}

}  // namespace
