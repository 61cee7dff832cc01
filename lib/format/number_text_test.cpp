#include "lib/format/number_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

UInt32 Len(const char *s) { return static_cast<UInt32>(std::strlen(s)); }

TEST(TextToNumbers, LeadingDigits) {
  EXPECT_EQ(DecimalTextToNumber("-42abc", 6), -42);
  EXPECT_EQ(DecimalTextToNumber("-", 1), 0);
  EXPECT_EQ(DecimalTextToNumber("", 0), 0);
  EXPECT_EQ(DecimalTextToNumber("123", 2), 12);
  EXPECT_EQ(HexTextToNumber("1g", 2), 1u);
  EXPECT_EQ(HexTextToNumber("fFfFfFfF", 8), 0xFFFFFFFFu);
  EXPECT_EQ(OctalTextToNumber("178", 3), 15u);
  EXPECT_EQ(BinaryTextToNumber("1102", 4), 6u);
  EXPECT_EQ(ConvertHexTextToNumber("de:ad-BE ef", 11), 0xDEADBEEFu);
  EXPECT_EQ(HexTextToNumber(nullptr, 5), 0u);
}

TEST(TextToNumbers, FormattedWithPrefixes) {
  struct Case {
    const char *text;
    SInt32 base;
    SInt32 want;
  } cases[] = {
      {"  0x1F", 10, 31}, {"0b101", 10, 5}, {"017", 10, 15}, {"$ff", 10, 255}, {"#12", 16, 12},
      {"12", 16, 18},     {"12", 3, 0},     {"0", 10, 0},    {"-12", 10, -12}, {"12", 2, 1},
      {"7", 8, 7},        {"0X10", 2, 16},  {"#-5", 2, -5},
  };
  for (const Case &c : cases) EXPECT_EQ(FormattedTextToNumber(c.text, Len(c.text), c.base), c.want) << c.text;
}

}  // namespace
