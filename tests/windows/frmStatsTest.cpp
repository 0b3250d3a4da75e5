// The statistics window: long names and dates shown whole, and how it hides and unloads.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QPushButton>

#include "accounts/OleDate.h"
#include "tests/support/LabelInk.h"
#include "windows/frmStats.h"

namespace {

TEST(StatisticsWindow, TheLongestNameInTheWidestLettersIsShownWhole) {
    frmStats window(nullptr);
    output::PlayerRecord record;
    record.PlayerName = std::string(30, 'W');
    window.Fill(record, QLocale::c());
    QLabel& name = *window.lblpname(0);
    const auto [first, last] = InkColumns(name);
    EXPECT_GT(first, 1);  // inside the border line
    EXPECT_LT(last, name.width() - 2);
}

TEST(StatisticsWindow, AFourDigitYearWithTheTimeFitsItsRow) {
    frmStats window(nullptr);
    output::PlayerRecord record;
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
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isHidden());

    window->show();
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);
}

}  // namespace
