// The window layout "MyDocument": every control of a folder watch document,
// laid out in reading order (which is also the keyboard's tab order), with the
// layout's initial values: check every minute for both kinds of change.
#pragma once

#include <QWidget>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace vigil::qt {

class DropBoxView;

class DocumentForm : public QWidget {
 public:
  explicit DocumentForm(QWidget *parent = nullptr);

  // The focusable controls in tab order.
  std::vector<QWidget *> tabOrder() const;
  // Every control whose value is a setting of the document's file.
  std::vector<QWidget *> settingControls() const;

  DropBoxView *dropBox;
  QLineEdit *folderPath;
  QPushButton *chooseFolder;
  QPushButton *reveal;
  QLineEdit *interval;
  QComboBox *intervalUnits;
  QCheckBox *checkItemCount;
  QCheckBox *checkModificationDate;
  QCheckBox *beep;
  QCheckBox *sendEMail;
  QLineEdit *eMailAddress;
  QLineEdit *eMailMessage;
  QCheckBox *revealTarget;
  QCheckBox *openFiles;
  QLineEdit *openFilePath1;
  QLineEdit *openFilePath2;
  QCheckBox *stopChecking;
  QCheckBox *startWhenOpened;
  QLabel *status;
  QProgressBar *progress;
  QPushButton *startStop;
};

}  // namespace vigil::qt
