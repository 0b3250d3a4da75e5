// The statistics window: what it shows for a hand-made account, and how it hides and unloads.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QPushButton>

#include "accounts/OleDate.h"
#include "tests/support/LabelInk.h"
#include "windows/frmStats.h"

namespace {

output::PlayerRecord OneFourDeucesInThreeHands() {
    output::PlayerRecord record;
    record.PlayerName = "  Ann                         ";
    record.DateCreated = 45000.0;
    record.Credits = -5;
    record.HandsPlayed = 3;
    record.HandsWon = 1;
    record.HandsLost = 2;
    record.FourDeuces = 1;
    return record;
}

void ProcessDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(StatisticsWindow, ShowsCountsPercentagesAndNeverWon) {
    frmStats window(nullptr);
    window.Fill(OneFourDeucesInThreeHands(), QLocale::c());

    EXPECT_EQ(window.lblpname(0)->text(), "Ann");
    EXPECT_EQ(window.lblval(1)->text(), "-5");
    EXPECT_EQ(window.lblval(3)->text(), "3");
    EXPECT_EQ(window.lblval(4)->text(), "1");
    EXPECT_EQ(window.lblval(6)->text(), "1");  // 4 Deuces
    EXPECT_EQ(window.lblval(18)->text(), "33.333");
    EXPECT_EQ(window.lblval(20)->text(), "33.333");
    for (int i : {19, 21, 22, 23, 24, 25, 26, 27, 28}) {
        EXPECT_EQ(window.lblval(i)->text(), ".000") << "lblval(" << i << ")";
    }
    for (int i : {15, 16, 17}) EXPECT_EQ(window.lblval(i)->text(), "Never Won");
    EXPECT_FALSE(window.lblval(0)->text().isEmpty());
    EXPECT_TRUE(window.lblval(2)->isHidden());
    EXPECT_TRUE(window.lblSts(2)->isHidden());
}

TEST(StatisticsWindow, TheLongestNameInTheWidestLettersIsShownWhole) {
    frmStats window(nullptr);
    output::PlayerRecord record = OneFourDeucesInThreeHands();
    record.PlayerName = std::string(30, 'W');
    window.Fill(record, QLocale::c());
    QLabel& name = *window.lblpname(0);
    const auto [first, last] = InkColumns(name);
    EXPECT_GT(first, 1);  // inside the border line
    EXPECT_LT(last, name.width() - 2);
}

TEST(StatisticsWindow, ThePercentageRowsStandBesideTheirCaptions) {
    frmStats window(nullptr);
    // Screen order differs from index order; each value shares its row with its caption.
    const std::pair<int, int> rows[] = {{7, 6},   {6, 21},  {4, 5},   {4, 19}, {14, 28},
                                        {15, 16}, {16, 15}, {17, 17}, {3, 3},  {5, 4}};
    for (auto [caption, value] : rows) {
        EXPECT_EQ(window.lblSts(caption)->y(), window.lblval(value)->y())
            << "lblSts(" << caption << ") and lblval(" << value << ")";
    }
    EXPECT_EQ(window.lblSts(7)->text(), "4 Deuces");
}

TEST(StatisticsWindow, AFourDigitYearWithTheTimeFitsItsRow) {
    frmStats window(nullptr);
    output::PlayerRecord record = OneFourDeucesInThreeHands();
    record.DateCreated = output::MakeOleDate(2028, 12, 28, 12, 58, 58);  // wide digits
    window.Fill(record, QLocale(QLocale::English, QLocale::UnitedStates));
    QLabel& date = *window.lblval(0);
    ASSERT_EQ(date.text(), "12/28/2028 12:58:58 PM");
    EXPECT_GT(InkColumns(date).first, 0);  // right-aligned, so a cut shows at the left edge
}

TEST(StatisticsWindow, OkHidesAndTheCloseBoxUnloads) {
    QWidget table;
    QPointer<frmStats> window = new frmStats(&table);
    window->show();
    window->findChild<QPushButton*>("cmdOK")->click();
    ProcessDeletes();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isHidden());

    window->show();
    window->close();
    ProcessDeletes();
    EXPECT_FALSE(window);
}

}  // namespace
