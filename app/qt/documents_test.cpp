// Documents in the desktop application: saving through the Save As dialog and
// opening again, the title and its edited mark, Open Recent, files that are not
// settings documents, files that cannot be read, and saves that fail.
#include "app/qt/document_form.hpp"
#include "app/qt/document_window.hpp"
#include "app/qt/qt_test_support.hpp"
#include "app/qt/qt_text.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

using vigil::qt::DocumentWindow;
namespace testing = vigil::qt::testing;

class DocumentsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir &home_ = testing::PrivateHome();
  std::unique_ptr<testing::TestApplication> application_;

  QString pathIn(const QString &name) { return home_.path() + QLatin1Char('/') + name; }

  // Answers the next Save As dialog with the path.
  void answerSaveAs(const QString &path) {
    testing::AnswerWhenShown<QFileDialog>([path](QFileDialog *dialog) {
      QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
      dialog->selectFile(path);
      static_cast<QDialog *>(dialog)->accept();
    });
  }

  // Answers the next alert, keeping its texts.
  void answerAlert(QString *texts) {
    testing::AnswerWhenShown<QMessageBox>([texts](QMessageBox *box) {
      *texts = box->text() + QLatin1Char('\n') + box->informativeText();
      box->accept();
    });
  }

 private slots:
  void init() {
    application_ = std::make_unique<testing::TestApplication>();
  }

  void cleanup() {
    application_.reset();
  }

  void savedSettingsComeBackWhenReopened() {
    DocumentWindow *window = application_->controller.newDocument();
    vigil::qt::DocumentForm &form = window->form();
    form.folderPath->setText(QStringLiteral("/srv/incoming \u00e9t\u00e9"));
    form.interval->setText(QStringLiteral("0.5"));
    form.intervalUnits->setCurrentIndex(2);
    form.checkItemCount->setChecked(false);
    form.beep->setChecked(true);
    form.sendEMail->setChecked(true);
    form.eMailAddress->setText(QStringLiteral("ops@example.org"));
    // Longer than a line edit holds by default: none of it may be lost.
    const QString message = QStringLiteral("Something arrived. ").repeated(2000);
    form.eMailMessage->setText(message);
    form.openFiles->setChecked(true);
    form.openFilePath1->setText(QStringLiteral("/srv/a.txt"));
    form.openFilePath2->setText(QStringLiteral("/srv/b.txt"));
    form.stopChecking->setChecked(true);
    QVERIFY(window->isWindowModified());

    const QString path = pathIn(QStringLiteral("Incoming.vigil"));
    answerSaveAs(path);
    QVERIFY(window->save());  // untitled: Save goes through Save As
    QVERIFY(QFile::exists(path));
    QVERIFY(!window->isWindowModified());
    QVERIFY(window->windowTitle().startsWith(QStringLiteral("Incoming")));
    QCOMPARE(form.interval->text(), QStringLiteral("1"));  // saved as one unit
    QCOMPARE(application_->controller.recentDocuments().paths().value(0), path);

    QVERIFY(window->close());
    QVERIFY(application_->controller.windows().empty());

    DocumentWindow *reopened = application_->controller.openDocument(path);
    QVERIFY(reopened != nullptr);
    vigil::qt::DocumentForm &again = reopened->form();
    QCOMPARE(again.folderPath->text(), QStringLiteral("/srv/incoming \u00e9t\u00e9"));
    QCOMPARE(again.interval->text(), QStringLiteral("1"));
    QCOMPARE(again.intervalUnits->currentIndex(), 2);
    QVERIFY(!again.checkItemCount->isChecked());
    QVERIFY(again.checkModificationDate->isChecked());
    QVERIFY(again.beep->isChecked());
    QVERIFY(again.sendEMail->isChecked());
    QCOMPARE(again.eMailAddress->text(), QStringLiteral("ops@example.org"));
    QCOMPARE(again.eMailMessage->text(), message);
    QVERIFY(again.openFiles->isChecked());
    QCOMPARE(again.openFilePath1->text(), QStringLiteral("/srv/a.txt"));
    QCOMPARE(again.openFilePath2->text(), QStringLiteral("/srv/b.txt"));
    QVERIFY(again.stopChecking->isChecked());
    QVERIFY(!again.revealTarget->isChecked());
    QVERIFY(!again.startWhenOpened->isChecked());
    QVERIFY(!reopened->isWindowModified());  // putting settings back is no edit

    // Opening it again brings the same window forward.
    QCOMPARE(application_->controller.openDocument(path), reopened);
    QCOMPARE(application_->controller.windows().size(), size_t{1});
  }

  void documentSavedToStartWhenOpenedStarts() {
    DocumentWindow *window = application_->controller.newDocument();
    window->form().folderPath->setText(home_.path());
    window->form().startWhenOpened->setChecked(true);
    const QString path = pathIn(QStringLiteral("Starts.vigil"));
    QVERIFY(!window->document().saveDocumentAs(vigil::qt::ToUtf8(path)));
    QVERIFY(window->close());
    DocumentWindow *opened = application_->controller.openDocument(path);
    QVERIFY(opened != nullptr && opened->document().isRunning());
    QCOMPARE(opened->form().startStop->text(), QStringLiteral("Stop"));
  }

  void recentMenuOpensADocument() {
    DocumentWindow *window = application_->controller.newDocument();
    const QString path = pathIn(QStringLiteral("Recent.vigil"));
    answerSaveAs(path);
    QVERIFY(window->saveAs());
    QVERIFY(window->close());
    QMenu menu;
    application_->controller.fillRecentMenu(&menu);
    QAction *first = menu.actions().value(0);
    QVERIFY(first != nullptr && first->text().startsWith(QStringLiteral("Recent.vigil")));
    first->trigger();
    QCOMPARE(application_->controller.windows().size(), size_t{1});
    QCOMPARE(application_->controller.windows().front()->document().fileName(), vigil::qt::ToUtf8(path));
  }

  void fileMenuNewAndOpen() {
    const auto commandsOf = [](DocumentWindow *window) {
      std::vector<QAction *> commands;
      for (QAction *action : window->menuBar()->actions().value(0)->menu()->actions()) {
        if (!action->isSeparator()) commands.push_back(action);
      }
      return commands;
    };
    DocumentWindow *first = application_->controller.newDocument();
    // Each command in order, with its usual key among those the desktop binds to it.
    const std::vector<std::pair<QString, QString>> expected = {
        {QStringLiteral("New"), QStringLiteral("Ctrl+N")},          {QStringLiteral("Open\u2026"), QStringLiteral("Ctrl+O")},
        {QStringLiteral("Open Recent"), QString()},                 {QStringLiteral("Save"), QStringLiteral("Ctrl+S")},
        {QStringLiteral("Save As\u2026"), QStringLiteral("Ctrl+Shift+S")}, {QStringLiteral("Close"), QStringLiteral("Ctrl+W")},
        {QStringLiteral("Quit"), QStringLiteral("Ctrl+Q")}};
    const std::vector<QAction *> commands = commandsOf(first);
    QCOMPARE(commands.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
      const auto &[text, key] = expected[i];
      QCOMPARE(commands[i]->text().remove(QLatin1Char('&')), text);
      if (!key.isEmpty()) QVERIFY2(commands[i]->shortcuts().contains(QKeySequence(key)), qPrintable(text));
    }

    commands[0]->trigger();  // New
    QCOMPARE(application_->controller.windows().size(), size_t{2});
    DocumentWindow *second = application_->controller.windows().back();

    const QString path = pathIn(QStringLiteral("Opened.vigil"));
    QVERIFY(!first->document().saveDocumentAs(vigil::qt::ToUtf8(path)));
    QVERIFY(first->close());
    testing::AnswerWhenShown<QFileDialog>([path](QFileDialog *dialog) {
      QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFiles);
      dialog->selectFile(path);
      static_cast<QDialog *>(dialog)->accept();
    });
    commandsOf(second)[1]->trigger();  // Open…
    QCOMPARE(application_->controller.windows().size(), size_t{2});
    QCOMPARE(application_->controller.windows().back()->document().fileName(), vigil::qt::ToUtf8(path));
  }

  void fileThatIsNotASettingsDocumentOpensWithTheLayoutsValues() {
    const QString path = pathIn(QStringLiteral("notes.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("just some notes\n");
    file.close();
    DocumentWindow *window = application_->controller.openDocument(path);
    QVERIFY(window != nullptr);
    QVERIFY(testing::VisibleDialog<QMessageBox>() == nullptr);
    QCOMPARE(window->form().interval->text(), QStringLiteral("1"));
    QCOMPARE(window->form().intervalUnits->currentIndex(), 1);
    QVERIFY(window->form().checkItemCount->isChecked());
    QVERIFY(window->form().folderPath->text().isEmpty());
  }

  void fileThatCannotBeReadIsReportedInAnAlert() {
    for (const QString &path : {pathIn(QStringLiteral("missing.vigil")), home_.path()}) {
      QString texts;
      answerAlert(&texts);
      QVERIFY(application_->controller.openDocument(path) == nullptr);
      QVERIFY2(texts.contains(path), qPrintable(texts));
      QVERIFY(application_->controller.windows().empty());
    }
  }

  void failedSaveIsReportedAndKeepsTheEditedMark() {
    const QString folder = pathIn(QStringLiteral("goes-away"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/Doc.vigil");
    DocumentWindow *window = application_->controller.newDocument();
    QVERIFY(!window->document().saveDocumentAs(vigil::qt::ToUtf8(path)));
    window->form().beep->setChecked(true);
    QVERIFY(QDir(folder).removeRecursively());
    QString texts;
    answerAlert(&texts);
    QVERIFY(!window->save());
    QVERIFY2(texts.contains(QStringLiteral("could not be saved")) && texts.contains(path), qPrintable(texts));
    QVERIFY(window->isWindowModified());
  }

  void quitAsksEveryEditedDocumentAndStopsAtCancel() {
    DocumentWindow *first = application_->controller.newDocument();
    DocumentWindow *second = application_->controller.newDocument();
    first->form().beep->setChecked(true);
    second->form().beep->setChecked(true);
    int asked = 0;
    testing::AnswerWhenShown<QMessageBox>([&asked](QMessageBox *box) {
      ++asked;
      box->button(QMessageBox::Discard)->click();
    });
    testing::AnswerWhenShown<QMessageBox>([&asked](QMessageBox *box) {
      ++asked;
      box->button(QMessageBox::Cancel)->click();
    });
    QVERIFY(!application_->controller.closeAll());
    QCOMPARE(asked, 2);
    QCOMPARE(application_->controller.windows().size(), size_t{1});
  }
};

QTEST_MAIN(DocumentsTest)
#include "documents_test.moc"
