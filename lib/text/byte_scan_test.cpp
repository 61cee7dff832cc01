#include "lib/text/byte_scan.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

constexpr std::size_t npos = std::string::npos;

UInt32 Len(const std::string &s) { return static_cast<UInt32>(s.size()); }
std::size_t Offset(const char *found, const std::string &text) {
  return found ? static_cast<std::size_t>(found - text.data()) : npos;
}

TEST(ByteSearch, FirstAndLast) {
  const std::string s = "axbx";
  EXPECT_EQ(Offset(TextByteSearch(s.data(), Len(s), 'x', 1), s), 1u);
  EXPECT_EQ(Offset(TextReverseByteSearch(s.data(), Len(s), 'x', 1), s), 3u);
  EXPECT_EQ(Offset(TextByteSearch(s.data(), Len(s), 'X', 0), s), 1u);
  EXPECT_EQ(Offset(TextReverseByteSearch(s.data(), Len(s), 'X', 0), s), 3u);
  EXPECT_EQ(TextByteSearch(s.data(), Len(s), 'X', 1), nullptr);
  EXPECT_EQ(TextByteSearch(nullptr, 4, 'x', 1), nullptr);
  EXPECT_EQ(TextReverseByteSearch(s.data(), 0, 'x', 1), nullptr);
  const std::string high = "ab\xE9";
  for (int caseSensitive : {0, 1}) {
    EXPECT_EQ(Offset(TextByteSearch(high.data(), Len(high), 0xE9, caseSensitive), high), 2u);
    EXPECT_EQ(Offset(TextSetSearch(high.data(), Len(high), "\xE9", 1, caseSensitive), high), 2u);
    EXPECT_EQ(TextByteSearch(high.data(), Len(high), 0xC9, caseSensitive), nullptr);
  }
}

TEST(ByteSearch, PropertyAgainstNaiveScan) {
  std::mt19937 rng(99);
  const std::string alphabet = "aAbB\xE9\xC9";
  for (int round = 0; round < 2000; ++round) {
    std::string text(rng() % 70, ' ');
    for (char &c : text) c = alphabet[rng() % alphabet.size()];
    const char wanted = alphabet[rng() % alphabet.size()];
    for (int caseSensitive : {0, 1}) {
      const auto same = [&](char c) {
        const auto fold = [&](char x) { return !caseSensitive && x >= 'A' && x <= 'Z' ? char(x + 32) : x; };
        return fold(c) == fold(wanted);
      };
      std::size_t first = npos, last = npos;
      for (std::size_t i = 0; i < text.size(); ++i) {
        if (same(text[i])) {
          if (first == npos) first = i;
          last = i;
        }
      }
      const int byte = static_cast<unsigned char>(wanted);
      ASSERT_EQ(Offset(TextByteSearch(text.data(), Len(text), byte, caseSensitive), text), first) << text;
      ASSERT_EQ(Offset(TextReverseByteSearch(text.data(), Len(text), byte, caseSensitive), text), last) << text;
    }
  }
}

TEST(SetSearch, CountsAndFirstMember) {
  const std::string blanks = "  \tabc";
  EXPECT_EQ(TextSetCountSearch(blanks.data(), Len(blanks), " \t", 2, 1), 3u);
  EXPECT_EQ(TextSetCountSearch(blanks.data(), Len(blanks), "", 0, 1), 0u);
  const std::string csv = "abc,def";
  EXPECT_EQ(TextNotSetCountSearch(csv.data(), Len(csv), ",;", 2, 1), 3u);
  EXPECT_EQ(TextNotSetCountSearch(csv.data(), Len(csv), nullptr, 2, 1), 0u);
  EXPECT_EQ(TextNotSetCountSearch(csv.data(), Len(csv), "xyz", 3, 1), 7u);
  EXPECT_EQ(TextSetCountSearch(csv.data(), Len(csv), "ABCDEF,", 7, 0), 7u);
  EXPECT_EQ(Offset(TextSetSearch(csv.data(), Len(csv), "FD", 2, 0), csv), 4u);
  EXPECT_EQ(TextSetSearch(csv.data(), Len(csv), "FD", 2, 1), nullptr);
}

TEST(ByteCounts, MatchingAndConsecutive) {
  EXPECT_EQ(TextCountMatchingBytes("banana", 6, 'a', 1), 3u);
  EXPECT_EQ(TextCountMatchingBytes("bAnana", 6, 'a', 0), 3u);
  EXPECT_EQ(TextCountConsecutiveMatchingBytes("aaab", 4, 'a', 1), 3u);
  EXPECT_EQ(TextCountConsecutiveMatchingBytes("aaab", 4, 'b', 1), 0u);
  EXPECT_EQ(TextCountConsecutiveMatchingBytes("aAAb", 4, 'A', 0), 3u);
  EXPECT_EQ(TextCountMatchingBytes(nullptr, 4, 'a', 1), 0u);
}

TEST(DigitsAndZeros, Ends) {
  UInt32 count = 77;
  const std::string lead = "123abc";
  EXPECT_EQ(TextFindLeadingNumbers(lead.data(), Len(lead), &count), lead.data());
  EXPECT_EQ(count, 3u);
  EXPECT_EQ(TextFindLeadingNumbers("abc", 3, &count), nullptr);
  EXPECT_EQ(count, 0u);
  count = 77;
  EXPECT_EQ(TextFindLeadingNumbers("", 0, &count), nullptr);
  EXPECT_EQ(count, 77u);  // untouched
  const std::string track = "track12";
  EXPECT_EQ(Offset(TextFindTrailingNumbers(track.data(), Len(track), &count), track), 5u);
  EXPECT_EQ(count, 2u);
  EXPECT_EQ(TextFindTrailingNumbers("12a", 3, nullptr), nullptr);

  UInt32 left = 0;
  const std::string zeros = "0007";
  EXPECT_EQ(Offset(TextSkipLeadingZeroes(zeros.data(), Len(zeros), &left), zeros), 3u);
  EXPECT_EQ(left, 1u);
  const std::string allZeros = "000";
  EXPECT_EQ(Offset(TextSkipLeadingZeroes(allZeros.data(), Len(allZeros), &left), allZeros), 3u);
  EXPECT_EQ(left, 0u);
  const std::string trailing = "120";
  EXPECT_EQ(TextSkipTrailingZeroes(trailing.data(), Len(trailing), &left), trailing.data());
  EXPECT_EQ(left, 2u);
}

TEST(FindExtension, LetterAfterTheLastDot) {
  UInt32 length = 99;
  const std::string photo = "photo.JPG";
  EXPECT_EQ(Offset(TextFindExtension(photo.data(), Len(photo), &length), photo), 6u);
  EXPECT_EQ(length, 3u);
  EXPECT_EQ(TextFindExtension("report", 6, &length), nullptr);
  EXPECT_EQ(length, 0u);
  EXPECT_EQ(TextFindExtension("rev 1.2", 7, &length), nullptr);
  const std::string notes = "notes.";
  EXPECT_EQ(Offset(TextFindExtension(notes.data(), Len(notes), &length), notes), 6u);
  EXPECT_EQ(length, 0u);
  const std::string archive = "archive.tar";
  EXPECT_EQ(Offset(TextFindExtension(archive.data(), Len(archive), nullptr), archive), 8u);
}

}  // namespace
