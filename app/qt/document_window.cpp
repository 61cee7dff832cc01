#include "app/qt/document_window.hpp"

#include "app/qt/document_controller.hpp"
#include "app/qt/document_form.hpp"
#include "app/qt/drop_box_view.hpp"
#include "app/qt/qt_desktop_services.hpp"
#include "app/qt/qt_text.hpp"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

#include <functional>

namespace vigil::qt {
namespace {

// A menu command with the desktop's keys for it; where the desktop binds none
// (Save As in some), the usual key.
void AddCommand(QMenu *menu, const char *text, QKeySequence::StandardKey keys, const char *usualKey,
                std::function<void()> command) {
  QAction *action = menu->addAction(LocalizedText(text), std::move(command));
  action->setShortcuts(keys);
  if (action->shortcuts().isEmpty()) action->setShortcut(QKeySequence(QString::fromLatin1(usualKey)));
}

}  // namespace
DocumentWindow::DocumentWindow(QtDesktopServices &services, DocumentController &controller)
    : services_(services),
      controller_(controller),
      form_(new DocumentForm(this)),
      folderPath_(form_->folderPath),
      chooseFolder_(form_->chooseFolder),
      reveal_(form_->reveal),
      interval_(form_->interval),
      intervalUnits_(form_->intervalUnits),
      checkItemCount_(form_->checkItemCount),
      checkModificationDate_(form_->checkModificationDate),
      beep_(form_->beep),
      sendEMail_(form_->sendEMail),
      eMailAddress_(form_->eMailAddress),
      eMailMessage_(form_->eMailMessage),
      revealTarget_(form_->revealTarget),
      openFiles_(form_->openFiles),
      openFilePath1_(form_->openFilePath1),
      openFilePath2_(form_->openFilePath2),
      stopChecking_(form_->stopChecking),
      startWhenOpened_(form_->startWhenOpened),
      status_(form_->status),
      progress_(form_->progress),
      startStop_(form_->startStop),
      box_(std::make_unique<app::DragAndDropBox>(*form_->dropBox, &services.userDefaults())),
      document_(std::make_unique<app::MyDocument>(services)) {
  setCentralWidget(form_);
  form_->dropBox->setBox(box_.get());
  buildMenus();
}

DocumentWindow::~DocumentWindow() { form_->dropBox->setBox(nullptr); }

std::optional<std::string> DocumentWindow::load(const std::string &path) {
  if (!path.empty()) {
    if (auto error = document_->readFromFile(path)) return error;
  }
  app::DocumentOutlets outlets;
  outlets.mButtonStart = &startStop_;
  outlets.mStatusTextField = &status_;
  outlets.mFilePathTextField = &folderPath_;
  outlets.mButtonChooseFile = &chooseFolder_;
  outlets.mProgressBar = &progress_;
  outlets.mDragAndDropBox = box_.get();
  outlets.mRevealFolderButton = &reveal_;
  outlets.mCheckItemCountChangeCheckBox = &checkItemCount_;
  outlets.mCheckTimeIntervalTextField = &interval_;
  outlets.mCheckTimeIntervalUnitsPopup = &intervalUnits_;
  outlets.mCheckModificationDateChangeCheckBox = &checkModificationDate_;
  outlets.mSendAnEmailCheckBox = &sendEMail_;
  outlets.mBeepCheckBox = &beep_;
  outlets.mRevealTargetCheckBox = &revealTarget_;
  outlets.mEMailAddressTextField = &eMailAddress_;
  outlets.mEMailMessageTextField = &eMailMessage_;
  outlets.mStopCheckingForChangesCheckBox = &stopChecking_;
  outlets.mCheckBoxOpenFiles = &openFiles_;
  outlets.mCheckBoxStartWhenDocumentOpened = &startWhenOpened_;
  outlets.mOpenFilePath1 = &openFilePath1_;
  outlets.mOpenFilePath2 = &openFilePath2_;
  box_->awakeFromNib();
  box_->setTextField(&folderPath_);
  document_->connectOutlets(outlets);
  document_->windowControllerDidLoadNib(this);
  connectActions();
  // Edits count from here on: putting the file's settings back is no edit.
  trackEdits();
  refreshTitle();
  return std::nullopt;
}

void DocumentWindow::connectActions() {
  connect(form_->startStop, &QPushButton::clicked, this, [this] { document_->buttonStartStop(form_->startStop); });
  connect(form_->chooseFolder, &QPushButton::clicked, this,
          [this] { document_->buttonChooseFolder(form_->chooseFolder); });
  connect(form_->reveal, &QPushButton::clicked, this, [this] { document_->buttonRevealFolder(form_->reveal); });
}

void DocumentWindow::trackEdits() {
  for (QWidget *control : form_->settingControls()) {
    if (auto *edit = qobject_cast<QLineEdit *>(control)) {
      connect(edit, &QLineEdit::textChanged, this, [this] { markEdited(); });
    } else if (auto *box = qobject_cast<QCheckBox *>(control)) {
      connect(box, &QCheckBox::toggled, this, [this] { markEdited(); });
    } else if (auto *popup = qobject_cast<QComboBox *>(control)) {
      connect(popup, &QComboBox::currentIndexChanged, this, [this] { markEdited(); });
    }
  }
}

void DocumentWindow::markEdited() {
  document_->updateChangeCount(true);
  refreshTitle();
}

void DocumentWindow::refreshTitle() {
  setWindowTitle(FromUtf8(document_->displayName()) + QStringLiteral("[*]"));
  setWindowFilePath(FromUtf8(document_->fileName()));
  setWindowModified(document_->isDocumentEdited());
}

void DocumentWindow::buildMenus() {
  QMenu *file = menuBar()->addMenu(LocalizedText("&File"));
  AddCommand(file, "&New", QKeySequence::New, "Ctrl+N", [this] { controller_.newDocument(); });
  AddCommand(file, "&Open\u2026", QKeySequence::Open, "Ctrl+O", [this] { controller_.runOpenDialog(this); });
  QMenu *recent = file->addMenu(LocalizedText("Open &Recent"));
  connect(recent, &QMenu::aboutToShow, this, [this, recent] { controller_.fillRecentMenu(recent); });
  file->addSeparator();
  AddCommand(file, "&Save", QKeySequence::Save, "Ctrl+S", [this] { save(); });
  AddCommand(file, "Save &As\u2026", QKeySequence::SaveAs, "Ctrl+Shift+S", [this] { saveAs(); });
  file->addSeparator();
  AddCommand(file, "&Close", QKeySequence::Close, "Ctrl+W", [this] { close(); });
  AddCommand(file, "&Quit", QKeySequence::Quit, "Ctrl+Q", [this] { controller_.quit(); });
}

bool DocumentWindow::save() {
  if (document_->fileName().empty()) return saveAs();
  return finishSave(document_->saveDocument());
}

bool DocumentWindow::saveAs() {
  QString proposed = FromUtf8(document_->fileName());
  if (proposed.isEmpty()) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    proposed = folder + QLatin1Char('/') + FromUtf8(document_->displayName()) +
               QLatin1String(desktop::Document::kExtension);
  }
  QFileDialog dialog(this, LocalizedText("Save As"), proposed);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(LocalizedText("Vigil documents (*.vigil)"));
  dialog.setDefaultSuffix(QString::fromLatin1(desktop::Document::kExtension).mid(1));
  dialog.selectFile(proposed);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  return finishSave(document_->saveDocumentAs(ToUtf8(dialog.selectedFiles().constFirst())));
}

