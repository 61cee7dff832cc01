#include "platform/desktop/xdg_directories.hpp"

#include "platform/desktop/open_panel.hpp"

#include <cstdlib>

namespace vigil::desktop {
namespace {

// Relative paths are invalid in these variables and are ignored.
std::string HomeVariable(const char *name, const char *underHome) {
  const char *value = std::getenv(name);
  if (value != nullptr && value[0] == '/') return value;
  return HomeDirectory() + underHome;
}

std::vector<std::string> ListVariable(const char *name, const char *fallback) {
  const char *value = std::getenv(name);
  const std::string list = value != nullptr && *value != '\0' ? value : fallback;
  std::vector<std::string> folders;
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = list.find(':', start);
    if (end == std::string::npos) end = list.size();
    if (end > start && list[start] == '/') folders.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return folders;
}

}  // namespace

std::string ConfigHome() { return HomeVariable("XDG_CONFIG_HOME", "/.config"); }
std::vector<std::string> ConfigDirs() { return ListVariable("XDG_CONFIG_DIRS", "/etc/xdg"); }
std::string DataHome() { return HomeVariable("XDG_DATA_HOME", "/.local/share"); }
std::vector<std::string> DataDirs() {
  return ListVariable("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
}

std::vector<std::string> AllDataDirs() {
  std::vector<std::string> folders{DataHome()};
  for (std::string &folder : DataDirs()) folders.push_back(std::move(folder));
  return folders;
}

}  // namespace vigil::desktop
