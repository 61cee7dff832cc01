// The application's preferences: an INI file of sections and "key = value"
// lines, $XDG_CONFIG_HOME/vigil/vigil.ini. Lines it does not change (comments,
// other keys) are kept as they are when the file is saved.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vigil::desktop {

class Preferences {
 public:
  // The preferences file of the current user.
  static std::string DefaultPath();

  // The preferences in a file; a file that is missing or unreadable holds none.
  explicit Preferences(std::string path);

  // The value of a key in a section (names are compared exactly; the first of
  // repeated keys counts), without the blanks around it.
  std::optional<std::string> get(std::string_view section, std::string_view key) const;

  // Sets a value, adding the key and its section when needed. False when a name
  // or the value holds a line break, a key holds '=' or a section ']', or a
  // name is empty, since such a line would read back differently.
  bool set(std::string_view section, std::string_view key, std::string_view value);

  // Writes the file atomically (readable by its owner only, as it may hold a
  // password), creating its folder. False when it could not be written; the old
  // file is then as it was.
  bool save() const;

  const std::string &path() const { return path_; }

 private:
  std::string path_;
  std::vector<std::string> lines_;
};

}  // namespace vigil::desktop
