// The folder watch document: one per document window. It holds the settings in
// its window's controls, runs at most one watch at a time, checks the folder on
// its interval in two halves half a second apart, sees changes against the
// previous check, reacts to them and shows its state in the button and the
// status line.
#pragma once

#include "app/document_outlets.hpp"
#include "platform/core/base_types.h"
#include "platform/desktop/desktop_services.hpp"
#include "platform/desktop/document.hpp"
#include "platform/desktop/window.hpp"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include <string_view>

namespace vigil::app {

// A boolean of the document: a signed 8-bit value, 0 or not 0.
using DocBool = SInt8;

// Display states of updateUI.
enum DisplayState : SInt32 {
  kDisplayNotAFolder = 0,
  kDisplayTimerFailed = 2,
  kDisplayWaiting = 4,
  kDisplayStoppedByUser = 5,
  kDisplayChecking = 6,
  kDisplayStoppedByDocument = 7,
};

// What an examination saw, for whoever reports changes (the program without a
// display prints it).
struct ChangeReport {
  std::string folderPath;
  bool itemCountChanged;
  SInt32 itemCount;
  bool modificationDateChanged;
  bool folderMissing;  // not found, or no longer a folder
};

class MyDocument : public desktop::Document {
 public:
  explicit MyDocument(desktop::DesktopServices &services);
  ~MyDocument() override;  // ends the watch and its timers
  MyDocument(const MyDocument &) = delete;
  MyDocument &operator=(const MyDocument &) = delete;

  static std::string windowNibName() { return "MyDocument"; }

  // The window layout connects the controls, then the window controller reports
  // that the window has loaded.
  void connectOutlets(const DocumentOutlets &outlets);
  void windowControllerDidLoadNib(desktop::WindowController *controller);

  // Actions. A sender equal to this document marks a stop by the document itself.
  void buttonStartStop(const void *sender);
  void buttonChooseFolder(const void *sender);
  void handleChangeDone(desktop::OpenPanel &panel, SInt32 returnCode, void *contextInfo);
  void buttonRevealFolder(const void *sender);

  // The two halves of a check and the countdown.
  void checkTimerFired(desktop::Timer &timer);
  void checkTimerFiredDelayed(const void *object);
  void updateUITimer(desktop::Timer &timer);

  void updateUI(SInt32 displayState);
  double getTimeIntervalInSeconds();
  void saveUIState();
  void setFileIntoWindow(std::string_view path);
  DocBool hasTargetChanged();
  void handleUserActionsForChangedTarget();
  void sendEMail(const void *sender);

  // The settings file: saving archives the controls' settings; opening holds
  // the contents until the window has loaded, which then restores them.
  std::vector<std::uint8_t> dataRepresentationOfType(const std::string &type) override;
  bool loadDataRepresentation(const std::vector<std::uint8_t> &data, const std::string &type) override;
  std::vector<std::uint8_t> makeSettingsDataRepresentation();
  void restoreUIStateForDocument(const std::vector<std::uint8_t> &data);

  // Called after every examination of a check that answered changed, before the
  // reactions run.
  void onChangeDetected(std::function<void(const ChangeReport &)> listener) {
    mChangeListener = std::move(listener);
  }

  bool isRunning() const { return mRunning != 0; }
  const DocumentOutlets &outlets() const { return mOutlets; }

 private:
  // Uptime in whole seconds, from the run loop's tick count.
  UInt32 uptimeSeconds() const;
  // Makes both timers; false (after display state 2) when one cannot be made.
  bool scheduleTimers();
  void invalidateTimers();
  // Runs call later on the run loop, unless this document is gone by then or
  // the watch that asked for it has ended.
  void performAfterDelay(double delay, std::function<void()> call);

  desktop::DesktopServices &mServices;
  DocumentOutlets mOutlets;
  desktop::WindowController *mWindowController = nullptr;
  desktop::Window *mWindow = nullptr;

  // The watched folder.
  FSRef mFileRef{};
  FSSpec mFileSpec{};

  // Watch state.
  std::shared_ptr<desktop::Timer> mFolderCheckTimer;
  std::shared_ptr<desktop::Timer> mUIUpdateTimer;
  DocBool mRunning = 0;
  DocBool mCheckInProgress = 0;
  UInt32 mStartTimeSeconds = 0;
  DocBool mFirstTargetCheck = 0;
  SInt32 mLastCheckItemCount = 0;
  SInt32 mCurrentCheckItemCount = 0;
  // The modification date at the file system's full resolution (nanoseconds),
  // so that a change within the same second as the previous check is still seen.
  SInt64 mLastCheckModDate = 0;
  DocBool mItemCountWasDifferent = 0;
  DocBool mModDateWasDifferent = 0;
  double mCheckTimeIntervalSeconds = 0;

  // Settings snapshot.
  UInt32 mCheckTimeIntervalUnits = 0;
  DocBool mCheckItemCountChange = 0;
  DocBool mCheckModDateChange = 0;
  DocBool mBeepOnChange = 0;
  DocBool mSendEMailOnChange = 0;
  DocBool mRevealTargetOnChange = 0;
  DocBool mStopCheckingForChangesOnChange = 0;
  DocBool mStartWhenDocumentOpened = 0;
  DocBool mOpenFilesOnChange = 0;

  // The loaded file's contents, held from loading until the window has loaded.
  std::optional<std::vector<std::uint8_t>> mDocData;

  // Each watch gets a number, so that a delayed half or a delayed stop made by
  // one watch does nothing to a later one, and nothing once stopped.
  uint64_t mWatchNumber = 0;
  // Expires with the document, so that delayed calls never reach a closed one.
  std::shared_ptr<int> mAlive = std::make_shared<int>(0);
  std::function<void(const ChangeReport &)> mChangeListener;
  // The folder chooser while its sheet is up.
  std::unique_ptr<desktop::OpenPanel> mOpenPanel;
};

}  // namespace vigil::app
