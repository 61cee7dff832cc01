#include "app/qt/folder_dialog_panel.hpp"

#include "app/qt/qt_text.hpp"
#include "platform/desktop/window.hpp"

#include <QFileDialog>

namespace vigil::qt {
namespace {

QFileDialog::FileMode ModeFor(bool directories, bool files, bool multiple) {
  if (directories && !files) return QFileDialog::Directory;
  return multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile;
}

}  // namespace

FolderDialogPanel::~FolderDialogPanel() { delete dialog_.data(); }

void FolderDialogPanel::beginSheet(const std::string &directory, const std::string &file,
                                   const std::vector<std::string> &types, desktop::Window *window,
                                   std::function<void(OpenPanel &, int)> didEnd) {
  delete dialog_.data();
  chosen_.clear();
  auto *parent = dynamic_cast<QWidget *>(window);
  dialog_ = new QFileDialog(parent, FromUtf8(title_), FromUtf8(directory));
  dialog_->setAttribute(Qt::WA_DeleteOnClose);
  dialog_->setFileMode(ModeFor(directories_, files_, multiple_));
  if (directories_ && !files_) dialog_->setOption(QFileDialog::ShowDirsOnly);
  if (!file.empty()) dialog_->selectFile(FromUtf8(file));
  if (!types.empty()) {
    QStringList patterns;
    for (const std::string &type : types) patterns << QStringLiteral("*.") + FromUtf8(type);
    dialog_->setNameFilter(patterns.join(QLatin1Char(' ')));
  }
  dialog_->setWindowModality(parent != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
  QObject::connect(dialog_, &QFileDialog::finished, [this, didEnd = std::move(didEnd)](int result) {
    if (result == QDialog::Accepted && dialog_ != nullptr) {
      for (const QString &path : dialog_->selectedFiles()) chosen_.push_back(ToUtf8(path));
    }
    didEnd(*this, result == QDialog::Accepted ? kOKButton : kCancelButton);
  });
  dialog_->open();
}

}  // namespace vigil::qt
