#include "lib/text/text_skip.h"

#include <gtest/gtest.h>

namespace {

TEST(Skip, CharsInTerminatedAndCountedText) {
  const char kv[] = "key=value";
  EXPECT_EQ(SkipToChar(kv, 0, '=', 1), kv + 3);
  EXPECT_EQ(SkipPastChar(kv, 0, '=', 1), kv + 4);
  EXPECT_EQ(SkipToChar(kv, 0, '#', 1), nullptr);
  EXPECT_EQ(SkipPastChar(kv, 0, '#', 1), nullptr);
  EXPECT_EQ(SkipToChar(kv, 3, '=', 1), nullptr);  // counted: the '=' is outside
  EXPECT_EQ(SkipToChar(kv, 0, 0x100 + '=', 1), kv + 3);  // low 8 bits
  const char path[] = "a/b/c";
  EXPECT_EQ(SkipToCharReverse(path, 0, '/', 1), path + 3);
  EXPECT_EQ(SkipPastCharReverse(path, 0, '/', 1), path + 4);
}

TEST(Skip, Tokens) {
  const char header[] = "Content-Length: 5";
  EXPECT_EQ(SkipPastToken(header, 0, "Length", 6, 1), header + 14);
  EXPECT_EQ(SkipPastToken(header, 0, "Length", 0, 1), header + 8);  // token measured, start returned
  EXPECT_EQ(SkipToToken(header, 0, "length", 0, 0), header + 8);
  EXPECT_EQ(SkipToToken(header, 0, "length", 0, 1), nullptr);
  EXPECT_EQ(SkipPastToken(header, 0, "absent", 6, 1), nullptr);
}

}  // namespace
