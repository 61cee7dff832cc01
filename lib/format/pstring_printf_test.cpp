#include "lib/format/pstring_printf.h"

#include <gtest/gtest.h>

#include <string>

#include "lib/strings/pascal_test_util.hpp"

namespace {

using vigil::test::PString;

TEST(PStringPrintF, BoundedTo253Characters) {
  PString dst;
  EXPECT_EQ(PStringPrintF(dst.get(), "%s-%03d", "id", 7), 6);
  EXPECT_EQ(dst.str(), "id-007");
  const std::string big(300, 'w');
  EXPECT_EQ(PStringPrintF(dst.get(), "%s", big.c_str()), 253);
  EXPECT_EQ(dst.str(), std::string(253, 'w'));
  EXPECT_EQ(dst.bytes[254], '\0');  // the terminator stays after the characters
  EXPECT_EQ(dst.bytes[255], 0xEE);  // and nothing is written past byte 254
}

TEST(PStringScanF, ScansACopy) {
  int a = 0;
  char word[16];
  EXPECT_EQ(PStringScanF(PString("12 apples").get(), "%d %15s", &a, word), 2);
  EXPECT_EQ(a, 12);
  EXPECT_STREQ(word, "apples");
  EXPECT_EQ(PStringScanF(PString("").get(), "%d", &a), EOF);
}

}  // namespace
