// Date-time numbers as the engine's rules use them: days since 30 December 1899,
// the fraction being the time of day.
#pragma once

#include <cstdint>

constexpr double UnixEpochDays = 25569.0;  // 1 January 1970
constexpr double MillisecondsPerDay = 86400000.0;

// Local wall-clock time now.
double DateTimeNow();
// A moment given in milliseconds since 1970 (local time) as a date-time number.
constexpr double DateTimeFromMilliseconds(int64_t milliseconds)
{
    return UnixEpochDays + static_cast<double>(milliseconds) / MillisecondsPerDay;
}
