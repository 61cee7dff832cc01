#include "platform/desktop/default_applications.hpp"

#include "platform/desktop/mime_types.hpp"
#include "platform/desktop/xdg_directories.hpp"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

namespace vigil::desktop {
namespace {

using AssociationGroup = std::map<std::string, std::vector<std::string>>;

struct MimeAppsList {
  AssociationGroup defaults;
  AssociationGroup added;
  AssociationGroup removed;
};

MimeAppsList ReadMimeAppsList(const std::string &path) {
  MimeAppsList list;
  AssociationGroup *group = nullptr;
  std::ifstream file(path);
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '[') {
      group = line == "[Default Applications]"  ? &list.defaults
              : line == "[Added Associations]"  ? &list.added
              : line == "[Removed Associations]" ? &list.removed
                                                 : nullptr;
      continue;
    }
    const size_t equals = line.find('=');
    if (group != nullptr && equals != std::string::npos) {
      auto &ids = (*group)[line.substr(0, equals)];
      for (std::string &id : SplitStringList(line.substr(equals + 1))) ids.push_back(std::move(id));
    }
  }
  return list;
}

// The names of the current desktop, lower case ("gnome", "kde"...).
std::vector<std::string> CurrentDesktops() {
  const char *value = std::getenv("XDG_CURRENT_DESKTOP");
  std::string names = value != nullptr ? value : "";
  std::replace(names.begin(), names.end(), ':', ';');
  std::vector<std::string> desktops = SplitStringList(names);
  for (std::string &desktop : desktops) {
    std::transform(desktop.begin(), desktop.end(), desktop.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  }
  return desktops;
}

std::vector<MimeAppsList> MimeAppsLists() {
  std::vector<std::string> folders{ConfigHome()};
  for (std::string &folder : ConfigDirs()) folders.push_back(std::move(folder));
  for (const std::string &folder : AllDataDirs()) folders.push_back(folder + "/applications");
  const std::vector<std::string> desktops = CurrentDesktops();
  std::vector<MimeAppsList> lists;
  for (const std::string &folder : folders) {
    for (const std::string &desktop : desktops) {
      lists.push_back(ReadMimeAppsList(folder + "/" + desktop + "-mimeapps.list"));
    }
    lists.push_back(ReadMimeAppsList(folder + "/mimeapps.list"));
  }
  return lists;
}

// The launchable entry of a desktop file ID: "vendor-app.desktop" is looked
// for as it is, then as "vendor/app.desktop", in each applications folder.
std::optional<DesktopEntry> InstalledEntry(const std::string &id) {
  std::vector<std::string> names{id};
  if (const size_t dash = id.find('-'); dash != std::string::npos) {
    names.push_back(id.substr(0, dash) + "/" + id.substr(dash + 1));
  }
  for (const std::string &folder : AllDataDirs()) {
    for (const std::string &name : names) {
      auto entry = ReadDesktopEntry(folder + "/applications/" + name);
      if (entry) return IsLaunchable(*entry) ? entry : std::nullopt;
    }
  }
  return std::nullopt;
}

// Every desktop file ID of the applications folders, most important first.
std::vector<std::string> AllDesktopFileIds() {
  std::vector<std::string> ids;
  std::set<std::string> seen;
  for (const std::string &folder : AllDataDirs()) {
    const std::filesystem::path applications = folder + "/applications";
    std::error_code error;
    std::vector<std::string> found;
    for (std::filesystem::recursive_directory_iterator it(applications, error), end;
         !error && it != end; it.increment(error)) {
      if (it->path().extension() != ".desktop") continue;
      std::string id = it->path().lexically_relative(applications).string();
      std::replace(id.begin(), id.end(), '/', '-');
      found.push_back(std::move(id));
    }
    std::sort(found.begin(), found.end());
    for (std::string &id : found) {
      if (seen.insert(id).second) ids.push_back(std::move(id));
    }
  }
  return ids;
}

std::optional<DesktopEntry> ApplicationForExactType(const std::string &type,
                                                    const std::vector<MimeAppsList> &lists) {
  for (const MimeAppsList &list : lists) {
    if (const auto ids = list.defaults.find(type); ids != list.defaults.end()) {
      for (const std::string &id : ids->second) {
        if (auto entry = InstalledEntry(id)) return entry;
      }
    }
  }
  std::set<std::string> removed;
  for (const MimeAppsList &list : lists) {
    if (const auto ids = list.removed.find(type); ids != list.removed.end()) {
      removed.insert(ids->second.begin(), ids->second.end());
    }
    if (const auto ids = list.added.find(type); ids != list.added.end()) {
      for (const std::string &id : ids->second) {
        if (removed.contains(id)) continue;
        if (auto entry = InstalledEntry(id)) return entry;
      }
    }
  }
  for (const std::string &id : AllDesktopFileIds()) {
    if (removed.contains(id)) continue;
    auto entry = InstalledEntry(id);
    if (entry && std::find(entry->mimeTypes.begin(), entry->mimeTypes.end(), type) !=
                     entry->mimeTypes.end()) {
      return entry;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<DesktopEntry> DefaultApplicationFor(const std::string &mimeType) {
  const std::vector<MimeAppsList> lists = MimeAppsLists();
  if (auto entry = ApplicationForExactType(mimeType, lists)) return entry;
  for (const std::string &parent : MimeTypeParents(mimeType)) {
    if (auto entry = ApplicationForExactType(parent, lists)) return entry;
  }
  return std::nullopt;
}

}  // namespace vigil::desktop
