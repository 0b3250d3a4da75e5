// Text forms of the statistics window through QLocale.
#include "accounts/StatsText.h"

#include <QDate>
#include <QTime>
#include <cmath>
#include <cstdlib>

#include "accounts/NameKey.h"

namespace output {
namespace {

constexpr int kSecondsPerDay = 86400;
// The dates an OLE date can hold: 1 January 100 to 31 December 9999.
constexpr double kFirstOleDay = -657434.0;
constexpr double kEndOleDay = 2958466.0;

// The locale's long time format without its time-zone field ('t' outside quoted literals).
QString LongTimeFormat(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') quoted = !quoted;
        if (!quoted && c == u't') continue;
        out += c;
    }
    return out.trimmed();
}

// The locale's short date format with every year field ("yy" in many locales) widened to four
// digits, so no date of an account reads as another century's.
QString ShortDateFormatWithFullYear(const QLocale& locale) {
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'') quoted = !quoted;
        if (quoted || c != u'y') {
            out += c;
            continue;
        }
        while (i + 1 < format.size() && format[i + 1] == u'y') ++i;
        out += QStringLiteral("yyyy");
    }
    return out;
}

}  // namespace

QString IntegerText(int value) {
    return QString::number(value);
}

QString DateText(OleDate date, const QLocale& locale) {
    if (!std::isfinite(date) || date < kFirstOleDay || date >= kEndOleDay) {
        return QStringLiteral("Invalid Date");
    }
    // The whole part counts days either side of the epoch; the fraction is always the time of day.
    auto days = static_cast<qint64>(std::trunc(date));
    auto seconds = std::llround(std::fabs(date - static_cast<double>(days)) * kSecondsPerDay);
    if (seconds == kSecondsPerDay) {
        ++days;
        seconds = 0;
    }
    const QDate day = QDate(1899, 12, 30).addDays(days);
    QString text = locale.toString(day, ShortDateFormatWithFullYear(locale));
    if (seconds != 0) {
        const QTime time = QTime(0, 0).addSecs(static_cast<int>(seconds));
        text += u' ' + locale.toString(time, LongTimeFormat(locale));
    }
    return text;
}

QString LastWinText(OleDate date, const QLocale& locale) {
    // A new account's zero, and anything that rounds to it, means the hand was never won.
    if (std::nearbyint(date) == 0) return QStringLiteral("Never Won");
    return DateText(date, locale);
}

QString PercentText(int count, int handsPlayed, const QLocale& locale) {
    const QString zero = QStringLiteral(".000");
    if (handsPlayed == 0) return zero;
    const auto p = static_cast<float>(static_cast<double>(count) / handsPlayed * 100.0);
    if (p == 0) return zero;
    // A float times 1000 is exact in a double, so llround rounds the true value half away
    // from zero.
    const long long thousandths = std::llround(static_cast<double>(p) * 1000.0);
    const long long magnitude = std::llabs(thousandths);
    QString text = thousandths < 0 ? QStringLiteral("-") : QString();
    if (magnitude >= 1000) text += QString::number(magnitude / 1000);
    text += locale.decimalPoint();
    QString decimals = QStringLiteral("%1").arg(magnitude % 1000, 3, 10, QLatin1Char('0'));
    while (decimals.endsWith(u'0')) decimals.chop(1);
    return text + decimals;
}

QString DisplayName(const PlayerRecord& record) {
    const std::string_view name = TrimSpaces(record.PlayerName);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace output
