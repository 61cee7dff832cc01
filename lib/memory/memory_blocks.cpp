#include "lib/memory/memory_blocks.h"

#include <cstdint>
#include <cstring>

#include "lib/memory/short_runs.hpp"

namespace {

using vigil::memory::SetShort;

constexpr std::uintptr_t kGroup = 32;

unsigned char *Bytes(void *p) { return static_cast<unsigned char *>(p); }

void SwapBytes(unsigned char *a, unsigned char *b, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) {
    unsigned char t = a[i];
    a[i] = b[i];
    b[i] = t;
  }
}

}  // namespace

extern "C" {

void MemFill(UInt32 patternLength, const void *pattern, UInt32 destLength, void *dest) {
  if (patternLength == 0 || destLength == 0) return;
  unsigned char *out = Bytes(dest);
  std::size_t filled = patternLength < destLength ? patternLength : destLength;
  std::memcpy(out, pattern, filled);
  // The filled part always ends on a whole pattern, so doubling it keeps the phase.
  while (filled < destLength) {
    std::size_t chunk = filled < destLength - filled ? filled : destLength - filled;
    std::memcpy(out + filled, out, chunk);
    filled += chunk;
  }
}

void BlockFill(const void *pattern, UInt32 patternLength, void *dest, UInt32 destLength) {
  MemFill(patternLength, pattern, destLength, dest);
}

void MemTrash(UInt32 destLength, void *dest) {
  static const unsigned char kTrash[4] = {0x68, 0xF1, 0x68, 0xF1};
  MemFill(sizeof kTrash, kTrash, destLength, dest);
}

// The C library's fill already aligns its destination and stores in the widest
// steps the processor has, which is what these need.
void BlockSet(void *dest, UInt32 length, UInt8 value) {
  if (length <= 16)
    SetShort(Bytes(dest), length, value);
  else
    std::memset(dest, value, length);
}

void BlockClear(void *dest, UInt32 length) {
  if (length <= 16)
    SetShort(Bytes(dest), length, 0);
  else
    std::memset(dest, 0, length);
}

Boolean MemEqual(const void *a, UInt32 aLength, const void *b, UInt32 bLength) {
  return aLength == bLength && (aLength == 0 || std::memcmp(a, b, aLength) == 0);
}

Boolean BlockCompare(UInt32 length, const void *a, const void *b) { return vigil::memory::EqualBytes(a, b, length); }

void BlockSwap(void *a, void *b, UInt32 length) {
  if (a == b || length == 0) return;
  unsigned char *x = Bytes(a);
  unsigned char *y = Bytes(b);
  std::size_t head = (kGroup - reinterpret_cast<std::uintptr_t>(y) % kGroup) % kGroup;
  if (head > length) head = length;
  SwapBytes(x, y, head);
  std::size_t done = head;
  for (; length - done >= kGroup; done += kGroup) {
    unsigned char first[kGroup], second[kGroup];
    std::memcpy(first, x + done, kGroup);
    std::memcpy(second, y + done, kGroup);
    std::memcpy(x + done, second, kGroup);
    std::memcpy(y + done, first, kGroup);
  }
  SwapBytes(x + done, y + done, length - done);
}

void BlockSwapIndexed(void *array, UInt32 elementSize, UInt32 i, UInt32 j) {
  if (i == j) return;
  BlockSwap(Bytes(array) + std::size_t(i) * elementSize, Bytes(array) + std::size_t(j) * elementSize, elementSize);
}

void BlockReverse(void *data, UInt32 length) {
  unsigned char *bytes = Bytes(data);
  for (std::size_t i = 0, j = length; i + 1 < j; ++i, --j) {
    unsigned char t = bytes[i];
    bytes[i] = bytes[j - 1];
    bytes[j - 1] = t;
  }
}

void BlockReverseIndexed(void *array, UInt32 elementSize, UInt32 count) {
  for (UInt32 i = 0; count > 0 && i < count - 1 - i; ++i) BlockSwapIndexed(array, elementSize, i, count - 1 - i);
}

void *BinarySearch(const void *array, UInt32 count, UInt32 elementSize, const void *key, UInt32 keyLength,
                   BinarySearchCompareProc compare, void *context) {
  if (array == nullptr || count == 0 || elementSize == 0 || compare == nullptr) return nullptr;
  auto element = [&](UInt32 index) {
    return const_cast<unsigned char *>(static_cast<const unsigned char *>(array)) + std::size_t(index) * elementSize;
  };
  SInt32 order = compare(context, key, keyLength, element(0), elementSize);
  if (order == 0) return element(0);
  if (order < 0) return nullptr;
  // Element 0 is known to sort before the key, so hi never falls below lo's start.
  UInt32 lo = 1, hi = count - 1;
  while (lo <= hi) {
    UInt32 mid = lo + (hi - lo) / 2;
    order = compare(context, key, keyLength, element(mid), elementSize);
    if (order == 0) return element(mid);
    if (order < 0)
      hi = mid - 1;
    else
      lo = mid + 1;
  }
  return nullptr;
}

void Latin1ToMacText(void *text, UInt32 length) {
  unsigned char *bytes = Bytes(text);
  for (UInt32 i = 0; i < length; ++i) bytes[i] = kLatin1ToMacTable[bytes[i]];
}

void MacToLatin1Text(void *text, UInt32 length) {
  unsigned char *bytes = Bytes(text);
  for (UInt32 i = 0; i < length; ++i) bytes[i] = kMacToLatin1Table[bytes[i]];
}

Boolean IsNextPageContiguous(const uintptr_t *pages, UInt32 index, uintptr_t pageSize) {
  return (pages[index] & ~(pageSize - 1)) + pageSize == pages[index + 1];
}

Boolean IsPreviousPageContiguous(const uintptr_t *pages, UInt32 index, uintptr_t pageSize) {
  return index > 0 && IsNextPageContiguous(pages, index - 1, pageSize);
}

}  // extern "C"
