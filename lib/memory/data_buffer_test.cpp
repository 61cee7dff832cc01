#include "lib/memory/data_buffer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "platform/core/result_codes.h"
#include "platform/memory/process_heap.hpp"

namespace {

using vigil::platform::ScopedHeapBlockLimit;

struct BufferDeleter {
  void operator()(DataBuffer *buffer) const { DataBufferRelease(buffer); }
};
using BufferPtr = std::unique_ptr<DataBuffer, BufferDeleter>;

BufferPtr Create(const void *source, UInt32 count) {
  DataBuffer *buffer = nullptr;
  EXPECT_EQ(DataBufferCreate(source, count, &buffer), noErr);
  return BufferPtr(buffer);
}

std::string Contents(const DataBuffer &buffer) {
  return std::string(reinterpret_cast<const char *>(buffer.data), buffer.length);
}

TEST(DataBuffer, CapacityFollowsTheRule) {
  struct Case {
    UInt32 length, capacity;
  };
  for (Case c : {Case{0, 256}, Case{255, 256}, Case{256, 4096}, Case{4095, 4096}, Case{4096, 32768},
                 Case{32768, 32768}, Case{32769, 65536}}) {
    BufferPtr buffer = Create(nullptr, c.length);
    EXPECT_EQ(buffer->length, c.length);
    EXPECT_EQ(buffer->capacity, c.capacity) << c.length;
  }
}

TEST(DataBuffer, CreateCopiesOrZeroFills) {
  BufferPtr copied = Create("abc", 3);
  EXPECT_EQ(Contents(*copied), "abc");
  BufferPtr zeroed = Create(kDataBufferZeroFill, 5000);
  EXPECT_EQ(zeroed->capacity, 32768u);
  for (UInt32 i = 0; i < zeroed->capacity; ++i) ASSERT_EQ(zeroed->data[i], 0);
}

TEST(DataBuffer, ResizeAppliesTheRuleBothWays) {
  BufferPtr buffer = Create(nullptr, 20000);
  for (UInt32 i = 0; i < 20000; ++i) buffer->data[i] = UInt8(i);
  ASSERT_EQ(DataBufferResize(buffer.get(), nullptr, 10), noErr);
  EXPECT_EQ(buffer->capacity, 256u);
  for (UInt32 i = 0; i < 10; ++i) EXPECT_EQ(buffer->data[i], i);
  ASSERT_EQ(DataBufferResize(buffer.get(), "xyz", 3), noErr);
  EXPECT_EQ(Contents(*buffer), "xyz");
  ASSERT_EQ(DataBufferResize(buffer.get(), kDataBufferZeroFill, 2), noErr);
  EXPECT_EQ(Contents(*buffer), std::string(2, '\0'));
}

TEST(DataBuffer, AdjustSizeGrowsFillsAndTruncates) {
  BufferPtr buffer = Create("abc", 3);
  ASSERT_EQ(DataBufferAdjustSize(buffer.get(), "de", 2), noErr);
  EXPECT_EQ(Contents(*buffer), "abcde");
  ASSERT_EQ(DataBufferAdjustSize(buffer.get(), kDataBufferZeroFill, 1), noErr);
  EXPECT_EQ(Contents(*buffer), std::string("abcde\0", 6));
  ASSERT_EQ(DataBufferAdjustSize(buffer.get(), "zz", -4), noErr);
  EXPECT_EQ(Contents(*buffer), "ab");
  EXPECT_EQ(DataBufferAdjustSize(buffer.get(), nullptr, -3), kLibRangeErr);
  EXPECT_EQ(Contents(*buffer), "ab");

  BufferPtr large = Create(nullptr, 5000);
  ASSERT_EQ(DataBufferAdjustSize(large.get(), nullptr, -4900), noErr);
  EXPECT_EQ(large->capacity, 256u);
  large->length = 100;
  ASSERT_EQ(DataBufferAdjustSize(large.get(), nullptr, 0), noErr);
  EXPECT_EQ(large->capacity, 256u);
}

TEST(DataBuffer, AppendNeverShrinksAndGrowsWhenNeeded) {
  BufferPtr buffer = Create(nullptr, 5000);  // capacity 32768
  ASSERT_EQ(DataBufferResize(buffer.get(), nullptr, 0), noErr);
  ASSERT_EQ(buffer->capacity, 256u);
  BufferPtr big = Create(nullptr, 40000);
  big->length = 0;  // emptied by hand: appending must keep the block as it is
  UInt8 *block = big->data;
  ASSERT_EQ(DataBufferAppendData(big.get(), "hello", 5), noErr);
  EXPECT_EQ(big->data, block);
  EXPECT_EQ(big->capacity, 65536u);
  EXPECT_EQ(Contents(*big), "hello");

  std::string expected;
  for (int i = 0; i < 3000; ++i) {
    ASSERT_EQ(DataBufferAppendData(buffer.get(), "0123456789", 10), noErr);
    expected += "0123456789";
  }
  EXPECT_EQ(Contents(*buffer), expected);
  EXPECT_EQ(buffer->capacity, 32768u);
  ASSERT_EQ(DataBufferAppendData(buffer.get(), kDataBufferZeroFill, 3), noErr);
  EXPECT_EQ(Contents(*buffer).substr(30000), std::string(3, '\0'));
}

TEST(DataBuffer, ReplaceMovesTheTail) {
  struct Case {
    UInt32 offset, oldLength;
    const char *replacement;
    OSStatus result;
    const char *after;
  };
  for (Case c : {Case{2, 3, "XY", noErr, "abXYfg"}, Case{2, 3, "XYZW", noErr, "abXYZWfg"},
                 Case{0, 0, "--", noErr, "--abcdefg"}, Case{7, 0, "!", noErr, "abcdefg!"},
                 Case{0, 7, "", noErr, ""}, Case{6, 2, "Q", kLibRangeErr, "abcdefg"},
                 Case{0xFFFFFFF0u, 0x20, "Q", kLibRangeErr, "abcdefg"}}) {
    BufferPtr buffer = Create("abcdefg", 7);
    EXPECT_EQ(DataBufferReplaceData(buffer.get(), c.offset, c.oldLength, c.replacement,
                                    UInt32(std::strlen(c.replacement))),
              c.result);
    EXPECT_EQ(Contents(*buffer), c.after);
  }
  BufferPtr buffer = Create("abcdefg", 7);
  ASSERT_EQ(DataBufferReplaceData(buffer.get(), 1, 1, nullptr, 3), noErr);
  EXPECT_EQ(Contents(*buffer).substr(4), "cdefg");
  EXPECT_EQ(buffer->length, 9u);
}

TEST(DataBuffer, ReleaseContainerHandsTheBlockOver) {
  DataBuffer *buffer = nullptr;
  ASSERT_EQ(DataBufferCreate("data", 4, &buffer), noErr);
  void *data = nullptr;
  UInt32 length = 0;
  EXPECT_EQ(DataBufferReleaseContainer(buffer, &data, &length), noErr);
  EXPECT_EQ(length, 4u);
  EXPECT_EQ(std::string(static_cast<char *>(data), 4), "data");
  std::free(data);
  ASSERT_EQ(DataBufferCreate(nullptr, 0, &buffer), noErr);
  void *block = buffer->data;
  EXPECT_EQ(DataBufferReleaseContainer(buffer, nullptr, nullptr), noErr);
  std::free(block);
  EXPECT_EQ(DataBufferRelease(nullptr), noErr);
}

TEST(DataBuffer, EveryNoMemoryPathLeavesTheBufferAlone) {
  DataBuffer *buffer = nullptr;
  {
    ScopedHeapBlockLimit limit(0);
    EXPECT_EQ(DataBufferCreate(nullptr, 10, &buffer), kLibNoMemoryErr);  // the record
  }
  {
    ScopedHeapBlockLimit limit(100);
    EXPECT_EQ(DataBufferCreate(nullptr, 10, &buffer), kLibNoMemoryErr);  // the block
  }
  EXPECT_EQ(buffer, nullptr);
  BufferPtr owned = Create("abc", 3);
  ScopedHeapBlockLimit limit(4096);
  EXPECT_EQ(DataBufferResize(owned.get(), nullptr, 5000), kLibNoMemoryErr);
  EXPECT_EQ(DataBufferAdjustSize(owned.get(), nullptr, 5000), kLibNoMemoryErr);
  EXPECT_EQ(DataBufferAppendData(owned.get(), nullptr, 5000), kLibNoMemoryErr);
  EXPECT_EQ(DataBufferReplaceData(owned.get(), 1, 1, nullptr, 5000), kLibNoMemoryErr);
  EXPECT_EQ(Contents(*owned), "abc");
  EXPECT_EQ(owned->capacity, 256u);
  EXPECT_EQ(DataBufferAppendData(owned.get(), nullptr, 0xFFFFFFFFu), kLibNoMemoryErr);
  EXPECT_EQ(DataBufferCreate(nullptr, 0xFFFFFFFFu, &buffer), kLibNoMemoryErr);
  EXPECT_EQ(DataBufferCreate(nullptr, 1, nullptr), kLibMissingArgErr);
}

TEST(TempBuffer, UsesTheCallersBufferOrAHeapBlock) {
  char local[256];
  void *release = nullptr, *buffer = nullptr;
  UInt32 size = 0;
  ASSERT_EQ(TempBufferCreate(100, local, 256, &release, &buffer, &size), noErr);
  EXPECT_EQ(release, kTempBufferNothingAllocated);
  EXPECT_EQ(buffer, local);
  EXPECT_EQ(size, 256u);
  EXPECT_EQ(TempBufferRelease(release), noErr);

  struct Case {
    UInt32 wanted, size;
  };
  for (Case c : {Case{1000, 1024}, Case{257, 512}, Case{1024, 1024}, Case{20000000, 16777216}}) {
    ASSERT_EQ(TempBufferCreate(c.wanted, local, 256, &release, &buffer, &size), noErr);
    EXPECT_EQ(size, c.size);
    EXPECT_EQ(buffer, release);
    static_cast<char *>(buffer)[size - 1] = 1;
    EXPECT_EQ(TempBufferRelease(release), noErr);
  }

  ScopedHeapBlockLimit limit(512);
  ASSERT_EQ(TempBufferCreate(1000, local, 256, &release, &buffer, &size), noErr);
  EXPECT_EQ(buffer, local);
  EXPECT_EQ(release, kTempBufferNothingAllocated);
  EXPECT_EQ(TempBufferCreate(1000, nullptr, 0, &release, &buffer, &size), kLibNoMemoryErr);
  EXPECT_EQ(TempBufferRelease(nullptr), noErr);
}

}  // namespace
