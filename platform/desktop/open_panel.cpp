#include "platform/desktop/open_panel.hpp"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace vigil::desktop {

std::string HomeDirectory() {
  if (const char *home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  if (const passwd *entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
    return entry->pw_dir;
  }
  return "/";
}

}  // namespace vigil::desktop
