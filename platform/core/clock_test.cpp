#include "platform/core/clock.h"
#include "platform/core/clock_count.hpp"

#include <ctime>

#include <gtest/gtest.h>

namespace {

TEST(Clock, TickCountAdvancesAtSixtyPerSecond) {
  const UInt32 before = TickCount();
  timespec pause{0, 50'000'000};
  nanosleep(&pause, nullptr);
  const UInt32 elapsed = TickCount() - before;
  EXPECT_GE(elapsed, 2u);
  EXPECT_LT(elapsed, 600u);
}

TEST(Clock, ClockCountsRoundTripThroughUnixTime) {
  for (std::time_t when : {std::time_t{0}, std::time_t{1'000'000'000}, std::time(nullptr)}) {
    EXPECT_EQ(vigil::UnixFromClockCount(vigil::ClockCountFromUnix(when)), when);
  }
  UInt32 now = 0;
  GetDateTime(&now);
  EXPECT_NEAR(static_cast<double>(now), vigil::ClockCountFromUnix(std::time(nullptr)), 2.0);
}

TEST(Clock, UtcEpochIsTheKnownCountInUtc) {
  // 1970-01-01 00:00 UTC is 2082844800 seconds after 1904-01-01 in UTC.
  EXPECT_EQ(vigil::ClockCountFromUnix(0) - vigil::LocalUtcOffset(0), 2'082'844'800u);
}

}  // namespace
