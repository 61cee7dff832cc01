// The controls a document reaches through its window's outlets: the operations
// it uses, whatever toolkit draws them.
#pragma once

#include <string>
#include <string_view>

namespace vigil::desktop {

enum class TextColor { kBlack, kRed };

class Control {
 public:
  virtual ~Control() = default;
  // Marks the control for redrawing.
  virtual void setNeedsDisplay() = 0;
};

class TextField : public Control {
 public:
  virtual std::string stringValue() const = 0;
  virtual void setStringValue(std::string_view text) = 0;
  virtual void setTextColor(TextColor color) = 0;
  // The text read as a decimal number, 0 when it does not start with one.
  double doubleValue() const;
};

class CheckBox : public Control {
 public:
  // 0 off, 1 on.
  virtual int state() const = 0;
  virtual void setState(int state) = 0;
  int intValue() const { return state(); }
};

class PopUpButton : public Control {
 public:
  virtual int indexOfSelectedItem() const = 0;
  virtual void selectItemAtIndex(int index) = 0;
};

class Button : public Control {
 public:
  virtual std::string title() const = 0;
  virtual void setTitle(std::string_view title) = 0;
};

class ProgressIndicator : public Control {
 public:
  virtual void startAnimation() = 0;
  virtual void stopAnimation() = 0;
  virtual bool isAnimating() const = 0;
};

// The number at the front of a text, as a text field reads it: optional white
// space, a sign, digits with an optional fraction and exponent. 0 when there is
// none; too large a number reads as an infinity of its sign.
double DecimalValueOf(std::string_view text);

}  // namespace vigil::desktop
