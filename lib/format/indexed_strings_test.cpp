#include "lib/format/indexed_strings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "lib/strings/pascal_test_util.hpp"
#include "platform/core/result_codes.h"

namespace {

using vigil::test::PString;

// List 128 holds "%d files" and a 300-character format's worth of output.
OSErr FakeLookup(SInt16 listID, SInt16 index, StringPtr out) {
  if (listID != 128 || index < 1 || index > 2) return resNotFound;
  const char *entry = index == 1 ? "%d files" : "%s%s";
  out[0] = static_cast<UInt8>(std::strlen(entry));
  std::memcpy(out + 1, entry, out[0]);
  return noErr;
}

class IndexedStrings : public testing::Test {
 protected:
  void TearDown() override { SetIndexedStringLookup(nullptr); }
};

TEST_F(IndexedStrings, WithoutLookupAnswerNotFound) {
  PString dst("junk");
  EXPECT_EQ(GetIndStringFormatted(128, 1, dst.get(), 3), kLibNotFoundErr);
  EXPECT_EQ(dst.str(), "");
  char c[16] = "junk";
  EXPECT_EQ(GetIndCString(128, 1, c), c);
  EXPECT_STREQ(c, "");
  std::strcpy(c, "junk");
  EXPECT_EQ(GetIndCStringFormatted(128, 1, c, 3), kLibNotFoundErr);
  EXPECT_STREQ(c, "");
}

TEST_F(IndexedStrings, WithLookup) {
  EXPECT_EQ(SetIndexedStringLookup(FakeLookup), nullptr);
  PString dst;
  EXPECT_EQ(GetIndStringFormatted(128, 1, dst.get(), 3), 7);
  EXPECT_EQ(dst.str(), "3 files");
  char c[64];
  EXPECT_STREQ(GetIndCString(128, 1, c), "%d files");
  EXPECT_EQ(GetIndCStringFormatted(128, 1, c, 12), 8);
  EXPECT_STREQ(c, "12 files");
  // A missing entry prints as empty.
  EXPECT_EQ(GetIndStringFormatted(128, 9, dst.get(), 3), 0);
  EXPECT_EQ(dst.str(), "");
  EXPECT_STREQ(GetIndCString(1, 1, c), "");
  // A result longer than 255 characters keeps its first 255 and stops at byte 255.
  const std::string half(150, 'h');
  EXPECT_EQ(GetIndStringFormatted(128, 2, dst.get(), half.c_str(), half.c_str()), 255);
  EXPECT_EQ(dst.str(), std::string(255, 'h'));
  EXPECT_EQ(SetIndexedStringLookup(nullptr), FakeLookup);
}

}  // namespace
