// The fixed-size block allocator: one pop from a free list per allocation, one
// push per free, and one chunk of many blocks from temporary memory when the list
// runs dry.
#include <cstring>

#include "lib/memory/allocators.h"
#include "platform/core/result_codes.h"

namespace {

constexpr UInt32 kDefaultBlocksPerChunk = 1024;
constexpr std::size_t kLinkSize = sizeof(void *);

// Blocks are laid out at pointer alignment, so that the links and the caller's
// data in them are aligned whatever block size was asked for.
std::size_t Stride(const FixedSizeBlockMemAllocator &allocator) {
  return (std::size_t(allocator.blockSize) + alignof(void *) - 1) & ~(alignof(void *) - 1);
}

void *Link(const void *block) {
  void *next;
  std::memcpy(&next, block, kLinkSize);
  return next;
}

void SetLink(void *block, void *next) { std::memcpy(block, &next, kLinkSize); }

// Takes one more chunk and threads its blocks, in address order, onto the free list.
void Grow(FixedSizeBlockMemAllocator &allocator) {
  std::size_t stride = Stride(allocator);
  Ptr chunk = NewPtrTemp(Size(kLinkSize + stride * allocator.blocksPerChunk));
  if (chunk == nullptr) return;
  char *first = chunk + kLinkSize;
  for (UInt32 i = 0; i < allocator.blocksPerChunk; ++i) {
    char *block = first + i * stride;
    SetLink(block, i + 1 < allocator.blocksPerChunk ? block + stride : nullptr);
  }
  allocator.freeList = first;
  SetLink(chunk, allocator.chunks);
  allocator.chunks = chunk;
}

}  // namespace

extern "C" {

OSStatus FixedSizeBlockMemAllocatorNew(UInt32 blockSize, UInt32 blocksPerChunk, void *,
                                       MemAllocatorRef *outAllocator) {
  if (outAllocator == nullptr) return paramErr;
  auto *allocator = reinterpret_cast<FixedSizeBlockMemAllocator *>(NewPtrTemp(sizeof(FixedSizeBlockMemAllocator)));
  if (allocator == nullptr) return memFullErr;
  allocator->allocator.allocate = FixedSizeBlockMemAllocate;
  allocator->allocator.free = FixedSizeBlockMemFree;
  allocator->allocator.context = allocator;
  allocator->blockSize = blockSize < kLinkSize ? UInt32(kLinkSize) : blockSize;  // a free block holds a link
  allocator->blocksPerChunk = blocksPerChunk == 0 ? kDefaultBlocksPerChunk : blocksPerChunk;
  allocator->chunks = nullptr;
  allocator->freeList = nullptr;
  *outAllocator = &allocator->allocator;
  return noErr;
}

OSStatus FixedSizeBlockMemAllocatorDispose(MemAllocatorRef reference) {
  auto *allocator = reinterpret_cast<FixedSizeBlockMemAllocator *>(reference);
  if (allocator == nullptr) return noErr;
  for (void *chunk = allocator->chunks; chunk != nullptr;) {
    void *previous = Link(chunk);
    DisposePtrTemp(chunk);
    chunk = previous;
  }
  DisposePtrTemp(allocator);
  return noErr;
}

OSStatus FixedSizeBlockMemAllocate(MemAllocatorRef, void *context, UInt32 flags, Size size, void **outBlock) {
  auto &allocator = *static_cast<FixedSizeBlockMemAllocator *>(context);
  if (size != Size(allocator.blockSize)) return kLibBlockSizeErr;
  if (allocator.freeList == nullptr) Grow(allocator);
  if (allocator.freeList == nullptr) return memFullErr;
  void *block = allocator.freeList;
  allocator.freeList = Link(block);
  if (flags & kMemAllocatorClear) std::memset(block, 0, allocator.blockSize);
  *outBlock = block;
  return noErr;
}

OSStatus FixedSizeBlockMemFree(MemAllocatorRef, void *context, UInt32, void *block) {
  auto &allocator = *static_cast<FixedSizeBlockMemAllocator *>(context);
  if (block != nullptr) {
    SetLink(block, allocator.freeList);
    allocator.freeList = block;
  }
  return noErr;
}

}  // extern "C"
