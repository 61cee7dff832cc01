#include "platform/core/clock.h"

#include "platform/core/clock_count.hpp"

#include <ctime>

extern "C" UInt32 TickCount(void) {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const uint64_t ticks = static_cast<uint64_t>(now.tv_sec) * 60u +
                         static_cast<uint64_t>(now.tv_nsec) / (1'000'000'000u / 60u);
  return static_cast<UInt32>(ticks);
}

extern "C" void GetDateTime(UInt32 *secs) {
  if (secs != nullptr) *secs = vigil::ClockCountFromUnix(std::time(nullptr));
}
