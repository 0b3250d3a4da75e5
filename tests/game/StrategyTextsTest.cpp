// The trainer's and hint's words at the edge: costs shown with the decimals that tell a mistake
// from a close call, and the chart's exceptions named as such.
#include <gtest/gtest.h>

#include "engine/CardText.h"
#include "engine/analysis/GameChart.h"
#include "game/HintTexts.h"
#include "game/HoldHints.h"
#include "game/ReviewTexts.h"
#include "tests/support/GameAdvisor.h"

namespace {

TEST(CostText, ShowsAsManyDecimalsAsTheCloseCallEdgeNeeds) {
    EXPECT_EQ(CostText(0.0106), "0.011");  // a mistake never reads as the threshold itself
    EXPECT_EQ(CostText(0.01001), "0.01001");
    EXPECT_EQ(CostText(0.0098), "0.0098");  // a close call never reads as 0.01
    EXPECT_EQ(CostText(0.0051), "0.005");
    EXPECT_EQ(CostText(0.00004), "0.00004");  // nor as nothing
    EXPECT_EQ(CostText(0.01), "0.01");
    EXPECT_EQ(CostText(5.4539), "5.45");
    EXPECT_EQ(CostText(0), "0.00");
    // Against another threshold (the trainer's may be set).
    EXPECT_EQ(CostText(0.0496, 0.05), "0.0496");
    // Two values shown side by side keep their gap on the right side of the edge.
    EXPECT_EQ(EdgeDecimals(1.5194, 1.5300), 3);
    EXPECT_EQ(EdgeDecimals(1.50, 1.60), 2);

    // The review's figure of what mistakes lost, one mistake 0.0106 credit worse.
    history::SessionReview review;
    review.mistakesCost = 0.0106;
    EXPECT_EQ(ReviewFigures(review)[5].value, "0.011 credits");
}

// 2♥ 2♣ 4♠ 6♠ 9♦: the chart keeps the four to a straight flush, perfect play the deuces.
const modcards::Hand kChartErrsHand = modcards::ParseHand("2h 2c 4s 6s 9d");
constexpr std::uint8_t kChartErrsKeeps = 0b01111, kDeuces = 0b00011;

TEST(ChartException, TheChartsOwnHoldWhereItErrsIsNoMistake) {
    const HoldVerdict chart =
        JudgeHold(GameAdvisor(), &modcards::analysis::GameChart(), kChartErrsHand, kChartErrsKeeps);
    EXPECT_EQ(chart.grade, history::HoldGrade::ChartException);
    EXPECT_FALSE(chart.IsMistake());
    EXPECT_EQ(chart.chart.line, modcards::analysis::GameChart().PlayHand(kChartErrsHand).line);
    const QString line = QStringLiteral("Line %1").arg(chart.chart.line + 1);
    EXPECT_EQ(chart.best.kept, kDeuces);
    EXPECT_EQ(ChartExceptionText(kChartErrsHand, chart.chart),
              QStringLiteral("the chart plays %1 here; perfect play keeps the deuces: this deal is "
                             "one of the chart's exceptions (0.17 credit)")
                  .arg(line));
    const TrainerQuestion asked = AskAboutHold(kChartErrsHand, chart);
    EXPECT_TRUE(asked.text.contains("(" + line + ": Four to a straight flush"))
        << asked.text.toStdString();
    EXPECT_TRUE(asked.text.contains("The chart plays " + line + " here"))
        << asked.text.toStdString();
    EXPECT_NE(asked.title, AskAboutHold(kChartErrsHand,
                                        JudgeHold(GameAdvisor(), &modcards::analysis::GameChart(),
                                                  kChartErrsHand, 0))
                               .title);

    // Any other hold as costly is a mistake; the best hold is best.
    EXPECT_TRUE(JudgeHold(GameAdvisor(), &modcards::analysis::GameChart(), kChartErrsHand, 0b10000)
                    .IsMistake());
    EXPECT_EQ(
        JudgeHold(GameAdvisor(), &modcards::analysis::GameChart(), kChartErrsHand, kDeuces).grade,
        history::HoldGrade::Best);
    // A higher threshold makes the same hold a close call.
    EXPECT_EQ(JudgeHold(GameAdvisor(), &modcards::analysis::GameChart(), kChartErrsHand,
                        kChartErrsKeeps, 0.5)
                  .grade,
              history::HoldGrade::CloseCall);
}

TEST(ChartException, ADealTheChartPlaysBestSaysNothing) {
    const modcards::Hand trips = modcards::ParseHand("9c 9d 4s 9h Kd");
    const ChartVerdict chart = JudgeChart(GameAdvisor(), &modcards::analysis::GameChart(), trips);
    EXPECT_FALSE(chart.Errs());
    EXPECT_EQ(ChartExceptionText(trips, chart), "");
    EXPECT_EQ(AsSentence(ChartExceptionText(trips, chart)), "");
}

// At a table whose chart is not at hand, holds are judged by their values alone and no line is
// named: the game's chart plays another table.
TEST(ChartException, WithNoChartNoLineIsNamedAndTheChartsHoldIsAMistake) {
    const HoldVerdict verdict = JudgeHold(GameAdvisor(), nullptr, kChartErrsHand, kChartErrsKeeps);
    EXPECT_TRUE(verdict.IsMistake());
    EXPECT_FALSE(verdict.chart.Errs());
    EXPECT_EQ(ChartExceptionText(kChartErrsHand, verdict.chart), "");
    const QString asked = AskAboutHold(kChartErrsHand, verdict).text;
    EXPECT_FALSE(asked.contains("Line")) << asked.toStdString();
    EXPECT_TRUE(asked.startsWith("The best hold keeps 2♥ 2♣ and pays")) << asked.toStdString();
    EXPECT_EQ(HintLine(kChartErrsHand, verdict.best, QString()),
              "Keep 2♥ 2♣: " + CreditsText(verdict.best.credits) + " credits");
}

}  // namespace
