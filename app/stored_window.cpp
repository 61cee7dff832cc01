#include "app/stored_window.hpp"

namespace vigil::app {

void StatusLine::setStringValue(std::string_view text) {
  StoredTextField::setStringValue(text);
  pending_ = true;
  if (listener_) listener_(stringValue(), true);
}

void StatusLine::setNeedsDisplay() {
  StoredTextField::setNeedsDisplay();
  if (pending_ && listener_) listener_(stringValue(), false);
  pending_ = false;
}

StoredWindow::StoredWindow() {
  outlets_.mButtonStart = &buttonStart;
  outlets_.mStatusTextField = &status;
  outlets_.mFilePathTextField = &folderPath;
  outlets_.mButtonChooseFile = &chooseFolder;
  outlets_.mProgressBar = &progress;
  outlets_.mRevealFolderButton = &reveal;
  outlets_.mCheckItemCountChangeCheckBox = &checkItemCount;
  outlets_.mCheckTimeIntervalTextField = &interval;
  outlets_.mCheckTimeIntervalUnitsPopup = &intervalUnits;
  outlets_.mCheckModificationDateChangeCheckBox = &checkModificationDate;
  outlets_.mSendAnEmailCheckBox = &sendEMail;
  outlets_.mBeepCheckBox = &beep;
  outlets_.mRevealTargetCheckBox = &revealTarget;
  outlets_.mEMailAddressTextField = &eMailAddress;
  outlets_.mEMailMessageTextField = &eMailMessage;
  outlets_.mStopCheckingForChangesCheckBox = &stopChecking;
  outlets_.mCheckBoxOpenFiles = &openFiles;
  outlets_.mCheckBoxStartWhenDocumentOpened = &startWhenOpened;
  outlets_.mOpenFilePath1 = &openFilePath1;
  outlets_.mOpenFilePath2 = &openFilePath2;
}

}  // namespace vigil::app
