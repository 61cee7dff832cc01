#include "app/qt/document_controller.hpp"

#include "app/qt/document_window.hpp"
#include "app/qt/qt_text.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

#include <algorithm>

namespace vigil::qt {
namespace {

// Two names of the same file compare equal: links and relative paths resolved.
QString Canonical(const QString &path) {
  const QString canonical = QFileInfo(path).canonicalFilePath();
  return canonical.isEmpty() ? QFileInfo(path).absoluteFilePath() : canonical;
}

}  // namespace

DocumentController::DocumentController(QtDesktopServices &services) : services_(services) {}

DocumentController::~DocumentController() {
  windows_.clear();
  for (const QPointer<DocumentWindow> &window : closing_) delete window.data();
}

DocumentWindow *DocumentController::show(std::unique_ptr<DocumentWindow> window) {
  DocumentWindow *shown = window.get();
  windows_.push_back(std::move(window));
  shown->show();
  return shown;
}

DocumentWindow *DocumentController::newDocument() {
  auto window = std::make_unique<DocumentWindow>(services_, *this);
  window->load(std::string());
  return show(std::move(window));
}

DocumentWindow *DocumentController::openDocument(const QString &path, QWidget *parent) {
  const QString wanted = Canonical(path);
  for (const auto &open : windows_) {
    if (!open->document().fileName().empty() && Canonical(FromUtf8(open->document().fileName())) == wanted) {
      open->raise();
      open->activateWindow();
      return open.get();
    }
  }
  auto window = std::make_unique<DocumentWindow>(services_, *this);
  if (auto error = window->load(ToUtf8(QFileInfo(path).absoluteFilePath()))) {
    recent_.remove(path);
    QMessageBox alert(QMessageBox::Warning, LocalizedText("Vigil"), LocalizedText("The document could not be opened."),
                      QMessageBox::Ok, parent);
    alert.setTextFormat(Qt::PlainText);  // paths and messages are never markup
    alert.setInformativeText(FromUtf8(*error));
    alert.exec();
    return nullptr;
  }
  recent_.add(path);
  return show(std::move(window));
}

void DocumentController::runOpenDialog(QWidget *parent) {
  const QStringList paths = QFileDialog::getOpenFileNames(
      parent, LocalizedText("Open"), QDir::homePath(), LocalizedText("Vigil documents (*.vigil);;All files (*)"));
  for (const QString &path : paths) openDocument(path, parent);
}

void DocumentController::fillRecentMenu(QMenu *menu) {
  menu->clear();
  const QStringList paths = recent_.paths();
  for (const QString &path : paths) {
    const QFileInfo file(path);
    QAction *action = menu->addAction(file.fileName() + QStringLiteral(" \u2014 ") +
                                      QDir::toNativeSeparators(file.absolutePath()));
    QObject::connect(action, &QAction::triggered, menu,
                     [this, path, menu] { openDocument(path, menu->window()); });
  }
  if (paths.isEmpty()) menu->addAction(LocalizedText("No Recent Documents"))->setEnabled(false);
  menu->addSeparator();
  QAction *clear = menu->addAction(LocalizedText("Clear Menu"), [this] { recent_.clear(); });
  clear->setEnabled(!paths.isEmpty());
}

void DocumentController::noteRecentDocument(const QString &path) { recent_.add(path); }

bool DocumentController::closeAll() {
  // Copies, since a window's question runs a nested loop in which others may close.
  std::vector<QPointer<DocumentWindow>> open;
  for (const auto &window : windows_) open.emplace_back(window.get());
  for (const QPointer<DocumentWindow> &window : open) {
    if (window != nullptr && !window->close()) return false;
  }
  return true;
}

void DocumentController::quit() {
  if (closeAll()) QCoreApplication::quit();
}

void DocumentController::windowClosed(DocumentWindow *window) {
  const auto found = std::find_if(windows_.begin(), windows_.end(),
                                  [window](const auto &open) { return open.get() == window; });
  if (found == windows_.end()) return;
  // Deferred: the close may have come from the window's own menu, still on the stack.
  found->release()->deleteLater();
  windows_.erase(found);
  closing_.erase(std::remove(closing_.begin(), closing_.end(), nullptr), closing_.end());
  closing_.emplace_back(window);
}

std::vector<DocumentWindow *> DocumentController::windows() const {
  std::vector<DocumentWindow *> open;
  for (const auto &window : windows_) open.push_back(window.get());
  return open;
}

}  // namespace vigil::qt
