// The controls of a document's window, as the window layout "MyDocument"
// connects them to the document.
#pragma once

#include "platform/desktop/controls.hpp"

namespace vigil::app {

class DragAndDropBox;

struct DocumentOutlets {
  desktop::Button *mButtonStart = nullptr;
  desktop::TextField *mStatusTextField = nullptr;
  desktop::TextField *mFilePathTextField = nullptr;
  desktop::Button *mButtonChooseFile = nullptr;
  desktop::ProgressIndicator *mProgressBar = nullptr;
  DragAndDropBox *mDragAndDropBox = nullptr;
  desktop::Button *mRevealFolderButton = nullptr;
  desktop::CheckBox *mCheckItemCountChangeCheckBox = nullptr;
  desktop::TextField *mCheckTimeIntervalTextField = nullptr;
  desktop::PopUpButton *mCheckTimeIntervalUnitsPopup = nullptr;
  desktop::CheckBox *mCheckModificationDateChangeCheckBox = nullptr;
  desktop::CheckBox *mSendAnEmailCheckBox = nullptr;
  desktop::CheckBox *mBeepCheckBox = nullptr;
  desktop::CheckBox *mRevealTargetCheckBox = nullptr;
  desktop::TextField *mEMailAddressTextField = nullptr;
  desktop::TextField *mEMailMessageTextField = nullptr;
  desktop::CheckBox *mStopCheckingForChangesCheckBox = nullptr;
  desktop::CheckBox *mCheckBoxOpenFiles = nullptr;
  desktop::CheckBox *mCheckBoxStartWhenDocumentOpened = nullptr;
  desktop::TextField *mOpenFilePath1 = nullptr;
  desktop::TextField *mOpenFilePath2 = nullptr;
};

}  // namespace vigil::app
