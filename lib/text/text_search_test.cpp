#include "lib/text/text_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t npos = std::string::npos;

UInt32 Len(const std::string &s) { return static_cast<UInt32>(s.size()); }

std::size_t Offset(const char *found, const std::string &text) {
  return found ? static_cast<std::size_t>(found - text.data()) : npos;
}

char Fold(char c, bool caseSensitive) { return !caseSensitive && c >= 'A' && c <= 'Z' ? char(c + 32) : c; }

bool EqualAt(const std::string &text, std::size_t at, const std::string &pattern, bool caseSensitive) {
  for (std::size_t k = 0; k < pattern.size(); ++k) {
    if (Fold(text[at + k], caseSensitive) != Fold(pattern[k], caseSensitive)) return false;
  }
  return true;
}

std::size_t NaiveFind(const std::string &text, const std::string &pattern, bool caseSensitive) {
  if (pattern.empty() || pattern.size() > text.size()) return npos;
  for (std::size_t i = 0; i + pattern.size() <= text.size(); ++i) {
    if (EqualAt(text, i, pattern, caseSensitive)) return i;
  }
  return npos;
}

std::string RandomText(std::mt19937 &rng, std::size_t length, const std::string &alphabet) {
  std::string s(length, ' ');
  for (char &c : s) c = alphabet[rng() % alphabet.size()];
  return s;
}

// A pattern that is often present: a prefix, a suffix or a piece of the text,
// or random bytes.
std::string RandomPattern(std::mt19937 &rng, const std::string &text, const std::string &alphabet) {
  const std::size_t length = 1 + rng() % 8;
  const std::size_t take = std::min(length, text.size());
  switch (rng() % 4) {
    case 0:
      return text.substr(0, take);
    case 1:
      return text.substr(text.size() - take);
    case 2:
      return text.empty() ? "a" : text.substr(rng() % text.size(), length);
    default:
      return RandomText(rng, length, alphabet);
  }
}

TEST(TextSearch, EdgeCases) {
  const std::string hay = "haystack needle";
  EXPECT_EQ(Offset(TextSearch(hay.data(), Len(hay), "needle", 6, 1), hay), 9u);
  EXPECT_EQ(TextSearch(hay.data(), 3, "hays", 4, 1), nullptr);
  EXPECT_EQ(TextSearch(hay.data(), Len(hay), "x", 0, 1), nullptr);
  EXPECT_EQ(TextSearch(hay.data(), 0, "h", 1, 1), nullptr);
  EXPECT_EQ(TextSearch(nullptr, 5, "h", 1, 1), nullptr);
  EXPECT_EQ(TextSearch(hay.data(), Len(hay), nullptr, 1, 1), nullptr);
  EXPECT_EQ(Offset(TextSearch(hay.data(), Len(hay), "NEEDLE", 6, 0), hay), 9u);
  EXPECT_EQ(TextSearch(hay.data(), Len(hay), "NEEDLE", 6, 1), nullptr);
  const std::string accents = "caf\xC9 caf\xE9";
  EXPECT_EQ(Offset(TextSearch(accents.data(), Len(accents), "CAF\xE9", 4, 0), accents), 5u);  // 0xC9 never folds
}

TEST(TextSearch, WindowForms) {
  const std::string name = "name.txt";
  EXPECT_EQ(Offset(TextEndsWith(name.data(), Len(name), ".TXT", 4, 0), name), 4u);
  EXPECT_EQ(TextEndsWith(name.data(), Len(name), ".TXT", 4, 1), nullptr);
  EXPECT_EQ(TextEndsWith(name.data(), Len(name), "long name.txt", 13, 1), nullptr);
  EXPECT_EQ(Offset(TextBeginsWith(name.data(), Len(name), "NAME", 4, 0), name), 0u);
  EXPECT_EQ(TextBeginsWith(name.data(), Len(name), "", 0, 1), nullptr);
  EXPECT_EQ(TextBeginsWith(name.data(), Len(name), "ame", 3, 1), nullptr);
  EXPECT_EQ(Offset(TextIsExactly(name.data(), Len(name), "NAME.txt", 8, 0), name), 0u);
  EXPECT_EQ(TextIsExactly(name.data(), Len(name), "name.tx", 7, 1), nullptr);
  EXPECT_EQ(TextIsExactly("", 0, "", 0, 1), nullptr);
}

