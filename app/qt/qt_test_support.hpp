// Helpers of the Qt tests: a private preferences and history folder, and
// answering the dialogs a window shows (modal ones run their own loop, so the
// answer is given from a timer while they are up).
#pragma once

#include "app/qt/document_controller.hpp"
#include "app/qt/qt_desktop_services.hpp"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace vigil::qt::testing {

// Points the preferences and the recent documents at a temporary folder for the
// life of the test program, so that no test reads or writes the user's own.
inline QTemporaryDir &PrivateHome() {
  static QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());
  qputenv("XDG_STATE_HOME", (home.path() + QStringLiteral("/state")).toUtf8());
  return home;
}

// The application's services and its documents, made anew for each test.
struct TestApplication {
  QtDesktopServices services;
  DocumentController controller{services};
};

// The visible dialog of the given kind, if one is up.
template <typename Dialog>
Dialog *VisibleDialog() {
  for (QWidget *widget : QApplication::topLevelWidgets()) {
    if (auto *dialog = qobject_cast<Dialog *>(widget); dialog != nullptr && dialog->isVisible()) return dialog;
  }
  return nullptr;
}

// Calls answer with the next dialog of the kind as soon as it is up, even from
// inside the nested loop of a modal dialog. Sets *answered when it has.
template <typename Dialog>
void AnswerWhenShown(std::function<void(Dialog *)> answer, bool *answered = nullptr) {
  auto *timer = new QTimer(qApp);  // the application owns it until it is done
  QObject::connect(timer, &QTimer::timeout, [timer, answer = std::move(answer), answered, tries = 250]() mutable {
    Dialog *dialog = VisibleDialog<Dialog>();
    if (dialog == nullptr && --tries > 0) return;
    timer->stop();
    timer->deleteLater();
    if (dialog == nullptr) return;
    answer(dialog);
    if (answered != nullptr) *answered = true;
  });
  timer->start(20);
}

}  // namespace vigil::qt::testing
