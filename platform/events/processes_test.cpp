#include "platform/core/four_char_code.h"
#include "platform/core/result_codes.h"
#include "platform/events/processes.h"
#include "tests/support/scoped_environment.hpp"

#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace {

ProcessInfoRec InfoRecord(StringPtr name = nullptr, FSSpec *fileSpec = nullptr) {
  ProcessInfoRec info{};
  info.processInfoLength = 60;
  info.processName = name;
  info.processAppSpec = fileSpec;
  return info;
}

TEST(Processes, EnumerationVisitsEveryProcessOnceAndEnds) {
  ProcessSerialNumber psn{0, kNoProcess};
  UInt32 previous = 0;
  bool sawSelf = false;
  int count = 0;
  OSErr error;
  while ((error = GetNextProcess(&psn)) == noErr) {
    EXPECT_NE(psn.highLongOfPSN & 0x80000000u, 0u);
    EXPECT_GT(psn.lowLongOfPSN, previous);
    previous = psn.lowLongOfPSN;
    sawSelf |= psn.lowLongOfPSN == static_cast<UInt32>(getpid());
    ++count;
  }
  EXPECT_EQ(error, procNotFound);
  EXPECT_EQ(psn.highLongOfPSN, 0u);
  EXPECT_EQ(psn.lowLongOfPSN, static_cast<UInt32>(kNoProcess));
  EXPECT_TRUE(sawSelf);
  EXPECT_GT(count, 1);
}

TEST(Processes, InformationOfTheCurrentProcess) {
  vigil::testing::ScopedEnvironment environment;
  environment.withoutSessionBus();
  Str31 name{};
  FSSpec fileSpec{};
  ProcessInfoRec info = InfoRecord(name, &fileSpec);
  const ProcessSerialNumber current{0, kCurrentProcess};
  ASSERT_EQ(GetProcessInformation(&current, &info), noErr);
  EXPECT_EQ(info.processNumber.lowLongOfPSN, static_cast<UInt32>(getpid()));
  EXPECT_EQ(info.processLauncher.lowLongOfPSN, static_cast<UInt32>(getppid()));
  EXPECT_EQ(info.processType, VIGIL_FOUR_CHAR_CODE('A', 'P', 'P', 'L'));
  EXPECT_EQ(info.processSignature, VIGIL_FOUR_CHAR_CODE('?', '?', '?', '?'));
  // The kernel keeps 15 bytes of the command's name.
  const std::string expected = std::string("platform_events_test").substr(0, 15);
  EXPECT_EQ(std::string(reinterpret_cast<char *>(name + 1), name[0]), expected);
  EXPECT_EQ(std::string(reinterpret_cast<char *>(fileSpec.name + 1), fileSpec.name[0]),
            "platform_events_test");

  // The serial number from the enumeration names the same process.
  ProcessSerialNumber same = info.processNumber;
  ProcessInfoRec again = InfoRecord();
  ASSERT_EQ(GetProcessInformation(&same, &again), noErr);
  EXPECT_EQ(again.processLaunchDate, info.processLaunchDate);
  EXPECT_EQ(SetFrontProcess(&same), noErr);
  EXPECT_EQ(SetFrontProcess(&current), noErr);
}

TEST(Processes, EndedProcessIsNotFound) {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  ASSERT_GT(child, 0);
  ProcessSerialNumber psn{0, kNoProcess};
  ProcessSerialNumber found{0, kNoProcess};
  while (GetNextProcess(&psn) == noErr) {
    if (psn.lowLongOfPSN == static_cast<UInt32>(child)) found = psn;
  }
  ASSERT_EQ(found.lowLongOfPSN, static_cast<UInt32>(child));
  waitpid(child, nullptr, 0);
  ProcessInfoRec info = InfoRecord();
  EXPECT_EQ(GetProcessInformation(&found, &info), procNotFound);
  EXPECT_EQ(SetFrontProcess(&found), procNotFound);
  // The same process ID with another start time is another process.
  ProcessSerialNumber self{0, kCurrentProcess};
  ASSERT_EQ(GetProcessInformation(&self, &info), noErr);
  ProcessSerialNumber impostor = info.processNumber;
  impostor.highLongOfPSN ^= 1;
  EXPECT_EQ(GetProcessInformation(&impostor, &info), procNotFound);
}

TEST(Processes, Errors) {
  ProcessInfoRec info = InfoRecord();
  const ProcessSerialNumber current{0, kCurrentProcess};
  EXPECT_EQ(GetNextProcess(nullptr), paramErr);
  ProcessSerialNumber odd{0, 7};
  EXPECT_EQ(GetNextProcess(&odd), paramErr);
  EXPECT_EQ(GetProcessInformation(nullptr, &info), paramErr);
  EXPECT_EQ(GetProcessInformation(&current, nullptr), paramErr);
  info.processInfoLength = 59;
  EXPECT_EQ(GetProcessInformation(&current, &info), paramErr);
  EXPECT_EQ(SetFrontProcess(nullptr), paramErr);
  const ProcessSerialNumber none{0, kNoProcess};
  EXPECT_EQ(SetFrontProcess(&none), procNotFound);
}

}  // namespace