TEST(TextSearch, PropertyAgainstNaiveSearch) {
  std::mt19937 rng(42);
  for (int round = 0; round < 4000; ++round) {
    const std::string alphabet = round % 3 == 0 ? "abAB" : (round % 3 == 1 ? std::string("ab\xC9\xE9\0z", 6) : "abcdefgh");
    const std::string text = RandomText(rng, rng() % 120, alphabet);
    const std::string pattern = RandomPattern(rng, text, alphabet);
    for (int caseSensitive : {0, 1}) {
      const std::size_t want = NaiveFind(text, pattern, caseSensitive);
      ASSERT_EQ(Offset(TextSearch(text.data(), Len(text), pattern.data(), Len(pattern), caseSensitive), text), want)
          << '"' << text << "\" / \"" << pattern << '"';
      const bool fits = !pattern.empty() && pattern.size() <= text.size();
      EXPECT_EQ(TextBeginsWith(text.data(), Len(text), pattern.data(), Len(pattern), caseSensitive) != nullptr,
                fits && EqualAt(text, 0, pattern, caseSensitive));
      EXPECT_EQ(TextEndsWith(text.data(), Len(text), pattern.data(), Len(pattern), caseSensitive) != nullptr,
                fits && EqualAt(text, text.size() - pattern.size(), pattern, caseSensitive));
    }
  }
}

// Feeds text in pieces; returns the offset in the whole text of the first match
// reported, computed as a caller would.
std::size_t PiecewiseFind(const std::string &text, const std::vector<std::size_t> &cuts, const std::string &pattern,
                          int caseSensitive) {
  UInt32 matched = 0;
  std::size_t before = 0;
  for (std::size_t i = 0; i <= cuts.size(); ++i) {
    const std::size_t end = i < cuts.size() ? cuts[i] : text.size();
    const char *piece = text.data() + before;
    const char *found =
        TextPartialSearch(piece, static_cast<UInt32>(end - before), pattern.data(), Len(pattern), caseSensitive, &matched);
    if (found) return before + static_cast<std::size_t>(found - piece) - matched;
    before = end;
  }
  return npos;
}

TEST(TextPartialSearch, AcrossTwoPieces) {
  UInt32 matched = 0;
  EXPECT_EQ(TextPartialSearch("xxab", 4, "abcd", 4, 1, &matched), nullptr);
  EXPECT_EQ(matched, 2u);
  const char second[] = "cdyy";
  EXPECT_EQ(TextPartialSearch(second, 4, "abcd", 4, 1, &matched), second);
  EXPECT_EQ(matched, 2u);

  matched = 0;
  EXPECT_EQ(TextPartialSearch("xa", 2, "ab", 2, 1, &matched), nullptr);
  EXPECT_EQ(matched, 1u);
  const char bz[] = "bz";
  EXPECT_EQ(TextPartialSearch(bz, 2, "ab", 2, 1, &matched), bz);
  EXPECT_EQ(matched, 1u);

  matched = 0;
  const char aqb[] = "aqb";
  EXPECT_EQ(TextPartialSearch(aqb, 3, "q", 1, 1, &matched), aqb + 1);
  EXPECT_EQ(matched, 0u);

  matched = 0;  // a match ending exactly at the piece's end is reported by the next call
  EXPECT_EQ(TextPartialSearch("xab", 3, "ab", 2, 1, &matched), nullptr);
  EXPECT_EQ(matched, 2u);
  EXPECT_EQ(TextPartialSearch("z", 1, "ab", 2, 1, &matched) != nullptr, true);
  EXPECT_EQ(matched, 2u);
}

