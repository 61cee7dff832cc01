// The user defaults of the drop boxes, kept in the [defaults] section of the
// application's preferences file ($XDG_CONFIG_HOME/vigil/vigil.ini), which also
// holds the user's mail settings: each change rewrites only its own line and
// keeps the rest of the file (comments included) as the user wrote it.
#pragma once

#include "platform/desktop/user_defaults.hpp"

#include <string>

namespace vigil::qt {

class PreferencesUserDefaults : public desktop::UserDefaults {
 public:
  static constexpr const char *kSection = "defaults";

  explicit PreferencesUserDefaults(std::string path);
  // Keys and values that the file cannot hold on one line (line breaks, a key
  // with '=') are not stored.
  void setObjectForKey(std::string_view value, std::string_view key) override;
  std::optional<std::string> stringForKey(std::string_view key) const override;

 private:
  std::string path_;
};

}  // namespace vigil::qt
