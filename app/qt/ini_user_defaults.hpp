// The user's preferences in the INI file $XDG_CONFIG_HOME/vigil/vigil.ini
// (~/.config when the variable is unset), kept with QSettings.
#pragma once

#include "platform/desktop/user_defaults.hpp"

#include <QSettings>

namespace vigil::qt {

// The preferences file: $XDG_CONFIG_HOME/vigil/vigil.ini.
QString PreferencesFilePath();

class IniUserDefaults : public desktop::UserDefaults {
 public:
  explicit IniUserDefaults(const QString &path = PreferencesFilePath());
  void setObjectForKey(std::string_view value, std::string_view key) override;
  std::optional<std::string> stringForKey(std::string_view key) const override;

 private:
  mutable QSettings settings_;
};

}  // namespace vigil::qt
