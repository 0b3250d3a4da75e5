// The system clock read in local time.
#include "accounts/Clock.h"

#include <chrono>
#include <ctime>

#include "accounts/OleDate.h"

namespace output {

OleDate SystemClock::Now() const {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return MakeOleDate(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                       static_cast<unsigned>(local.tm_mday), local.tm_hour, local.tm_min,
                       local.tm_sec);
}

}  // namespace output
