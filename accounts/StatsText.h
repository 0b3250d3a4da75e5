// The text forms of the statistics window: integers, dates and percentages.
#pragma once

#include <QLocale>
#include <QString>

#include "accounts/PlayerRecord.h"

namespace output {

QString IntegerText(int value);                            // "-5", "200"
QString DateText(OleDate date, const QLocale& locale);     // short date, yyyy, space, long time
QString LastWinText(OleDate date, const QLocale& locale);  // "Never Won" for a zero date
QString PercentText(int count, int handsPlayed, const QLocale& locale);  // "###.###", ".000"
QString DisplayName(const PlayerRecord& record);  // PlayerName without outer spaces

}  // namespace output
