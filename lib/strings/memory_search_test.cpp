#include "lib/strings/memory_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// Naive references: the first (last, non-overlapping) occurrence, or npos.
std::size_t NaiveFind(const std::string &hay, const std::string &needle, bool foldCase) {
  const auto fold = [&](char c) { return foldCase && c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  if (needle.empty() || needle.size() > hay.size()) return std::string::npos;
  for (std::size_t i = 0; i + needle.size() <= hay.size(); ++i) {
    std::size_t k = 0;
    while (k < needle.size() && fold(hay[i + k]) == fold(needle[k])) ++k;
    if (k == needle.size()) return i;
  }
  return std::string::npos;
}

std::string RandomText(std::mt19937 &rng, std::size_t length, const std::string &alphabet) {
  std::string s(length, ' ');
  for (char &c : s) c = alphabet[rng() % alphabet.size()];
  return s;
}

TEST(Memicmp, SignedBytesAfterLowerCasing) {
  EXPECT_EQ(memicmp("ab", "AB", 5), 0);  // the terminators are reached together
  EXPECT_EQ(memicmp("abc", "abd", 3), -1);
  EXPECT_EQ(memicmp("abd", "ABC", 3), 1);
  EXPECT_EQ(memicmp("\x80", "a", 1), -1);  // 0x80 is negative
  EXPECT_EQ(memicmp("x", "y", 0), 0);
  EXPECT_EQ(memicmp("a\0x", "a\0y", 3), 0);
}

TEST(Memiequal, LengthsAndCase) {
  EXPECT_EQ(memiequal("Hello", 5, "hELLO", 5), 1);
  EXPECT_EQ(memiequal("Hello", 5, "Hello", 4), 0);
  EXPECT_EQ(memiequal("", 0, "", 0), 1);
  EXPECT_EQ(memiequal("\xC9", 1, "\xE9", 1), 0);  // only ASCII folds
}

TEST(Memmem, EdgeCases) {
  const char hay[] = "haystack needle";
  EXPECT_EQ(memmem(hay, 15, "needle", 6), hay + 9);
  EXPECT_EQ(memmem(hay, 15, "needle", 0), nullptr);  // empty needle: not found
  EXPECT_EQ(memmem(hay, 3, "hays", 4), nullptr);
  EXPECT_EQ(memmem(hay, 15, "h", 1), hay);
  const char zeros[] = "a\0b\0c";
  EXPECT_EQ(memmem(zeros, 5, "b\0c", 3), zeros + 2);  // any byte value, zero included
}

TEST(StringSearch, Strrstr) {
  const char s[] = "abcabc";
  EXPECT_EQ(strrstr(s, "bc"), s + 4);
  const char a[] = "aaa";
  EXPECT_EQ(strrstr(a, "aa"), a);  // occurrences never overlap
  EXPECT_EQ(strrstr(s, ""), nullptr);
  EXPECT_EQ(strrstr(s, "x"), nullptr);
}

TEST(StringSearch, Stristr) {
  const char s[] = "Hello World";
  EXPECT_EQ(stristr(s, "WORLD"), s + 6);
  EXPECT_EQ(stristr(s, ""), s);
  EXPECT_EQ(stristr(s, nullptr), s);
  EXPECT_EQ(stristr(s, "worlds"), nullptr);
}

TEST(MemorySearchProperty, MatchesNaiveReference) {
  std::mt19937 rng(1234);
  for (int round = 0; round < 3000; ++round) {
    const std::string alphabet = round % 2 ? "abAB" : "ab\xC9\xE9z";
    const std::string hay = RandomText(rng, rng() % 90, alphabet);
    std::string needle;
    switch (rng() % 4) {
      case 0:  // a prefix
        needle = hay.substr(0, 1 + rng() % 6);
        break;
      case 1:  // a suffix
        needle = hay.substr(hay.size() - std::min<std::size_t>(hay.size(), 1 + rng() % 6));
        break;
      default:
        needle = RandomText(rng, 1 + rng() % 5, alphabet);
    }
    const std::size_t want = NaiveFind(hay, needle, false);
    const void *got = memmem(hay.data(), hay.size(), needle.data(), needle.size());
    EXPECT_EQ(got ? static_cast<const char *>(got) - hay.data() : std::string::npos, want) << hay << "|" << needle;
    const std::size_t wantFolded = NaiveFind(hay, needle, true);
    const char *gotFolded = stristr(hay.c_str(), needle.c_str());
    if (needle.empty()) continue;
    EXPECT_EQ(gotFolded ? gotFolded - hay.c_str() : std::string::npos, wantFolded) << hay << "|" << needle;
  }
}

}  // namespace
