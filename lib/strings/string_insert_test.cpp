#include "lib/strings/string_insert.h"

#include <gtest/gtest.h>

#include <string>

#include "lib/strings/pascal_test_util.hpp"

namespace {

using vigil::test::PString;

TEST(PascalInsert, FollowsThe255Rule) {
  PString dst(std::string(250, 'd'));
  AppendPascalString(dst.get(), PString("0123456789").get());
  EXPECT_EQ(dst.str(), std::string(250, 'd') + "01234");

  PString full(std::string(255, 'f'));
  InsertPascalString(full.get(), PString("xyz").get(), 3);
  EXPECT_EQ(full.str(), std::string(255, 'f'));
  InsertCharIntoPascalString(full.get(), '!', 0);
  AppendCharToPascalString('!', full.get());
  EXPECT_EQ(full.str(), std::string(255, 'f'));

  PString almost(std::string(253, 'a') + "yz");
  almost.bytes[0] = 254;  // 'a' * 253 + 'y'
  InsertCharIntoPascalString(almost.get(), '!', 253);
  EXPECT_EQ(almost.str(), std::string(253, 'a') + "!y");
}

TEST(PascalInsert, OffsetsAndCounts) {
  struct Case {
    const char *dst;
    const char *src;
    UInt32 offset;
    UInt32 count;
    UInt32 max;
    const char *want;
  } cases[] = {
      {"abc", "XY", 0, 99, 255, "XYabc"},
      {"abc", "XY", 1, 99, 255, "aXYbc"},
      {"hello", "!", 200, 99, 255, "hello!"},     // beyond the end appends
      {"abc", "defgh", 0, 2, 10, "deabc"},        // count 2
      {"abc", "defgh", 0, 99, 5, "deabc"},        // only max - len fits
      {"abcdef", "XY", 0, 99, 4, "abcdef"},       // max below the length: unchanged
      {"abc", "XY", 3, 99, 5, "abcXY"},           // exactly fits
  };
  for (const Case &c : cases) {
    PString dst(c.dst);
    InsertMaximumPascalStringCount(dst.get(), PString(c.src).get(), c.offset, c.count, c.max);
    EXPECT_EQ(dst.str(), c.want) << c.dst << " + " << c.src;
    EXPECT_TRUE(dst.TailUntouched());
    char cdst[32];
    std::strcpy(cdst, c.dst);
    InsertMaximumCStringCount(cdst, c.src, c.offset, c.count, c.max);
    EXPECT_STREQ(cdst, c.want) << c.dst << " + " << c.src;
  }
}

TEST(PascalInsert, SelfAppendUsesTheOriginalCharacters) {
  PString s("abc");
  AppendPascalString(s.get(), s.get());
  EXPECT_EQ(s.str(), "abcabc");
  InsertPascalString(s.get(), s.get(), 1);
  EXPECT_EQ(s.str(), "aabcabcbcabc");
}

TEST(PascalAppend, FamilyOrdersAndLimits) {
  PString dst("ab");
  AppendPascalStringToPascalString(PString("cd").get(), dst.get());
  AppendPascalStringCount(dst.get(), PString("efgh").get(), 2);
  AppendCStringToPascalString("gh", dst.get());
  PStringAppendText("ijk", 2, dst.get());
  InsertPascalStringCount(dst.get(), PString("XYZ").get(), 0, 1);
  EXPECT_EQ(dst.str(), "Xabcdefghij");

  PString longer("x");
  std::string big(300, 'b');
  AppendCStringToPascalString(big.c_str(), longer.get());
  EXPECT_EQ(longer.bytes[0], 255);
}

TEST(CStringInsert, TailKeepsItsTerminator) {
  char s[32] = "world";
  InsertCString(s, "hello ", 0);
  EXPECT_STREQ(s, "hello world");
  InsertCStringCount(s, "!!!", 99, 1);
  EXPECT_STREQ(s, "hello world!");
  InsertCharIntoCString(s, ',', 5);
  EXPECT_STREQ(s, "hello, world!");
  InsertMaximumCString(s, "123456", 0, 15);
  EXPECT_STREQ(s, "12hello, world!");
  AppendCharToCString(s, '?');
  AppendCString(s, "ab");
  AppendCStringCount(s, "cdef", 2);
  EXPECT_STREQ(s, "12hello, world!?abcd");
}

TEST(PascalPad, LeftAndRight) {
  PString s("7");
  PadPascalString(s.get(), 3, '0');
  EXPECT_EQ(s.str(), "007");
  PadPascalString(s.get(), 2, '0');
  EXPECT_EQ(s.str(), "007");
  PadPascalStringToEnd(s.get(), 5, '.');
  EXPECT_EQ(s.str(), "007..");
  PadPascalString(s.get(), 300, ' ');
  EXPECT_EQ(s.bytes[0], 255);
  EXPECT_EQ(s.str().substr(250), "007..");
  PString e("x");
  PadPascalStringToEnd(e.get(), 1000, '-');  // beyond 255: clipped
  EXPECT_EQ(e.str(), "x" + std::string(254, '-'));
  PadPascalString(e.get(), -5, '0');
  EXPECT_EQ(e.bytes[0], 255);
}

}  // namespace
