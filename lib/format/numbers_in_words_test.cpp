#include "lib/format/numbers_in_words.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

std::string Literal(double value) {
  char words[256];
  UInt32 length = 0;
  NumberToLiteral(value, sizeof words, words, &length);
  return std::string(words, length);
}

TEST(NumberToLiteral, ChequeAmounts) {
  struct Case {
    double value;
    const char *want;
  } cases[] = {
      {0, "Zero & 00/100"},
      {-12.5, "Twelve & 50/100"},
      {100, "One Hundred & 00/100"},
      {21, "Twenty-One & 00/100"},
      {1001, "One Thousand One & 00/100"},
      {12.25, "Twelve & 25/100"},
      {1234.56, "One Thousand Two Hundred Thirty-Four & 56/100"},
      {1000000, "One Million & 00/100"},
      {20, "Twenty & 00/100"},
      {0.5, "Zero & 50/100"},
      {0.999, "Zero & 100/100"},
      {1500e12, "Fifteen Hundred Trillion & 00/100"},
      {2000e12, ""},
      {NAN, ""},
      {INFINITY, ""},
      {1999999999999999.0, "Nineteen Hundred Ninety-Nine Trillion Nine Hundred Ninety-Nine Billion Nine Hundred "
                           "Ninety-Nine Million Nine Hundred Ninety-Nine Thousand Nine Hundred Ninety-Nine & 00/100"},
  };
  for (const Case &c : cases) EXPECT_EQ(Literal(c.value), c.want) << c.value;
}

TEST(NumberToLiteral, LengthOnlyAndCutWords) {
  UInt32 length = 0;
  NumberToLiteral(21, 0, nullptr, &length);
  EXPECT_EQ(length, std::string("Twenty-One & 00/100").size());
  char words[8] = "#######";
  NumberToLiteral(21, 6, words, &length);
  EXPECT_EQ(std::string(words, 7), "Twenty#");
  EXPECT_EQ(length, 19u);
}

TEST(Ordinals, Suffixes) {
  struct Case {
    UInt32 n;
    const char *suffix;
  } cases[] = {{0, "th"},  {1, "st"},  {2, "nd"},   {3, "rd"},   {4, "th"},  {11, "th"}, {12, "th"},
               {13, "th"}, {21, "st"}, {22, "nd"},  {101, "st"}, {111, "th"}, {113, "th"},
               {static_cast<UInt32>(-1), "th"}};  // 4294967295
  for (const Case &c : cases) EXPECT_STREQ(NumberToOrdinalCString(c.n), c.suffix) << c.n;
  EXPECT_EQ(NumberToOrdinalIndex(23), 3u);
}

TEST(RomanNumerals, Reading) {
  struct Case {
    const char *text;
    UInt32 value;
  } cases[] = {{"XIV", 14}, {"MCMXCIX", 1999}, {"mmxx", 2020}, {"", 0},  {"IIX", 10},
               {"VX", 5},   {"IIII", 4},       {"XLII", 42},   {"X2", 0}, {"MMMM", 4000}};
  for (const Case &c : cases) EXPECT_EQ(RomanNumeralToInteger(c.text, std::strlen(c.text)), c.value) << c.text;
}

TEST(RomanNumerals, Writing) {
  struct Case {
    UInt32 value;
    UInt32 maxChars;
    const char *written;
    UInt32 left;
  } cases[] = {
      {1994, 20, "MCMXCIV", 0}, {1994, 2, "MC", 994},  // the 900 whose first letter fit still counts
      {4000, 20, "MMMM", 0},    {0, 20, "", 0},        {1000, 1, "M", 0},  // an exact fit is complete
      {3999, 20, "MMMCMXCIX", 0}, {4, 1, "I", 4},      {8, 3, "VII", 1},   {5, 0, "", 5},
  };
  for (const Case &c : cases) {
    char out[32];
    UInt32 length = 99;
    EXPECT_EQ(IntegerToRomanNumberal(c.value, c.maxChars, out, &length), c.left) << c.value << "/" << c.maxChars;
    EXPECT_EQ(std::string(out, length), c.written) << c.value << "/" << c.maxChars;
  }
  EXPECT_EQ(IntegerToRomanNumberal(3, 10, nullptr, nullptr), 3u);
}

TEST(RomanNumerals, RoundTrip) {
  for (UInt32 value = 1; value < 4000; ++value) {
    char out[32];
    UInt32 length = 0;
    ASSERT_EQ(IntegerToRomanNumberal(value, sizeof out, out, &length), 0u);
    ASSERT_EQ(RomanNumeralToInteger(out, length), value);
  }
}

}  // namespace
