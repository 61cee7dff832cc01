#include "platform/desktop/child_processes.hpp"

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
using namespace vigil::desktop;

std::string Script(const vigil::testing::TempFolder &temp, const std::string &name,
                   const std::string &body) {
  const std::string path = temp.File(name, "#!/bin/sh\n" + body);
  chmod(path.c_str(), 0755);
  return path;
}

TEST(ChildProcesses, FindsProgramsInPathThenInExtraFolders) {
  vigil::testing::TempFolder temp;
  const std::string tool = Script(temp, "bin/tool", "exit 0\n");
  temp.File("bin/not-executable", "");
  vigil::testing::ScopedEnvironment environment;
  environment.set("PATH", temp / "empty");
  EXPECT_EQ(FindProgram("tool"), std::nullopt);
  const std::string extra[] = {temp / "bin"};
  EXPECT_EQ(FindProgram("tool", extra), tool);
  EXPECT_EQ(FindProgram("not-executable", extra), std::nullopt);
  environment.set("PATH", temp / "bin");
  EXPECT_EQ(FindProgram("tool"), tool);
  EXPECT_EQ(FindProgram(tool), tool);
  EXPECT_EQ(FindProgram(""), std::nullopt);
}

TEST(ChildProcesses, RunsWithInputAndAnswersTheExitStatus) {
  vigil::testing::TempFolder temp;
  const std::string copy = Script(temp, "copy", "cat > \"$1\"\nexit 3\n");
  const std::string input(1 << 20, 'x');  // more than a socket buffer holds
  EXPECT_EQ(RunWithInput(copy, {"copy", temp / "out"}, input, 10s), 3);
  EXPECT_EQ(FileContents(temp / "out"), input);
  EXPECT_EQ(RunWithInput(temp / "missing", {"missing"}, "", 10s), std::nullopt);
}

TEST(ChildProcesses, AProgramOutOfTimeIsKilled) {
  vigil::testing::TempFolder temp;
  const std::string sleeper = Script(temp, "sleeper", "exec sleep 30\n");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(RunWithInput(sleeper, {"sleeper"}, "", 200ms), std::nullopt);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
  // A program that never reads its input while it is fed.
  EXPECT_EQ(RunWithInput(sleeper, {"sleeper"}, std::string(1 << 20, 'x'), 200ms), std::nullopt);
}

TEST(ChildProcesses, LaunchesDetachedWithoutWaiting) {
  vigil::testing::TempFolder temp;
  const std::string marker = temp / "marker";
  // The program keeps running; the launch returns once it was executed.
  const std::string slow =
      Script(temp, "slow", "pwd > \"$1.tmp\"; mv \"$1.tmp\" \"$1\"; exec sleep 5\n");
  ASSERT_TRUE(LaunchDetached(slow, {"slow", marker}, temp.Folder("work")));
  for (int i = 0; i < 500 && !std::filesystem::exists(marker); ++i) {
    std::this_thread::sleep_for(10ms);
  }
  EXPECT_EQ(FileContents(marker), temp / "work" + "\n");
  EXPECT_FALSE(LaunchDetached(temp / "missing", {"missing"}, ""));
  EXPECT_FALSE(LaunchDetached(temp.File("plain", "data"), {"plain"}, ""));
  EXPECT_FALSE(LaunchDetached(slow, {"slow", marker}, temp / "no-such-folder"));
}

}  // namespace
