// The document's controls over Qt widgets: each adapter reaches one widget,
// which the window's layout owns.
#pragma once

#include "platform/desktop/controls.hpp"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QWidget;

namespace vigil::qt {

// Black text is the style's own text colour, so that it stays readable on a
// dark theme; red is red.
void ApplyTextColor(QWidget *widget, desktop::TextColor color);

class LineEditField : public desktop::TextField {
 public:
  explicit LineEditField(QLineEdit *edit) : edit_(edit) {}
  std::string stringValue() const override;
  void setStringValue(std::string_view text) override;
  void setTextColor(desktop::TextColor color) override;
  void setNeedsDisplay() override;

 private:
  QLineEdit *edit_;
};

// A text field that only shows its text: the status line.
class LabelField : public desktop::TextField {
 public:
  explicit LabelField(QLabel *label) : label_(label) {}
  std::string stringValue() const override;
  void setStringValue(std::string_view text) override;
  void setTextColor(desktop::TextColor color) override;
  void setNeedsDisplay() override;

 private:
  QLabel *label_;
};

class CheckBoxControl : public desktop::CheckBox {
 public:
  explicit CheckBoxControl(QCheckBox *box) : box_(box) {}
  int state() const override;
  void setState(int state) override;
  void setNeedsDisplay() override;

 private:
  QCheckBox *box_;
};

class PopUpControl : public desktop::PopUpButton {
 public:
  explicit PopUpControl(QComboBox *combo) : combo_(combo) {}
  int indexOfSelectedItem() const override;
  void selectItemAtIndex(int index) override;
  void setNeedsDisplay() override;

 private:
  QComboBox *combo_;
};

class PushButtonControl : public desktop::Button {
 public:
  explicit PushButtonControl(QPushButton *button) : button_(button) {}
  std::string title() const override;
  void setTitle(std::string_view title) override;
  void setNeedsDisplay() override;

 private:
  QPushButton *button_;
};

// A busy bar shown only while it animates; it keeps its place in the layout
// when hidden, so that nothing around it moves.
class BusyIndicator : public desktop::ProgressIndicator {
 public:
  explicit BusyIndicator(QProgressBar *bar);
  void startAnimation() override;
  void stopAnimation() override;
  bool isAnimating() const override;
  void setNeedsDisplay() override;

 private:
  QProgressBar *bar_;
};

}  // namespace vigil::qt
