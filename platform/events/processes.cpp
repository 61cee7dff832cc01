#include "platform/events/processes.h"

#include "platform/core/clock.h"
#include "platform/core/four_char_code.h"
#include "platform/core/result_codes.h"
#include "platform/events/file_manager_service.hpp"
#include "platform/events/process_table.hpp"
#include "platform/events/session_bus.hpp"
#include "platform/files/item_locator.hpp"
#include "platform/text/mac_roman.hpp"

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

using vigil::events::ProcessStatus;

namespace {

constexpr UInt32 kRunningProcessMark = 0x80000000u;
constexpr UInt32 kMinimumInfoLength = 60;

ProcessSerialNumber SerialNumberOf(const ProcessStatus &status) {
  return {kRunningProcessMark | static_cast<UInt32>(status.startTicks & 0x7FFFFFFF),
          static_cast<UInt32>(status.pid)};
}

// The process a serial number names, when it still runs.
std::optional<ProcessStatus> ProcessOf(const ProcessSerialNumber &psn) {
  if (psn.highLongOfPSN == 0 && psn.lowLongOfPSN == kCurrentProcess) {
    return vigil::events::ReadProcessStatus(getpid());
  }
  if ((psn.highLongOfPSN & kRunningProcessMark) == 0) return std::nullopt;
  auto status = vigil::events::ReadProcessStatus(static_cast<pid_t>(psn.lowLongOfPSN));
  if (!status || SerialNumberOf(*status).highLongOfPSN != psn.highLongOfPSN) return std::nullopt;
  return status;
}

// Process times are counted in clock ticks of the kernel; the platform counts
// sixtieths of a second.
UInt32 SixtiethsOf(UInt64 clockTicks) {
  static const long perSecond = sysconf(_SC_CLK_TCK);
  return static_cast<UInt32>(clockTicks * 60 / static_cast<UInt64>(perSecond > 0 ? perSecond : 100));
}

// The process's start as a TickCount. Both count from boot; the kernel's start
// time includes time suspended, which TickCount (the monotonic clock) does not.
UInt32 LaunchTicks(const ProcessStatus &status) {
  timespec boottime{};
  timespec monotonic{};
  clock_gettime(CLOCK_BOOTTIME, &boottime);
  clock_gettime(CLOCK_MONOTONIC, &monotonic);
  const UInt32 suspended = static_cast<UInt32>((boottime.tv_sec - monotonic.tv_sec) * 60);
  return SixtiethsOf(status.startTicks) - suspended;
}

void StoreName(const std::string &name, StringPtr out) {
  std::string roman = vigil::text::Utf8ToMacRoman(name).value_or(std::string());
  if (roman.empty()) {
    for (const char c : name) roman += static_cast<unsigned char>(c) < 0x80 ? c : '?';
  }
  const size_t length = std::min<size_t>(roman.size(), 31);
  out[0] = static_cast<unsigned char>(length);
  std::memcpy(out + 1, roman.data(), length);
}

void StoreApplicationSpec(pid_t pid, FSSpec *fileSpec) {
  std::memset(fileSpec, 0, sizeof *fileSpec);
  std::string executable;
  if (vigil::files::ResolvedPath("/proc/" + std::to_string(pid) + "/exe", &executable) != noErr) {
    return;
  }
  if (vigil::files::SpecFromCanonicalPath(executable, fileSpec) != noErr) {
    std::memset(fileSpec, 0, sizeof *fileSpec);
  }
}

}  // namespace

extern "C" OSErr GetNextProcess(ProcessSerialNumber *PSN) {
  if (PSN == nullptr) return paramErr;
  pid_t after = 0;
  if (PSN->highLongOfPSN == 0 && PSN->lowLongOfPSN == kCurrentProcess) {
    after = getpid();
  } else if ((PSN->highLongOfPSN & kRunningProcessMark) != 0) {
    after = static_cast<pid_t>(PSN->lowLongOfPSN);
  } else if (PSN->highLongOfPSN != 0 || PSN->lowLongOfPSN != kNoProcess) {
    return paramErr;
  }
  // A process that ends between the listing and the reading is stepped over.
  while (const auto next = vigil::events::NextProcessID(after)) {
    if (const auto status = vigil::events::ReadProcessStatus(*next)) {
      *PSN = SerialNumberOf(*status);
      return noErr;
    }
    after = *next;
  }
  *PSN = {0, kNoProcess};
  return procNotFound;
}

extern "C" OSErr GetProcessInformation(const ProcessSerialNumber *PSN, ProcessInfoRec *info) {
  if (PSN == nullptr || info == nullptr || info->processInfoLength < kMinimumInfoLength) {
    return paramErr;
  }
  const auto status = ProcessOf(*PSN);
  if (!status) return procNotFound;
  const bool isFileManager =
      vigil::events::SessionBusNameOwnerProcess(vigil::events::kFileManagerBusName) ==
      status->pid;
  if (info->processName != nullptr) StoreName(status->name, info->processName);
  info->processNumber = SerialNumberOf(*status);
  info->processType = isFileManager ? VIGIL_FOUR_CHAR_CODE('F', 'N', 'D', 'R')
                                    : VIGIL_FOUR_CHAR_CODE('A', 'P', 'P', 'L');
  info->processSignature = isFileManager ? VIGIL_FOUR_CHAR_CODE('M', 'A', 'C', 'S')
                                         : VIGIL_FOUR_CHAR_CODE('?', '?', '?', '?');
  info->processMode = 0;
  info->processLocation = nullptr;
  info->processSize = 0;
  info->processFreeMem = 0;
  const auto parent = vigil::events::ReadProcessStatus(status->parent);
  info->processLauncher = parent ? SerialNumberOf(*parent) : ProcessSerialNumber{0, kNoProcess};
  info->processLaunchDate = LaunchTicks(*status);
  info->processActiveTime = SixtiethsOf(status->cpuTicks);
  if (info->processAppSpec != nullptr) StoreApplicationSpec(status->pid, info->processAppSpec);
  return noErr;
}

extern "C" OSErr SetFrontProcess(const ProcessSerialNumber *PSN) {
  if (PSN == nullptr) return paramErr;
  return ProcessOf(*PSN) ? noErr : procNotFound;
}
