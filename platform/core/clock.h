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

#ifdef __cplusplus
}
#endif

#endif
