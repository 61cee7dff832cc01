// Opening files with their default applications, configured the freedesktop.org
// way in a data home of the test's own, with a handler that records its files.
#include "platform/desktop/workspace.hpp"
#include "tests/support/file_contents.hpp"
#include "tests/support/scoped_environment.hpp"
#include "tests/support/temp_folder.hpp"

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

namespace {

using vigil::testing::FileContents;
using namespace std::chrono_literals;

class DefaultApplications : public ::testing::Test {
 protected:
  DefaultApplications() {
    environment_.set("XDG_DATA_HOME", temp_ / "data")
        .set("XDG_DATA_DIRS", temp_.Folder("system"))
        .set("XDG_CONFIG_HOME", temp_.Folder("config"))
        .set("XDG_CONFIG_DIRS", temp_.Folder("system-config"))
        .set("XDG_CURRENT_DESKTOP", std::nullopt);
    temp_.File("data/mime/globs2",
               "50:application/x-vigil-report:*.vreport\n"
               "50:application/x-vigil-orphan:*.orphan\n");
    // The handler records its argument, then stays open like a GUI program.
    const std::string handler = temp_.File(
        "bin/record-handler",
        "#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"" + temp_ / "opened.tmp" + "\"\n"
        "mv \"" + temp_ / "opened.tmp" + "\" \"" + temp_ / "opened" + "\"\nexec sleep 1\n");
    chmod(handler.c_str(), 0755);
    temp_.File("data/applications/vigil-recorder.desktop",
               "[Desktop Entry]\nType=Application\nName=Recorder\nExec=\"" + handler +
                   "\" %f\nMimeType=application/x-vigil-report;\n");
    temp_.File("config/mimeapps.list",
               "[Default Applications]\napplication/x-vigil-report=vigil-recorder.desktop\n");
  }

  // What the handler was asked to open, once it has run.
  std::string Opened() {
    for (int i = 0; i < 500 && !std::filesystem::exists(temp_ / "opened"); ++i) {
      std::this_thread::sleep_for(10ms);
    }
    return FileContents(temp_ / "opened");
  }

  vigil::testing::TempFolder temp_;
  vigil::testing::ScopedEnvironment environment_;
  vigil::desktop::FreedesktopWorkspace workspace_;
};

TEST_F(DefaultApplications, OpensTheFileWithItsHandler) {
  const std::string report = temp_.File("files/week 1.vreport", "numbers");
  ASSERT_TRUE(workspace_.openFile(report));
  EXPECT_EQ(Opened(), report + "\n");
}

TEST_F(DefaultApplications, RelativePathsOpenAsAbsoluteOnes) {
  temp_.File("files/relative.vreport");
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(temp_ / "files");
  const bool opened = workspace_.openFile("relative.vreport");
  std::filesystem::current_path(previous);
  ASSERT_TRUE(opened);
  EXPECT_EQ(Opened(), temp_ / "files/relative.vreport" + "\n");
}

TEST_F(DefaultApplications, NothingToOpenWith) {
  EXPECT_FALSE(workspace_.openFile(temp_.File("files/lonely.orphan", "\x01\x02")));
  EXPECT_FALSE(workspace_.openFile(temp_ / "files/missing.vreport"));
  EXPECT_FALSE(workspace_.openFile(""));
  // A handler whose program is gone cannot open anything.
  std::filesystem::remove(temp_ / "bin/record-handler");
  EXPECT_FALSE(workspace_.openFile(temp_.File("files/week 2.vreport")));
  EXPECT_FALSE(std::filesystem::exists(temp_ / "opened"));
}

}  // namespace
