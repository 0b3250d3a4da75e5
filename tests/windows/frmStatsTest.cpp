// The statistics window: read as a player reads it, each caption then the values on its row;
// long names and dates shown whole; how it hides and unloads.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "accounts/OleDate.h"
#include "accounts/StatsText.h"
#include "tests/support/LabelInk.h"
#include "windows/frmStats.h"

namespace {

using Rows = std::map<std::string, std::vector<std::string>>;  // caption -> values, left to right

// Every field differs, so every count, percentage and date shown differs from every other; the
// last royal flush was never won.
output::PlayerRecord DistinctAccount() {
    output::PlayerRecord r;
    r.PlayerName = "  Distinct";
    r.DateCreated = 36000.5;
    r.Credits = 4321;
    r.RoyalFlushes = 1;
    r.FourDeuces = 2;
    r.DeuceRoyals = 3;
    r.FiveOfAKinds = 5;
    r.StraightFlushes = 7;
    r.FourOfAKinds = 11;
    r.FullHouses = 13;
    r.Flushes = 17;
    r.Straights = 19;
    r.ThreeOfAKinds = 23;
    r.HandsWon = 101;  // the sum of the categories
    r.HandsLost = 899;
    r.HandsPlayed = 1000;
    r.LastDeuceRoyal = 45002.75;
    r.LastFourDeuces = 45003.5;
    return r;
}

// What each caption means, in the account's own text forms.
Rows Meaning(const output::PlayerRecord& r, const QLocale& l) {
    using namespace output;
    const auto text = [](const QString& s) { return s.toStdString(); };
    const auto count = [&](int n) {
        return std::vector{text(IntegerText(n)), text(PercentText(n, r.HandsPlayed, l))};
    };
    return {
        {"Date Account Created", {text(DateText(r.DateCreated, l))}},
        {"Credits Available", {text(IntegerText(r.Credits))}},
        {"Hands Played", {text(IntegerText(r.HandsPlayed))}},
        {"Hands Won", {text(IntegerText(r.HandsWon))}},
        {"Overall Win Percentage", {text(PercentText(r.HandsWon, r.HandsPlayed, l))}},
        {"Royal Flushes", count(r.RoyalFlushes)},
        {"4 Deuces", count(r.FourDeuces)},
        {"Royal Flush w/2's", count(r.DeuceRoyals)},
        {"5 of a Kind", count(r.FiveOfAKinds)},
        {"Straight Flushes", count(r.StraightFlushes)},
        {"4 of a Kind", count(r.FourOfAKinds)},
        {"Full House", count(r.FullHouses)},
        {"Flushes", count(r.Flushes)},
        {"Straights", count(r.Straights)},
        {"3 of a Kind", count(r.ThreeOfAKinds)},
        {"Last Royal Flush w/2's Won", {text(LastWinText(r.LastDeuceRoyal, l))}},
        {"Last 4 Deuces Won", {text(LastWinText(r.LastFourDeuces, l))}},
        {"Last Royal Flush Won", {text(LastWinText(r.LastRoyalFlush, l))}},
    };
}

std::vector<QLabel*> Captions(const frmStats& window) {
    std::vector<QLabel*> captions{window.findChild<QLabel*>("lblWinPct")};
    for (int i = 0; i < 18; ++i) captions.push_back(window.lblSts(i));
    std::erase_if(captions, [](QLabel* label) { return label->isHidden(); });
    return captions;
}

std::vector<QLabel*> Values(const frmStats& window) {
    std::vector<QLabel*> values;
    for (int i = 0; i < 29; ++i)
        if (!window.lblval(i)->isHidden()) values.push_back(window.lblval(i));
    return values;
}

// Two labels stand on one row when their middles are less than half a label's height apart.
bool SameRow(const QWidget* a, const QWidget* b) {
    const int apart = std::abs(a->geometry().center().y() - b->geometry().center().y());
    return 2 * apart < std::min(a->height(), b->height());
}

Rows Read(const frmStats& window) {
    Rows rows;
    for (QLabel* caption : Captions(window)) {
        std::vector<QLabel*> row = Values(window);
        std::erase_if(row, [&](QLabel* value) { return !SameRow(caption, value); });
        std::ranges::sort(row, {}, [](QLabel* value) { return value->x(); });
        std::vector<std::string>& read = rows[caption->text().trimmed().toStdString()];
        EXPECT_TRUE(read.empty()) << "two captions read " << caption->text().toStdString();
        for (QLabel* value : row) read.push_back(value->text().toStdString());
    }
    return rows;
}

TEST(StatisticsReading, EachCaptionShowsItsOwnFieldOnItsRow) {
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    const output::PlayerRecord account = DistinctAccount();
    frmStats window(nullptr);
    window.Fill(account, locale);
    EXPECT_EQ(window.lblpname(0)->text(), "Distinct");
    EXPECT_EQ(Read(window), Meaning(account, locale));
}

TEST(StatisticsReading, EveryValueStandsOnTheRowOfExactlyOneCaption) {
    frmStats window(nullptr);
    window.Fill(DistinctAccount(), QLocale::c());
    const std::vector<QLabel*> captions = Captions(window);
    for (QLabel* value : Values(window)) {
        const auto beside = std::ranges::count_if(
            captions, [&](QLabel* caption) { return SameRow(caption, value); });
        EXPECT_EQ(beside, 1) << value->objectName().toStdString() << " "
                             << value->text().toStdString();
    }
}

// The longest name in the widest letters, and a four-digit year with the time in wide digits.
TEST(StatisticsWindow, TheLongestNameAndDateAreShownWhole) {
    frmStats window(nullptr);
    output::PlayerRecord record;
    record.PlayerName = std::string(30, 'W');
    record.DateCreated = output::MakeOleDate(2028, 12, 28, 12, 58, 58);
    window.Fill(record, QLocale(QLocale::English, QLocale::UnitedStates));
    QLabel& name = *window.lblpname(0);
    const auto [first, last] = InkColumns(name);
    EXPECT_GT(first, 1);  // inside the border line
    EXPECT_LT(last, name.width() - 2);
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
