#include "app/headless/headless_options.hpp"
#include "app/headless/status_printer.hpp"

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vigil::app {
namespace {

using Mode = HeadlessCommand::Mode;

// The window a command's settings make of the layout's values.
StoredWindow Applied(const HeadlessCommand &command) {
  StoredWindow window;
  for (const WindowEdit &edit : command.edits) edit(window);
  return window;
}

TEST(HeadlessOptions, SettingsBecomeTheWindowsValues) {
  std::string error;
  const auto command = ParseHeadlessArguments(
      Mode::kSave,
      {"doc.vigil", "--folder", "/srv/in", "--interval", "2.5", "--unit", "hours", "--no-count",
       "--beep", "--email", "me@example.org", "--message", "hi", "--reveal", "--stop", "--open",
       "/a", "--open", "/b", "--start-when-opened"},
      &error);
  ASSERT_TRUE(command) << error;
  EXPECT_EQ(command->documents, std::vector<std::string>{"doc.vigil"});
  const StoredWindow window = Applied(*command);
  EXPECT_EQ(window.folderPath.stringValue(), "/srv/in");
  EXPECT_EQ(window.interval.stringValue(), "2.5");
  EXPECT_EQ(window.intervalUnits.indexOfSelectedItem(), 2);
  EXPECT_EQ(window.checkItemCount.state(), 0);
  EXPECT_EQ(window.checkModificationDate.state(), 1) << "the layout's value stays";
  EXPECT_EQ(window.beep.state(), 1);
  EXPECT_EQ(window.sendEMail.state(), 1);
  EXPECT_EQ(window.eMailAddress.stringValue(), "me@example.org");
  EXPECT_EQ(window.eMailMessage.stringValue(), "hi");
  EXPECT_EQ(window.revealTarget.state(), 1);
  EXPECT_EQ(window.stopChecking.state(), 1);
  EXPECT_EQ(window.openFiles.state(), 1);
  EXPECT_EQ(window.openFilePath1.stringValue(), "/a");
  EXPECT_EQ(window.openFilePath2.stringValue(), "/b");
  EXPECT_EQ(window.startWhenOpened.state(), 1);

  const auto off = ParseHeadlessArguments(Mode::kSave, {"d", "--no-email", "--no-open"}, &error);
  ASSERT_TRUE(off);
  StoredWindow on;
  on.sendEMail.setState(1);
  on.openFiles.setState(1);
  for (const WindowEdit &edit : off->edits) edit(on);
  EXPECT_EQ(on.sendEMail.state(), 0);
  EXPECT_EQ(on.openFiles.state(), 0);
}

TEST(HeadlessOptions, FaultsNameTheArgument) {
  struct Case {
    Mode mode;
    std::vector<std::string> arguments;
    const char *named;
  } const cases[] = {
      {Mode::kRun, {"--folder"}, "--folder"},
      {Mode::kRun, {"--folder", "x", "--interval", "0"}, "--interval"},
      {Mode::kRun, {"--folder", "x", "--interval", "10s"}, "10s"},
      {Mode::kRun, {"--folder", "x", "--interval", "-1"}, "-1"},
      {Mode::kRun, {"--folder", "x", "--unit", "days"}, "days"},
      {Mode::kRun, {"--folder", "x", "--frobnicate"}, "--frobnicate"},
      {Mode::kRun, {"--count"}, "--folder"},
      {Mode::kRun, {"--folder", "x", "--open", "a", "--open", "b", "--open", "c"}, "--open"},
      {Mode::kShow, {}, "--show"},
      {Mode::kShow, {"a.vigil", "--beep"}, "--show"},
      {Mode::kSave, {"a.vigil", "b.vigil"}, "--save"},
  };
  for (const Case &c : cases) {
    std::string error;
    EXPECT_FALSE(ParseHeadlessArguments(c.mode, c.arguments, &error));
    EXPECT_NE(error.find(c.named), std::string::npos) << error;
  }
}

TEST(StatusPrinter, CountdownInPlaceOnATerminalOnlyAndChangesDescribed) {
  for (bool terminal : {true, false}) {
    char *buffer = nullptr;
    size_t size = 0;
    std::FILE *out = open_memstream(&buffer, &size);
    StatusPrinter printer(out, terminal, "");
    printer.status("Next check in 10 seconds.", true);
    printer.status("Next check in 10 seconds.", false);
    printer.status("Next check in 9 seconds.", true);
    printer.change({"/w", true, 3, true, false});
    printer.finish();
    std::fclose(out);
    const std::string text(buffer, size);
    free(buffer);
    EXPECT_EQ(text.find("9 seconds") != std::string::npos, terminal) << text;
    EXPECT_NE(text.find("Change in /w: it now holds 3 items; its modification date changed."),
              std::string::npos)
        << text;
  }
  EXPECT_EQ(DescribeChange({"/w", false, 0, false, true}),
            "Change in /w: the folder is missing or no longer a folder.");
}

}  // namespace
}  // namespace vigil::app
