#include "platform/desktop/controls.hpp"
#include "platform/desktop/file_existence.hpp"
#include "platform/desktop/localized_strings.hpp"
#include "tests/support/temp_folder.hpp"

#include <cmath>
#include <filesystem>

#include <gtest/gtest.h>

namespace {

using namespace vigil::desktop;

TEST(DecimalValueOf, ReadsTheLeadingNumber) {
  struct Case {
    const char *text;
    double value;
  } const cases[] = {
      {"5", 5},       {"  1.5", 1.5}, {"-3", -3},     {"0.5 minutes", 0.5}, {"2e1", 20},
      {"2e", 2},      {".25", 0.25},  {"abc", 0},     {"", 0},              {"-", 0},
      {"inf", 0},     {"nan", 0},     {"0x10", 0},    {"+7.", 7},           {"1,5", 1},
  };
  for (const Case &c : cases) EXPECT_EQ(DecimalValueOf(c.text), c.value) << c.text;
  EXPECT_TRUE(std::isinf(DecimalValueOf("1e999")));
}

TEST(Formatting, OneMatchingConversionOrTheTextAsItStands) {
  EXPECT_EQ(FormatWithDouble("Next check in %.0f seconds.", 90.0), "Next check in 90 seconds.");
  EXPECT_EQ(FormatWithInteger("Next check in %d seconds.", -2), "Next check in -2 seconds.");
  EXPECT_EQ(FormatWithString("The folder %@ has changed.", "/tmp/a"), "The folder /tmp/a has changed.");
  EXPECT_EQ(FormatWithString("%1$s: 100%%", "x"), "x: 100%");
  // Formats that do not fit their argument are never handed to printf.
  for (const char *bad : {"%s %s", "%n", "%d", "no conversion", "%", "%*d", "%9999s", "%.9999s"}) {
    EXPECT_EQ(FormatWithString(bad, "x"), bad);
  }
  EXPECT_EQ(FormatWithInteger("%s", 3), "%s");
  EXPECT_EQ(FormatWithDouble("%d", 3.0), "%d");
}

TEST(LocalizedString, IdentifierKeysHaveEnglishTextsAndOtherKeysShowThemselves) {
  EXPECT_EQ(LocalizedString("NextCheckInXSeconds"), "Next check in %d seconds.");
  EXPECT_EQ(LocalizedString("OKButton"), "OK");
  for (const char *key : {"ChooseFolderToMonitor", "FolderChanged", "ModDateDifferent",
                          "ItemCountDifferent", "VerifyEmailSettings"}) {
    EXPECT_NE(LocalizedString(key), key);
  }
  EXPECT_EQ(LocalizedString("Stopped by user."), "Stopped by user.");
  EXPECT_EQ(LocalizedString(""), "");
}

TEST(FileExistsAtPath, FollowsLinksAndTellsFolders) {
  vigil::testing::TempFolder temp;
  const std::string file = temp.File("f");
  std::filesystem::create_directory_symlink(temp.path(), temp / "link");
  bool isDirectory = false;
  EXPECT_TRUE(FileExistsAtPath(file, &isDirectory));
  EXPECT_FALSE(isDirectory);
  EXPECT_TRUE(FileExistsAtPath(temp / "link", &isDirectory));
  EXPECT_TRUE(isDirectory);
  EXPECT_FALSE(FileExistsAtPath(temp / "missing", &isDirectory));
  EXPECT_FALSE(FileExistsAtPath("", nullptr));
}

}  // namespace
