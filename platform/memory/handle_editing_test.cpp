#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/core/result_codes.h"
#include "platform/memory/handles.h"
#include "platform/memory/zone_limit.hpp"
#include "platform/memory/zones.h"

namespace {

using vigil::platform::ScopedZoneLimit;

Handle HandleOf(const std::string &bytes) {
  Handle h = NewHandle(Size(bytes.size()));
  std::memcpy(*h, bytes.data(), bytes.size());
  return h;
}

std::string Contents(Handle h) { return std::string(*h, GetHandleSize(h)); }

TEST(HandToHand, ReplacesTheReferenceWithACopy) {
  Handle original = HandleOf("hello");
  Handle h = original;
  ASSERT_EQ(HandToHand(&h), noErr);
  EXPECT_NE(h, original);
  EXPECT_EQ(Contents(h), "hello");
  (*original)[0] = 'j';
  EXPECT_EQ(Contents(h), "hello");
  DisposeHandle(original);
  DisposeHandle(h);
}

TEST(HandToHand, FailuresLeaveTheReferenceAlone) {
  EXPECT_EQ(HandToHand(nullptr), paramErr);
  Handle none = nullptr;
  EXPECT_EQ(HandToHand(&none), nilHandleErr);
  Handle h = HandleOf("0123456789");
  Handle kept = h;
  ScopedZoneLimit limit(ApplicationZone(), 9);
  EXPECT_EQ(HandToHand(&h), memFullErr);
  EXPECT_EQ(h, kept);
  DisposeHandle(h);
}

TEST(PtrAndHand, AppendsBytesIncludingFromTheBlockItself) {
  Handle h = HandleOf("ab");
  ASSERT_EQ(PtrAndHand("cd", h, 2), noErr);
  EXPECT_EQ(Contents(h), "abcd");
  for (int i = 0; i < 6; ++i) ASSERT_EQ(PtrAndHand(*h, h, GetHandleSize(h)), noErr);
  EXPECT_EQ(GetHandleSize(h), 4 << 6);
  EXPECT_EQ(Contents(h).substr(0, 8), "abcdabcd");
  EXPECT_EQ(PtrAndHand("x", h, 0), noErr);
  EXPECT_EQ(PtrAndHand(nullptr, h, 1), paramErr);
  EXPECT_EQ(PtrAndHand("x", h, -1), memSCErr);
  EXPECT_EQ(PtrAndHand("x", nullptr, 1), nilHandleErr);
  DisposeHandle(h);
}

TEST(PtrAndHand, FailsAtTheZoneLimitWithoutChange) {
  Handle h = HandleOf("ab");
  ScopedZoneLimit limit(ApplicationZone(), 1);
  EXPECT_EQ(PtrAndHand("cd", h, 2), memFullErr);
  EXPECT_EQ(Contents(h), "ab");
  DisposeHandle(h);
}

struct MungerCase {
  const char *name;
  long offset;
  const char *ptr1;
  long len1;
  const char *ptr2;
  long len2;
  long result;
  const char *after;
  friend void PrintTo(const MungerCase &c, std::ostream *os) { *os << c.name; }
};

class MungerTest : public testing::TestWithParam<MungerCase> {};

TEST_P(MungerTest, EditsTheBlock) {
  const MungerCase &c = GetParam();
  Handle h = HandleOf("abcdefabc");
  EXPECT_EQ(Munger(h, c.offset, c.ptr1, c.len1, c.ptr2, c.len2), c.result);
  EXPECT_EQ(Contents(h), c.after);
  DisposeHandle(h);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MungerTest,
    testing::Values(MungerCase{"ReplaceFound", 0, "bc", 2, "XYZ", 3, 4, "aXYZdefabc"},
                    MungerCase{"SearchFromOffset", 2, "bc", 2, "X", 1, 8, "abcdefaX"},
                    MungerCase{"NotFound", 0, "zz", 2, "X", 1, -1, "abcdefabc"},
                    MungerCase{"SearchOnly", 3, "abc", 3, nullptr, 0, 6, "abcdefabc"},
                    MungerCase{"RangeReplaced", 1, nullptr, 3, "-", 1, 2, "a-efabc"},
                    MungerCase{"InsertAtOffset", 3, nullptr, 0, "++", 2, 5, "abc++defabc"},
                    MungerCase{"InsertAtEnd", 9, nullptr, 0, "!", 1, 10, "abcdefabc!"},
                    MungerCase{"DeleteRange", 2, nullptr, 4, "", 0, 2, "ababc"},
                    MungerCase{"DeleteToEnd", 4, nullptr, -1, "", 0, 4, "abcd"},
                    MungerCase{"RangeClippedAtEnd", 7, nullptr, 50, "Z", 1, 8, "abcdefaZ"},
                    MungerCase{"OffsetPastEnd", 10, nullptr, 0, "X", 1, -1, "abcdefabc"},
                    MungerCase{"NegativeOffset", -1, nullptr, 0, "X", 1, -1, "abcdefabc"}),
    [](const testing::TestParamInfo<MungerCase> &info) { return std::string(info.param.name); });

TEST(Munger, ReplacementFromTheBlockItself) {
  Handle h = HandleOf("abc");
  EXPECT_EQ(Munger(h, 3, nullptr, 0, *h, 3), 6);
  EXPECT_EQ(Contents(h), "abcabc");
  DisposeHandle(h);
}

TEST(Munger, GrowingPastTheZoneLimitFailsWithoutChange) {
  Handle h = HandleOf("abc");
  ScopedZoneLimit limit(ApplicationZone(), 0);
  EXPECT_LT(Munger(h, 1, nullptr, 1, "XYZ", 3), 0);
  EXPECT_EQ(MemError(), memFullErr);
  EXPECT_EQ(Contents(h), "abc");
  EXPECT_EQ(Munger(h, 1, nullptr, 1, "", 0), 1);  // shrinking needs no memory
  EXPECT_EQ(Contents(h), "ac");
  DisposeHandle(h);
}

}  // namespace
