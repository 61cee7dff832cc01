#include "app/my_document.hpp"

#include "app/document_settings.hpp"
#include "bridge/folder_catalog.h"
#include "bridge/reveal.h"
#include "platform/core/result_codes.h"
#include "platform/desktop/file_existence.hpp"
#include "platform/desktop/localized_strings.hpp"
#include "platform/desktop/typedstream_reader.hpp"
#include "platform/desktop/typedstream_writer.hpp"
#include "platform/files/aliases.h"
#include "platform/files/catalog.h"
#include "platform/text/cf_string.h"

#include <cmath>
#include <limits>

namespace vigil::app {

using desktop::FormatWithDouble;
using desktop::FormatWithInteger;
using desktop::LocalizedString;

namespace {

// Delay between the two halves of a check, and the countdown's period.
constexpr double kDelayedHalfSeconds = 0.5;
constexpr double kDisplayTimerSeconds = 0.5;

DocBool BooleanOf(const desktop::CheckBox *box) {
  return box != nullptr ? static_cast<DocBool>(box->intValue()) : 0;
}

std::string FieldText(const desktop::TextField *field) {
  return field != nullptr ? field->stringValue() : std::string();
}

// A double truncated toward zero into 32 bits, held to the range so that a
// countdown far out of range cannot overflow.
SInt32 TruncateToSInt32(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kMin = std::numeric_limits<SInt32>::min();
  constexpr double kMax = std::numeric_limits<SInt32>::max();
  return static_cast<SInt32>(std::trunc(std::clamp(value, kMin, kMax)));
}

OSStatus PathToFSRef(const std::string &path, FSRef *ref) {
  CFStringRef string = CFStringCreateWithCString(kCFAllocatorDefault, path.c_str(),
                                                 kCFStringEncodingUTF8);
  if (string == nullptr) return paramErr;  // not UTF-8: no such item can be named
  const OSStatus result = NSStringPathToFSRef(string, ref);
  CFRelease(string);
  return result;
}

}  // namespace

MyDocument::MyDocument(desktop::DesktopServices &services) : mServices(services) {}

MyDocument::~MyDocument() { invalidateTimers(); }

void MyDocument::connectOutlets(const DocumentOutlets &outlets) { mOutlets = outlets; }

void MyDocument::windowControllerDidLoadNib(desktop::WindowController *controller) {
  if (mDocData) {
    restoreUIStateForDocument(*mDocData);
    mDocData.reset();
  }
  mWindowController = controller;
  if (mOutlets.mCheckBoxStartWhenDocumentOpened != nullptr &&
      mOutlets.mCheckBoxStartWhenDocumentOpened->state() != 0) {
    buttonStartStop(this);
  }
}

UInt32 MyDocument::uptimeSeconds() const { return mServices.runLoop().tickCount() / 60; }

void MyDocument::performAfterDelay(double delay, std::function<void()> call) {
  std::weak_ptr<int> alive = mAlive;
  mServices.runLoop().performAfterDelay(delay, [alive, call = std::move(call)] {
    if (!alive.expired()) call();
  });
}

void MyDocument::invalidateTimers() {
  if (mFolderCheckTimer) {
    mFolderCheckTimer->invalidate();
    mFolderCheckTimer.reset();
  }
  if (mUIUpdateTimer) {
    mUIUpdateTimer->invalidate();
    mUIUpdateTimer.reset();
  }
}

bool MyDocument::scheduleTimers() {
  mFolderCheckTimer = mServices.runLoop().scheduledTimer(
      mCheckTimeIntervalSeconds, [this](desktop::Timer &timer) { checkTimerFired(timer); });
  if (!mFolderCheckTimer) return false;
  mStartTimeSeconds = uptimeSeconds();
  mUIUpdateTimer = mServices.runLoop().scheduledTimer(
      kDisplayTimerSeconds, [this](desktop::Timer &timer) { updateUITimer(timer); });
  if (!mUIUpdateTimer) {
    invalidateTimers();  // no watch runs with only one of its timers
    return false;
  }
  return true;
}

void MyDocument::buttonStartStop(const void *sender) {
  if (mRunning) {
    invalidateTimers();
    updateUI(sender == this ? kDisplayStoppedByDocument : kDisplayStoppedByUser);
    mRunning = 0;
    return;
  }

  mItemCountWasDifferent = 0;
  mModDateWasDifferent = 0;
  const std::string path = FieldText(mOutlets.mFilePathTextField);
  bool isDirectory = false;
  if (!desktop::FileExistsAtPath(path, &isDirectory) || !isDirectory) {
    updateUI(kDisplayNotAFolder);
    return;
  }
  PathToFSRef(path, &mFileRef);
  FSRefMakeFSSpec(&mFileRef, &mFileSpec);
  saveUIState();
  mCheckTimeIntervalSeconds = getTimeIntervalInSeconds();
  mFirstTargetCheck = 1;
  hasTargetChanged();  // takes the baseline
  if (!scheduleTimers()) {
    updateUI(kDisplayTimerFailed);
    return;
  }
  ++mWatchNumber;
  updateUI(kDisplayWaiting);
  mRunning = 1;
}

void MyDocument::checkTimerFired(desktop::Timer &) {
  mCheckInProgress = 1;
  updateUI(kDisplayChecking);
  if (mOutlets.mProgressBar != nullptr) mOutlets.mProgressBar->startAnimation();
  const uint64_t watch = mWatchNumber;
  performAfterDelay(kDelayedHalfSeconds, [this, watch] {
    // A half whose watch has been stopped (and maybe started anew) does nothing.
    if (mRunning && watch == mWatchNumber) checkTimerFiredDelayed(this);
  });
}

void MyDocument::checkTimerFiredDelayed(const void *) {
  const double previousInterval = mCheckTimeIntervalSeconds;
  saveUIState();
  mCheckTimeIntervalSeconds = getTimeIntervalInSeconds();
  if (mCheckTimeIntervalSeconds != previousInterval) {
    invalidateTimers();
    if (!scheduleTimers()) {
      // The new interval cannot be kept: the watch ends as when it stops itself.
      mCheckInProgress = 0;
      if (mOutlets.mProgressBar != nullptr) mOutlets.mProgressBar->stopAnimation();
      buttonStartStop(this);
      return;
    }
  }
  if (hasTargetChanged() == 1) {
    if (mChangeListener) {
      const bool flagged = mItemCountWasDifferent || mModDateWasDifferent;
      mChangeListener({FieldText(mOutlets.mFilePathTextField), mItemCountWasDifferent != 0,
                       mCurrentCheckItemCount, mModDateWasDifferent != 0, !flagged});
    }
    handleUserActionsForChangedTarget();
  }
  updateUI(kDisplayWaiting);
  if (mOutlets.mProgressBar != nullptr) mOutlets.mProgressBar->stopAnimation();
  mCheckInProgress = 0;
  mStartTimeSeconds = uptimeSeconds();
}

void MyDocument::updateUITimer(desktop::Timer &) {
  if (!mRunning || mCheckInProgress) return;
  const double remaining =
      static_cast<double>(mStartTimeSeconds) + mCheckTimeIntervalSeconds - uptimeSeconds();
  if (mOutlets.mStatusTextField != nullptr) {
    mOutlets.mStatusTextField->setStringValue(
        FormatWithInteger(LocalizedString("NextCheckInXSeconds"), TruncateToSInt32(remaining)));
  }
}

void MyDocument::updateUI(SInt32 displayState) {
  const char *title = nullptr;
  std::string status;
  switch (displayState) {
    case kDisplayNotAFolder:
      title = "Start";
      status = LocalizedString("Target is not valid or not a folder.");
      break;
    case kDisplayWaiting:
      title = "Stop";
      status = FormatWithDouble(LocalizedString("Next check in %.0f seconds."),
                                mCheckTimeIntervalSeconds);
      break;
    case kDisplayStoppedByUser:
      title = "Start";
      status = LocalizedString("Stopped by user.");
      break;
    case kDisplayChecking:
      title = "Stop";
      status = LocalizedString("Checking for target changes\u2026");
      break;
    case kDisplayStoppedByDocument:
      title = "Start";
      status = LocalizedString("Idle");
      break;
    default:  // kDisplayTimerFailed and unknown states leave the texts as they are
      break;
  }
  if (title != nullptr) {
    if (mOutlets.mButtonStart != nullptr) mOutlets.mButtonStart->setTitle(LocalizedString(title));
    if (mOutlets.mStatusTextField != nullptr) mOutlets.mStatusTextField->setStringValue(status);
  }
  if (mOutlets.mButtonStart != nullptr) mOutlets.mButtonStart->setNeedsDisplay();
  if (mOutlets.mStatusTextField != nullptr) mOutlets.mStatusTextField->setNeedsDisplay();
}

double MyDocument::getTimeIntervalInSeconds() {
  const int units = mOutlets.mCheckTimeIntervalUnitsPopup != nullptr
                        ? mOutlets.mCheckTimeIntervalUnitsPopup->indexOfSelectedItem()
                        : 0;
  double value = mOutlets.mCheckTimeIntervalTextField != nullptr
                     ? mOutlets.mCheckTimeIntervalTextField->doubleValue()
                     : 0.0;
  if (value <= 1) {
    if (mOutlets.mCheckTimeIntervalTextField != nullptr) {
      mOutlets.mCheckTimeIntervalTextField->setStringValue("1");
    }
    value = 1;
  }
  if (units == 0) return value;
  if (units == 1) return value * 60;
  return value * 60 * 60;
}

void MyDocument::saveUIState() {
  mCheckTimeIntervalSeconds = getTimeIntervalInSeconds();
  mCheckTimeIntervalUnits =
      mOutlets.mCheckTimeIntervalUnitsPopup != nullptr
          ? static_cast<UInt32>(mOutlets.mCheckTimeIntervalUnitsPopup->indexOfSelectedItem())
          : 0;
  mBeepOnChange = BooleanOf(mOutlets.mBeepCheckBox);
  mSendEMailOnChange = BooleanOf(mOutlets.mSendAnEmailCheckBox);
  mRevealTargetOnChange = BooleanOf(mOutlets.mRevealTargetCheckBox);
  mStartWhenDocumentOpened = BooleanOf(mOutlets.mCheckBoxStartWhenDocumentOpened);
  mOpenFilesOnChange = BooleanOf(mOutlets.mCheckBoxOpenFiles);
  mStopCheckingForChangesOnChange = BooleanOf(mOutlets.mStopCheckingForChangesCheckBox);
  mCheckItemCountChange = BooleanOf(mOutlets.mCheckItemCountChangeCheckBox);
  mCheckModDateChange = BooleanOf(mOutlets.mCheckModificationDateChangeCheckBox);
}

void MyDocument::setFileIntoWindow(std::string_view path) {
  if (mOutlets.mFilePathTextField != nullptr) mOutlets.mFilePathTextField->setStringValue(path);
}

DocBool MyDocument::hasTargetChanged() {
  Boolean targetIsFolder = false;
  Boolean wasAliased = false;
  if (ResolveAliasFileWithMountFlags(&mFileSpec, true, &targetIsFolder, &wasAliased, 0) != noErr ||
      !targetIsFolder) {
    return 1;
  }
  FSpMakeFSRef(&mFileSpec, &mFileRef);

  if (mFirstTargetCheck) {
    UInt32 count = 0;
    if (FSpCountItems(&mFileSpec, &count) == noErr) mLastCheckItemCount = static_cast<SInt32>(count);
    FSpGetModificationNanoseconds(&mFileSpec, &mLastCheckModDate);
    mFirstTargetCheck = 0;
  } else {
    if (mCheckItemCountChange) {
      UInt32 count = 0;
      if (FSpCountItems(&mFileSpec, &count) == noErr) {
        mCurrentCheckItemCount = static_cast<SInt32>(count);
        if (mCurrentCheckItemCount != mLastCheckItemCount) mItemCountWasDifferent = 1;
      }
      mLastCheckItemCount = mCurrentCheckItemCount;
    }
    if (mCheckModDateChange) {
      SInt64 modified = 0;
      if (FSpGetModificationNanoseconds(&mFileSpec, &modified) == noErr) {
        if (modified != mLastCheckModDate) mModDateWasDifferent = 1;
        mLastCheckModDate = modified;
      }
    }
  }
  return (mItemCountWasDifferent || mModDateWasDifferent) ? 1 : 0;
}

void MyDocument::handleUserActionsForChangedTarget() {
  if (mBeepOnChange) mServices.sound().beep();
  if (mSendEMailOnChange) sendEMail(this);
  if (mRevealTargetOnChange) FSRefRevealInFinder(&mFileRef);
  mModDateWasDifferent = 0;
  mItemCountWasDifferent = 0;
  if (mStopCheckingForChangesOnChange) {
    const uint64_t watch = mWatchNumber;
    performAfterDelay(kDelayedHalfSeconds, [this, watch] {
      // Only the watch that saw the change stops; a stopped one is not restarted.
      if (mRunning && watch == mWatchNumber) buttonStartStop(this);
    });
  }
  if (mOpenFilesOnChange) {
    for (const desktop::TextField *field : {mOutlets.mOpenFilePath1, mOutlets.mOpenFilePath2}) {
      const std::string path = FieldText(field);
      if (!path.empty() && !mServices.workspace().openFile(path)) mServices.sound().beep();
    }
  }
}

void MyDocument::sendEMail(const void *) {
  const std::string address = FieldText(mOutlets.mEMailAddressTextField);
  const std::string folderChanged = desktop::FormatWithString(
      LocalizedString("FolderChanged"), FieldText(mOutlets.mFilePathTextField));
  std::string body;
  body.reserve(100);
  body += FieldText(mOutlets.mEMailMessageTextField);
  body += "\n\n";
  body += folderChanged;
  body += "\n\n";
  if (mModDateWasDifferent) {
    body += LocalizedString("ModDateDifferent");
    body += "\n";
  }
  if (mItemCountWasDifferent) {
    body += FormatWithInteger(LocalizedString("ItemCountDifferent"), mCurrentCheckItemCount);
  }
  if (!mServices.mail().deliverMessage(body, folderChanged, address)) {
    mServices.alerts().runAlertPanel(LocalizedString("Sending the Email notification failed."),
                            LocalizedString("VerifyEmailSettings"), LocalizedString("OKButton"));
  }
}

void MyDocument::buttonChooseFolder(const void *) {
  mWindow = mWindowController != nullptr ? mWindowController->window() : nullptr;
  mOpenPanel = mServices.openPanel();
  if (!mOpenPanel) return;
  mOpenPanel->setAllowsMultipleSelection(false);
  mOpenPanel->setTreatsFilePackagesAsDirectories(false);
  mOpenPanel->setCanChooseDirectories(true);
  mOpenPanel->setCanChooseFiles(false);
  mOpenPanel->setTitle(LocalizedString("ChooseFolderToMonitor"));
  mOpenPanel->beginSheet(desktop::HomeDirectory(), "", {}, mWindow,
                         [this](desktop::OpenPanel &panel, int returnCode) {
                           handleChangeDone(panel, returnCode, nullptr);
                         });
}

void MyDocument::handleChangeDone(desktop::OpenPanel &panel, SInt32 returnCode, void *) {
  if (returnCode != desktop::OpenPanel::kOKButton) return;
  const auto chosen = panel.filenames();
  if (!chosen.empty()) setFileIntoWindow(chosen.front());
}

void MyDocument::buttonRevealFolder(const void *) {
  PathToFSRef(FieldText(mOutlets.mFilePathTextField), &mFileRef);
  FSRefRevealInFinder(&mFileRef);
}

std::vector<std::uint8_t> MyDocument::dataRepresentationOfType(const std::string &) {
  return makeSettingsDataRepresentation();
}

std::vector<std::uint8_t> MyDocument::makeSettingsDataRepresentation() {
  saveUIState();  // also puts the interval's lower bound into its field
  return Archive(SettingsFromControls(mOutlets));
}

bool MyDocument::loadDataRepresentation(const std::vector<std::uint8_t> &data, const std::string &) {
  mDocData = data;
  return true;
}

void MyDocument::restoreUIStateForDocument(const std::vector<std::uint8_t> &data) {
  const std::optional<ArchivedDictionary> settings = Unarchive(data);
  if (!settings) {
    // Contents that do not decode change nothing and show nothing; the file
    // they came from is not overwritten by a later Save.
    forgetFile();
    return;
  }
  const auto restoreBox = [&](const char *key, desktop::CheckBox *box) {
    if (const ArchivedValue *value = settings->Find(key); value != nullptr && box != nullptr) {
      box->setState(IntegerOf(*value));
    }
  };
  const auto restoreText = [&](const char *key, desktop::TextField *field) {
    if (const ArchivedValue *value = settings->Find(key); value != nullptr && field != nullptr) {
      field->setStringValue(app::TextOf(*value));
    }
  };
  restoreBox(kSendAnEmailCheckBoxKey, mOutlets.mSendAnEmailCheckBox);
  restoreBox(kBeepCheckBoxKey, mOutlets.mBeepCheckBox);
  restoreBox(kRevealTargetCheckBoxKey, mOutlets.mRevealTargetCheckBox);
  restoreBox(kCheckItemCountChangeCheckBoxKey, mOutlets.mCheckItemCountChangeCheckBox);
  restoreBox(kCheckModificationDateChangeCheckBoxKey, mOutlets.mCheckModificationDateChangeCheckBox);
  restoreBox(kStopCheckingForChangesCheckBoxKey, mOutlets.mStopCheckingForChangesCheckBox);
  restoreBox(kOpenFilesCheckBoxKey, mOutlets.mCheckBoxOpenFiles);
  restoreBox(kStartWhenDocumentCheckBoxKey, mOutlets.mCheckBoxStartWhenDocumentOpened);
  if (const ArchivedValue *unit = settings->Find(kCheckTimeIntervalUnitsPopupKey);
      unit != nullptr && mOutlets.mCheckTimeIntervalUnitsPopup != nullptr) {
    mOutlets.mCheckTimeIntervalUnitsPopup->selectItemAtIndex(IntegerOf(*unit));
  }
  if (const ArchivedValue *path = settings->Find(kTextFieldFilePathKey)) {
    setFileIntoWindow(app::TextOf(*path));
  }
  restoreText(kEMailMessageTextFieldKey, mOutlets.mEMailMessageTextField);
  restoreText(kEMailAddressTextFieldKey, mOutlets.mEMailAddressTextField);
  restoreText(kCheckTimeIntervalTextFieldKey, mOutlets.mCheckTimeIntervalTextField);
  restoreText(kOpenFilePath1TextFieldKey, mOutlets.mOpenFilePath1);
  restoreText(kOpenFilePath2TextFieldKey, mOutlets.mOpenFilePath2);
}

}  // namespace vigil::app
