#include "platform/memory/zones.h"

#include <gtest/gtest.h>

#include "platform/core/result_codes.h"
#include "platform/memory/handles.h"
#include "platform/memory/pointers.h"
#include "platform/memory/zone_limit.hpp"

namespace {

using vigil::platform::ScopedZoneLimit;

TEST(Zones, FreeSpaceFollowsTheLimit) {
  ScopedZoneLimit app(ApplicationZone(), 5000);
  ScopedZoneLimit temp(TempZone(), 7000);
  EXPECT_EQ(MaxBlock(), 5000);
  Size grow = 1;
  EXPECT_EQ(MaxMem(&grow), 5000);
  EXPECT_EQ(grow, 0);
  EXPECT_EQ(TempMaxMem(nullptr), 7000);
  Handle h = NewHandle(1000);
  EXPECT_EQ(MaxBlock(), 4000);
  HPurge(h);
  long total = 0, contig = 0;
  PurgeSpace(&total, &contig);
  EXPECT_EQ(total, 5000);
  EXPECT_EQ(contig, 5000);
  EXPECT_EQ(MaxMem(nullptr), 5000);  // purged
  DisposeHandle(h);
}

TEST(Zones, WithoutALimitTheMachineIsTheLimit) {
  EXPECT_LT(ZoneGetLimit(ApplicationZone()), 0);
  EXPECT_GT(MaxBlock(), 0);
  EXPECT_EQ(NewHandle(Size{1} << 60), nullptr);
  EXPECT_EQ(MemError(), memFullErr);
}

TEST(Zones, TheCurrentZoneServesNewBlocks) {
  EXPECT_EQ(GetZone(), ApplicationZone());
  EXPECT_EQ(SystemZone(), ApplicationZone());
  Size tempBefore = ZoneBytesInUse(TempZone());
  SetZone(TempZone());
  EXPECT_EQ(MemError(), noErr);
  Handle h = NewHandle(100);
  Ptr p = NewPtr(50);
  EXPECT_EQ(ZoneBytesInUse(TempZone()), tempBefore + 150);
  SetZone(ApplicationZone());
  DisposeHandle(h);
  DisposePtr(p);
  EXPECT_EQ(ZoneBytesInUse(TempZone()), tempBefore);
  SetZone(nullptr);
  EXPECT_EQ(MemError(), paramErr);
  EXPECT_EQ(GetZone(), ApplicationZone());
}

TEST(Pointers, NewPtrIsAccountedAndRefusedAtTheLimit) {
  Ptr p = NewPtrClear(64);
  ASSERT_NE(p, nullptr);
  for (int i = 0; i < 64; ++i) ASSERT_EQ(p[i], 0);
  EXPECT_EQ(GetPtrSize(p), 64);
  DisposePtr(p);
  EXPECT_EQ(MemError(), noErr);
  DisposePtr(p);  // no longer ours: refused
  EXPECT_EQ(MemError(), memWZErr);
  DisposePtr(nullptr);
  EXPECT_EQ(MemError(), noErr);
  EXPECT_EQ(NewPtr(-5), nullptr);
  EXPECT_EQ(MemError(), memSCErr);
  ScopedZoneLimit limit(ApplicationZone(), 10);
  EXPECT_EQ(NewPtr(11), nullptr);
  EXPECT_EQ(MemError(), memFullErr);
  EXPECT_EQ(NewPtrClear(11), nullptr);
}

TEST(Pointers, BlockMoveDataHandlesOverlap) {
  char bytes[] = "abcdef";
  BlockMoveData(bytes, bytes + 2, 4);
  EXPECT_STREQ(bytes, "ababcd");
  BlockMoveData(bytes, bytes + 1, 0);
  BlockMoveData(bytes, bytes + 1, -3);
  EXPECT_STREQ(bytes, "ababcd");
}

}  // namespace
