// Text between the document's UTF-8 strings and Qt's, and the user-visible
// texts of the windows, looked up by key in the message catalog.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace vigil::qt {

std::string ToUtf8(const QString &text);
QString FromUtf8(std::string_view text);

// The localized text for a key (the English text itself, or an identifier).
QString LocalizedText(const char *key);
// The same, used as a format whose one "%s" takes the argument.
QString LocalizedText(const char *key, std::string_view argument);

}  // namespace vigil::qt
