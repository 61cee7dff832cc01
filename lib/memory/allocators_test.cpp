#include "lib/memory/allocators.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

#include "platform/core/result_codes.h"
#include "platform/memory/process_heap.hpp"
#include "platform/memory/zone_limit.hpp"
#include "platform/memory/zones.h"

namespace {

using vigil::platform::ScopedHeapBlockLimit;
using vigil::platform::ScopedZoneLimit;

TEST(MemAllocate, BuiltInAllocators) {
  void *block = reinterpret_cast<void *>(1);
  EXPECT_EQ(MemAllocate(kSystemMemAllocatorRef, 0, 10, &block), kLibAllocatorUnavailableErr);
  EXPECT_EQ(block, nullptr);
  for (MemAllocatorRef unavailable : {kPageableSystemMemAllocatorRef, kResidentMemAllocatorRef,
                                      kPhysicallyContiguousMemAllocatorRef})
    EXPECT_EQ(MemAllocate(unavailable, 0, 10, &block), kLibAllocatorUnavailableErr);
  EXPECT_EQ(MemFree(kResidentMemAllocatorRef, 0, nullptr), kLibAllocatorUnavailableErr);
  EXPECT_EQ(MemFree(kPhysicallyContiguousMemAllocatorRef, 0, nullptr), kLibAllocatorUnavailableErr);
  EXPECT_EQ(MemFree(kSystemMemAllocatorRef, 0, nullptr), noErr);

  for (MemAllocatorRef allocator : {kDefaultMemAllocatorRef, kTempMemAllocatorRef}) {
    ASSERT_EQ(MemAllocate(allocator, kMemAllocatorClear, 100, &block), noErr);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(static_cast<UInt8 *>(block)[i], 0);
    EXPECT_EQ(MemFree(allocator, 0, block), noErr);
  }
}

TEST(MemAllocate, NoMemoryFromEitherZone) {
  void *block = nullptr;
  {
    ScopedZoneLimit limit(ApplicationZone(), 50);
    EXPECT_EQ(MemAllocate(kDefaultMemAllocatorRef, 0, 51, &block), memFullErr);
    EXPECT_EQ(MemAllocate(kDefaultMemAllocatorRef, kMemAllocatorClear, 51, &block), memFullErr);
  }
  ScopedZoneLimit limit(TempZone(), 50);
  EXPECT_EQ(MemAllocate(kTempMemAllocatorRef, 0, 51, &block), memFullErr);
  EXPECT_EQ(block, nullptr);
}

struct CountingAllocator {
  MemAllocator record;
  int allocations = 0;
};

OSStatus CountingAllocate(MemAllocatorRef reference, void *context, UInt32, Size size, void **outBlock) {
  auto *counting = static_cast<CountingAllocator *>(context);
  EXPECT_EQ(reference, &counting->record);
  ++counting->allocations;
  if (size > 64) return -1;
  static char storage[64];
  *outBlock = storage;
  return noErr;
}

OSStatus CountingFree(MemAllocatorRef, void *context, UInt32 flags, void *) {
  return static_cast<CountingAllocator *>(context)->allocations -= int(flags);
}

TEST(MemAllocate, CallersRecordsGetTheirContext) {
  CountingAllocator counting;
  counting.record = {CountingAllocate, CountingFree, &counting};
  void *block = nullptr;
  EXPECT_EQ(MemAllocate(&counting.record, 0, 8, &block), noErr);
  EXPECT_NE(block, nullptr);
  EXPECT_EQ(MemAllocate(&counting.record, 0, 65, &block), -1);
  EXPECT_EQ(block, nullptr);
  EXPECT_EQ(MemFree(&counting.record, 2, block), 0);
  EXPECT_EQ(counting.allocations, 0);
}

TEST(FixedSizeBlockAllocator, DefaultsAndSizeChecks) {
  MemAllocatorRef reference = nullptr;
  ASSERT_EQ(FixedSizeBlockMemAllocatorNew(2, 0, nullptr, &reference), noErr);
  auto *allocator = reinterpret_cast<FixedSizeBlockMemAllocator *>(reference);
  EXPECT_EQ(allocator->blockSize, sizeof(void *));
  EXPECT_EQ(allocator->blocksPerChunk, 1024u);
  EXPECT_EQ(allocator->allocator.context, allocator);
  FixedSizeBlockMemAllocatorDispose(reference);

  ASSERT_EQ(FixedSizeBlockMemAllocatorNew(32, 0, nullptr, &reference), noErr);
  void *block = nullptr;
  EXPECT_EQ(MemAllocate(reference, 0, 31, &block), kLibBlockSizeErr);
  EXPECT_EQ(MemAllocate(reference, 0, 33, &block), kLibBlockSizeErr);
  ASSERT_EQ(MemAllocate(reference, 0, 32, &block), noErr);
  EXPECT_EQ(MemFree(reference, 0, block), noErr);
  void *again = nullptr;
  ASSERT_EQ(MemAllocate(reference, kMemAllocatorClear, 32, &again), noErr);
  EXPECT_EQ(again, block);
  for (int i = 0; i < 32; ++i) EXPECT_EQ(static_cast<UInt8 *>(again)[i], 0);
  EXPECT_EQ(MemFree(reference, 0, nullptr), noErr);
  FixedSizeBlockMemAllocatorDispose(reference);
}

TEST(FixedSizeBlockAllocator, TakesAChunkPer1024BlocksAndAlignsThem) {
  MemAllocatorRef reference = nullptr;
  ASSERT_EQ(FixedSizeBlockMemAllocatorNew(45, 0, nullptr, &reference), noErr);
  auto *allocator = reinterpret_cast<FixedSizeBlockMemAllocator *>(reference);
  std::set<void *> blocks;
  for (int i = 0; i < 1024; ++i) {
    void *block = nullptr;
    ASSERT_EQ(MemAllocate(reference, 0, 45, &block), noErr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % alignof(void *), 0u);
    std::memset(block, 0xAB, 45);
    blocks.insert(block);
  }
  void *firstChunk = allocator->chunks;
  EXPECT_EQ(allocator->freeList, nullptr);
  void *block = nullptr;
  ASSERT_EQ(MemAllocate(reference, 0, 45, &block), noErr);
  EXPECT_NE(allocator->chunks, firstChunk);
  blocks.insert(block);
  EXPECT_EQ(blocks.size(), 1025u);
  FixedSizeBlockMemAllocatorDispose(reference);
}

TEST(FixedSizeBlockAllocator, NoTemporaryMemory) {
  MemAllocatorRef reference = nullptr;
  {
    ScopedZoneLimit limit(TempZone(), 0);
    EXPECT_EQ(FixedSizeBlockMemAllocatorNew(16, 4, nullptr, &reference), memFullErr);
  }
  ASSERT_EQ(FixedSizeBlockMemAllocatorNew(16, 4, nullptr, &reference), noErr);
  void *block = nullptr;
  {
    ScopedZoneLimit limit(TempZone(), 16 * 4);  // one link word short of a chunk
    EXPECT_EQ(MemAllocate(reference, 0, 16, &block), memFullErr);
  }
  auto *allocator = reinterpret_cast<FixedSizeBlockMemAllocator *>(reference);
  EXPECT_EQ(allocator->chunks, nullptr);
  EXPECT_EQ(MemAllocate(reference, 0, 16, &block), noErr);
  FixedSizeBlockMemAllocatorDispose(reference);
}

TEST(MemZone, CarvesFirstFitFromZeroedBlocks) {
  MemZone zone;
  MemZoneInit(&zone, 0);
  EXPECT_EQ(zone.blockSize, 4096);
  void *a = nullptr, *b = nullptr, *large = nullptr, *small = nullptr;
  ASSERT_EQ(MemZoneAlloc(&zone, 3, &a), noErr);
  ASSERT_EQ(MemZoneAlloc(&zone, 3, &b), noErr);
  EXPECT_EQ(static_cast<char *>(b) - static_cast<char *>(a), 3);
  MemZoneBlock *first = zone.blocks;
  ASSERT_EQ(MemZoneAlloc(&zone, 5000, &large), noErr);
  EXPECT_NE(zone.current, first);
  ASSERT_EQ(MemZoneAlloc(&zone, 10, &small), noErr);
  EXPECT_EQ(static_cast<char *>(small), static_cast<char *>(b) + 3);  // the first block with room
  for (int i = 0; i < 10; ++i) EXPECT_EQ(static_cast<char *>(small)[i], 0);
  void *fill = nullptr;
  ASSERT_EQ(MemZoneAlloc(&zone, 4096 - 16, &fill), noErr);
  ASSERT_EQ(MemZoneAlloc(&zone, 0, &fill), noErr);
  MemZoneFree(&zone);
  EXPECT_EQ(zone.blocks, nullptr);
  EXPECT_EQ(zone.current, nullptr);
  EXPECT_EQ(zone.blockSize, 4096);
  ScopedHeapBlockLimit limit(100);
  EXPECT_EQ(MemZoneAlloc(&zone, 1, &fill), kLibNoMemoryErr);
  EXPECT_EQ(zone.blocks, nullptr);
}

TEST(PtrArray, GrowsTo4096ThenDoubles) {
  PtrArray array;
  PtrArrayInit(&array);
  ASSERT_EQ(PtrArrayAppend(&array, &array), noErr);
  EXPECT_EQ(array.capacity, 4096u);
  for (UInt32 i = 1; i < 4096; ++i) ASSERT_EQ(PtrArrayAppend(&array, reinterpret_cast<void *>(std::uintptr_t(i))), noErr);
  EXPECT_EQ(array.capacity, 4096u);
  {
    ScopedHeapBlockLimit limit(4096 * sizeof(void *));
    EXPECT_EQ(PtrArrayAppend(&array, nullptr), kLibNoMemoryErr);
    EXPECT_EQ(array.count, 4096u);
  }
  ASSERT_EQ(PtrArrayAppend(&array, nullptr), noErr);
  EXPECT_EQ(array.capacity, 8192u);
  EXPECT_EQ(array.items[0], &array);
  EXPECT_EQ(array.items[4095], reinterpret_cast<void *>(4095));
  PtrArrayFree(&array);
  EXPECT_EQ(array.items, nullptr);
  EXPECT_EQ(array.count, 0u);
}

TEST(NewPtrTemp, LockedTemporaryBlocks) {
  Size before = ZoneBytesInUse(TempZone());
  Ptr block = NewPtrTemp(100);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(ZoneBytesInUse(TempZone()), before + 100);
  DisposePtrTemp(block);
  EXPECT_EQ(ZoneBytesInUse(TempZone()), before);
  char notOurs = 0;
  DisposePtrTemp(&notOurs);
  DisposePtrTemp(nullptr);
  ScopedZoneLimit limit(TempZone(), 10);
  EXPECT_EQ(NewPtrTemp(11), nullptr);
}

}  // namespace
