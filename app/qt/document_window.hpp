// One folder watch document in its window: the layout's controls connected to
// the document through their adapters, the drop box, the File menu, the title
// with the document's name and edited state, and closing that asks to save.
#pragma once

#include "app/drag_and_drop_box.hpp"
#include "app/my_document.hpp"
#include "app/qt/qt_controls.hpp"
#include "platform/desktop/window.hpp"

#include <QMainWindow>

#include <memory>
#include <optional>
#include <string>

namespace vigil::qt {

class DocumentController;
class DocumentForm;
class QtDesktopServices;

class DocumentWindow : public QMainWindow, public desktop::WindowController, public desktop::Window {
 public:
  DocumentWindow(QtDesktopServices &services, DocumentController &controller);
  ~DocumentWindow() override;

  // Reads the document's file (none for an untitled document) and loads the
  // window: the file's settings go into the controls, and a document saved to
  // start when opened starts. Answers an error naming the file, or nothing.
  std::optional<std::string> load(const std::string &path);

  desktop::Window *window() override { return this; }

  // File menu commands; false when the document was not saved.
  bool save();
  bool saveAs();

  app::MyDocument &document() { return *document_; }
  app::DragAndDropBox &dropBox() { return *box_; }
  DocumentForm &form() { return *form_; }

 protected:
  void closeEvent(QCloseEvent *event) override;

 private:
  void buildMenus();
  void connectActions();
  void trackEdits();
  void markEdited();
  void refreshTitle();
  // Saves to a file and shows an error in an alert.
  bool finishSave(const std::optional<std::string> &error);
  // Asks whether to save unsaved changes; false when the user cancels.
  bool askToSaveChanges();

  QtDesktopServices &services_;
  DocumentController &controller_;
  DocumentForm *form_;  // owned by the window as its central widget

  LineEditField folderPath_;
  PushButtonControl chooseFolder_;
  PushButtonControl reveal_;
  LineEditField interval_;
  PopUpControl intervalUnits_;
  CheckBoxControl checkItemCount_;
  CheckBoxControl checkModificationDate_;
  CheckBoxControl beep_;
  CheckBoxControl sendEMail_;
  LineEditField eMailAddress_;
  LineEditField eMailMessage_;
  CheckBoxControl revealTarget_;
  CheckBoxControl openFiles_;
  LineEditField openFilePath1_;
  LineEditField openFilePath2_;
  CheckBoxControl stopChecking_;
  CheckBoxControl startWhenOpened_;
  LabelField status_;
  BusyIndicator progress_;
  PushButtonControl startStop_;

  // Made after the controls and gone before them: the box unregisters from its
  // view and the document ends its watch while the window still stands.
  std::unique_ptr<app::DragAndDropBox> box_;
  std::unique_ptr<app::MyDocument> document_;
};

}  // namespace vigil::qt
