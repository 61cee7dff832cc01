#include "app/qt/document_form.hpp"

#include "app/qt/drop_box_view.hpp"
#include "app/qt/qt_text.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace vigil::qt {
namespace {

// Widths in characters of the font in use, so that the layout grows with the
// font and the screen's scale.
int CharacterWidths(const QWidget *widget, int characters) {
  return widget->fontMetrics().averageCharWidth() * characters;
}

QLabel *BuddyLabel(const char *key, QWidget *buddy, QWidget *parent) {
  auto *label = new QLabel(LocalizedText(key), parent);
  label->setBuddy(buddy);
  return label;
}

// A text field that holds whatever a settings document brings, however long:
// a field that cut the text would lose it at the next save.
QLineEdit *TextField(QWidget *parent, const QString &text = QString()) {
  auto *field = new QLineEdit(text, parent);
  field->setMaxLength(std::numeric_limits<int>::max());
  return field;
}

template <typename Control>
Control *Focusable(Control *control) {
  control->setFocusPolicy(Qt::StrongFocus);  // reachable with Tab in every style
  return control;
}

}  // namespace

DocumentForm::DocumentForm(QWidget *parent) : QWidget(parent) {
  // Made in reading order, which gives the tab order; it is set again below.
  dropBox = new DropBoxView(LocalizedText("Folder to watch (drop a folder here)"), this);
  folderPath = TextField(dropBox);
  folderPath->setMinimumWidth(CharacterWidths(folderPath, 36));
  chooseFolder = Focusable(new QPushButton(LocalizedText("&Choose\u2026"), dropBox));
  reveal = Focusable(new QPushButton(LocalizedText("Re&veal"), dropBox));
  auto *folderRow = new QHBoxLayout(dropBox);
  folderRow->addWidget(BuddyLabel("&Path:", folderPath, dropBox));
  folderRow->addWidget(folderPath, 1);
  folderRow->addWidget(chooseFolder);
  folderRow->addWidget(reveal);

  auto *checking = new QGroupBox(LocalizedText("Checking"), this);
  interval = TextField(checking, QStringLiteral("1"));
  interval->setMaximumWidth(CharacterWidths(interval, 10));
  interval->setAlignment(Qt::AlignRight);
  intervalUnits = new QComboBox(checking);
  intervalUnits->addItems({LocalizedText("seconds"), LocalizedText("minutes"), LocalizedText("hours")});
  intervalUnits->setCurrentIndex(1);
  intervalUnits->setAccessibleName(LocalizedText("Interval unit"));
  checkItemCount = Focusable(new QCheckBox(LocalizedText("Number of &items"), checking));
  checkItemCount->setChecked(true);
  checkModificationDate = Focusable(new QCheckBox(LocalizedText("&Modification date"), checking));
  checkModificationDate->setChecked(true);
  auto *checkingGrid = new QGridLayout(checking);
  checkingGrid->addWidget(BuddyLabel("Check &every", interval, checking), 0, 0);
  auto *intervalRow = new QHBoxLayout;
  intervalRow->addWidget(interval);
  intervalRow->addWidget(intervalUnits);
  intervalRow->addStretch(1);
  checkingGrid->addLayout(intervalRow, 0, 1);
  checkingGrid->addWidget(new QLabel(LocalizedText("Changes that count:"), checking), 1, 0);
  checkingGrid->addWidget(checkItemCount, 1, 1);
  checkingGrid->addWidget(checkModificationDate, 2, 1);
  checkingGrid->setColumnStretch(1, 1);

  auto *reactions = new QGroupBox(LocalizedText("When the folder changes"), this);
  beep = Focusable(new QCheckBox(LocalizedText("&Beep"), reactions));
  sendEMail = Focusable(new QCheckBox(LocalizedText("Send an e-m&ail to:"), reactions));
  eMailAddress = TextField(reactions);
  eMailAddress->setAccessibleName(LocalizedText("E-mail address"));
  eMailMessage = TextField(reactions);
  revealTarget = Focusable(new QCheckBox(LocalizedText("Revea&l the folder in the file manager"), reactions));
  openFiles = Focusable(new QCheckBox(LocalizedText("&Open these files:"), reactions));
  openFilePath1 = TextField(reactions);
  openFilePath1->setAccessibleName(LocalizedText("First file to open"));
  openFilePath2 = TextField(reactions);
  openFilePath2->setAccessibleName(LocalizedText("Second file to open"));
  stopChecking = Focusable(new QCheckBox(LocalizedText("&Stop watching"), reactions));
  auto *reactionGrid = new QGridLayout(reactions);
  reactionGrid->addWidget(beep, 0, 0, 1, 2);
  reactionGrid->addWidget(sendEMail, 1, 0);
  reactionGrid->addWidget(eMailAddress, 1, 1);
  auto *messageLabel = BuddyLabel("Messa&ge:", eMailMessage, reactions);
  messageLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  reactionGrid->addWidget(messageLabel, 2, 0);
  reactionGrid->addWidget(eMailMessage, 2, 1);
  reactionGrid->addWidget(revealTarget, 3, 0, 1, 2);
  reactionGrid->addWidget(openFiles, 4, 0);
  reactionGrid->addWidget(openFilePath1, 4, 1);
  reactionGrid->addWidget(openFilePath2, 5, 1);
  reactionGrid->addWidget(stopChecking, 6, 0, 1, 2);
  reactionGrid->setColumnStretch(1, 1);

  startWhenOpened = Focusable(new QCheckBox(LocalizedText("Start watching &when the document opens"), this));

  status = new QLabel(this);
  status->setAccessibleName(LocalizedText("Status"));
  status->setTextFormat(Qt::PlainText);
  status->setTextInteractionFlags(Qt::TextSelectableByMouse);
  status->setMinimumWidth(CharacterWidths(status, 30));
  progress = new QProgressBar(this);
  progress->setAccessibleName(LocalizedText("Checking"));
  progress->setMaximumWidth(CharacterWidths(progress, 12));
  startStop = Focusable(new QPushButton(LocalizedText("Start"), this));
  startStop->setMinimumWidth(CharacterWidths(startStop, 10));
  auto *statusRow = new QHBoxLayout;
  statusRow->addWidget(status, 1);
  statusRow->addWidget(progress);
  statusRow->addWidget(startStop);

  auto *column = new QVBoxLayout(this);
  column->addWidget(dropBox);
  column->addWidget(checking);
  column->addWidget(reactions);
  column->addWidget(startWhenOpened);
  column->addStretch(1);
  column->addLayout(statusRow);

  const std::vector<QWidget *> order = tabOrder();
  for (size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

std::vector<QWidget *> DocumentForm::tabOrder() const {
  return {folderPath,    chooseFolder,  reveal,       interval,      intervalUnits,   checkItemCount,
          checkModificationDate,        beep,         sendEMail,     eMailAddress,    eMailMessage,
          revealTarget,  openFiles,     openFilePath1, openFilePath2, stopChecking,   startWhenOpened,
          startStop};
}

std::vector<QWidget *> DocumentForm::settingControls() const {
  return {folderPath, interval,     intervalUnits, checkItemCount, checkModificationDate,
          beep,       sendEMail,    eMailAddress,  eMailMessage,   revealTarget,
          openFiles,  openFilePath1, openFilePath2, stopChecking,  startWhenOpened};
}

}  // namespace vigil::qt
