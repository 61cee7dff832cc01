#include "platform/desktop/default_applications.hpp"
#include "platform/desktop/mime_types.hpp"

#include "tests/support/scoped_environment.hpp"
#include "tests/support/temp_folder.hpp"

#include <gtest/gtest.h>

namespace {

using namespace vigil::desktop;

// A desktop of its own: data and config folders in a temporary folder, none of
// the machine's.
class PrivateDesktop : public ::testing::Test {
 protected:
  PrivateDesktop() {
    environment_.set("XDG_DATA_HOME", temp_ / "data-home")
        .set("XDG_DATA_DIRS", temp_ / "data-dir")
        .set("XDG_CONFIG_HOME", temp_ / "config-home")
        .set("XDG_CONFIG_DIRS", temp_ / "config-dir")
        .set("XDG_CURRENT_DESKTOP", "Test:Other");
    temp_.File("data-dir/mime/globs2",
               "50:text/plain:*.txt\n"
               "50:text/x-csrc:*.c\n"
               "50:text/x-csrc:*.C:cs\n"
               "10:application/x-backup:*~\n"
               "80:application/x-trash:*.txt~\n"
               "50:application/x-tar:*.tar\n"
               "50:application/x-compressed-tar:*.tar.gz\n"
               "50:text/x-makefile:makefile\n");
    temp_.File("data-dir/mime/subclasses", "text/x-csrc text/plain\n");
  }

  void App(const std::string &id, const std::string &mimeTypes, const std::string &folder = "data-dir") {
    temp_.File(folder + "/applications/" + id,
               "[Desktop Entry]\nType=Application\nName=" + id + "\nExec=true %f\nMimeType=" +
                   mimeTypes + "\n");
  }

  std::string DefaultFor(const std::string &type) {
    const auto entry = DefaultApplicationFor(type);
    return entry ? entry->name : "none";
  }

  vigil::testing::TempFolder temp_;
  vigil::testing::ScopedEnvironment environment_;
};

TEST_F(PrivateDesktop, TypesByNameThenByContents) {
  struct Case {
    const char *name;
    const char *contents;
    const char *type;
  } cases[] = {
      {"notes.txt", "", "text/plain"},
      {"NOTES.TXT", "", "text/plain"},          // patterns ignore case...
      {"main.C", "", "text/x-csrc"},            // ...unless marked case-sensitive
      {"notes.txt~", "", "application/x-trash"},  // the higher weight wins
      {"a.tar.gz", "", "application/x-compressed-tar"},  // then the longer pattern
      {"Makefile", "", "text/x-makefile"},
      {"readme", "just words\n", "text/plain"},
      {"blob", "\x01\x02\x03", "application/octet-stream"},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(MimeTypeOfFile(temp_.File(std::string("files/") + c.name, c.contents)), c.type)
        << c.name;
  }
  EXPECT_EQ(MimeTypeOfFile(temp_.Folder("files/folder")), "inode/directory");
  EXPECT_EQ(MimeTypeParents("text/x-csrc"), (std::vector<std::string>{"text/plain"}));
  EXPECT_EQ(MimeTypeParents("text/html"), (std::vector<std::string>{"text/plain"}));
  EXPECT_TRUE(MimeTypeParents("image/png").empty());
}

TEST_F(PrivateDesktop, DefaultsComeFirstInOrderOfImportance) {
  App("editor.desktop", "text/plain;");
  App("viewer.desktop", "text/plain;");
  App("vendor/tool.desktop", "");
  EXPECT_EQ(DefaultFor("text/plain"), "editor.desktop");  // declared types, by name

  temp_.File("data-dir/applications/mimeapps.list",
             "[Default Applications]\ntext/plain=missing.desktop;viewer.desktop\n");
  EXPECT_EQ(DefaultFor("text/plain"), "viewer.desktop");  // the first installed default
  temp_.File("config-home/test-mimeapps.list",
             "[Default Applications]\ntext/plain=vendor-tool.desktop\n");
  EXPECT_EQ(DefaultFor("text/plain"), "vendor/tool.desktop");  // the desktop's own list wins

  // A hidden entry in the data home hides the system's entry of the same ID.
  temp_.File("data-home/applications/vendor-tool.desktop",
             "[Desktop Entry]\nType=Application\nExec=true\nHidden=true\n");
  EXPECT_EQ(DefaultFor("text/plain"), "viewer.desktop");
}

TEST_F(PrivateDesktop, AssociationsParentsAndRemovals) {
  App("editor.desktop", "text/plain;");
  App("viewer.desktop", "");
  temp_.File("config-home/mimeapps.list",
             "[Added Associations]\nimage/png=viewer.desktop;\n"
             "[Removed Associations]\ntext/plain=editor.desktop;\n");
  EXPECT_EQ(DefaultFor("image/png"), "viewer.desktop");
  EXPECT_EQ(DefaultFor("text/plain"), "none");
  EXPECT_EQ(DefaultFor("application/x-nothing"), "none");

  temp_.File("config-home/mimeapps.list", "");
  EXPECT_EQ(DefaultFor("text/x-csrc"), "editor.desktop");  // through its parent type
}

}  // namespace
