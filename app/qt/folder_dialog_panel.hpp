// The folder chooser over a QFileDialog, run window-modal on the document's
// window as the platform's sheet was: the window waits for it, the rest of the
// application (and the document's timers) go on.
#pragma once

#include "platform/desktop/open_panel.hpp"

#include <QFileDialog>
#include <QPointer>


namespace vigil::qt {

class FolderDialogPanel : public desktop::OpenPanel {
 public:
  FolderDialogPanel() = default;
  ~FolderDialogPanel() override;
  FolderDialogPanel(const FolderDialogPanel &) = delete;
  FolderDialogPanel &operator=(const FolderDialogPanel &) = delete;

  void setAllowsMultipleSelection(bool allow) override { multiple_ = allow; }
  // Linux has no file packages; every folder is browsed as a folder.
  void setTreatsFilePackagesAsDirectories(bool) override {}
  void setCanChooseDirectories(bool can) override { directories_ = can; }
  void setCanChooseFiles(bool can) override { files_ = can; }
  void setTitle(const std::string &title) override { title_ = title; }

  void beginSheet(const std::string &directory, const std::string &file,
                  const std::vector<std::string> &types, desktop::Window *window,
                  std::function<void(OpenPanel &, int returnCode)> didEnd) override;
  std::vector<std::string> filenames() const override { return chosen_; }

  // The dialog while it is up, for tests that answer it.
  QFileDialog *dialog() const { return dialog_; }

 private:
  bool multiple_ = false;
  bool directories_ = false;
  bool files_ = true;
  std::string title_;
  std::vector<std::string> chosen_;
  QPointer<QFileDialog> dialog_;
};

}  // namespace vigil::qt
