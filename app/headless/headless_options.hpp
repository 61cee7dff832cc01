// The command line of the program without a display.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vigil::app {

struct WatchOptions {
  std::string folder;
  std::string interval = "10";
  int unit = 0;  // 0 seconds, 1 minutes, 2 hours
  bool count = false;
  bool modificationDate = false;
};

struct HeadlessCommand {
  std::vector<WatchOptions> watches;
};

// Parses the arguments after --headless. On a fault, answers nothing and sets
// error to a message that names the bad argument.
std::optional<HeadlessCommand> ParseHeadlessArguments(const std::vector<std::string> &arguments,
                                                      std::string *error);

// The usage text.
std::string HeadlessUsage();

}  // namespace vigil::app
