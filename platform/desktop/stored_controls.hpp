// Controls that keep their values without drawing anything: the controls of a
// document run without a display. Each can report changes to a listener.
#pragma once

#include "platform/desktop/controls.hpp"

#include <functional>
#include <string>

namespace vigil::desktop {

class StoredTextField : public TextField {
 public:
  explicit StoredTextField(std::string text = {}) : text_(std::move(text)) {}
  std::string stringValue() const override { return text_; }
  void setStringValue(std::string_view text) override;
  void setTextColor(TextColor color) override { color_ = color; }
  void setNeedsDisplay() override { ++redraws_; }

  TextColor textColor() const { return color_; }
  int redrawRequests() const { return redraws_; }
  // Called with the new text after every setStringValue.
  void onChange(std::function<void(const std::string &)> listener) { listener_ = std::move(listener); }

 private:
  std::string text_;
  TextColor color_ = TextColor::kBlack;
  int redraws_ = 0;
  std::function<void(const std::string &)> listener_;
};

class StoredCheckBox : public CheckBox {
 public:
  explicit StoredCheckBox(int state = 0) : state_(state) {}
  int state() const override { return state_; }
  void setState(int state) override { state_ = state; }
  void setNeedsDisplay() override {}

 private:
  int state_;
};

class StoredPopUpButton : public PopUpButton {
 public:
  explicit StoredPopUpButton(int selected = 0) : selected_(selected) {}
  int indexOfSelectedItem() const override { return selected_; }
  void selectItemAtIndex(int index) override { selected_ = index; }
  void setNeedsDisplay() override {}

 private:
  int selected_;
};

class StoredButton : public Button {
 public:
  explicit StoredButton(std::string title = {}) : title_(std::move(title)) {}
  std::string title() const override { return title_; }
  void setTitle(std::string_view title) override { title_ = title; }
  void setNeedsDisplay() override { ++redraws_; }
  int redrawRequests() const { return redraws_; }

 private:
  std::string title_;
  int redraws_ = 0;
};

class StoredProgressIndicator : public ProgressIndicator {
 public:
  void startAnimation() override { animating_ = true; }
  void stopAnimation() override { animating_ = false; }
  bool isAnimating() const override { return animating_; }
  void setNeedsDisplay() override {}

 private:
  bool animating_ = false;
};

}  // namespace vigil::desktop
