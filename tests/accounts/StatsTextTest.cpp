// The statistics window's texts in fixed locales.
#include <gtest/gtest.h>

#include <QLocale>
#include <limits>

#include "accounts/OleDate.h"
#include "accounts/StatsText.h"

namespace {

using output::DateText;
using output::LastWinText;
using output::PercentText;

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

TEST(StatsText, PercentagesFollowThePatternWithThreeDecimals) {
    EXPECT_EQ(PercentText(1, 3, kUs), "33.333");
    EXPECT_EQ(PercentText(2, 3, kUs), "66.667");
    EXPECT_EQ(PercentText(1, 8, kUs), "12.5");
    EXPECT_EQ(PercentText(1, 2, kUs), "50.");
    EXPECT_EQ(PercentText(1, 400, kUs), ".25");
    EXPECT_EQ(PercentText(1, 1600, kUs), ".063");  // 0.0625: half away from zero
    EXPECT_EQ(PercentText(1, 3, kGerman), "33,333");
    EXPECT_EQ(PercentText(0, 3, kGerman), ".000");
    EXPECT_EQ(PercentText(4, 0, kGerman), ".000");
    EXPECT_EQ(output::IntegerText(-5), "-5");
}

TEST(StatsText, DatesShowShortDateAndLongTimeWithoutTimeZone) {
    const auto afternoon = output::MakeOleDate(2024, 3, 5, 14, 7, 9);
    EXPECT_EQ(DateText(afternoon, kUs), "3/5/2024 2:07:09 PM");
    EXPECT_EQ(DateText(afternoon, kGerman), "05.03.2024 14:07:09");
    EXPECT_EQ(DateText(output::MakeOleDate(2024, 3, 5), kUs), "3/5/2024");  // midnight
    EXPECT_EQ(DateText(-1.25, kGerman), "29.12.1899 06:00:00");             // before the epoch
    EXPECT_EQ(DateText(std::numeric_limits<double>::quiet_NaN(), kUs), "Invalid Date");
    EXPECT_EQ(LastWinText(0, kUs), "Never Won");
    EXPECT_EQ(LastWinText(-0.5, kUs), "Never Won");
    EXPECT_EQ(LastWinText(0.75, kGerman), "30.12.1899 18:00:00");
}

TEST(StatsText, DatesKeepTheLocalesShortOrderWithTheYearInFourDigits) {
    const auto newYearsEve = output::MakeOleDate(1999, 12, 30);
    const struct {
        const char* locale;
        const char* shown;
    } cases[] = {{"en_US", "12/30/1999"},    {"de_DE", "30.12.1999"},   {"fr_FR", "30/12/1999"},
                 {"ja_JP", "1999/12/30"},    {"en_GB", "30/12/1999"},   {"nl_NL", "30-12-1999"},
                 {"ko_KR", "1999. 12. 30."}, {"bg_BG", "30.12.1999 г."}};
    for (const auto& c : cases)
        EXPECT_EQ(DateText(newYearsEve, QLocale(c.locale)), c.shown) << c.locale;
}

}  // namespace
