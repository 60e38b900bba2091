#include "platform/DateTime.h"

#include <chrono>
#include <ctime>

double DateTimeNow()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const int64_t milliseconds = duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
    return DateTimeFromMilliseconds(milliseconds + static_cast<int64_t>(local.tm_gmtoff) * 1000);
}
