// The desktop's side of the reactions to a change: the alert when the e-mail
// cannot be sent holds the watch until it is closed, and the bell is the sound
// theme's, played by canberra-gtk-play where both are installed.
#include "app/qt/bell_sound.hpp"
#include "app/qt/document_form.hpp"
#include "app/qt/document_window.hpp"
#include "app/qt/qt_test_support.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

using vigil::qt::DocumentWindow;
namespace testing = vigil::qt::testing;

class ReactionsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir &home_ = testing::PrivateHome();

 private slots:
  void failedMailAlertHoldsTheWatchUntilClosed() {
    testing::TestApplication application;
    DocumentWindow *window = application.controller.newDocument();
    vigil::qt::DocumentForm &form = window->form();
    const QString folder = home_.path() + QStringLiteral("/mailbox");
    QVERIFY(QDir().mkpath(folder));
    form.folderPath->setText(folder);
    form.interval->setText(QStringLiteral("1"));
    form.intervalUnits->setCurrentIndex(0);
    form.sendEMail->setChecked(true);
    form.eMailAddress->setText(QStringLiteral("not an address"));  // refused before any delivery
    form.startStop->click();
    QVERIFY(window->document().isRunning());
    // The alert runs its own loop, so it is answered from inside it.
    QString title, message, buttons;
    bool held = false, answered = false;
    testing::AnswerWhenShown<QMessageBox>(
        [&](QMessageBox *alert) {
          title = alert->text();
          message = alert->informativeText();
          for (QAbstractButton *button : alert->buttons()) buttons += button->text();
          // While the alert is up the check does not end and no countdown runs.
          QTest::qWait(1500);
          held = form.status->text() == QStringLiteral("Checking for target changes\u2026");
          alert->buttons().front()->click();
        },
        &answered);
    QFile(folder + QStringLiteral("/new.txt")).open(QIODevice::WriteOnly);
    QTRY_VERIFY_WITH_TIMEOUT(answered, 6000);
    QCOMPARE(title, QStringLiteral("Sending the Email notification failed."));
    QVERIFY2(message.contains(QStringLiteral("vigil.ini")), qPrintable(message));
    QCOMPARE(buttons, QStringLiteral("OK"));
    QVERIFY(held);
    QTRY_COMPARE_WITH_TIMEOUT(form.status->text(), QStringLiteral("Next check in 1 seconds."), 2000);
    form.startStop->click();
  }

  void bellIsTheSoundThemesThroughCanberra() {
    // A player that records how it was called, and a sound theme holding a bell.
    const QString bin = home_.path() + QStringLiteral("/bin"), data = home_.path() + QStringLiteral("/data");
    const QString record = home_.path() + QStringLiteral("/played");
    QVERIFY(QDir().mkpath(bin) && QDir().mkpath(data + QStringLiteral("/sounds/freedesktop/stereo")));
    QFile player(bin + QStringLiteral("/canberra-gtk-play"));
    QVERIFY(player.open(QIODevice::WriteOnly));
    player.write(("#!/bin/sh\necho \"$@\" > '" + record + "'\n").toUtf8());
    player.close();
    player.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH"), dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("PATH", bin.toUtf8() + ':' + path);
    qputenv("XDG_DATA_HOME", data.toUtf8());

    QVERIFY(vigil::qt::BellSound::ThemeBell().isEmpty());  // no bell in the theme: the display's bell
    QFile(data + QStringLiteral("/sounds/freedesktop/stereo/bell.oga")).open(QIODevice::WriteOnly);
    QCOMPARE(vigil::qt::BellSound::Player(), player.fileName());
    vigil::qt::BellSound().beep();
    const auto played = [&record] {
      QFile file(record);
      return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QTRY_COMPARE(played(), QByteArray("-i bell\n"));

    qputenv("PATH", path);
    qputenv("XDG_DATA_HOME", dataHome);
  }
};

QTEST_MAIN(ReactionsTest)
#include "reactions_test.moc"
