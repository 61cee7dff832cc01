#include "lib/text/soundex.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Key(const std::string &text) {
  const UInt32 key = TextToSoundex(text.data(), static_cast<UInt32>(text.size()));
  return {char(key >> 24), char(key >> 16), char(key >> 8), char(key)};
}

TEST(Soundex, Keys) {
  struct Case {
    const char *text;
    const char *key;
  } cases[] = {
      {"Robert", "R163"}, {"Rupert", "R163"}, {"Tymczak", "T522"}, {"  (Robert)", "R163"}, {"...", "0000"},
      {"A", "A000"},      {"Lloyd", "L300"},  {"Pfister", "P123"}, {"ashcraft", "A226"},   {"42nd", "4530"},
      {"", "0000"},
  };
  for (const Case &c : cases) EXPECT_EQ(Key(c.text), c.key) << c.text;
  EXPECT_EQ(TextToSoundex("Robert", 6), 0x52313633u);
}

TEST(Soundex, Search) {
  const char text[] = "meet Rupert here";
  EXPECT_EQ(TextSearchSoundex(text, std::strlen(text), "Robert", 6), text + 5);
  EXPECT_EQ(TextSearchSoundex(text, std::strlen(text), "Zebra", 5), nullptr);
  const char punctuated[] = "see (Rupert), now";
  EXPECT_EQ(TextSearchSoundex(punctuated, std::strlen(punctuated), "Robert", 6), punctuated + 4);
  EXPECT_EQ(TextSearchSoundex("", 0, "Robert", 6), nullptr);
}

}  // namespace
