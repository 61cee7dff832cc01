#include "platform/desktop/desktop_entries.hpp"

#include "tests/support/temp_folder.hpp"

#include <gtest/gtest.h>

namespace {

using namespace vigil::desktop;
using Arguments = std::vector<std::string>;

TEST(DesktopEntries, ReadsTheDesktopEntryGroupOnly) {
  vigil::testing::TempFolder temp;
  const std::string path = temp.File("viewer.desktop",
                                     "# comment\n"
                                     "[Desktop Entry]\n"
                                     "Type=Application\n"
                                     "Name=Viewer\n"
                                     "Name[fr]=Visionneuse\n"
                                     "Exec = viewer\\s--new %f\n"
                                     "MimeType=text/plain;image/png;\n"
                                     "[Desktop Action Other]\n"
                                     "Exec=other\n");
  const auto entry = ReadDesktopEntry(path);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->name, "Viewer");
  EXPECT_EQ(entry->exec, "viewer --new %f");
  EXPECT_EQ(entry->mimeTypes, (Arguments{"text/plain", "image/png"}));
  EXPECT_TRUE(IsLaunchable(*entry));
  EXPECT_FALSE(ReadDesktopEntry(temp.File("no-group.desktop", "Exec=x\n")));
  EXPECT_FALSE(ReadDesktopEntry(temp / "missing.desktop"));

  DesktopEntry hidden = *entry;
  hidden.hidden = true;
  DesktopEntry link = *entry;
  link.type = "Link";
  DesktopEntry notInstalled = *entry;
  notInstalled.tryExec = "no-such-program-vigil";
  for (const DesktopEntry &refused : {hidden, link, notInstalled}) {
    EXPECT_FALSE(IsLaunchable(refused));
  }
}

TEST(DesktopEntries, ExecExpansion) {
  DesktopEntry entry;
  entry.path = "/usr/share/applications/viewer.desktop";
  entry.name = "Viewer";
  entry.icon = "viewer-icon";
  const std::string file = "/home/me/a b.txt";
  struct Case {
    const char *exec;
    std::optional<Arguments> expected;
  } cases[] = {
      {"viewer %f", Arguments{"viewer", file}},
      {"viewer %F", Arguments{"viewer", file}},
      {"viewer %U", Arguments{"viewer", "file:///home/me/a%20b.txt"}},
      {"viewer", Arguments{"viewer", file}},  // no field code: the file goes last
      {"viewer --open=%f", Arguments{"viewer", "--open=" + file}},
      {"viewer %i %c %k %% %f", Arguments{"viewer", "--icon", "viewer-icon", "Viewer", entry.path,
                                          "%", file}},
      {"viewer %d %n %v %f", Arguments{"viewer", file}},  // deprecated codes vanish
      {"\"/opt/my app/run\" \"%f\" %f", Arguments{"/opt/my app/run", "%f", file}},
      {R"(sh -c "echo \"\$1\" \\ \`x\`" %f)", Arguments{"sh", "-c", R"(echo "$1" \ `x`)", file}},
      {"viewer \"unterminated %f", std::nullopt},
      {"", std::nullopt},
      {"%f", Arguments{file}},
  };
  for (const Case &c : cases) {
    entry.exec = c.exec;
    EXPECT_EQ(ExpandExec(entry, file), c.expected) << c.exec;
  }
}

}  // namespace
