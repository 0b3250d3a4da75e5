// OLE dates from the calendar through the standard library's civil-date arithmetic.
#include "accounts/OleDate.h"

#include <chrono>

namespace output {

OleDate MakeOleDate(int year, unsigned month, unsigned day, int hour, int minute, int second) {
    using namespace std::chrono;
    constexpr sys_days kEpoch{std::chrono::year{1899} / December / 30};
    const sys_days date{std::chrono::year{year} / std::chrono::month{month} /
                        std::chrono::day{day}};
    const double secondsOfDay = hour * 3600.0 + minute * 60.0 + second;
    return (date - kEpoch).count() + secondsOfDay / 86400.0;
}

}  // namespace output
