#include "platform/files/item_status.hpp"

#include "platform/core/result_codes.h"
#include "platform/files/errno_result.hpp"
#include "platform/files/file_manager_types.h"

#include <fcntl.h>

#include <cerrno>

namespace vigil::files {

OSErr ItemStatus(const std::string &path, struct stat *status) {
  if (lstat(path.c_str(), status) == 0) return noErr;
  return ResultFromErrno(errno);
}

timespec CreationTime(const std::string &path, const struct stat &status) {
  struct statx extended {};
  if (statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW, STATX_BTIME, &extended) == 0 &&
      (extended.stx_mask & STATX_BTIME) != 0) {
    return {static_cast<time_t>(extended.stx_btime.tv_sec),
            static_cast<long>(extended.stx_btime.tv_nsec)};
  }
  return status.st_mtim;
}

UInt16 ImpliedFinderFlags(std::string_view name, const struct stat &status) {
  UInt16 flags = 0;
  if (name.starts_with('.')) flags |= kIsInvisible;
  if (S_ISLNK(status.st_mode)) flags |= kIsAlias;
  return flags;
}

}  // namespace vigil::files
