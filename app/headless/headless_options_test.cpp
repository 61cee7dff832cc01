#include "app/headless/headless_options.hpp"
#include "app/headless/status_printer.hpp"

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vigil::app {
namespace {

TEST(HeadlessOptions, ReadsAWatch) {
  std::string error;
  const auto command = ParseHeadlessArguments(
      {"--folder", "/srv/in", "--interval", "2.5", "--unit", "minutes", "--moddate"}, &error);
  ASSERT_TRUE(command) << error;
  ASSERT_EQ(command->watches.size(), 1u);
  const WatchOptions &watch = command->watches[0];
  EXPECT_EQ(watch.folder, "/srv/in");
  EXPECT_EQ(watch.interval, "2.5");
  EXPECT_EQ(watch.unit, 1);
  EXPECT_FALSE(watch.count);
  EXPECT_TRUE(watch.modificationDate);

  const auto both = ParseHeadlessArguments({"--folder", "x"}, &error);
  ASSERT_TRUE(both);
  EXPECT_TRUE(both->watches[0].count && both->watches[0].modificationDate);
}

TEST(HeadlessOptions, FaultsNameTheArgument) {
  struct Case {
    std::vector<std::string> arguments;
    const char *named;
  } const cases[] = {
      {{"--folder"}, "--folder"},
      {{"--folder", "x", "--interval", "0"}, "--interval"},
      {{"--folder", "x", "--interval", "10s"}, "10s"},
      {{"--folder", "x", "--interval", "-1"}, "-1"},
      {{"--folder", "x", "--unit", "days"}, "days"},
      {{"--folder", "x", "--frobnicate"}, "--frobnicate"},
      {{"--count"}, "--folder"},
  };
  for (const Case &c : cases) {
    std::string error;
    EXPECT_FALSE(ParseHeadlessArguments(c.arguments, &error));
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
