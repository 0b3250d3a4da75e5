// OLE dates written as ISO 8601 local date and time.
#include "game/history/LocalTime.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace history {
namespace {

using namespace std::chrono;

constexpr sys_days kOleEpoch = year{1899} / December / 30;
constexpr double kFirstDay = 2.0;       // 1 January 1900
constexpr double kLastDay = 2958466.0;  // 1 January 10000

// Digits at `at`..`at + count` as a number, or -1 when any is not a digit.
int Number(std::string_view text, std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

std::string LocalTimeText(output::OleDate date) {
    if (!(date >= kFirstDay && date < kLastDay)) return {};
    const long long secondsSinceEpoch = std::llround(date * 86400.0);
    const long long dayCount = secondsSinceEpoch / 86400;
    const long long second = secondsSinceEpoch % 86400;
    const year_month_day day{kOleEpoch + days{dayCount}};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02lld:%02lld:%02lld", int(day.year()),
                  unsigned(day.month()), unsigned(day.day()), second / 3600, second / 60 % 60,
                  second % 60);
    return text;
}

bool IsLocalTimeText(std::string_view text) {
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':') {
        return false;
    }
    const int y = Number(text, 0, 4), m = Number(text, 5, 2), d = Number(text, 8, 2);
    const int hour = Number(text, 11, 2), minute = Number(text, 14, 2), sec = Number(text, 17, 2);
    if (y < 0 || m < 0 || d < 0 || hour < 0 || minute < 0 || sec < 0) return false;
    const year_month_day day{year{y}, month{unsigned(m)}, std::chrono::day{unsigned(d)}};
    return day.ok() && hour < 24 && minute < 60 && sec < 60;
}

}  // namespace history
