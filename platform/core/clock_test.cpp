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

namespace {

TEST(Clock, SecondsToDateKnownInstants) {
  struct Case {
    UInt32 seconds;
    DateTimeRec date;
  } const cases[] = {
      {0, {1904, 1, 1, 0, 0, 0, 6}},                      // a Friday
      {2'082'844'800u, {1970, 1, 1, 0, 0, 0, 5}},         // a Thursday
      {3'029'529'599u, {1999, 12, 31, 23, 59, 59, 6}},    // a Friday
      {3'034'627'200u, {2000, 2, 29, 0, 0, 0, 3}},        // leap day, a Tuesday
      {0xFFFFFFFFu, {2040, 2, 6, 6, 28, 15, 2}},          // the last count, a Monday
  };
  for (const Case &c : cases) {
    DateTimeRec date{};
    SecondsToDate(c.seconds, &date);
    EXPECT_EQ(date.year, c.date.year) << c.seconds;
    EXPECT_EQ(date.month, c.date.month) << c.seconds;
    EXPECT_EQ(date.day, c.date.day) << c.seconds;
    EXPECT_EQ(date.hour, c.date.hour) << c.seconds;
    EXPECT_EQ(date.minute, c.date.minute) << c.seconds;
    EXPECT_EQ(date.second, c.date.second) << c.seconds;
    EXPECT_EQ(date.dayOfWeek, c.date.dayOfWeek) << c.seconds;
    UInt32 back = 0;
    DateToSeconds(&date, &back);
    EXPECT_EQ(back, c.seconds);
  }
}

TEST(Clock, DateToSecondsCarriesMonthsIntoYears) {
  DateTimeRec thirteenth{2001, 13, 1, 0, 0, 0, 0};
  DateTimeRec january{2002, 1, 1, 0, 0, 0, 0};
  UInt32 a = 0, b = 0;
  DateToSeconds(&thirteenth, &a);
  DateToSeconds(&january, &b);
  EXPECT_EQ(a, b);
}

}  // namespace
