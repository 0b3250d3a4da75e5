// The bankroll window: perfect play's figures are the risk of ruin's, a player without
// mistakes is perfect play, a costlier one lasts less, and bad asks are told in words.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "engine/analysis/GameAnalysis.h"
#include "engine/analysis/MeasuredPlay.h"
#include "engine/analysis/RiskOfRuin.h"
#include "game/Bankroll.h"
#include "tests/support/GameAdvisor.h"
#include "windows/BankrollWindow.h"
#include "windows/SurvivalPlot.h"

namespace {

using namespace modcards::analysis;

const BankrollFigures& WorkedOut(BankrollWindow& window) {
    if (window.Work()->Busy()) {
        EXPECT_FALSE(window.workOutButton()->isEnabled());
        QSignalSpy ready(window.Work(), &BankrollWork::Ready);
        EXPECT_TRUE(ready.wait(60000));
    }
    EXPECT_TRUE(window.workOutButton()->isEnabled());
    return *window.Work()->Figures();
}

// Asks again once the answer to the last ask is in.
void Ask(BankrollWindow& window, int bankroll, int hands, int goal) {
    if (window.Work()->Busy()) WorkedOut(window);
    window.bankrollBox()->setValue(bankroll);
    window.handsBox()->setValue(hands);
    window.goalBox()->setValue(goal);
    window.workOutButton()->click();
}

TEST(BankrollWindow, PerfectPlaysFiguresAreTheRiskOfRuinsAndNoMistakesArePerfectPlay) {
    BankrollWindow window(nullptr, {"Ann", SharedGameAdvisor(), 0, 120, {}});
    Ask(window, 203, 300, 403);  // 40 bets and 3 credits; the goal: 80 bets and the 3 credits
    const BankrollFigures& figures = WorkedOut(window);
    EXPECT_EQ(figures.ask, (BankrollAsk{203, 300, 403}));

    const std::vector<PayChance> perfect = PayChancesOf(
        GameAdvisor().sums().pays(), AnalyzeGame(GameAdvisor().sums(), 2, TieBreak::LowerVariance));
    const TripRisk risk = AnalyzeTrip(perfect, {40, 300, 80});
    EXPECT_NEAR(figures.perfect.broke.back(), risk.broke, 1e-12);
    EXPECT_NEAR(figures.perfect.goal.back(), risk.goal, 1e-12);
    EXPECT_EQ(figures.yours.broke, figures.perfect.broke);
    EXPECT_EQ(figures.yours.goal, figures.perfect.goal);
    ASSERT_EQ(window.plotSurvival()->Perfect().size(), 301u);
    EXPECT_NEAR(window.plotSurvival()->Perfect().back(), 1 - risk.broke, 1e-12);
    EXPECT_EQ(window.resultLabel()->text(),
              BankrollSentence(figures.ask, figures.yours, figures.perfect));
}

TEST(BankrollWindow, ACostlierPlayerLastsLessAndBadAsksAreToldInWords) {
    // 0.25 credits a hand below perfect play: 0.05 of each bet.
    BankrollWindow window(nullptr, {"Ann", SharedGameAdvisor(), 0.25, 1000, {}});
    EXPECT_TRUE(window.modelLabel()->text().contains("0.2500 credits a hand"));
    Ask(window, 100, 200, 0);
    const BankrollFigures& figures = WorkedOut(window);
    const std::vector<PayChance> perfect = PayChancesOf(
        GameAdvisor().sums().pays(), AnalyzeGame(GameAdvisor().sums(), 2, TieBreak::LowerVariance));
    EXPECT_NEAR(figures.yours.broke.back(),
                AnalyzeTrip(WithMeasuredCost(perfect, 0.05), {20, 200, 0}).broke, 1e-12);
    EXPECT_GT(figures.yours.broke.back(), figures.perfect.broke.back());
    EXPECT_TRUE(figures.yours.goal.empty() || figures.yours.goal.back() == 0);

    Ask(window, 100, 200, 50);  // a goal below the bankroll
    EXPECT_EQ(window.resultLabel()->text(), "A goal above the bankroll, please, or 0 for none.");
    EXPECT_FALSE(window.Work()->Busy());
}

TEST(BankrollWindow, CreditsBecomeWholeBetsAndTheLeftoverCountsTowardTheGoal) {
    EXPECT_EQ(TripInBets({203, 10, 400}, 5).bankroll, 40);
    EXPECT_EQ(TripInBets({203, 10, 403}, 5).goal, 80);  // 80 bets and 3 credits: 403
    EXPECT_EQ(TripInBets({203, 10, 404}, 5).goal, 81);
    EXPECT_EQ(TripInBets({200, 10, 400}, 5).goal, 80);
    EXPECT_EQ(TripInBets({201, 10, 400}, 5).goal, 80);
    EXPECT_EQ(TripInBets({200, 10, 401}, 5).goal, 81);
    EXPECT_EQ(TripInBets({200, 10, 0}, 5).goal, 0);
    EXPECT_FALSE(BankrollAskProblem({4, 10, 0}, 5).isEmpty());
    EXPECT_FALSE(BankrollAskProblem({100, 0, 0}, 5).isEmpty());
    EXPECT_TRUE(BankrollAskProblem({100, 10, 0}, 5).isEmpty());
}

TEST(BankrollWindow, WithoutTheTablesItSaysTheyAreComing) {
    BankrollWindow window(nullptr, {"Ann", nullptr, 0, 0, {}});
    EXPECT_EQ(window.Work(), nullptr);
    EXPECT_TRUE(window.modelLabel()->text().contains("still being worked out"));
    window.WorkOut();  // does nothing
}

// Falls evenly from 100% to `last` over 1,000 hands.
std::vector<double> Falling(double last) {
    std::vector<double> lasting(1001);
    for (std::size_t n = 0; n < lasting.size(); ++n) lasting[n] = 1 - (1 - last) * n / 1000.0;
    return lasting;
}

// How far down the plot, from 0 at its top to 1 at its foot, the player's curve ends.
double DepthOfYoursAtTheEnd(SurvivalPlot& plot) {
    const QImage picture = plot.grab().toImage();
    const int x = picture.width() - 16 - 3;  // just inside the plot's right edge
    for (int y = 30; y < picture.height(); ++y) {
        const QColor pixel = picture.pixelColor(x, y);
        if (pixel.blue() > 140 && pixel.red() < 80 && pixel.green() < 100)
            return double(y) / picture.height();
    }
    ADD_FAILURE() << "the player's curve is not drawn at the end";
    return 0;
}

TEST(SurvivalPlot, HighChancesAreSpreadOverThePlotAndLowOnesKeepTheWholeScale) {
    SurvivalPlot plot;
    plot.resize(600, 300);
    // 97.7% against 99.2%: on a scale from 0 the two would lie in the top line.
    plot.SetCurves(Falling(0.977), Falling(0.992));
    EXPECT_GT(DepthOfYoursAtTheEnd(plot), 0.5);
    EXPECT_GT(plot.ScaleFloor(), 0.9);
    // 30% left: the whole scale, the curve ending 70% of the way down the plot's area.
    plot.SetCurves(Falling(0.3), Falling(0.5));
    EXPECT_EQ(plot.ScaleFloor(), 0);
    EXPECT_NEAR(DepthOfYoursAtTheEnd(plot), (30 + 0.7 * (300 - 30 - 36)) / 300.0, 0.02);
}

}  // namespace