bool DocumentWindow::finishSave(const std::optional<std::string> &error) {
  refreshTitle();
  if (error) {
    QMessageBox alert(QMessageBox::Warning, LocalizedText("Vigil"),
                      LocalizedText("The document \u201c%s\u201d could not be saved.", document_->displayName()),
                      QMessageBox::Ok, this);
    alert.setTextFormat(Qt::PlainText);  // paths and messages are never markup
    alert.setInformativeText(FromUtf8(*error));
    alert.exec();
    return false;
  }
  controller_.noteRecentDocument(FromUtf8(document_->fileName()));
  return true;
}

bool DocumentWindow::askToSaveChanges() {
  QMessageBox question(QMessageBox::Warning, LocalizedText("Vigil"),
                       LocalizedText("Do you want to save the changes you made in the document \u201c%s\u201d?",
                                document_->displayName()),
                       QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
  question.setTextFormat(Qt::PlainText);
  question.setInformativeText(LocalizedText("Your changes will be lost if you don't save them."));
  question.setDefaultButton(QMessageBox::Save);
  switch (question.exec()) {
    case QMessageBox::Save: return save();
    case QMessageBox::Discard: return true;
    default: return false;
  }
}

void DocumentWindow::closeEvent(QCloseEvent *event) {
  if (document_->isDocumentEdited() && !askToSaveChanges()) {
    event->ignore();
    return;
  }
  event->accept();
  controller_.windowClosed(this);
}

}  // namespace vigil::qt
