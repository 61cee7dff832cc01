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

namespace {

// Days from 1970-01-01 to a civil date (proleptic Gregorian), and back.
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
  year -= month <= 2;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(int64_t days, int64_t *year, int64_t *month, int64_t *day) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t dayOfEra = days - era * 146097;
  const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  *day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
  *month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
  *year = yearOfEra + era * 400 + (*month <= 2);
}

constexpr int64_t kDaysFrom1904To1970 = 24107;

}  // namespace

extern "C" void SecondsToDate(UInt32 secs, DateTimeRec *d) {
  if (d == nullptr) return;
  const int64_t days = secs / 86400 - kDaysFrom1904To1970;
  const int64_t seconds = secs % 86400;
  int64_t year, month, day;
  CivilFromDays(days, &year, &month, &day);
  d->year = static_cast<SInt16>(year);
  d->month = static_cast<SInt16>(month);
  d->day = static_cast<SInt16>(day);
  d->hour = static_cast<SInt16>(seconds / 3600);
  d->minute = static_cast<SInt16>(seconds / 60 % 60);
  d->second = static_cast<SInt16>(seconds % 60);
  // 1904-01-01 was a Friday (6 with Sunday as 1).
  d->dayOfWeek = static_cast<SInt16>((secs / 86400 + 5) % 7 + 1);
}

extern "C" void DateToSeconds(const DateTimeRec *d, UInt32 *secs) {
  if (d == nullptr || secs == nullptr) return;
  // Months outside 1-12 carry into the year; other fields add as offsets.
  const int64_t monthIndex = static_cast<int64_t>(d->month) - 1;
  const int64_t year = d->year + (monthIndex >= 0 ? monthIndex / 12 : (monthIndex - 11) / 12);
  const int64_t month = monthIndex - (year - d->year) * 12 + 1;
  const int64_t days = DaysFromCivil(year, month, 1) + d->day - 1 + kDaysFrom1904To1970;
  const int64_t total = days * 86400 + static_cast<int64_t>(d->hour) * 3600 +
                        static_cast<int64_t>(d->minute) * 60 + d->second;
  *secs = static_cast<UInt32>(total);
}
