#include "platform/core/base_types.h"
#include "platform/core/four_char_code.h"

#include <cstddef>

#include <gtest/gtest.h>

namespace {

TEST(BaseTypes, FileReferencesHaveThePlatformLayout) {
  EXPECT_EQ(sizeof(FSRef), 80u);
  EXPECT_EQ(sizeof(FSSpec), 70u);
  EXPECT_EQ(offsetof(FSSpec, vRefNum), 0u);
  EXPECT_EQ(offsetof(FSSpec, parID), 2u);
  EXPECT_EQ(offsetof(FSSpec, name), 6u);
  EXPECT_EQ(sizeof(DateTimeRec), 14u);
}

TEST(BaseTypes, FourCharCodesAreBigEndianCharacters) {
  EXPECT_EQ(VIGIL_FOUR_CHAR_CODE('M', 'A', 'C', 'S'), 0x4D414353u);
  EXPECT_EQ(VIGIL_FOUR_CHAR_CODE('-', '-', '-', '-'), 0x2D2D2D2Du);
}

}  // namespace
