#include "app/qt/ini_user_defaults.hpp"

#include "app/qt/qt_text.hpp"

#include <QDir>

namespace vigil::qt {

QString PreferencesFilePath() {
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  // The base directory specification ignores a relative path.
  if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + QStringLiteral("/.config");
  return base + QStringLiteral("/vigil/vigil.ini");
}

IniUserDefaults::IniUserDefaults(const QString &path) : settings_(path, QSettings::IniFormat) {}

void IniUserDefaults::setObjectForKey(std::string_view value, std::string_view key) {
  settings_.setValue(FromUtf8(key), FromUtf8(value));
  settings_.sync();  // written at once, so that another process sees it
}

std::optional<std::string> IniUserDefaults::stringForKey(std::string_view key) const {
  const QVariant value = settings_.value(FromUtf8(key));
  if (!value.isValid()) return std::nullopt;
  return ToUtf8(value.toString());
}

}  // namespace vigil::qt
