#include "lib/memory/relocatable_blocks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/core/result_codes.h"
#include "platform/memory/code_fragments_control.hpp"
#include "platform/memory/handles.h"
#include "platform/memory/zone_limit.hpp"
#include "platform/memory/zones.h"

namespace {

using vigil::platform::ScopedZoneLimit;

// Both zones limited, so that sizes and fallbacks are predictable.
struct Limits {
  Limits(Size application, Size temporary) : app(ApplicationZone(), application), temp(TempZone(), temporary) {}
  ScopedZoneLimit app;
  ScopedZoneLimit temp;
};

bool InZone(Handle h, THz zone) {
  Size before = ZoneBytesInUse(zone);
  Size size = GetHandleSize(h);
  SetHandleSize(h, size + 1);
  bool grew = ZoneBytesInUse(zone) == before + 1;
  SetHandleSize(h, size);
  return grew;
}

std::string Contents(Handle h) { return std::string(*h, GetHandleSize(h)); }

TEST(GetMaximumHandleSize, LeavesTheReserveFree) {
  Limits limits(1000, 500);
  EXPECT_EQ(GetMaximumHandleSize(300, 100, false, false), 300);
  EXPECT_EQ(GetMaximumHandleSize(5000, 100, false, false), 900);
  EXPECT_EQ(GetMaximumHandleSize(5000, 100, false, true), 400);
  EXPECT_EQ(GetMaximumHandleSize(5000, 2000, true, false), 0);
  Handle purgeable = NewHandle(200);
  HPurge(purgeable);
  EXPECT_EQ(GetMaximumHandleSize(5000, 0, false, false), 1000);  // the purgeable block counts
  DisposeHandle(purgeable);
}

TEST(NewMaximumHandle, AllocatesWhatFits) {
  Limits limits(1000, 500);
  Handle h = nullptr;
  Size size = 5000;
  ASSERT_EQ(NewMaximumHandle(&h, &size, 100, true, true), noErr);
  EXPECT_EQ(size, 400);
  EXPECT_EQ(GetHandleSize(h), 400);
  EXPECT_TRUE(InZone(h, TempZone()));
  DisposeHandle(h);
  size = 5000;
  ASSERT_EQ(NewMaximumHandle(&h, &size, 100, false, false), noErr);
  EXPECT_EQ(size, 900);
  DisposeHandle(h);
  size = 10;
  EXPECT_EQ(NewMaximumHandle(&h, &size, 5000, false, false), memFullErr);
  EXPECT_EQ(NewMaximumHandle(nullptr, &size, 0, false, false), paramErr);
}

TEST(NewMaximumQuantizedHandle, WholeItemsOnly) {
  Limits limits(1000, 500);
  Handle h = nullptr;
  Size count = 100;
  ASSERT_EQ(NewMaximumQuantizedHandle(&h, 30, &count, 0, false, false), noErr);
  EXPECT_EQ(count, 33);
  EXPECT_EQ(GetHandleSize(h), 990);
  for (Size i = 0; i < 990; ++i) ASSERT_EQ((*h)[i], 0);
  DisposeHandle(h);
  count = 100;
  ASSERT_EQ(NewMaximumQuantizedHandle(&h, 30, &count, 0, false, true), noErr);
  EXPECT_EQ(count, 16);
  DisposeHandle(h);
  EXPECT_EQ(NewMaximumQuantizedHandle(&h, 0, &count, 0, false, false), paramErr);
}

TEST(TemporaryHandles, NewHandleTempAndTheListOfSizes) {
  Limits limits(1000, 500);
  Handle h = nullptr;
  EXPECT_EQ(NewHandleTemp(501, &h), memFullErr);
  ASSERT_EQ(NewHandleTemp(500, &h), noErr);
  DisposeHandle(h);
  Size size = 0;
  ASSERT_EQ(NewHandleTempOrLess(&h, &size, 3, 2000, 800, 300), noErr);
  EXPECT_EQ(size, 300);
  DisposeHandle(h);
  EXPECT_EQ(NewHandleTempOrLess(&h, &size, 2, 2000, 900), memFullErr);
  EXPECT_EQ(NewHandleTempOrLess(&h, &size, 2, 2000, 0), paramErr);
  EXPECT_EQ(NewHandleTempOrLess(&h, &size, 0), paramErr);
  ASSERT_EQ(NewHandleTempOrLess(&h, nullptr, 1, 10), noErr);
  DisposeHandle(h);
}

TEST(TemporaryHandles, PreferredZoneThenTheOther) {
  Limits limits(1000, 500);
  Handle h = nullptr;
  ASSERT_EQ(NewTempOrRegularHandle(100, true, &h), noErr);
  EXPECT_TRUE(InZone(h, TempZone()));
  DisposeHandle(h);
  ASSERT_EQ(NewTempOrRegularHandle(700, true, &h), noErr);
  EXPECT_TRUE(InZone(h, ApplicationZone()));
  DisposeHandle(h);
  ASSERT_EQ(NewTempOrRegularHandle(100, false, &h), noErr);
  EXPECT_TRUE(InZone(h, ApplicationZone()));
  DisposeHandle(h);
  EXPECT_EQ(NewTempOrRegularHandle(2000, false, &h), memFullErr);
  EXPECT_EQ(h, nullptr);

  h = NewAnyHandle(700);
  ASSERT_NE(h, nullptr);
  EXPECT_TRUE(InZone(h, ApplicationZone()));
  DisposeHandle(h);
  EXPECT_EQ(NewAnyHandle(2000), nullptr);

  ASSERT_EQ(MemAllocHandle(400, &h), noErr);
  EXPECT_TRUE(InZone(h, TempZone()));
  DisposeHandle(h);
  EXPECT_EQ(MemAllocHandle(2000, &h), memFullErr);
  EXPECT_EQ(MemAllocHandle(10, nullptr), paramErr);
}

TEST(NewHandleMax, TakesWhatTheRoomierZoneAllows) {
  Limits limits(1000, 500);
  Size size = 0;
  Handle h = NewHandleMax(300, 100, &size);
  EXPECT_EQ(size, 300);
  EXPECT_TRUE(InZone(h, TempZone()));
  DisposeHandle(h);
  h = NewHandleMax(800, 100, &size);
  EXPECT_EQ(size, 800);
  EXPECT_TRUE(InZone(h, ApplicationZone()));
  DisposeHandle(h);
  h = NewHandleMax(5000, 100, &size);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(size, 900);
  EXPECT_EQ(GetHandleSize(h), 900);
  DisposeHandle(h);
  EXPECT_EQ(NewHandleMax(5000, 2000, &size), nullptr);
  EXPECT_EQ(size, 0);
}

TEST(HandleCopies, FromPointersAndHandles) {
  Limits limits(1000, 500);
  Handle h = nullptr;
  ASSERT_EQ(PtrToTempHand("abc", &h, 3), noErr);
  EXPECT_EQ(Contents(h), "abc");
  EXPECT_TRUE(InZone(h, TempZone()));
  Handle original = h;
  ASSERT_EQ(HandToTempHand(&h), noErr);
  EXPECT_NE(h, original);
  EXPECT_EQ(Contents(h), "abc");
  DisposeHandle(original);
  DisposeHandle(h);

  std::string big(600, 'x');
  EXPECT_EQ(PtrToTempHand(big.data(), &h, 600), memFullErr);
  ASSERT_EQ(PtrToAnyHand(big.data(), &h, 600), noErr);
  EXPECT_TRUE(InZone(h, ApplicationZone()));
  original = h;
  EXPECT_EQ(HandToTempHand(&h), memFullErr);
  EXPECT_EQ(h, original);
  EXPECT_EQ(HandToHandAndAllowTempMem(&h, true), memFullErr);  // neither zone has 600 more
  DisposeHandle(original);
  EXPECT_EQ(PtrToAnyHand(big.data(), &h, 2000), memFullErr);

  ASSERT_EQ(PtrToAnyHand("hi", &h, 2), noErr);
  original = h;
  ASSERT_EQ(HandToHandAndAllowTempMem(&h, false), noErr);
  EXPECT_TRUE(InZone(h, ApplicationZone()));
  DisposeHandle(h);
  h = original;
  ASSERT_EQ(HandToHandAndAllowTempMem(&h, true), noErr);
  EXPECT_TRUE(InZone(h, TempZone()));
  DisposeHandle(h);
  DisposeHandle(original);

  EXPECT_EQ(HandToTempHand(nullptr), paramErr);
  h = nullptr;
  EXPECT_EQ(HandToHandAndAllowTempMem(&h, true), paramErr);
}

TEST(HandleCopies, HandToXHandAndAppendingCStrings) {
  Handle source = NewHandle(0);
  Handle dest = NewHandle(10);
  ASSERT_EQ(PtrAndHandCString(source, "hello"), noErr);
  ASSERT_EQ(PtrAndHandCString(source, ""), noErr);
  EXPECT_EQ(Contents(source), "hello");
  ASSERT_EQ(HandToXHand(source, dest), noErr);
  EXPECT_EQ(Contents(dest), "hello");
  EXPECT_EQ(HandToXHand(nullptr, dest), paramErr);
  EXPECT_EQ(PtrAndHandCString(source, nullptr), paramErr);
  {
    ScopedZoneLimit limit(ApplicationZone(), 0);
    EXPECT_EQ(PtrAndHandCString(source, " world"), memFullErr);
  }
  Handle big = NewHandle(100);
  {
    ScopedZoneLimit limit(ApplicationZone(), 0);
    EXPECT_EQ(HandToXHand(big, dest), memFullErr);
  }
  EXPECT_EQ(Contents(dest), "hello");
  DisposeHandle(big);
  DisposeHandle(source);
  DisposeHandle(dest);
}

TEST(AdjustHandleSize, GrowsClearsAndReportsTheOldSize) {
  Handle h = NewHandle(4);
  std::memcpy(*h, "abcd", 4);
  Size old = 0;
  ASSERT_EQ(AdjustHandleSize(h, 3, true, &old), noErr);
  EXPECT_EQ(old, 4);
  EXPECT_EQ(Contents(h), std::string("abcd\0\0\0", 7));
  ASSERT_EQ(AdjustHandleSize(h, -5, true, nullptr), noErr);
  EXPECT_EQ(Contents(h), "ab");
  EXPECT_EQ(AdjustHandleSize(h, -3, false, &old), memSCErr);
  EXPECT_EQ(AdjustHandleSize(nullptr, 1, false, &old), nilHandleErr);
  {
    ScopedZoneLimit limit(ApplicationZone(), 0);
    EXPECT_EQ(AdjustHandleSize(h, 1, false, &old), memFullErr);
  }
  DisposeHandle(h);
}

TEST(HandleItems, InsertAndRemoveRunsOfItems) {
  Handle h = NewHandle(0);
  ASSERT_EQ(AddItemsToHandle(h, 2, 0, 3, "aabbcc"), noErr);
  ASSERT_EQ(AddItemsToHandle(h, 2, 1, 1, "XX"), noErr);
  EXPECT_EQ(Contents(h), "aaXXbbcc");
  ASSERT_EQ(AddItemsToHandle(h, 2, 99, 1, "zz"), noErr);  // past the end: appended
  EXPECT_EQ(Contents(h), "aaXXbbcczz");
  ASSERT_EQ(RemoveItemsFromHandle(h, 2, 1, 2), noErr);
  EXPECT_EQ(Contents(h), "aacczz");
  ASSERT_EQ(RemoveItemsFromHandle(h, 2, 2, 5), noErr);  // clipped at the end
  EXPECT_EQ(Contents(h), "aacc");
  EXPECT_EQ(RemoveItemsFromHandle(h, 2, 3, 1), paramErr);
  EXPECT_EQ(AddItemsToHandle(h, 2, 0, 1, nullptr), paramErr);
  {
    ScopedZoneLimit limit(ApplicationZone(), 1);
    EXPECT_EQ(AddItemsToHandle(h, 2, 0, 1, "qq"), memFullErr);
  }
  EXPECT_EQ(Contents(h), "aacc");
  DisposeHandle(h);
}

TEST(HandleState, GetStateAndLock) {
  Handle h = NewHandle(1);
  EXPECT_EQ(HGetStateAndLock(h), 0);
  EXPECT_EQ(UInt8(HGetStateAndLock(h)), kHandleStateLocked);
  DisposeHandle(h);
}

TEST(MemoryAvailability, AnswersPerZone) {
  Limits limits(1000, 500);
  EXPECT_TRUE(IsMemoryAvailable(1000));
  EXPECT_FALSE(IsMemoryAvailable(1001));
  struct Case {
    Size size;
    bool appOnly, tempOnly, tempFirst, expected;
  };
  for (Case c : {Case{800, false, false, false, true}, Case{800, false, true, true, false},
                 Case{400, false, true, true, true}, Case{1200, false, false, true, false},
                 Case{800, false, false, true, true}, Case{400, true, false, true, true},
                 Case{1200, true, false, false, false}, Case{450, false, false, false, true}})
    EXPECT_EQ(IsMemoryAvailableAfterTryingHard(c.size, c.appOnly, c.tempOnly, c.tempFirst), c.expected) << c.size;
  EXPECT_EQ(CompactAndPurgeHeap(), 1000);
}

TEST(ZoneCompat, ReachesTheZoneFunctionsAndRetriesAFailedLookup) {
  EXPECT_EQ(GetPageableSystemZone(), nullptr);
  vigil::platform::SetSharedLibrarySymbolHidden("InterfaceLib", "SystemZone", true);
  EXPECT_EQ(SystemZoneCompat(), nullptr);
  vigil::platform::SetSharedLibrarySymbolHidden("InterfaceLib", "SystemZone", false);
  EXPECT_EQ(SystemZoneCompat(), SystemZone());
  vigil::platform::SetSharedLibrarySymbolHidden("InterfaceLib", "SetZone", true);
  SetZoneCompat(TempZone());  // unavailable: nothing happens
  EXPECT_EQ(GetZoneCompat(), ApplicationZone());
  vigil::platform::SetSharedLibrarySymbolHidden("InterfaceLib", "SetZone", false);
  SetZoneCompat(TempZone());
  EXPECT_EQ(GetZoneCompat(), TempZone());
  SetZoneCompat(ApplicationZone());
  EXPECT_EQ(GetZone(), ApplicationZone());
}

TEST(CalculateCacheLineSize, MeasuresAPowerOfTwo) {
  UInt32 size = 0;
  ASSERT_EQ(CalculateCacheLineSize(&size), noErr);
  EXPECT_GE(size, 16u);
  EXPECT_EQ(size & (size - 1), 0u);
  EXPECT_EQ(CalculateCacheLineSize(nullptr), paramErr);
  ScopedZoneLimit limit(ApplicationZone(), 16 * 1024 - 1);
  EXPECT_EQ(CalculateCacheLineSize(&size), memFullErr);
}

}  // namespace
