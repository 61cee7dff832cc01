// Revealing an item in a file manager on a private session bus, and what
// happens when there is no file manager or no bus at all.
#include "bridge/reveal.h"
#include "platform/core/four_char_code.h"
#include "platform/core/result_codes.h"
#include "platform/events/apple_events.h"
#include "platform/files/alias_records.h"
#include "platform/files/catalog.h"
#include "platform/memory/handles.h"
#include "tests/e2e/helper_process.hpp"
#include "tests/support/file_contents.hpp"
#include "tests/support/scoped_environment.hpp"
#include "tests/support/temp_folder.hpp"

#include <chrono>
#include <fstream>
#include <memory>
#include <thread>

#include <gtest/gtest.h>

namespace {

using vigil::testing::FileContents;

using vigil::testing::HelperProcess;
using vigil::testing::TempFolder;

constexpr OSType kFileManager = VIGIL_FOUR_CHAR_CODE('M', 'A', 'C', 'S');

FSRef RefOf(const std::string &path) {
  FSRef ref{};
  EXPECT_EQ(FSPathMakeRef(reinterpret_cast<const UInt8 *>(path.c_str()), &ref, nullptr), noErr);
  return ref;
}

// A session bus of the test's own, with no services it could start.
class PrivateBus : public ::testing::Test {
 protected:
  PrivateBus() {
    temp_.File("bus.conf",
               "<busconfig><type>session</type><listen>unix:dir=" + temp_.path() +
                   "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
                   "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                   "<allow own=\"*\"/></policy></busconfig>");
    bus_ = std::make_unique<HelperProcess>(std::vector<std::string>{
        "dbus-daemon", "--nofork", "--print-address", "--config-file=" + temp_ / "bus.conf"});
    const auto address = bus_->readLine();
    if (!address) ADD_FAILURE() << "dbus-daemon did not start";
    environment_.set("DBUS_SESSION_BUS_ADDRESS", address.value_or(""));
  }

  // Starts the stand-in file manager and waits until it owns its name.
  void StartFileManager(const std::string &mode = "answer") {
    fileManager_ = std::make_unique<HelperProcess>(std::vector<std::string>{
        VIGIL_SYSTEM_PYTHON, VIGIL_E2E_DIR "/file_manager_service.py", temp_ / "calls", mode});
    ASSERT_EQ(fileManager_->readLine(), "ready");
  }

  TempFolder temp_;
  vigil::testing::ScopedEnvironment environment_;
  std::unique_ptr<HelperProcess> bus_;
  std::unique_ptr<HelperProcess> fileManager_;
};

TEST_F(PrivateBus, RevealShowsTheItemAndFindsTheFileManager) {
  StartFileManager();
  const std::string folder = temp_.Folder("Watched folder \xC3\xA9t\xC3\xA9 #1");
  const FSRef ref = RefOf(folder);
  ASSERT_EQ(FSRefRevealInFinder(&ref), noErr);
  EXPECT_EQ(FileContents(temp_ / "calls"),
            "file://" + temp_.path() + "/Watched%20folder%20%C3%A9t%C3%A9%20%231\t\n");

  ProcessSerialNumber psn{0, 0};
  ASSERT_EQ(FindProcessBySignature(kFileManager, &psn), noErr);
  EXPECT_EQ(psn.lowLongOfPSN, static_cast<UInt32>(fileManager_->pid()));
  ProcessInfoRec info{};
  info.processInfoLength = sizeof info;
  ASSERT_EQ(GetProcessInformation(&psn, &info), noErr);
  EXPECT_EQ(info.processType, VIGIL_FOUR_CHAR_CODE('F', 'N', 'D', 'R'));
  EXPECT_EQ(BringFinderToFront(), noErr);
}

TEST_F(PrivateBus, NoFileManagerOnTheBus) {
  const FSRef ref = RefOf(temp_.Folder("watched"));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(FSRefRevealInFinder(&ref), procNotFound);
  EXPECT_EQ(BringFinderToFront(), procNotFound);
  // Printed, not asserted: a missing service answers at once.
  std::printf("answered in %lld ms\n",
              static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                         std::chrono::steady_clock::now() - start)
                                         .count()));
}

TEST_F(PrivateBus, AFileManagerThatNeverAnswersRunsOutOfTime) {
  StartFileManager("silent");
  const FSRef ref = RefOf(temp_.Folder("watched"));
  AliasHandle alias = nullptr;
  ASSERT_EQ(FSNewAlias(nullptr, &ref, &alias), noErr);
  OSType signature = kFileManager;
  AEAddressDesc target;
  ASSERT_EQ(AECreateDesc(typeApplSignature, &signature, sizeof signature, &target), noErr);
  AppleEvent event;
  ASSERT_EQ(AECreateAppleEvent(kAEMiscStandards, kAEMakeObjectsVisible, &target,
                               kAutoGenerateReturnID, kAnyTransactionID, &event),
            noErr);
  ASSERT_EQ(AEPutParamPtr(&event, keyDirectObject, typeAlias, *alias,
                          GetHandleSize(reinterpret_cast<Handle>(alias))),
            noErr);
  EXPECT_EQ(AESend(&event, nullptr, kAENoReply, kAENormalPriority, 30, nullptr, nullptr),
            errAETimeout);
  EXPECT_NE(FileContents(temp_ / "calls"), "");  // it got the call, and kept quiet
  AEDisposeDesc(&event);
  AEDisposeDesc(&target);
  DisposeHandle(reinterpret_cast<Handle>(alias));
}

TEST_F(PrivateBus, TheBusGoingAwayIsNoBus) {
  StartFileManager();
  const FSRef ref = RefOf(temp_.Folder("watched"));
  ASSERT_EQ(FSRefRevealInFinder(&ref), noErr);
  fileManager_.reset();
  bus_.reset();
  EXPECT_EQ(FSRefRevealInFinder(&ref), connectionInvalid);
}

TEST(NoBus, AddressPointingNowhere) {
  vigil::testing::ScopedEnvironment environment;
  environment.withoutSessionBus();
  TempFolder temp;
  const FSRef ref = RefOf(temp.path());
  EXPECT_EQ(FSRefRevealInFinder(&ref), connectionInvalid);
  EXPECT_EQ(BringFinderToFront(), procNotFound);
}

}  // namespace
