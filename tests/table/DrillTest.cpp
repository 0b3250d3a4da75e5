// Drills at the table: no leaks said in words, and a leak drilled with no stake, graded at once
// and recorded as a drill, the account's file untouched.
#include <fstream>
#include <iterator>

#include "engine/analysis/GameChart.h"
#include "game/DrillDealer.h"
#include "game/history/HandHistory.h"
#include "table/DrillSeat.h"
#include "table/TableHistory.h"
#include "tests/support/GameAdvisor.h"
#include "tests/support/TenCardDeals.h"
#include "tests/table/TableFixture.h"

namespace {

class DrillAtTable : public TableFixture {
protected:
    void OpenWithDrill() {
        Open();
        strategy = AddStrategy();
        history =
            std::make_unique<TableHistory>(*window, hand, tables, strategy->Chart(),
                                           strategy->Review(), strategy->BankrollEntry(), ctx);
        seat = std::make_unique<DrillSeat>(*window, *strategy->Menu(), hand, tables,
                                           history->Recorder(), dialogs, deck);
    }
    void WaitForHands(std::int64_t count) {
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return history->Recorder().HandsWritten() >= count; }, 20000));
    }
    std::string AccountsBytes() const {
        std::ifstream in(ctx.accountsFile, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::unique_ptr<StrategyMenu> strategy;  // these go before the window
    std::unique_ptr<TableHistory> history;
    std::unique_ptr<DrillSeat> seat;
};

TEST_F(DrillAtTable, WithNoLeaksTheGameSaysSoAndStaysAtTheAccountsTable) {
    OpenWithDrill();
    seat->StartEntry()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs.messages.empty(); }, 20000));
    EXPECT_TRUE(dialogs.messages.back().text.startsWith("No leaks to drill yet: play some hands"));
    EXPECT_FALSE(hand.Drilling());
    EXPECT_TRUE(seat->Mark().isHidden());
}

TEST_F(DrillAtTable, ALeakIsDealtGradedAtOnceAndRecordedAsADrill) {
    OpenWithDrill();
    PlayHand(kDeuce, {0});
    WaitForHands(1);
    const std::string accounts = AccountsBytes();
    const std::int32_t balance = hand.ShownBalance();

    seat->StartEntry()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return hand.Drilling(); }, 20000));
    EXPECT_FALSE(seat->Mark().isHidden());
    ASSERT_EQ(seat->Plan()->Groups().size(), 1u);
    const history::LeakKey group = KeyOf(seat->Plan()->Groups().front());
    ClickDeal();
    const modcards::Hand dealt = hand.Shown();
    EXPECT_TRUE(DealFitsLeak(GameAdvisor(), modcards::analysis::GameChart(), dealt, group));
    // The habit again: the king alone.
    for (int slot = 0; slot < 5; ++slot)
        if (dealt[std::size_t(slot)].Value == 13) ClickHold(slot);
    ClickDeal();
    EXPECT_EQ(seat->Asked(), 1);
    EXPECT_EQ(seat->Right(), 0);
    EXPECT_TRUE(seat->Mark().text().startsWith("Drill: 0 right of 1\nWrong: it cost"))
        << seat->Mark().text().toStdString();
    EXPECT_EQ(seat->Plan()->BoxOf(group).box, 1);
    EXPECT_EQ(hand.ShownBalance(), balance);

    WaitForHands(2);
    const auto opened = history::HandHistory::Open(dir.path().toStdString(), "2025-12-09T12:00:00");
    ASSERT_TRUE(opened.history);
    const auto rows = opened.history->PlayerHands("Tester").hands;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows.back().mode, "drill");
    EXPECT_EQ(AccountsBytes(), accounts);

    seat->LeaveEntry()->trigger();
    EXPECT_FALSE(hand.Drilling());
    EXPECT_TRUE(seat->Mark().isHidden());
}

}  // namespace
