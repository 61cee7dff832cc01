// The program without a display: runs watches from the command line until
// interrupted, printing their status lines and the changes they see.
#pragma once

#include <string>
#include <vector>

namespace vigil::app {

// Runs `vigil --headless ARGUMENTS...`; answers the process's exit status.
int RunHeadless(const std::vector<std::string> &arguments);

}  // namespace vigil::app
