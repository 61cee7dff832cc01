#include "app/qt/qt_controls.hpp"

#include "app/qt/qt_text.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace vigil::qt {

void ApplyTextColor(QWidget *widget, desktop::TextColor color) {
  if (color == desktop::TextColor::kBlack) {
    widget->setPalette(QPalette());  // an empty palette inherits every colour again
    return;
  }
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Text, Qt::red);
  palette.setColor(QPalette::WindowText, Qt::red);
  widget->setPalette(palette);
}

std::string LineEditField::stringValue() const { return ToUtf8(edit_->text()); }

void LineEditField::setStringValue(std::string_view text) { edit_->setText(FromUtf8(text)); }

void LineEditField::setTextColor(desktop::TextColor color) { ApplyTextColor(edit_, color); }

void LineEditField::setNeedsDisplay() { edit_->update(); }

std::string LabelField::stringValue() const { return ToUtf8(label_->text()); }

void LabelField::setStringValue(std::string_view text) { label_->setText(FromUtf8(text)); }

void LabelField::setTextColor(desktop::TextColor color) { ApplyTextColor(label_, color); }

void LabelField::setNeedsDisplay() { label_->update(); }

int CheckBoxControl::state() const { return box_->isChecked() ? 1 : 0; }

void CheckBoxControl::setState(int state) { box_->setChecked(state != 0); }

void CheckBoxControl::setNeedsDisplay() { box_->update(); }

int PopUpControl::indexOfSelectedItem() const { return combo_->currentIndex(); }

void PopUpControl::selectItemAtIndex(int index) {
  // Every index past the last item means the last unit (hours), and so does a
  // negative one; the pop-up shows that unit rather than an empty choice.
  const int last = combo_->count() - 1;
  combo_->setCurrentIndex(index < 0 || index > last ? last : index);
}

void PopUpControl::setNeedsDisplay() { combo_->update(); }

std::string PushButtonControl::title() const {
  return ToUtf8(button_->text().replace(QStringLiteral("&&"), QStringLiteral("&")));
}

void PushButtonControl::setTitle(std::string_view title) {
  // An ampersand in a title is shown, not taken as a keyboard mnemonic.
  button_->setText(FromUtf8(title).replace(QLatin1Char('&'), QStringLiteral("&&")));
}

void PushButtonControl::setNeedsDisplay() { button_->update(); }

BusyIndicator::BusyIndicator(QProgressBar *bar) : bar_(bar) {
  QSizePolicy policy = bar_->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  bar_->setSizePolicy(policy);
  bar_->setTextVisible(false);
  bar_->setRange(0, 0);  // an empty range animates as busy
  bar_->hide();
}

void BusyIndicator::startAnimation() { bar_->show(); }

void BusyIndicator::stopAnimation() { bar_->hide(); }

bool BusyIndicator::isAnimating() const { return !bar_->isHidden(); }

void BusyIndicator::setNeedsDisplay() { bar_->update(); }

}  // namespace vigil::qt
