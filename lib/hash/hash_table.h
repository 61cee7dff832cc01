/* A chained hash table of byte-string keys with a use count per key and
 * iteration in insertion order. The caller picks the bucket count (there is no
 * rehashing), the hash function, whether keys are copied into the nodes or only
 * referred to, and the allocators (lib/memory/allocators.h) of the table and of
 * its nodes; a fixed-size block allocator of GetHashTableNodeSize(keyLength)
 * bytes suits tables whose keys all have one length. Pointer fields are
 * pointer-sized, so a node header takes 40 bytes on 64-bit machines. */
#ifndef VIGIL_LIB_HASH_HASH_TABLE_H
#define VIGIL_LIB_HASH_HASH_TABLE_H

#include "lib/memory/allocators.h"
#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct HashTable HashTable;

/* Returns a bucket index below the table's bucket count; an index at or past it
 * is taken modulo the count. */
typedef UInt32 (*HashFunction)(void *context, HashTable *table, const void *key, UInt32 keyLength);

/* Built-in hash functions, chosen by these values in place of a function. */
#define kHashFunctionDefault ((HashFunction)(intptr_t)0) /* HashBinary */
#define kHashFunctionInteger ((HashFunction)(intptr_t)-1)
#define kHashFunctionText ((HashFunction)(intptr_t)-2)
#define kHashFunctionUniversal ((HashFunction)(intptr_t)-3)
#define kHashFunctionPJW ((HashFunction)(intptr_t)-4)
#define kHashFunctionBinary ((HashFunction)(intptr_t)-5)

/* Flag: nodes refer to the caller's key bytes, which must outlive them. */
enum { kHashTableKeysByReference = 1 };

typedef struct HashTableNode {
  struct HashTableNode *chainNext;     /* next node in the same bucket */
  struct HashTableNode *orderNext;     /* next newer node */
  struct HashTableNode *orderPrevious; /* next older node */
  UInt32 count;                        /* 1 when added, +1 for every further add */
  UInt32 keyLength;
  const void *key; /* the caller's bytes, or the copy that follows this header */
} HashTableNode;

struct HashTable {
  UInt32 flags;
  void *reserved;
  HashFunction hashFunction;
  void *hashContext;
  MemAllocatorRef tableAllocator;
  MemAllocatorRef nodeAllocator;
  UInt32 bucketCount;
  HashTableNode **buckets;
  HashTableNode *first; /* oldest */
  HashTableNode *last;  /* newest */
};

/* A bucket count of 0 means 101. Allocation failures return the allocator's code. */
OSStatus CreateHashTable(UInt32 flags, UInt32 bucketCount, void *reserved, HashFunction hashFunction,
                         void *hashContext, MemAllocatorRef tableAllocator, MemAllocatorRef nodeAllocator,
                         HashTable **outTable);
/* Frees every node, the bucket array and the table; always 0. */
OSStatus DeleteHashTable(HashTable *table);
/* *outCount (may be null): 0 for a new key, else the key's raised count. */
OSStatus AddToHashTable(HashTable *table, const void *key, UInt32 keyLength, UInt32 *outCount);
/* 0, or -1701 (errAEDescNotFound) when no node has the key. */
OSStatus RemoveFromHashTable(HashTable *table, const void *key, UInt32 keyLength);
/* The key's count, or 0 when absent; *outNode (may be null) gets the node or null. */
UInt32 SearchHashTable(HashTable *table, const void *key, UInt32 keyLength, HashTableNode **outNode);
/* The node after `node` in insertion order (the oldest for a null node): 1 and the
 * node in *outNext, or 0 and null at the end. */
Boolean GetNextHashTableItem(HashTable *table, HashTableNode *node, HashTableNode **outNext);
UInt32 GetMaxHashTableDepth(HashTable *table);
/* The size of a node that carries a copied key of keyLength bytes. */
UInt32 GetHashTableNodeSize(UInt32 keyLength);

#ifdef __cplusplus
}
#endif

#endif
