// The statistics window's texts in fixed locales.
#include <gtest/gtest.h>

#include <QLocale>

#include "accounts/OleDate.h"
#include "accounts/StatsText.h"

namespace {

using output::DateText;
using output::LastWinText;
using output::MakeOleDate;
using output::PercentText;

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

TEST(PercentText, FollowsThePatternWithThreeDecimals) {
    EXPECT_EQ(PercentText(1, 3, kUs), "33.333");
    EXPECT_EQ(PercentText(2, 3, kUs), "66.667");
    EXPECT_EQ(PercentText(1, 8, kUs), "12.5");
    EXPECT_EQ(PercentText(1, 2, kUs), "50.");
    EXPECT_EQ(PercentText(1, 400, kUs), ".25");
    EXPECT_EQ(PercentText(5, 5, kUs), "100.");
    EXPECT_EQ(PercentText(1, 1600, kUs), ".063");  // 0.0625: half away from zero
    EXPECT_EQ(PercentText(1, 32767, kUs), ".003");
    EXPECT_EQ(PercentText(-1, 3, kUs), "-33.333");
}

TEST(PercentText, ZeroAndNoHandsShowAFullStopZero) {
    EXPECT_EQ(PercentText(0, 3, kGerman), ".000");
    EXPECT_EQ(PercentText(0, 0, kGerman), ".000");
    EXPECT_EQ(PercentText(4, 0, kUs), ".000");
    EXPECT_EQ(PercentText(1, 3, kGerman), "33,333");
}

TEST(DateText, ShortDateAndLongTimeWithoutTimeZone) {
    const auto afternoon = MakeOleDate(2024, 3, 5, 14, 7, 9);
    EXPECT_EQ(DateText(afternoon, kUs), "3/5/24 2:07:09 PM");
    EXPECT_EQ(DateText(afternoon, kGerman), "05.03.24 14:07:09");
    EXPECT_EQ(DateText(MakeOleDate(2024, 3, 5), kUs), "3/5/24");  // midnight: no time
    EXPECT_EQ(DateText(0, kGerman), "30.12.99");
    EXPECT_EQ(DateText(-1.25, kGerman), "29.12.99 06:00:00");  // before the epoch
    EXPECT_EQ(DateText(std::numeric_limits<double>::quiet_NaN(), kUs), "Invalid Date");
}

TEST(DateText, LastWinsNeverWonUntilTheyRoundAwayFromZero) {
    EXPECT_EQ(LastWinText(0, kUs), "Never Won");
    EXPECT_EQ(LastWinText(0.4, kUs), "Never Won");
    EXPECT_EQ(LastWinText(-0.5, kUs), "Never Won");
    EXPECT_EQ(LastWinText(MakeOleDate(2023, 12, 31, 23, 59, 59), kUs), "12/31/23 11:59:59 PM");
}

TEST(IntegerText, PlainDecimalWithMinusSign) {
    EXPECT_EQ(output::IntegerText(-5), "-5");
    EXPECT_EQ(output::IntegerText(32767), "32767");
}

}  // namespace
