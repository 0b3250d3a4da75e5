// A table's charts kept as text: read back exactly, and any text that is not whole, not charts
// or not the table's own refused.
#include <gtest/gtest.h>

#include <stdexcept>

#include "engine/analysis/ChartSet.h"
#include "engine/analysis/GameChart.h"

namespace {

using namespace modcards::analysis;

// Two levels with distinct figures: the game's chart, and the same chart shown as a shorter
// budget with a made-up frontier.
ChartSet TwoLevels() {
    ChartSet set = FullChartOnly(GameChart(), GameChartAudit());
    ChartLevel shorter = set.levels.front();
    shorter.lines = 40;
    shorter.audit.cost = Fraction::Of(7, 12345);
    set.levels.insert(set.levels.begin(), shorter);
    set.frontier.insert(set.frontier.begin(), {40, Fraction::Of(98, 100), Fraction::Of(7, 12345)});
    return set;
}

void ExpectSame(const ChartSet& read, const ChartSet& written) {
    ASSERT_EQ(read.levels.size(), written.levels.size());
    EXPECT_EQ(read.frontier, written.frontier);
    for (std::size_t i = 0; i < read.levels.size(); ++i) {
        const ChartLevel& a = read.levels[i];
        const ChartLevel& b = written.levels[i];
        EXPECT_EQ(a.lines, b.lines);
        EXPECT_EQ(a.chart.Lines(), b.chart.Lines());
        EXPECT_EQ(a.audit.chartReturn, b.audit.chartReturn);
        EXPECT_EQ(a.audit.perfectReturn, b.audit.perfectReturn);
        EXPECT_EQ(a.audit.cost, b.audit.cost);
        EXPECT_EQ(a.audit.dealsPlayed, b.audit.dealsPlayed);
        EXPECT_EQ(a.audit.dealsPlayedWorse, b.audit.dealsPlayedWorse);
        EXPECT_EQ(a.audit.worth, b.audit.worth);
    }
}

TEST(ChartSetText, ReadsBackExactly) {
    const ChartSet set = TwoLevels();
    const std::string text = ChartSetText(GamePays(), set);
    const ChartSet read = ReadChartSet(text, GamePays());
    ExpectSame(read, set);
    EXPECT_EQ(ChartSetText(GamePays(), read), text);
}

TEST(ChartSetText, RefusesTextThatIsNotWholeOrNotTheTablesCharts) {
    const std::string text = ChartSetText(GamePays(), TwoLevels());
    std::string flipped = text;
    flipped[text.size() / 2] = flipped[text.size() / 2] == '7' ? '8' : '7';
    for (const std::string& bad :
         {std::string(), std::string("garbage"), text.substr(0, text.size() / 2),
          text.substr(0, text.size() - 3), flipped}) {
        EXPECT_THROW(ReadChartSet(bad, GamePays()), std::runtime_error) << bad.size();
    }
    const Pays fullPay = PaysPerUnit({800, 200, 25, 15, 9, 5, 3, 2, 2, 1});
    EXPECT_THROW(ReadChartSet(text, fullPay), std::runtime_error);
}

TEST(ChartSetKey, NamesATableByItsPaysInLowestTerms) {
    EXPECT_EQ(ChartSetKey(GamePays()), "600-200-25-16-10-4-4-3-2-1");
    Pays doubled = PaysPerUnit({800, 200, 25, 15, 9, 5, 3, 2, 2, 1});
    for (auto& pay : doubled.perCategory) pay *= 2;
    doubled.unit = 2;
    EXPECT_EQ(ChartSetKey(doubled), "800-200-25-15-9-5-3-2-2-1");
    Pays halves = PaysPerUnit({801, 200, 25, 15, 9, 5, 3, 2, 2, 1});
    halves.unit = 2;
    EXPECT_EQ(ChartSetKey(halves), "801-200-25-15-9-5-3-2-2-1-per-2");
}

}  // namespace
