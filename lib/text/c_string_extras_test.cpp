#include "lib/text/c_string_extras.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CStringExtras, BoundedLength) {
  EXPECT_EQ(strnlen("abc", 2), 2u);
  EXPECT_EQ(strnlen("abc", 10), 3u);
  const char unterminated[3] = {'a', 'b', 'c'};
  EXPECT_EQ(strnlen(unterminated, 3), 3u);
}

TEST(CStringExtras, CaseInsensitiveOrders) {
  EXPECT_EQ(stricmp("Hello", "hello"), 0);
  EXPECT_EQ(stricmp("a", "B"), -1);
  EXPECT_EQ(stricmp("abc", "ab"), 1);
  EXPECT_EQ(stricmp("\xE9", "e"), 1);  // unsigned bytes
  EXPECT_EQ(strnicmp("HELLO world", "hello there", 5), 0);
  EXPECT_EQ(strnicmp("HELLO world", "hello there", 7), 1);
  EXPECT_EQ(strnicmp("ab", "AB", 10), 0);
  EXPECT_EQ(strnicmp("x", "y", 0), 0);
}

TEST(CStringExtras, CountedTextAgainstString) {
  struct Case {
    const char *text;
    UInt32 length;
    const char *string;
    int want;
  } cases[] = {
      {"abc", 3, "abc", 0}, {"ab", 2, "abc", -1}, {"abc", 3, "ab", 1}, {"abc", 2, "ab", 0},
      {"abd", 3, "abc", 1}, {"", 0, "", 0},       {"", 0, "a", -1},
  };
  for (const Case &c : cases) EXPECT_EQ(strncmpx(c.text, c.length, c.string), c.want) << c.text << "/" << c.string;
  EXPECT_EQ(strnicmpx("THE", 3, "the"), 0);
  EXPECT_EQ(strncmpx("THE", 3, "the"), -1);
}

TEST(CStringExtras, Memrchr) {
  const char s[] = "a.b.c";
  EXPECT_EQ(memrchr(s, '.', 5), s + 3);
  EXPECT_EQ(memrchr(s, 'x', 5), nullptr);
  EXPECT_EQ(memrchr(s, 'a', 0), nullptr);
  const std::string high = std::string(40, 'x') + "\xE9" + std::string(20, 'y');
  EXPECT_EQ(memrchr(high.data(), 0xE9, high.size()), high.data() + 40);
  EXPECT_EQ(memrchr(high.data(), 'x', high.size()), high.data() + 39);
}

TEST(FileExtensions, Extension) {
  struct Case {
    const char *name;
    const char *want;
  } cases[] = {{"photo.jpeg", "jpeg"}, {"Version 1.5", ""}, {"notes", ""}, {"tar. gz", ""},
               {"notes.", ""},         {"a.b.TXT", "TXT"}};
  for (const Case &c : cases) EXPECT_STREQ(StringFileExtension(c.name), c.want) << c.name;
  const char dotted[] = "notes.";
  EXPECT_EQ(StringFileExtension(dotted), dotted + 6);  // at the terminator
}

TEST(FileExtensions, Match) {
  const char photo[] = "Photo.JPG";
  EXPECT_EQ(StringFileExtensionMatch(photo, "jpg"), photo + 6);
  EXPECT_EQ(StringFileExtensionMatch("photo", "jpg"), nullptr);
  const char release[] = "r1.5";
  EXPECT_EQ(StringFileExtensionMatch(release, "5"), release + 3);
  const char page[] = "a.htm";
  EXPECT_EQ(StringFileExtensionMatchList(page, "html", "htm", static_cast<const char *>(nullptr)), page + 2);
  EXPECT_EQ(StringFileExtensionMatchList(page, "html", static_cast<const char *>(nullptr)), nullptr);
  EXPECT_EQ(StringFileExtensionMatchList("noext", "htm", static_cast<const char *>(nullptr)), nullptr);
}

TEST(RemoveSet, InPlace) {
  char a[] = "a-b_c";
  EXPECT_EQ(StringRemoveSet(a, "-_"), 2u);
  EXPECT_STREQ(a, "abc");
  char b[] = "a1b2";
  EXPECT_EQ(StringRemoveNotSet(b, "0123456789"), 2u);
  EXPECT_STREQ(b, "12");
  char c[] = "keep";
  EXPECT_EQ(StringRemoveSet(c, ""), 0u);
  EXPECT_STREQ(c, "keep");
  EXPECT_EQ(StringRemoveNotSet(c, ""), 4u);
  EXPECT_STREQ(c, "");
}

}  // namespace
