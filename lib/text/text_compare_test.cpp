#include "lib/text/text_compare.h"

#include <gtest/gtest.h>

#include <string>

namespace {

SInt32 Compare(const std::string &a, const std::string &b, int caseSensitive) {
  return TextCompare(a.data(), static_cast<UInt32>(a.size()), b.data(), static_cast<UInt32>(b.size()),
                     caseSensitive);
}

SInt32 Natural(const std::string &a, const std::string &b, int caseSensitive = 1) {
  return TextCompareNatural(a.data(), static_cast<UInt32>(a.size()), b.data(), static_cast<UInt32>(b.size()),
                            caseSensitive);
}

TEST(TextCompare, ExactValues) {
  struct Case {
    std::string a, b;
    int caseSensitive;
    SInt32 want;
  } cases[] = {
      {"abc", "abd", 1, -1},       {"ABC", "abc", 0, 0},   {"ABC", "abc", 1, -32},
      {"ab", "abc", 1, -'b'},      {"abc", "ab", 1, 'b'},  {"", "x", 1, -'x'},
      {"X", "", 0, 'X'},           // the first byte unfolded when nothing was compared
      {"aB", "Abc", 0, -'b'},      // the last compared byte after folding
      {"\xFF", "\x01", 1, 254},    {"same", "same", 1, 0},
      {std::string(40, 'q') + "A", std::string(40, 'q') + "b", 0, 'a' - 'b'},
  };
  for (const Case &c : cases) EXPECT_EQ(Compare(c.a, c.b, c.caseSensitive), c.want) << c.a << " vs " << c.b;
  EXPECT_EQ(TextCompare(nullptr, 0, "x", 1, 1), 0);
  EXPECT_EQ(TextCompare("x", 1, nullptr, 0, 1), 0);
}

TEST(TextCompareNatural, DigitRunsByValue) {
  struct Case {
    std::string a, b;
    int caseSensitive;
    SInt32 want;
  } cases[] = {
      {"file9", "file10", 1, -1},
      {"x2y", "x10y", 1, -1},
      {"a01", "a1", 1, 1},  // equal numbers: more leading zeros sorts after
      {"a1", "a01", 1, -1},
      {"abc", "abcd", 1, -1},
      {"File1", "file1", 0, 0},
      {"File1", "file1", 1, -1},
      {"", "", 1, 0},
      {"0", "000", 1, -1},
      {"a10b2", "a10b10", 1, -1},
      {"99999999999999999999999", "100000000000000000000000", 1, -1},  // beyond any machine integer
      {"v1.2.10", "v1.2.9", 1, 1},
      {"a", "1", 1, 1},  // a letter against a digit compares as bytes
      {"item 7", "item 7", 1, 0},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(Natural(c.a, c.b, c.caseSensitive), c.want) << c.a << " vs " << c.b;
    EXPECT_EQ(Natural(c.b, c.a, c.caseSensitive), -c.want) << c.b << " vs " << c.a;
  }
}

}  // namespace
