#include "bridge/reveal.h"

#include "platform/core/four_char_code.h"
#include "platform/core/result_codes.h"
#include "platform/files/catalog.h"
#include "platform/memory/zones.h"
#include "tests/support/scoped_environment.hpp"
#include "tests/support/temp_folder.hpp"

#include <filesystem>

#include <gtest/gtest.h>

// The paths through a running file manager are end-to-end tests (tests/e2e);
// here there is no session bus, so every call ends at one of its error paths.
namespace {

class RevealWithoutBus : public ::testing::Test {
 protected:
  RevealWithoutBus() { environment_.withoutSessionBus(); }

  FSRef RefOf(const std::string &path) {
    FSRef ref{};
    EXPECT_EQ(FSPathMakeRef(reinterpret_cast<const UInt8 *>(path.c_str()), &ref, nullptr), noErr);
    return ref;
  }

  vigil::testing::ScopedEnvironment environment_;
  vigil::testing::TempFolder temp_;
};

TEST_F(RevealWithoutBus, AnswersTheFirstErrorAndLeavesNothingBehind) {
  const FSRef folder = RefOf(temp_.Folder("watched"));
  const FSRef gone = RefOf(temp_.File("gone.txt"));
  std::filesystem::remove(temp_ / "gone.txt");
  const FSRef foreign{};
  const Size before = ZoneBytesInUse(ApplicationZone());
  EXPECT_EQ(FSRefRevealInFinder(&folder), connectionInvalid);
  EXPECT_EQ(FSRefRevealInFinder(&gone), fnfErr);
  EXPECT_EQ(FSRefRevealInFinder(&foreign), paramErr);
  EXPECT_EQ(FSRefRevealInFinder(nullptr), paramErr);
  EXPECT_EQ(ZoneBytesInUse(ApplicationZone()), before);
}

// Memory running out at each allocation in turn (the target, the event, the
// alias record, the event's growth) answers memFullErr and frees what was made.
TEST_F(RevealWithoutBus, EveryAllocationFailureCleansUp) {
  const FSRef folder = RefOf(temp_.Folder("watched"));
  const Size limit = ZoneGetLimit(ApplicationZone());
  const Size before = ZoneBytesInUse(ApplicationZone());
  int failures = 0;
  for (Size extra = 0;; ++extra) {
    ZoneSetLimit(ApplicationZone(), before + extra);
    const OSStatus status = FSRefRevealInFinder(&folder);
    ZoneSetLimit(ApplicationZone(), limit);
    ASSERT_EQ(ZoneBytesInUse(ApplicationZone()), before) << "with " << extra << " bytes";
    if (status != memFullErr) {
      EXPECT_EQ(status, connectionInvalid);
      break;
    }
    ++failures;
  }
  EXPECT_GT(failures, 0);
}

TEST_F(RevealWithoutBus, NoFileManagerRunning) {
  EXPECT_EQ(BringFinderToFront(), procNotFound);
  ProcessSerialNumber psn{12, 34};
  EXPECT_EQ(FindProcessBySignature(VIGIL_FOUR_CHAR_CODE('M', 'A', 'C', 'S'), &psn), procNotFound);
  EXPECT_EQ(psn.highLongOfPSN, 12u);
  EXPECT_EQ(psn.lowLongOfPSN, 34u);
}

TEST_F(RevealWithoutBus, FindsARunningProcessWithOrWithoutOutput) {
  // Every process but the file manager has the signature '????'.
  const OSType unknown = VIGIL_FOUR_CHAR_CODE('?', '?', '?', '?');
  EXPECT_EQ(FindProcessBySignature(unknown, nullptr), noErr);
  ProcessSerialNumber psn{0, kNoProcess};
  ASSERT_EQ(FindProcessBySignature(unknown, &psn), noErr);
  EXPECT_NE(psn.lowLongOfPSN, 0u);
}

}  // namespace
