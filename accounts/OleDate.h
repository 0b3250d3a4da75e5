// OLE Automation dates from calendar dates and times of day.
#pragma once

#include "accounts/PlayerRecord.h"

namespace output {

// Days since 30 December 1899 00:00 of the given local date and time; month 1..12, day 1..31.
OleDate MakeOleDate(int year, unsigned month, unsigned day, int hour = 0, int minute = 0,
                    int second = 0);

}  // namespace output
