// A document's window of stored controls, connected as the document's outlets:
// the window of a document run without a display, and of the tests.
#pragma once

#include "app/document_outlets.hpp"
#include "platform/desktop/stored_controls.hpp"
#include "platform/desktop/window.hpp"

#include <functional>
#include <string>

namespace vigil::app {

// The status line. Every text set is reported as passing (the countdown sets
// texts only); when it is then marked for redrawing, as every display state
// does, it is reported again as a state of its own.
class StatusLine : public desktop::StoredTextField {
 public:
  using Listener = std::function<void(const std::string &text, bool passing)>;
  void setStringValue(std::string_view text) override;
  void setNeedsDisplay() override;
  void onUpdate(Listener listener) { listener_ = std::move(listener); }

 private:
  Listener listener_;
  bool pending_ = false;
};

class StoredWindow : public desktop::WindowController, public desktop::Window {
 public:
  StoredWindow();
  desktop::Window *window() override { return this; }
  const DocumentOutlets &outlets() const { return outlets_; }

  desktop::StoredButton buttonStart{"Start"};
  StatusLine status;
  desktop::StoredTextField folderPath;
  desktop::StoredButton chooseFolder{"Choose\u2026"};
  desktop::StoredProgressIndicator progress;
  desktop::StoredButton reveal{"Reveal"};
  // The layout's initial values: check every minute for both kinds of change.
  desktop::StoredCheckBox checkItemCount{1};
  desktop::StoredTextField interval{"1"};
  desktop::StoredPopUpButton intervalUnits{1};
  desktop::StoredCheckBox checkModificationDate{1};
  desktop::StoredCheckBox sendEMail;
  desktop::StoredCheckBox beep;
  desktop::StoredCheckBox revealTarget;
  desktop::StoredTextField eMailAddress;
  desktop::StoredTextField eMailMessage;
  desktop::StoredCheckBox stopChecking;
  desktop::StoredCheckBox openFiles;
  desktop::StoredCheckBox startWhenOpened;
  desktop::StoredTextField openFilePath1;
  desktop::StoredTextField openFilePath2;

 private:
  DocumentOutlets outlets_;
};

}  // namespace vigil::app
