#include "platform/desktop/preferences.hpp"

#include "tests/support/file_contents.hpp"
#include "tests/support/scoped_environment.hpp"
#include "tests/support/temp_folder.hpp"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace {

using vigil::testing::FileContents;

using vigil::desktop::Preferences;
using vigil::testing::TempFolder;

TEST(Preferences, PathFollowsTheConfigHome) {
  vigil::testing::ScopedEnvironment environment;
  environment.set("XDG_CONFIG_HOME", "/somewhere/config");
  EXPECT_EQ(Preferences::DefaultPath(), "/somewhere/config/vigil/vigil.ini");
  environment.set("XDG_CONFIG_HOME", std::nullopt).set("HOME", "/home/someone");
  EXPECT_EQ(Preferences::DefaultPath(), "/home/someone/.config/vigil/vigil.ini");
}

TEST(Preferences, ReadsSetsAndKeepsWhatItDoesNotChange) {
  TempFolder temp;
  const std::string path = temp.File("vigil.ini",
                                     "# written by hand\n"
                                     "[mail]\n"
                                     "server =  smtp://mail.example.org:587  \n"
                                     "; a comment\n"
                                     "from=me@example.org\n"
                                     "\n"
                                     "[other]\n"
                                     "server = elsewhere\n");
  Preferences preferences(path);
  EXPECT_EQ(preferences.get("mail", "server"), "smtp://mail.example.org:587");
  EXPECT_EQ(preferences.get("other", "server"), "elsewhere");
  EXPECT_EQ(preferences.get("mail", "password"), std::nullopt);
  EXPECT_EQ(preferences.get("nothing", "server"), std::nullopt);

  EXPECT_TRUE(preferences.set("mail", "from", "you@example.org"));
  EXPECT_TRUE(preferences.set("mail", "timeout", "10"));
  EXPECT_TRUE(preferences.set("new", "key", "a = b"));
  ASSERT_TRUE(preferences.save());
  EXPECT_EQ(FileContents(path),
            "# written by hand\n"
            "[mail]\n"
            "server =  smtp://mail.example.org:587  \n"
            "; a comment\n"
            "from = you@example.org\n"
            "timeout = 10\n"
            "\n"
            "[other]\n"
            "server = elsewhere\n"
            "\n"
            "[new]\n"
            "key = a = b\n");
  EXPECT_EQ(Preferences(path).get("new", "key"), "a = b");
}

TEST(Preferences, RefusesWhatWouldReadBackDifferently) {
  TempFolder temp;
  Preferences preferences(temp / "vigil.ini");
  EXPECT_FALSE(preferences.set("mail", "from", "a@b.c\n[mail]\nserver = smtp://evil"));
  EXPECT_FALSE(preferences.set("mail", "fr\rom", "x"));
  EXPECT_FALSE(preferences.set("ma]il", "from", "x"));
  EXPECT_FALSE(preferences.set("mail", "a=b", "x"));
  EXPECT_FALSE(preferences.set("mail", "", "x"));
  EXPECT_FALSE(preferences.set("", "key", "x"));
  EXPECT_FALSE(preferences.set("mail", "#key", "x"));
  EXPECT_EQ(preferences.get("mail", "server"), std::nullopt);
}

TEST(Preferences, SavesAtomicallyForItsOwnerOnly) {
  TempFolder temp;
  const std::string path = temp / "config/vigil/vigil.ini";
  Preferences preferences(path);
  ASSERT_TRUE(preferences.set("mail", "password", "secret"));
  ASSERT_TRUE(preferences.save());
  struct stat status {};
  ASSERT_EQ(stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0600u);
  EXPECT_EQ(Preferences(path).get("mail", "password"), "secret");
  // Only the file itself is left in its folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp / "config/vigil"),
                          std::filesystem::directory_iterator()),
            1);

  // A folder that cannot be written keeps the old file as it was.
  if (geteuid() != 0) {
    std::filesystem::permissions(temp / "config/vigil", std::filesystem::perms::owner_read |
                                                            std::filesystem::perms::owner_exec);
    ASSERT_TRUE(preferences.set("mail", "password", "changed"));
    EXPECT_FALSE(preferences.save());
    EXPECT_EQ(Preferences(path).get("mail", "password"), "secret");
  }
  // A path whose folder cannot be made.
  EXPECT_FALSE(Preferences(temp.File("plain") + "/vigil.ini").save());
}

}  // namespace
