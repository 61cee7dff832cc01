#include "platform/desktop/file_existence.hpp"

#include <sys/stat.h>

#include <string>

namespace vigil::desktop {

bool FileExistsAtPath(std::string_view path, bool *isDirectory) {
  if (path.empty() || path.find('\0') != std::string_view::npos) return false;
  struct stat status {};
  if (stat(std::string(path).c_str(), &status) != 0) return false;
  if (isDirectory != nullptr) *isDirectory = S_ISDIR(status.st_mode);
  return true;
}

}  // namespace vigil::desktop
