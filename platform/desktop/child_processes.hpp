// Running other programs: waited for with a deadline, or started detached.
#pragma once

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vigil::desktop {

// The executable file of a program: a name holding '/' is taken as it is,
// others are looked for in the folders of PATH, then in extraFolders.
std::optional<std::string> FindProgram(std::string_view name,
                                       std::span<const std::string> extraFolders = {});

// Runs a program (arguments[0] is its name for itself) with input on its
// standard input, and waits for it to end. The program is killed when it has
// not ended by the time-out. Answers its exit status when it ended by itself,
// nothing when it could not be started, was killed or was out of time.
std::optional<int> RunWithInput(const std::string &program,
                                const std::vector<std::string> &arguments,
                                std::string_view input, std::chrono::milliseconds timeout);

// Starts a program detached: in a session of its own, not our child (we never
// wait for it), standard input from /dev/null, in workingDirectory when not
// empty. True when the program was executed; false when it could not be.
bool LaunchDetached(const std::string &program, const std::vector<std::string> &arguments,
                    const std::string &workingDirectory);

}  // namespace vigil::desktop
