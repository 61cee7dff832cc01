#include "platform/core/clock_count.hpp"

#include <algorithm>

namespace vigil {

long LocalUtcOffset(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  return local.tm_gmtoff;
}

UInt32 ClockCountFromUnix(std::time_t when) {
  const int64_t count = static_cast<int64_t>(when) + LocalUtcOffset(when) + kSecondsFrom1904To1970;
  return static_cast<UInt32>(std::clamp<int64_t>(count, 0, UINT32_MAX));
}

std::time_t UnixFromClockCount(UInt32 count) {
  // The offset is taken at the instant itself; near a change of offset the first
  // guess may sit on the other side of it, so the offset is looked up twice.
  const std::time_t guess = static_cast<std::time_t>(count) - kSecondsFrom1904To1970;
  const std::time_t first = guess - LocalUtcOffset(guess);
  return guess - LocalUtcOffset(first);
}

}  // namespace vigil
