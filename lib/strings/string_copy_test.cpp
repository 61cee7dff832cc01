#include "lib/strings/string_copy.h"

#include <gtest/gtest.h>

#include <string>

#include "lib/strings/pascal_test_util.hpp"

namespace {

using vigil::test::PString;

TEST(StringLengths, BoundedLengthStopsAtMaxOrTerminator) {
  EXPECT_EQ(CStringLength("abc"), 3u);
  EXPECT_EQ(CStringLengthMax("abc", 2), 2u);
  EXPECT_EQ(CStringLengthMax("abc", 10), 3u);
  EXPECT_EQ(CStringNSize("abc", 0), 0u);
  EXPECT_EQ(CStringLengthMax(nullptr, 0), 0u);  // max 0 reads nothing
  EXPECT_EQ(PascalStringLength(PString("hello").get()), 5);
}

TEST(StringCopies, CountsLimitTheCopy) {
  PString dst("zzzzzzzz");
  CopyPascalStringCount(PString("abcdef").get(), dst.get(), 3);
  EXPECT_EQ(dst.str(), "abc");
  CopyPascalStringCount(PString("ab").get(), dst.get(), 10);
  EXPECT_EQ(dst.str(), "ab");

  char c[8] = "zzzzzzz";
  CopyCStringCount("abcdef", c, 3);
  EXPECT_STREQ(c, "abc");
  CopyCStringCount("ab", c, 5);
  EXPECT_STREQ(c, "ab");
  CopyCString("xyz", c);
  EXPECT_STREQ(c, "xyz");
  PString whole;
  CopyPascalString(PString("copy").get(), whole.get());
  EXPECT_EQ(whole.str(), "copy");
}

TEST(StringConversions, InPlaceBetweenForms) {
  unsigned char p[8] = {3, 'a', 'b', 'c', 'x', 'x', 'x', 'x'};
  EXPECT_STREQ(ConvertPascalToCString(p), "abc");
  EXPECT_EQ(ConvertCToPascalString(reinterpret_cast<char *>(p)), p);
  EXPECT_EQ(p[0], 3);
  EXPECT_EQ(std::string(reinterpret_cast<char *>(p + 1), 3), "abc");
  EXPECT_EQ(ConvertPascalToCString(nullptr), nullptr);
  EXPECT_EQ(ConvertCToPascalString(nullptr), nullptr);
}

TEST(StringConversions, LongCStringKeepsFirst255Characters) {
  std::string big(300, 'q');
  big[254] = 'L';
  EXPECT_EQ(ConvertCToPascalString(big.data())[0], 255);
  EXPECT_EQ(big[255], 'L');

  PString dst;
  std::string source(300, 'r');
  EXPECT_EQ(CopyCToPascalString(source.c_str(), dst.get()), dst.get());
  EXPECT_EQ(dst.str(), std::string(255, 'r'));
  EXPECT_EQ(CStringToPString("hi", dst.get())[0], 2);
}

TEST(StringConversions, PascalToCAddsTerminator) {
  char c[16];
  EXPECT_STREQ(CopyPascalToCString(PString("pascal").get(), c), "pascal");
  EXPECT_STREQ(PStringToCString(PString("").get(), c), "");
}

TEST(StringConversions, TextToPascalStringClipsToMaxAnd255) {
  PString dst;
  TextToPascalString("abcdef", 6, 4, dst.get());
  EXPECT_EQ(dst.str(), "abcd");
  std::string text(400, 't');
  TextToPascalString(text.data(), 400, 1000, dst.get());  // above 255: clipped, nothing past byte 255
  EXPECT_EQ(dst.bytes[0], 255);
}

}  // namespace
