// The command line of the program without a display: running watches, showing
// a settings document and saving one.
#pragma once

#include "app/stored_window.hpp"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vigil::app {

// One settings option, applied to a document's window.
using WindowEdit = std::function<void(StoredWindow &)>;

struct HeadlessCommand {
  enum class Mode { kRun, kShow, kSave };
  Mode mode = Mode::kRun;
  std::vector<std::string> documents;
  std::vector<WindowEdit> edits;
  bool folderGiven = false;
};

// Parses the arguments after the mode's own option (--headless, --show or
// --save). On a fault, answers nothing and sets error to a message that names
// the bad argument.
std::optional<HeadlessCommand> ParseHeadlessArguments(HeadlessCommand::Mode mode,
                                                      const std::vector<std::string> &arguments,
                                                      std::string *error);

std::string HeadlessUsage();

}  // namespace vigil::app
