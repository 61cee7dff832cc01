#include "app/qt/bell_sound.hpp"

#include "app/qt/qt_text.hpp"
#include "platform/desktop/xdg_directories.hpp"

#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace vigil::qt {

QString BellSound::Player() { return QStandardPaths::findExecutable(QStringLiteral("canberra-gtk-play")); }

QString BellSound::ThemeBell() {
  for (const std::string &folder : desktop::AllDataDirs()) {
    const QString bell = FromUtf8(folder) + QStringLiteral("/sounds/freedesktop/stereo/bell.oga");
    if (QFileInfo::exists(bell)) return bell;
  }
  return {};
}

void BellSound::beep() {
  // The player runs on its own, so that a slow sound system never holds up a check.
  if (const QString player = Player(); !player.isEmpty() && !ThemeBell().isEmpty() &&
                                       QProcess::startDetached(player, {QStringLiteral("-i"), QStringLiteral("bell")})) {
    return;
  }
  QApplication::beep();
}

}  // namespace vigil::qt
