// Desktop entries (freedesktop.org .desktop files) of applications: what they
// say, and the command line their Exec key makes for a file.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vigil::desktop {

struct DesktopEntry {
  std::string path;  // the .desktop file
  std::string type;
  std::string name;
  std::string icon;
  std::string exec;
  std::string tryExec;
  std::string workingDirectory;  // the Path key
  bool hidden = false;
  std::vector<std::string> mimeTypes;
};

// The items of a list value ("a;b;c;"), empty ones left out.
std::vector<std::string> SplitStringList(const std::string &value);

// The [Desktop Entry] group of a file (unlocalized keys; string escapes such as
// \s and \n undone); nothing when the file cannot be read or has no such group.
std::optional<DesktopEntry> ReadDesktopEntry(const std::string &path);

// An application that can be run: Type=Application, not hidden, with an Exec
// key, and its TryExec program (when given) installed.
bool IsLaunchable(const DesktopEntry &entry);

// The command line of the entry's Exec key for one file: arguments split as the
// entry format quotes them, field codes replaced (%f %F by the path, %u %U by
// its file URI, %i by --icon and the icon, %c by the name, %k by the entry's
// file, %% by %; the deprecated ones dropped), and the path added at the end
// when the key names no file. Nothing when the key is malformed or empty.
std::optional<std::vector<std::string>> ExpandExec(const DesktopEntry &entry,
                                                   const std::string &filePath);

}  // namespace vigil::desktop
