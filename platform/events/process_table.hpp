// The running processes as /proc shows them.
#pragma once

#include "platform/core/base_types.h"

#include <sys/types.h>

#include <optional>
#include <string>

namespace vigil::events {

struct ProcessStatus {
  pid_t pid = 0;
  pid_t parent = 0;
  std::string name;      // the kernel's short name of the command
  UInt64 startTicks = 0; // clock ticks (sysconf(_SC_CLK_TCK)) since boot
  UInt64 cpuTicks = 0;   // user and system time, in clock ticks
};

// The status of a process, or nothing when it does not exist (any more).
std::optional<ProcessStatus> ReadProcessStatus(pid_t pid);

// The lowest process ID above after that exists, or nothing.
std::optional<pid_t> NextProcessID(pid_t after);

}  // namespace vigil::events
