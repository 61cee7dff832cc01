#include "lib/format/number_strings.h"

#include <gtest/gtest.h>

#include <string>

#include "lib/strings/pascal_test_util.hpp"
#include "platform/core/result_codes.h"

namespace {

using vigil::test::PString;

TEST(DigitStringsToNumbers, EveryDigitCounts) {
  struct Case {
    const char *text;
    SInt32 decimal;
    UInt32 hex;
    UInt32 binary;
  } cases[] = {
      {"a1b2", 12, 0xA1B2, 0b1}, {"1-2", 12, 0x12, 0b1}, {"-12", -12, 0x12, 0b1}, {"", 0, 0, 0},
      {"10 01", 1001, 0x1001, 0b1001}, {"4294967297", 1, 0x94967297, 0},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(ConvertStringToNumber(PString(c.text).get()), c.decimal) << c.text;
    EXPECT_EQ(ConvertHexStringToNumber(PString(c.text).get()), c.hex) << c.text;
    EXPECT_EQ(ConvertBinaryStringToNumber(PString(c.text).get()), c.binary) << c.text;
  }
}

TEST(DigitStringsToNumbers, SingleCharacters) {
  EXPECT_EQ(ConvertCharToNumber('7'), 7);
  EXPECT_EQ(ConvertCharToNumber('a'), -1);
  EXPECT_EQ(ConvertCharToNumber(300), -1);
  EXPECT_EQ(ConvertCharToNumber(0x100 + '7'), -1);
  EXPECT_EQ(ConvertHexCharToNumber('f'), 15);
  EXPECT_EQ(ConvertHexCharToNumber('F'), 15);
  EXPECT_EQ(ConvertHexCharToNumber('g'), -1);
  EXPECT_EQ(ConvertHexCharToNumber(0x100 + 'a'), -1);
  EXPECT_EQ(ConvertBinaryCharToNumber('1'), 1);
  EXPECT_EQ(ConvertBinaryCharToNumber(0x100 + '1'), 1);  // low 8 bits only
  EXPECT_EQ(ConvertBinaryCharToNumber('2'), -1);
}

TEST(NumbersToDigitStrings, Table) {
  struct Case {
    void (*convert)(SInt32, StringPtr);
    SInt32 value;
    const char *want;
  };
  const auto hex = [](SInt32 v, StringPtr d) { ConvertNumberToHexString(static_cast<UInt32>(v), d); };
  const auto binary = [](SInt32 v, StringPtr d) { ConvertNumberToBinaryString(static_cast<UInt32>(v), d); };
  const auto octal = [](SInt32 v, StringPtr d) { ConvertNumberToOctalString(static_cast<UInt32>(v), d); };
  const Case cases[] = {
      {ConvertNumberToString, 0, "0"},     {ConvertNumberToString, -5, "-5"},
      {ConvertNumberToString, INT32_MIN, "-2147483648"},
      {ConvertNumberToString, 2147483647, "2147483647"},
      {hex, 255, "FF"},       {hex, -1, "FFFFFFFF"}, {hex, 0, "0"},
      {binary, 5, "101"},     {binary, -1, "11111111111111111111111111111111"},
      {octal, 8, "10"},       {octal, -1, "37777777777"},
  };
  for (const Case &c : cases) {
    PString dst("junk");
    c.convert(c.value, dst.get());
    EXPECT_EQ(dst.str(), c.want) << c.value;
  }
}

TEST(NumbersToDigitStrings, AppendsAndPadding) {
  PString p("n=");
  AppendNumberToString(-12, p.get());
  AppendNumberToHexString(0xAB, p.get());
  AppendNumberToBinaryString(2, p.get());
  AppendNumberToOctalString(9, p.get());
  EXPECT_EQ(p.str(), "n=-12AB1011");

  PString full(std::string(253, 'x'));
  AppendNumberToString(12345, full.get());  // the 255 rule
  EXPECT_EQ(full.str(), std::string(253, 'x') + "12");

  char c[16] = "x";
  ConvertNumberToCString(12, c);
  EXPECT_STREQ(c, "x12");
  AppendNumberToCString(INT32_MIN, c);
  EXPECT_STREQ(c, "x12-2147483648");

  PString padded;
  ConvertNumberToHexStringPadded(255, 4, padded.get());
  EXPECT_EQ(padded.str(), "00FF");
  ConvertNumberToHexStringPadded(255, 1, padded.get());
  EXPECT_EQ(padded.str(), "FF");
  ConvertNumberToBinaryStringPadded(5, 8, padded.get());
  EXPECT_EQ(padded.str(), "00000101");

  char text[10] = "#########";
  ConvertNumberToHexText(0x1F, text, 4);
  EXPECT_EQ(std::string(text), "001F#####");
  ConvertNumberToHexText(0x12345, text, 2);
  EXPECT_EQ(std::string(text), "12345####");
}

TEST(GroupedNumbers, Separators) {
  struct Case {
    SInt32 value;
    char separator;
    const char *want;
  } cases[] = {
      {1000, '.', "1.000"},          {999, '.', "999"},       {-1000, '.', "-1.000"},
      {1234567, ',', "1,234,567"},   {-1234567, ',', "-1,234,567"}, {123456, ',', "123,456"},
      {-123, ',', "-123"},           {0, ',', "0"},           {INT32_MIN, ' ', "-2 147 483 648"},
  };
  for (const Case &c : cases) {
    PString dst;
    ConvertNumberToFormattedStringWithSeperator(c.value, c.separator, dst.get());
    EXPECT_EQ(dst.str(), c.want) << c.value;
  }
}

TEST(GroupedNumbers, SystemSeparatorFallsBackToComma) {
  // The test process runs in the C locale, which has no thousands separator.
  PString dst;
  EXPECT_EQ(ConvertNumberToFormattedString(1234567, dst.get()), resNotFound);
  EXPECT_EQ(dst.str(), "1,234,567");
}

}  // namespace
