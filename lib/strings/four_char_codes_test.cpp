#include "lib/strings/four_char_codes.h"

#include <gtest/gtest.h>

#include "lib/strings/pascal_test_util.hpp"

namespace {

using vigil::test::PString;

TEST(FourCharCodes, MostSignificantByteFirst) {
  EXPECT_EQ(PascalStringToOSType(PString("TEXT").get()), 0x54455854u);
  EXPECT_EQ(PascalStringToOSType(PString("ab").get()), 0x61620000u);  // zeros, not spaces
  EXPECT_EQ(PascalStringToOSType(PString("").get()), 0u);
  EXPECT_EQ(PascalStringToOSType(PString("abcdef").get()), 0x61626364u);
  EXPECT_EQ(CStringToOSType("ab"), 0x61620000u);
  EXPECT_EQ(CStringToOSType("MACSxx"), 0x4D414353u);

  PString p("junk");
  OSTypeToPascalString(0, p.get());
  EXPECT_EQ(p.str(), "");
  OSTypeToPascalString(0x4D414353u, p.get());
  EXPECT_EQ(p.str(), "MACS");

  char c[5] = "xxxx";
  OSTypeToCStringCompat(0, c);
  EXPECT_EQ(std::memcmp(c, "\0\0\0\0\0", 5), 0);
  OSTypeToCStringCompat(0x54455854u, c);
  EXPECT_STREQ(c, "TEXT");
}

}  // namespace
