// The freedesktop.org base directories: where user and system configuration
// and data live, from the XDG_* variables or their documented defaults.
#pragma once

#include <string>
#include <vector>

namespace vigil::desktop {

std::string ConfigHome();               // $XDG_CONFIG_HOME, else ~/.config
std::vector<std::string> ConfigDirs();  // $XDG_CONFIG_DIRS, else /etc/xdg
std::string DataHome();                 // $XDG_DATA_HOME, else ~/.local/share
std::vector<std::string> DataDirs();    // $XDG_DATA_DIRS, else /usr/local/share:/usr/share

// The data home followed by the data dirs, most important first.
std::vector<std::string> AllDataDirs();

}  // namespace vigil::desktop
