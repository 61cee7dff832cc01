// What the file manager reads of an item from POSIX: its status, its creation
// time where the file system records one, and its flags as the platform showed them.
#pragma once

#include "platform/core/base_types.h"

#include <sys/stat.h>

#include <ctime>
#include <string>
#include <string_view>

namespace vigil::files {

// lstat with the file manager's result code.
OSErr ItemStatus(const std::string &path, struct stat *status);

// The creation (birth) time of an item, or its modification time when the file
// system keeps no birth time.
timespec CreationTime(const std::string &path, const struct stat &status);

// Finder flags implied by POSIX: invisible for names starting with '.', alias
// for symbolic links.
UInt16 ImpliedFinderFlags(std::string_view name, const struct stat &status);

// Locked: the owner's write bit is clear.
inline bool IsLocked(const struct stat &status) { return (status.st_mode & S_IWUSR) == 0; }

// Nanoseconds since 1970 UTC.
inline SInt64 Nanoseconds(const timespec &when) {
  return static_cast<SInt64>(when.tv_sec) * 1'000'000'000 + when.tv_nsec;
}

}  // namespace vigil::files
