// A real document window on the offscreen platform, driven as a user would:
// typing into the fields, clicking Start and Stop, choosing a folder, moving
// through the controls with Tab, and closing with unsaved changes.
#include "app/qt/document_form.hpp"
#include "app/qt/document_window.hpp"
#include "app/qt/qt_test_support.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

using vigil::qt::DocumentWindow;
namespace testing = vigil::qt::testing;

class DocumentWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir &home_ = testing::PrivateHome();
  std::unique_ptr<testing::TestApplication> application_;
  DocumentWindow *window_ = nullptr;

  vigil::qt::DocumentForm &form() { return window_->form(); }
  QString status() { return form().status->text(); }

  void typeInto(QLineEdit *field, const QString &text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
  }

 private slots:
  void init() {
    application_ = std::make_unique<testing::TestApplication>();
    window_ = application_->controller.newDocument();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
  }

  void cleanup() {
    application_.reset();
  }

  void opensWithTheLayoutsValues() {
    QCOMPARE(form().interval->text(), QStringLiteral("1"));
    QCOMPARE(form().intervalUnits->currentText(), QStringLiteral("minutes"));
    QCOMPARE(form().intervalUnits->count(), 3);
    QVERIFY(form().checkItemCount->isChecked());
    QVERIFY(form().checkModificationDate->isChecked());
    for (QCheckBox *off : {form().beep, form().sendEMail, form().revealTarget, form().openFiles,
                           form().stopChecking, form().startWhenOpened}) {
      QVERIFY(!off->isChecked());
    }
    QCOMPARE(form().startStop->text(), QStringLiteral("Start"));
    QVERIFY(form().progress->isHidden());
    QVERIFY(window_->windowTitle().startsWith(QStringLiteral("Untitled")));
    QVERIFY(!window_->isWindowModified());
  }

  void startsCountsDownChecksAndStops() {
    const QString folder = home_.path() + QStringLiteral("/watched");
    QVERIFY(QDir().mkpath(folder));
    typeInto(form().folderPath, folder);
    typeInto(form().interval, QStringLiteral("2"));
    form().intervalUnits->setFocus();
    QTest::keyClick(form().intervalUnits, Qt::Key_Up);  // minutes to seconds
    QCOMPARE(form().intervalUnits->currentIndex(), 0);
    QVERIFY(window_->isWindowModified());

    QTest::mouseClick(form().startStop, Qt::LeftButton);
    QCOMPARE(form().startStop->text(), QStringLiteral("Stop"));
    QCOMPARE(status(), QStringLiteral("Next check in 2 seconds."));
    QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("Next check in 1 seconds."), 3000);
    QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("Checking for target changes\u2026"), 3000);
    QVERIFY(!form().progress->isHidden());
    QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("Next check in 2 seconds."), 3000);
    QVERIFY(form().progress->isHidden());

    QTest::mouseClick(form().startStop, Qt::LeftButton);
    QCOMPARE(form().startStop->text(), QStringLiteral("Start"));
    QCOMPARE(status(), QStringLiteral("Stopped by user."));
    QTest::qWait(1200);  // no timer is left to change it
    QCOMPARE(status(), QStringLiteral("Stopped by user."));
  }

  void refusesToStartWithoutAFolder() {
    const QString file = home_.path() + QStringLiteral("/plain.txt");
    QFile(file).open(QIODevice::WriteOnly);
    for (const QString &path : {QString(), file, home_.path() + QStringLiteral("/missing")}) {
      typeInto(form().folderPath, path);
      QTest::mouseClick(form().startStop, Qt::LeftButton);
      QCOMPARE(status(), QStringLiteral("Target is not valid or not a folder."));
      QCOMPARE(form().startStop->text(), QStringLiteral("Start"));
      QVERIFY(!window_->document().isRunning());
    }
  }

  void intervalBelowOneUnitIsRewritten() {
    typeInto(form().folderPath, home_.path());
    typeInto(form().interval, QStringLiteral("0.5"));
    QTest::mouseClick(form().startStop, Qt::LeftButton);
    QCOMPARE(form().interval->text(), QStringLiteral("1"));
    QCOMPARE(status(), QStringLiteral("Next check in 60 seconds."));
    QTest::mouseClick(form().startStop, Qt::LeftButton);
  }

  void tabOrderFollowsTheLayout() {
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    const std::vector<QWidget *> order = form().tabOrder();
    order.front()->setFocus(Qt::TabFocusReason);
    for (size_t i = 1; i < order.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), order[i]);
    }
    // Every control comes before the first control again.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), order.front());
  }

  void keyboardMnemonicsReachTheFields() {
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    QTest::keyClick(window_, Qt::Key_E, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), form().interval);
    QTest::keyClick(window_, Qt::Key_P, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), form().folderPath);
  }

  void chooserIsAWindowModalFolderDialogInTheHomeFolder() {
    const QString folder = home_.path() + QStringLiteral("/chosen");
    QVERIFY(QDir().mkpath(folder));
    QTest::mouseClick(form().chooseFolder, Qt::LeftButton);
    QFileDialog *dialog = testing::VisibleDialog<QFileDialog>();
    QVERIFY(dialog != nullptr);
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    QCOMPARE(dialog->parentWidget(), window_);
    QCOMPARE(dialog->fileMode(), QFileDialog::Directory);
    QCOMPARE(dialog->directory().absolutePath(), QDir::homePath());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Choose a Folder to Watch"));
    dialog->setDirectory(home_.path());
    dialog->selectFile(folder);
    static_cast<QDialog *>(dialog)->accept();  // as its Choose button does
    QCOMPARE(form().folderPath->text(), folder);
    QVERIFY(window_->isWindowModified());

    // Cancelling changes nothing.
    QTest::mouseClick(form().chooseFolder, Qt::LeftButton);
    QTRY_VERIFY(testing::VisibleDialog<QFileDialog>() != nullptr);
    testing::VisibleDialog<QFileDialog>()->reject();
    QCOMPARE(form().folderPath->text(), folder);
  }

  void closingWithChangesAsksWhetherToSave() {
    typeInto(form().eMailAddress, QStringLiteral("someone@example.org"));
    QVERIFY(window_->isWindowModified());

    bool asked = false;
    testing::AnswerWhenShown<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::Cancel)->click(); }, &asked);
    QVERIFY(!window_->close());
    QVERIFY(asked);
    QCOMPARE(application_->controller.windows().size(), size_t{1});

    asked = false;
    testing::AnswerWhenShown<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::Discard)->click(); },
                                          &asked);
    QVERIFY(window_->close());
    QVERIFY(asked);
    QVERIFY(application_->controller.windows().empty());
  }

  void closingWithoutChangesAsksNothing() {
    QVERIFY(window_->close());
    QVERIFY(testing::VisibleDialog<QMessageBox>() == nullptr);
    QVERIFY(application_->controller.windows().empty());
  }
};

QTEST_MAIN(DocumentWindowTest)
#include "document_window_test.moc"
