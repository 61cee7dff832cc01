#include "lib/text/articles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/core/result_codes.h"

namespace {

struct Deleted {
  std::string text;  // the cleaned view
  UInt32 removed;
  std::size_t startOffset;
};

Deleted Delete(std::string text, int endsOnly) {
  char *start = nullptr;
  UInt32 length = 0;
  const UInt32 removed = TextDeleteArticles(text.data(), static_cast<UInt32>(text.size()), endsOnly, &start, &length);
  return {std::string(start, length), removed, static_cast<std::size_t>(start - text.data())};
}

TEST(TextDeleteArticles, Table) {
  struct Case {
    const char *text;
    int endsOnly;
    const char *want;
  } cases[] = {
      {"The Beatles", 0, "Beatles"},
      {"Tale of a City", 0, "Tale of City"},
      {"Tale of a City", 1, "Tale of a City"},
      {"Beatles, The", 0, "Beatles"},
      {"Beatles, The", 1, "Beatles"},  // trailing articles go whatever endsOnly says
      {"The A Team", 0, "Team"},
      {"Plan A", 0, "Plan"},
      {"state-of-the-art", 0, "state-of--art"},
      {"another theme", 0, "another theme"},
      {"An Apple a Day", 0, "Apple Day"},
      {"the_file_name", 0, "file_name"},
      {"", 0, ""},
      {"the", 0, ""},
  };
  for (const Case &c : cases) {
    const Deleted got = Delete(c.text, c.endsOnly);
    EXPECT_EQ(got.text, c.want) << c.text;
    EXPECT_EQ(got.removed, std::strlen(c.text) - got.text.size()) << c.text;
  }
  EXPECT_EQ(Delete("The Beatles", 0).startOffset, 4u);
  EXPECT_EQ(Delete("The Beatles", 0).removed, 4u);
  EXPECT_EQ(Delete("Tale of a City", 0).removed, 2u);
  EXPECT_EQ(TextDeleteArticles(nullptr, 0, 0, nullptr, nullptr), 0u);
}

std::string Removed(const char *text) {
  std::string s = text;
  StringRemoveArticles(s.data());
  return s.c_str();
}

std::string Rearranged(const char *text) {
  std::string s = text;
  s.resize(s.size() + 2, '\0');
  StringRearrangeArticles(s.data());
  return s.c_str();
}

TEST(StringArticles, RemoveTable) {
  struct Case {
    const char *text;
    const char *want;
  } cases[] = {
      {"The Beatles, The", "Beatles"}, {"The", "The"},       {"An Affair", "Affair"},
      {"Beatles, The", "Beatles"},     {"Beatles The", "Beatles The"}, {"  the   Who", "Who"},
      {"Theme", "Theme"},              {", The", ", The"},   {"Beatles ,  a  ", "Beatles"},
  };
  for (const Case &c : cases) EXPECT_EQ(Removed(c.text), c.want) << c.text;
}

TEST(StringArticles, RearrangeTable) {
  struct Case {
    const char *text;
    const char *want;
  } cases[] = {
      {"The Beatles", "Beatles, The"}, {"The Beatles ", "Beatles, The"}, {"a tale", "tale, a"},
      {"Beatles", "Beatles"},          {"The", "The"},                   {"The   ", "The   "},
      {"AN Ode", "Ode, AN"},
  };
  for (const Case &c : cases) EXPECT_EQ(Rearranged(c.text), c.want) << c.text;
}

TEST(StringArticles, CopiesFromTheHeap) {
  char *copy = nullptr;
  ASSERT_EQ(StringRemoveArticlesCopy("The Who", &copy), noErr);
  EXPECT_STREQ(copy, "Who");
  std::free(copy);
  ASSERT_EQ(StringRearrangeArticlesCopy("The Beatles", &copy), noErr);
  EXPECT_STREQ(copy, "Beatles, The");  // one byte longer than the original
  std::free(copy);
  EXPECT_EQ(StringRemoveArticlesCopy("x", nullptr), kLibMissingArgErr);
}

}  // namespace
