#include "lib/strings/string_compare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "lib/strings/pascal_test_util.hpp"

namespace {

using vigil::test::PString;

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(PascalStringCompare, Orders) {
  struct Case {
    std::string a, b;
    int caseFlag;
    int sign;
  } cases[] = {
      {"abc", "abd", 1, -1}, {"ABC", "abc", 0, 0}, {"ABC", "abc", 1, -1}, {"ab", "abc", 1, -1},
      {"ab", "abc", 0, -1},  {"", "a", 0, -1},     {"abc", "ab", 0, 1},   {"", "", 1, 0},
      {"\x8E", "a", 1, -1},  // bytes above 127 are negative
  };
  for (const Case &c : cases) {
    EXPECT_EQ(Sign(PascalStringCompare(PString(c.a).get(), PString(c.b).get(), c.caseFlag)), c.sign)
        << c.a << " vs " << c.b;
  }
  EXPECT_EQ(PascalStringCompare(PString("b").get(), PString("a").get(), 1), 1);
}

TEST(CStringCompare, OrdersUnsignedWithTerminator) {
  EXPECT_EQ(CStringCompare("ab", "abc", 1), -'c');
  EXPECT_EQ(CStringCompare("abc", "ABC", 0), 0);
  EXPECT_GT(CStringCompare("abc", "ABC", 1), 0);
  EXPECT_GT(CStringCompare("\x8E", "a", 1), 0);  // unsigned, unlike the Pascal order
  EXPECT_EQ(CStringCompare("", "", 1), 0);
}

TEST(QSortPStringCompare, SortsInlinePascalStringsIgnoringCase) {
  std::vector<PString> names{PString("delta"), PString("Alpha"), PString("charlie"), PString("Bravo")};
  std::qsort(names.data(), names.size(), sizeof(PString), QSortPStringCompare);
  std::vector<std::string> got;
  for (const PString &p : names) got.push_back(p.str());
  EXPECT_EQ(got, (std::vector<std::string>{"Alpha", "Bravo", "charlie", "delta"}));
}

TEST(CaseChange, AsciiLettersOnly) {
  PString p("MiXed \xC9 1");
  EXPECT_EQ(ConvertPascalStringToLowercase(p.get()), p.get());
  EXPECT_EQ(p.str(), "mixed \xC9 1");
  ConvertPascalStringToUppercase(p.get());
  EXPECT_EQ(p.str(), "MIXED \xC9 1");
  char c[] = "Hello \xE9!";
  EXPECT_STREQ(ConvertCStringToUppercase(c), "HELLO \xE9!");
  EXPECT_STREQ(ConvertCStringToLowercase(c), "hello \xE9!");
}

}  // namespace
