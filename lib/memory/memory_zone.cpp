// Memory zones: bump allocation over a list of zero-filled heap blocks that are
// all freed together.
#include <cstdlib>

#include "lib/memory/allocators.h"
#include "platform/core/result_codes.h"
#include "platform/memory/process_heap.hpp"

struct MemZoneBlock {
  char *next;               // the first byte not yet handed out
  char *end;                // one past the block's data
  MemZoneBlock *nextBlock;  // the next block of the zone
};

namespace {

constexpr Size kDefaultZoneBlockSize = 4096;

bool Fits(const MemZoneBlock *block, Size size) { return size <= block->end - block->next; }

void *Carve(MemZoneBlock *block, Size size) {
  void *start = block->next;
  block->next += size;
  return start;
}

}  // namespace

extern "C" {

void MemZoneInit(MemZone *zone, Size blockSize) {
  if (zone == nullptr) return;
  zone->current = nullptr;
  zone->blocks = nullptr;
  zone->blockSize = blockSize > 0 ? blockSize : kDefaultZoneBlockSize;
}

OSStatus MemZoneAlloc(MemZone *zone, Size size, void **outBlock) {
  if (zone == nullptr || outBlock == nullptr) return kLibMissingArgErr;
  if (size < 0) return kLibRangeErr;
  if (zone->current != nullptr && Fits(zone->current, size)) {
    *outBlock = Carve(zone->current, size);
    return noErr;
  }
  MemZoneBlock *last = nullptr;
  for (MemZoneBlock *block = zone->blocks; block != nullptr; block = block->nextBlock) {
    if (Fits(block, size)) {
      *outBlock = Carve(block, size);
      return noErr;
    }
    last = block;
  }
  Size dataSize = size > zone->blockSize ? size : zone->blockSize;
  void *memory = vigil::platform::HeapAllocateZeroed(sizeof(MemZoneBlock) + std::size_t(dataSize));
  if (memory == nullptr) return kLibNoMemoryErr;
  auto *block = static_cast<MemZoneBlock *>(memory);
  block->next = reinterpret_cast<char *>(block + 1);
  block->end = block->next + dataSize;
  block->nextBlock = nullptr;
  (last != nullptr ? last->nextBlock : zone->blocks) = block;
  zone->current = block;
  *outBlock = Carve(block, size);
  return noErr;
}

void MemZoneFree(MemZone *zone) {
  if (zone == nullptr) return;
  for (MemZoneBlock *block = zone->blocks; block != nullptr;) {
    MemZoneBlock *next = block->nextBlock;
    std::free(block);
    block = next;
  }
  zone->current = nullptr;
  zone->blocks = nullptr;
}

}  // extern "C"
