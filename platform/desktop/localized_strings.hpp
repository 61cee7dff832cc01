// User-visible texts looked up by key in the application's message catalog
// (gettext, domain "vigil"). A key is either the English text itself or an
// identifier whose English text ships with the program; a key with no text at
// all shows as itself.
#pragma once

#include <string>
#include <string_view>

namespace vigil::desktop {

std::string LocalizedString(std::string_view key);

// printf-style formatting of a text with one argument. Texts come from catalogs
// that translators write, so a format whose conversions do not match the one
// argument is shown as it stands rather than formatted. "%@" is taken as "%s"
// and "%1$" positions are accepted.
std::string FormatWithInteger(std::string_view format, long long value);
std::string FormatWithDouble(std::string_view format, double value);
std::string FormatWithString(std::string_view format, std::string_view value);

}  // namespace vigil::desktop