TEST(TextPartialSearch, BadArgumentsResetTheState) {
  UInt32 matched = 3;
  EXPECT_EQ(TextPartialSearch("abc", 3, "ab", 2, 1, nullptr), nullptr);
  EXPECT_EQ(TextPartialSearch(nullptr, 3, "ab", 2, 1, &matched), nullptr);
  EXPECT_EQ(matched, 0u);
  matched = 9;  // more than the pattern holds
  EXPECT_EQ(TextPartialSearch("abc", 3, "ab", 2, 1, &matched), nullptr);
  EXPECT_EQ(matched, 0u);
}

TEST(TextPartialSearch, MatchStartingInsideTheCarriedBytes) {
  // 'xaa' + 'ab': the carried 'aa' fails as the start of 'aab', but its
  // second 'a' begins the match.
  EXPECT_EQ(PiecewiseFind("xaaab!", {3}, "aab", 1), 2u);
  EXPECT_EQ(PiecewiseFind("abababc!", {5}, "ababc", 1), 2u);
}

TEST(TextPartialSearch, PropertyAgainstNaiveSearch) {
  std::mt19937 rng(7);
  for (int round = 0; round < 4000; ++round) {
    const std::string alphabet = round % 2 ? "ab" : "abAc";
    const std::string text = RandomText(rng, 1 + rng() % 60, alphabet);
    const std::string pattern = RandomPattern(rng, text, alphabet);
    std::vector<std::size_t> cuts;
    for (std::size_t at = 1 + rng() % 5; at < text.size(); at += 1 + rng() % 9) cuts.push_back(at);
    // The last piece gets one byte that cannot match, so that a match at the
    // very end of the text is reported.
    const std::string fed = text + '\x01';
    for (int caseSensitive : {0, 1}) {
      ASSERT_EQ(PiecewiseFind(fed, cuts, pattern, caseSensitive), NaiveFind(text, pattern, caseSensitive))
          << '"' << text << "\" / \"" << pattern << "\" pieces " << cuts.size();
    }
  }
}

TEST(TextIsAlone, WholeWords) {
  const std::string s = "a cat sat";
  EXPECT_EQ(TextIsAlone(s.data(), Len(s), s.data() + 2, 3, "", 0), 1);
  const std::string c = "concatenate";
  EXPECT_EQ(TextIsAlone(c.data(), Len(c), c.data() + 3, 3, " ", 1), 0);
  EXPECT_EQ(TextIsAlone(s.data(), Len(s), s.data(), 1, " ", 1), 0);  // at the start
  EXPECT_EQ(TextIsAlone(s.data(), Len(s), s.data() + 6, 3, " ", 1), 0);  // at the end
  const std::string p = "x(cat)y";
  EXPECT_EQ(TextIsAlone(p.data(), Len(p), p.data() + 2, 3, "()", 2), 1);
  EXPECT_EQ(TextIsAlone(p.data(), Len(p), p.data() + 2, 3, "(", 1), 0);
  const std::string mixed = "x cat,y";
  EXPECT_EQ(TextIsAlone(mixed.data(), Len(mixed), mixed.data() + 2, 3, ",", 1), 0);  // a space counts only in the set
  EXPECT_EQ(TextIsAlone(mixed.data(), Len(mixed), mixed.data() + 2, 3, ", ", 2), 1);
  const std::string upper = "xAcatBy";
  EXPECT_EQ(TextIsAlone(upper.data(), Len(upper), upper.data() + 2, 3, "ab", 2), 1);  // lower-cased both sides
  EXPECT_EQ(TextIsAlone(s.data(), Len(s), s.data() + 2, 300, " ", 1), 0);  // a match running past the text
  EXPECT_EQ(TextIsAlone(s.data(), Len(s), c.data(), 3, " ", 1), 0);        // a match outside the text
}

}  // namespace
