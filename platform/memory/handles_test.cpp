#include "platform/memory/handles.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/core/result_codes.h"
#include "platform/memory/zone_limit.hpp"
#include "platform/memory/zones.h"

namespace {

using vigil::platform::ScopedZoneLimit;

TEST(Handles, NewHandleGivesARelocatableBlockOfTheSize) {
  Handle h = NewHandle(10);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(MemError(), noErr);
  EXPECT_NE(*h, nullptr);
  EXPECT_EQ(GetHandleSize(h), 10);
  EXPECT_EQ(HGetState(h), 0);
  DisposeHandle(h);
  EXPECT_EQ(MemError(), noErr);

  Handle empty = NewHandle(0);
  ASSERT_NE(empty, nullptr);
  EXPECT_NE(*empty, nullptr);
  EXPECT_EQ(GetHandleSize(empty), 0);
  DisposeHandle(empty);
}

TEST(Handles, NewHandleClearZeroFills) {
  Handle h = NewHandleClear(4096);
  ASSERT_NE(h, nullptr);
  for (Size i = 0; i < 4096; ++i) ASSERT_EQ((*h)[i], 0);
  DisposeHandle(h);
}

TEST(Handles, SizesAreAccountedInTheirZone) {
  Size appBefore = ZoneBytesInUse(ApplicationZone());
  Size tempBefore = ZoneBytesInUse(TempZone());
  Handle app = NewHandle(1000);
  OSErr error = 1;
  Handle temp = TempNewHandle(300, &error);
  ASSERT_NE(app, nullptr);
  ASSERT_NE(temp, nullptr);
  EXPECT_EQ(error, noErr);
  EXPECT_EQ(ZoneBytesInUse(ApplicationZone()), appBefore + 1000);
  EXPECT_EQ(ZoneBytesInUse(TempZone()), tempBefore + 300);
  SetHandleSize(app, 10);
  EXPECT_EQ(ZoneBytesInUse(ApplicationZone()), appBefore + 10);
  DisposeHandle(app);
  DisposeHandle(temp);
  EXPECT_EQ(ZoneBytesInUse(ApplicationZone()), appBefore);
  EXPECT_EQ(ZoneBytesInUse(TempZone()), tempBefore);
}

TEST(Handles, AllocationsFailAtTheZoneLimit) {
  {
    ScopedZoneLimit limit(ApplicationZone(), 100);
    EXPECT_EQ(NewHandle(101), nullptr);
    EXPECT_EQ(MemError(), memFullErr);
    EXPECT_EQ(NewHandleClear(101), nullptr);
    Handle h = NewHandle(100);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(NewHandle(1), nullptr);
    DisposeHandle(h);
  }
  ScopedZoneLimit limit(TempZone(), 50);
  OSErr error = noErr;
  EXPECT_EQ(TempNewHandle(51, &error), nullptr);
  EXPECT_EQ(error, memFullErr);
  EXPECT_EQ(TempNewHandle(51, nullptr), nullptr);
}

TEST(Handles, BadSizesAndHandlesAreRefused) {
  EXPECT_EQ(NewHandle(-1), nullptr);
  EXPECT_EQ(MemError(), memSCErr);
  EXPECT_EQ(GetHandleSize(nullptr), 0);
  EXPECT_EQ(MemError(), nilHandleErr);
  char notABlock = 0;
  Ptr master = &notABlock;
  Handle stranger = &master;
  EXPECT_EQ(GetHandleSize(stranger), 0);
  EXPECT_EQ(MemError(), memWZErr);
  SetHandleSize(stranger, 10);
  EXPECT_EQ(MemError(), memWZErr);
  DisposeHandle(stranger);
  EXPECT_EQ(MemError(), memWZErr);
  HLock(nullptr);
  EXPECT_EQ(MemError(), nilHandleErr);

  Handle h = NewHandle(4);
  SetHandleSize(h, -1);
  EXPECT_EQ(MemError(), memSCErr);
  EXPECT_EQ(GetHandleSize(h), 4);
  DisposeHandle(h);
  DisposeHandle(h);  // a second dispose is refused, not a double free
  EXPECT_EQ(MemError(), memWZErr);
}

TEST(Handles, GrowingMovesAnUnlockedBlockAndKeepsItsBytes) {
  Handle h = NewHandle(8);
  std::memcpy(*h, "abcdefgh", 8);
  Ptr before = *h;
  SetHandleSize(h, 1 << 16);
  ASSERT_EQ(MemError(), noErr);
  EXPECT_NE(*h, before);
  EXPECT_EQ(std::memcmp(*h, "abcdefgh", 8), 0);
  EXPECT_EQ(GetHandleSize(h), 1 << 16);
  SetHandleSize(h, 3);
  EXPECT_EQ(GetHandleSize(h), 3);
  EXPECT_EQ(std::memcmp(*h, "abc", 3), 0);
  DisposeHandle(h);
}

TEST(Handles, ALockedBlockThatWouldHaveToMoveCannotGrow) {
  Handle h = NewHandle(16);
  std::memcpy(*h, "0123456789abcdef", 16);
  HLock(h);
  Ptr pinned = *h;
  Size used = ZoneBytesInUse(ApplicationZone());
  SetHandleSize(h, 1 << 20);
  EXPECT_EQ(MemError(), memFullErr);
  EXPECT_EQ(GetHandleSize(h), 16);
  EXPECT_EQ(*h, pinned);
  EXPECT_EQ(ZoneBytesInUse(ApplicationZone()), used);
  // Shrinking, and growing back within the block, happen in place.
  SetHandleSize(h, 4);
  EXPECT_EQ(MemError(), noErr);
  SetHandleSize(h, 16);
  EXPECT_EQ(MemError(), noErr);
  EXPECT_EQ(*h, pinned);
  EXPECT_EQ(std::memcmp(*h, "0123", 4), 0);
  HUnlock(h);
  SetHandleSize(h, 1 << 20);
  EXPECT_EQ(MemError(), noErr);
  DisposeHandle(h);
}

TEST(Handles, GrowingPastTheZoneLimitFailsAndKeepsTheBlock) {
  Handle h = NewHandle(10);
  ScopedZoneLimit limit(ApplicationZone(), 5);
  SetHandleSize(h, 16);
  EXPECT_EQ(MemError(), memFullErr);
  EXPECT_EQ(GetHandleSize(h), 10);
  SetHandleSize(h, 15);
  EXPECT_EQ(MemError(), noErr);
  DisposeHandle(h);
}

TEST(Handles, StateBitsAreKeptAndOnlyTheDefinedOnes) {
  Handle h = NewHandle(1);
  HLock(h);
  EXPECT_EQ(UInt8(HGetState(h)), kHandleStateLocked);
  HPurge(h);
  EXPECT_EQ(UInt8(HGetState(h)), kHandleStateLocked | kHandleStatePurgeable);
  HUnlock(h);
  HNoPurge(h);
  EXPECT_EQ(HGetState(h), 0);
  HSetState(h, SInt8(0xFF));
  EXPECT_EQ(UInt8(HGetState(h)), kHandleStateLocked | kHandleStatePurgeable | kHandleStateResource);
  HSetState(h, kHandleStateResource);
  EXPECT_EQ(HGetState(h), kHandleStateResource);
  DisposeHandle(h);
}

TEST(Handles, MaxMemPurgesUnlockedPurgeableBlocksOnly) {
  Handle purgeable = NewHandle(64);
  Handle pinned = NewHandle(64);
  Handle kept = NewHandle(64);
  HPurge(purgeable);
  HPurge(pinned);
  HLock(pinned);
  long total = 0, contig = 0;
  PurgeSpace(&total, &contig);
  EXPECT_EQ(*purgeable != nullptr, true);  // PurgeSpace only measures
  EXPECT_EQ(total, contig);
  Size grow = 1;
  MaxMem(&grow);
  EXPECT_EQ(grow, 0);
  EXPECT_EQ(*purgeable, nullptr);
  EXPECT_EQ(GetHandleSize(purgeable), 0);
  EXPECT_EQ(MemError(), nilHandleErr);
  SetHandleSize(purgeable, 8);
  EXPECT_EQ(MemError(), nilHandleErr);
  EXPECT_NE(*pinned, nullptr);
  EXPECT_NE(*kept, nullptr);
  DisposeHandle(purgeable);
  EXPECT_EQ(MemError(), noErr);
  DisposeHandle(pinned);
  DisposeHandle(kept);
}

TEST(Handles, RecoverHandleFindsTheHandleOfABlockStart) {
  Handle h = NewHandle(32);
  EXPECT_EQ(RecoverHandle(*h), h);
  EXPECT_EQ(RecoverHandle(*h + 1), nullptr);
  EXPECT_EQ(MemError(), memWZErr);
  EXPECT_EQ(RecoverHandle(nullptr), nullptr);
  SetHandleSize(h, 1 << 16);  // moves
  EXPECT_EQ(RecoverHandle(*h), h);
  DisposeHandle(h);
}

}  // namespace
