#include "app/qt/qt_text.hpp"

#include "platform/desktop/localized_strings.hpp"

namespace vigil::qt {

std::string ToUtf8(const QString &text) { return text.toStdString(); }

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString LocalizedText(const char *key) { return FromUtf8(desktop::LocalizedString(key)); }

QString LocalizedText(const char *key, std::string_view argument) {
  return FromUtf8(desktop::FormatWithString(desktop::LocalizedString(key), argument));
}

}  // namespace vigil::qt
