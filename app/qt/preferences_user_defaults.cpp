#include "app/qt/preferences_user_defaults.hpp"

#include "platform/desktop/preferences.hpp"

namespace vigil::qt {

PreferencesUserDefaults::PreferencesUserDefaults(std::string path) : path_(std::move(path)) {}

// The file is read anew each time, so that edits the user made in the meantime
// (or another window's process) are kept.
void PreferencesUserDefaults::setObjectForKey(std::string_view value, std::string_view key) {
  desktop::Preferences preferences(path_);
  if (preferences.set(kSection, key, value)) preferences.save();
}

std::optional<std::string> PreferencesUserDefaults::stringForKey(std::string_view key) const {
  return desktop::Preferences(path_).get(kSection, key);
}

}  // namespace vigil::qt
