/* The platform's clocks: ticks since start-up and the local clock count. */
#ifndef VIGIL_PLATFORM_CORE_CLOCK_H
#define VIGIL_PLATFORM_CORE_CLOCK_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Sixtieths of a second since the system started, from the monotonic clock;
 * wraps around after about 2.27 years of uptime. */
UInt32 TickCount(void);

/* The current local time as seconds since 1904-01-01 00:00:00 local time. */
void GetDateTime(UInt32 *secs);

/* A clock count as a broken-down date record, and back. The count is local
 * time already, so no time zone enters; dates before 1904 and after 2040 are
 * outside the 32-bit count. DateToSeconds takes out-of-range fields as offsets
 * (month 13 is January of the next year) and ignores dayOfWeek. */
void SecondsToDate(UInt32 secs, DateTimeRec *d);
void DateToSeconds(const DateTimeRec *d, UInt32 *secs);

#ifdef __cplusplus
}
#endif

#endif
