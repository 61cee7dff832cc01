// The program without a display: runs watches until interrupted, printing their
// status lines and the changes they see; shows and saves settings documents.
#pragma once

#include "app/headless/headless_options.hpp"

#include <string>
#include <vector>

namespace vigil::app {

// Runs `vigil --headless|--show|--save ARGUMENTS...`; answers the exit status.
int RunHeadless(HeadlessCommand::Mode mode, const std::vector<std::string> &arguments);

}  // namespace vigil::app
