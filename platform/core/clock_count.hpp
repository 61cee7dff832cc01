// Conversions between Unix time (UTC seconds since 1970) and clock counts
// (local seconds since 1904), shared by the file layer and the date routines.
#pragma once

#include "platform/core/base_types.h"

#include <ctime>

namespace vigil {

// Seconds from 1904-01-01 to 1970-01-01.
inline constexpr int64_t kSecondsFrom1904To1970 = 2'082'844'800;

// Offset of local time from UTC at the given instant, in seconds east.
long LocalUtcOffset(std::time_t when);

// A clock count of the given instant in local time, clamped to the 32-bit range.
UInt32 ClockCountFromUnix(std::time_t when);

// The Unix instant of a local clock count.
std::time_t UnixFromClockCount(UInt32 count);

}  // namespace vigil
