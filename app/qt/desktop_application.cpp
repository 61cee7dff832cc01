#include "app/qt/desktop_application.hpp"

#include "app/headless/headless_options.hpp"
#include "app/qt/document_controller.hpp"
#include "app/qt/qt_text.hpp"
#include "app/qt/qt_desktop_services.hpp"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

namespace vigil::qt {
namespace {

bool IsSet(const char *name) {
  const char *value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

}  // namespace

bool HasDisplay() { return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM"); }

std::string DesktopUsage() {
  return "usage: vigil [FILE.vigil...]\n"
         "  Opens each settings document in a window, or a new untitled document.\n\n"
         "Without a display:\n" +
         app::HeadlessUsage();
}

int RunDesktopApplication(int argc, char **argv) {
  QApplication application(argc, argv);  // takes Qt's own options out of the arguments
  QApplication::setApplicationName(QStringLiteral("vigil"));
  QApplication::setApplicationDisplayName(QStringLiteral("Vigil"));
  QApplication::setDesktopFileName(QStringLiteral("vigil"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("vigil")));

  QStringList files;
  bool optionsEnd = false;
  for (const QString &argument : QApplication::arguments().mid(1)) {
    if (!optionsEnd && argument == QLatin1String("--")) {
      optionsEnd = true;
    } else if (!optionsEnd && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
      std::fprintf(stderr, "vigil: unknown option %s\n\n%s", ToUtf8(argument).c_str(), DesktopUsage().c_str());
      return 2;
    } else {
      files << argument;
    }
  }

  QtDesktopServices services;
  DocumentController controller(services);
  if (files.isEmpty()) {
    controller.newDocument();
  } else {
    for (const QString &file : files) controller.openDocument(file);
    if (controller.windows().empty()) return 1;  // none could be opened; each said why
  }
  return QApplication::exec();
}

}  // namespace vigil::qt
