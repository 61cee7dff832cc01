#include "lib/text/obscenity.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(Obscenity, FirstListedWordDecides) {
  const char classic[] = "a classic";
  EXPECT_EQ(TextContainsObscenities(classic, std::strlen(classic)), classic + 4);
  EXPECT_EQ(TextContainsObscenities("hello", 5), nullptr);
  // 'ass' comes before 'damn' in the list, so it wins though it occurs later.
  const char both[] = "damn grass";
  EXPECT_EQ(TextContainsObscenities(both, std::strlen(both)), both + 7);
  const char upper[] = "SEXTANT";
  EXPECT_EQ(TextContainsObscenities(upper, std::strlen(upper)), upper);
  EXPECT_EQ(TextContainsObscenities(nullptr, 0), nullptr);
}

}  // namespace
