// Strategy charts: holds named as a player names them, a chart known by hand, and the game's
// chart replayed on every deal.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <numeric>
#include <random>
#include <stop_token>

#include "engine/CardText.h"
#include "engine/analysis/ChartAudit.h"
#include "engine/analysis/ChartBuilder.h"
#include "engine/analysis/ChartLevels.h"
#include "engine/analysis/GameAnalysis.h"
#include "engine/analysis/GameChart.h"
#include "tests/engine/analysis/SharedTables.h"

namespace modcards::analysis {
namespace {

HoldPattern PatternOf(const char* dealt, std::uint8_t keptSlots) {
    const SortedDeal deal = SortDeal(ParseHand(dealt));
    return ClassifyHold(deal.cards, HoldOfSlots(deal, keptSlots));
}

std::string NameOf(const char* dealt, std::uint8_t keptSlots) {
    return PatternText(PatternOf(dealt, keptSlots));
}

TEST(HoldPatterns, NameTheDrawTheKeptCardsMake) {
    EXPECT_EQ(NameOf("Th Jh Qh Kh 3s", 0b01111), "Four to a royal flush");
    EXPECT_EQ(NameOf("2c Jh 6h Qh Ks", 0b01011), "Three to a royal flush");
    EXPECT_EQ(PatternOf("2c Jh 6h Qh Ks", 0b01011).details[kSuitMates], 1) << "the 6h";
    EXPECT_EQ(NameOf("7s 7d 9c Jd 3h", 0b00011), "A pair");
    EXPECT_EQ(NameOf("7s 7d 9c 9d 3h", 0b01111), "Two pairs");
    EXPECT_EQ(NameOf("7s 2d 2c Jd 3h", 0b00110), "Two deuces only");
    EXPECT_EQ(NameOf("7s 2d 2c Jd 3h", 0b00010), "One deuce only, throwing a deuce away");
    EXPECT_EQ(NameOf("7s 2d 2c 7d 3h", 0b01111), "Four of a kind");
    EXPECT_EQ(NameOf("2c 2d 2h 2s 9h", 0b11111), "Four deuces, keeping the odd card");
    EXPECT_EQ(NameOf("Ah Kd 9c 6s 3h", 0b00000), "Discard everything");
    EXPECT_EQ(NameOf("Ah Kd 9c 6s 3h", 0b00010), "A single card");
}

TEST(HoldPatterns, StraightDrawsCountGapsWithTheAceWhereItFits) {
    const HoldPattern suited = PatternOf("2c 5h 6h 8h Ks", 0b01111);
    EXPECT_EQ(PatternText(suited), "Four to a straight flush");
    EXPECT_EQ(suited.details[kGaps], 1) << "the 7 is missing, whatever the deuce becomes";
    EXPECT_EQ(suited.details[kLowest], 5);
    const HoldPattern low = PatternOf("Ah 3d 4c 5s 9h", 0b01111);
    EXPECT_EQ(PatternText(low), "Four to a straight");
    EXPECT_EQ(low.details[kLowest], 1);
    EXPECT_EQ(low.details[kGaps], 1) << "the 2";
    const HoldPattern high = PatternOf("Ah Kd Qc Js 9h", 0b01111);
    EXPECT_EQ(high.details[kLowest], 11);
    EXPECT_EQ(high.details[kGaps], 0);
    EXPECT_EQ(NameOf("Ah 7d 8c 9s Kh", 0b01111), "Four cards that draw to nothing together");
}

ChartLine Line(int deuces, const char* dealt, std::uint8_t keptSlots) {
    ChartLine line;
    line.deuces = deuces;
    line.pattern = PatternOf(dealt, keptSlots);
    return line;
}

// How a narrowed line reads: each detail in words a player can check against the cards.
TEST(ChartLines, ReadInAPlayersWords) {
    ChartLine sf = Line(1, "2c 5h 6h 8h Ks", 0b00111);
    sf.ranges[kGaps] = {0, 0};
    sf.ranges[kLowest] = {6, 14};
    EXPECT_EQ(sf.Text(), "Three to a straight flush, consecutive, lowest card 6 or higher");
    sf.ranges[kGaps] = {1, 3};
    sf.ranges[kLowest] = {3, 14};
    EXPECT_EQ(sf.Text(), "Three to a straight flush, one gap or more, no ace");
    ChartLine royal = Line(0, "Jh Qh 3c 7d 9s", 0b00011);
    royal.ranges[kAce] = {0, 0};
    royal.ranges[kGaps] = {0, 0};
    royal.ranges[kLowest] = {11, 11};
    royal.ranges[kSuitMates] = {0, 0};
    EXPECT_EQ(royal.Text(), "Two to a royal flush, jack and queen, no other card of that suit");
    EXPECT_EQ(royal.Words(), 2);
    ChartLine single = Line(0, "Kh 3c 7d 9s 5s", 0b00001);
    single.ranges[kLowest] = {13, 13};
    EXPECT_EQ(single.Text(), "A single king");
    EXPECT_EQ(Line(2, "2c 2h 3c 7d 9s", 0b00001).Text(), "One deuce only, throwing a deuce away");
    EXPECT_TRUE(sf.Covers(PatternOf("2c 5h 6h 8h Ks", 0b01011), 1)) << "5-8, two gaps";
    EXPECT_FALSE(sf.Covers(PatternOf("2c 5h 6h 8h Ks", 0b00111), 1)) << "consecutive";
    EXPECT_FALSE(sf.Covers(PatternOf("2c 5h 6h 8h Ks", 0b01011), 0)) << "other section";
}

// A made hand is one pattern told apart by what it makes: the dealt four or three of a kind by
// the cards that make it, any other by all five; its odd cards kept with it make no pattern.
TEST(HoldPatterns, AMadeHandIsKeptByTheCardsThatMakeIt) {
    const HoldPattern trips = PatternOf("7s 7d 7c Jd 3h", 0b00111);
    EXPECT_EQ(trips.kind, HoldKind::Made);
    EXPECT_EQ(trips.details[kMade], MadeRank(kThreeOfAKind));
    EXPECT_EQ(PatternText(trips), "Three of a kind");
    EXPECT_EQ(PatternOf("7s 7d 7c Jd 3h", 0b11111).kind, HoldKind::NoDraw);
    EXPECT_EQ(PatternOf("7s 2d 7c Jd 7h", 0b10111).details[kMade], MadeRank(kFourOfAKind));
    EXPECT_EQ(PatternOf("7s 2d 7c Jd 7h", 0b00111).kind, HoldKind::ThreeOfAKind);
    EXPECT_EQ(NameOf("7s 7d 7c Jd Jh", 0b00111), "Three of a kind out of a better hand");
    EXPECT_EQ(PatternOf("7s 7d 7c Jd Jh", 0b11111).details[kMade], MadeRank(kFullHouse));
    EXPECT_EQ(PatternOf("Ah 3h 8h Jh Kh", 0b11111).details[kMade], MadeRank(kFlush));
    EXPECT_EQ(PatternOf("Ah 3d 8c Jh Kh", 0b11111).details[kMade], 0);
    for (int category = 0; category < kCategoryCount; ++category) {
        EXPECT_EQ(CategoryOfMadeRank(MadeRank(category)), category);
        if (category > 1) {
            EXPECT_EQ(MadeRank(category) + 1, MadeRank(category - 1));
        }
    }
}

// Cards thrown away that would fit the straight drawn to: of other ranks than those kept, for
// straight and royal draws (at most two are told apart), never for a flush draw.
TEST(HoldPatterns, CountTheCardsThrownAwayThatFitTheStraight) {
    EXPECT_EQ(PatternOf("2c Ah Kh Qs Jd", 0b00111).details[kRunMates], 2) << "queen and jack";
    EXPECT_EQ(PatternOf("2c Ah Kh Ks 7d", 0b00111).details[kRunMates], 0) << "a king is kept";
    EXPECT_EQ(PatternOf("5s 6d 7c 9h 4d", 0b00111).details[kRunMates], 2) << "the 4 and the 9";
    EXPECT_EQ(PatternOf("5s 6d 7c 8h Kd", 0b01111).details[kRunMates], 0);
    EXPECT_EQ(PatternOf("Ts 6d 7c 8h 9d", 0b11110).details[kRunMates], 1) << "the ten";
    EXPECT_EQ(PatternOf("5h 9h Jh Kh Qd", 0b01111).details[kRunMates], 0) << "a flush draw";

    ChartLine royal = Line(1, "2c Ah Kh Qs Jd", 0b00111);
    royal.ranges[kRunMates] = {0, 0};
    EXPECT_EQ(royal.Text(), "Three to a royal flush, no card thrown away fits the straight");
    EXPECT_EQ(royal.Words(), 1);
    EXPECT_FALSE(royal.Covers(PatternOf("2c Ah Kh Qs Jd", 0b00111), 1));
    EXPECT_TRUE(royal.Covers(PatternOf("2c Ah Kh 7s 4d", 0b00111), 1));
    royal.ranges[kRunMates] = {1, 2};
    EXPECT_EQ(royal.Text(), "Three to a royal flush, a card thrown away fits the straight");
    royal.ranges[kRunMates] = FullRange(kRunMates);
    royal.ranges[kThrown] = {0, 8};
    EXPECT_EQ(royal.Text(), "Three to a royal flush, no card above 8 thrown away");
    EXPECT_TRUE(royal.Covers(PatternOf("2c Ah Kh 7s 4d", 0b00111), 1));
    EXPECT_FALSE(royal.Covers(PatternOf("2c Ah Kh 9s 4d", 0b00111), 1));
    royal.ranges[kThrown] = {9, 14};
    EXPECT_EQ(royal.Text(), "Three to a royal flush, a card thrown away 9 or higher");
}

TEST(ChartLines, AMadeHandLineNamesTheHandsItKeeps) {
    ChartLine made = Line(0, "7s 7d 7c Jd 3h", 0b00111);
    const auto text = [&](int low, int high) {
        made.ranges[kMade] = {static_cast<std::uint8_t>(low), static_cast<std::uint8_t>(high)};
        return made.Text();
    };
    EXPECT_EQ(text(MadeRank(kFourOfAKind), 10), "Four of a kind or better");
    EXPECT_EQ(text(MadeRank(kStraight), MadeRank(kFullHouse)), "Straight, flush or full house");
    EXPECT_EQ(text(MadeRank(kStraight), MadeRank(kStraightFlush)),
              "Anything from straight to straight flush");
    EXPECT_EQ(text(MadeRank(kFullHouse), MadeRank(kFullHouse)), "Full house");
    EXPECT_EQ(made.Words(), 0);
    EXPECT_EQ(text(0, 10), "All five cards, whatever they make");
    // Five of a kind told by its rank; other made hands count as aces.
    made.ranges[kLowest] = {10, 14};
    EXPECT_EQ(text(MadeRank(kFiveOfAKind), MadeRank(kFiveOfAKind)),
              "Five of a kind, tens or higher");
    EXPECT_EQ(text(MadeRank(kFullHouse), 10),
              "Full house or better, five of a kind only of tens or higher");
    made.ranges[kLowest] = FullRange(kLowest);
    ChartLine five = Line(3, "2c Tc 2d Td 2h", 0b11111);
    five.ranges[kLowest] = {10, 14};
    EXPECT_TRUE(five.Covers(PatternOf("2c Tc 2d Td 2h", 0b11111), 3));
    EXPECT_FALSE(five.Covers(PatternOf("2c 7c 2d 7d 2h", 0b11111), 3));
    EXPECT_TRUE(five.Covers(PatternOf("2c 6c 2d 5c 2h", 0b11111), 3)) << "a straight flush";

    // Three of a kind or better: the trips drawn to, the full house and the flush kept whole.
    text(MadeRank(kThreeOfAKind), 10);
    EXPECT_EQ(made.Words(), 1);
    EXPECT_TRUE(made.Covers(PatternOf("7s 7d 7c Jd 3h", 0b00111), 0));
    EXPECT_TRUE(made.Covers(PatternOf("7s 7d 7c Jd Jh", 0b11111), 0));
    EXPECT_FALSE(made.Covers(PatternOf("7s 7d 7c Jd Jh", 0b00111), 0));
    EXPECT_FALSE(made.Covers(PatternOf("Ah 3d 8c Jh Kh", 0b11111), 0));
    const StrategyChart chart({LastLineOfSection(4), LastLineOfSection(3), LastLineOfSection(2),
                               LastLineOfSection(1), made, LastLineOfSection(0)});
    EXPECT_EQ(chart.PlayHand(ParseHand("Jd 7s 3h 7d 7c")).keptSlots, 0b11010);
    EXPECT_EQ(chart.PlayHand(ParseHand("Jd 7s Jh 7d 7c")).keptSlots, 0b11111);
    EXPECT_EQ(chart.PlayHand(ParseHand("Ah 3h 8h Jh Kh")).keptSlots, 0b11111);
    EXPECT_EQ(chart.PlayHand(ParseHand("Ah 3d 8c Jh Kh")).keptSlots, 0);
    EXPECT_EQ(chart.HoldText(ParseHand("Jd 7s 3h 7d 7c"), 0b11111),
              "Three of a kind or better, plus a jack and a 3");
}

TEST(ChartLines, AChartHasEverySectionEndingWithItsDeuces) {
    std::vector<ChartLine> lines;
    for (int deuces = 4; deuces >= 0; --deuces) lines.push_back(LastLineOfSection(deuces));
    EXPECT_NO_THROW(StrategyChart{lines});
    std::vector<ChartLine> shuffled = lines;
    std::swap(shuffled[0], shuffled[1]);
    EXPECT_THROW(StrategyChart{shuffled}, std::invalid_argument);
    std::vector<ChartLine> unfinished = lines;
    unfinished.insert(unfinished.begin() + 2, Line(2, "2c 2h 3c 3d 9s", 0b01111));
    std::swap(unfinished[2], unfinished[3]);
    EXPECT_THROW(StrategyChart{unfinished}, std::invalid_argument);
    lines.pop_back();
    EXPECT_THROW(StrategyChart{lines}, std::invalid_argument);
}

// The budgets for full pay, by exact audit: 27 lines within 0.04%, 45 within 0.01%, 64 within
// 0.001%; each larger budget no dearer; and choices a player makes by the chart's own words.
TEST(StrategyChart, FullPayChartsMeetTheirBudgets) {
    const PaySums sums(SharedTables(), FullPays());
    const std::vector<ChartLevel> levels = ChartLevels(sums, 27);
    ASSERT_GE(levels.size(), 2u);
    for (std::size_t i = 0; i < levels.size(); ++i) {
        SCOPED_TRACE(levels[i].lines);
        EXPECT_EQ(levels[i].lines, 27 + static_cast<int>(i));
        EXPECT_LE(static_cast<int>(levels[i].chart.Lines().size()), levels[i].lines);
        EXPECT_EQ(AuditChart(levels[i].chart, sums).chartReturn, levels[i].audit.chartReturn);
        if (i > 0) {
            EXPECT_LE(levels[i].audit.cost.ToDouble(), levels[i - 1].audit.cost.ToDouble());
        }
    }
    EXPECT_LE(levels.front().audit.cost.ToDouble(), 0.0004);
    // Budgets past the longest chart get the longest.
    EXPECT_LE(levels[std::min<std::size_t>(45 - 27, levels.size() - 1)].audit.cost.ToDouble(),
              0.0001);
    EXPECT_LE(levels.back().lines, kMaxChartLines);
    EXPECT_LE(levels.back().audit.cost.ToDouble(), 0.00001);

    const StrategyChart& chart = levels.back().chart;
    EXPECT_EQ(levels.back().audit.perfectReturn.Decimal(7), "1.0076196");
    // Two pairs keep one pair, the higher one; four to the royal beats the straight flush.
    EXPECT_EQ(chart.PlayHand(ParseHand("5h Ks 9s 5c Kd")).keptSlots, 0b10010);
    EXPECT_EQ(chart.PlayHand(ParseHand("9h Th Jh Qh Kh")).keptSlots, 0b11110);
    // Three deuces keep five of a kind from tens up, and only the deuces below.
    EXPECT_EQ(chart.PlayHand(ParseHand("2c Tc 2d Td 2h")).keptSlots, 0b11111);
    EXPECT_EQ(chart.PlayHand(ParseHand("2c 7c 2d 7d 2h")).keptSlots, 0b10101);
    // An ace and a king with a deuce are worth keeping unless only low cards are thrown away.
    EXPECT_EQ(chart.PlayHand(ParseHand("Ac Kc 3d 4d 2h")).keptSlots, 0b10000);
    EXPECT_EQ(chart.PlayHand(ParseHand("Ac Tc 9d 8h 2s")).keptSlots, 0b10011);
    // A king and a ten of one suit with nothing of that suit or the straight thrown away.
    EXPECT_EQ(chart.PlayHand(ParseHand("Tc Kc 8d 7h 5s")).keptSlots, 0b00011);
}

// A stop ends a derivation without another chart written, already requested or requested as
// the full chart is written; nothing is returned either way.
TEST(StrategyChart, AStoppedDerivationWritesNothingMore) {
    const PaySums sums(SharedTables(), FullPays());
    std::stop_source stop;
    ChartGoal goal;
    goal.stop = stop.get_token();
    int written = 0;
    const auto stopAtTheFirst = [&](const StrategyChart&) {
        ++written;
        stop.request_stop();
        return true;  // the stop alone must end the merging
    };
    EXPECT_TRUE(ChartsDownTo(sums, kMinChartLines, goal, stopAtTheFirst).empty());
    EXPECT_EQ(written, 1);

    written = 0;
    EXPECT_TRUE(ChartsDownTo(sums, kMinChartLines, goal, stopAtTheFirst).empty());
    EXPECT_EQ(written, 0);
    int told = 0;
    const auto progress = [&](const ChartLevel&, int, int) { return ++told > 0; };
    EXPECT_TRUE(ChartLevels(sums, kMinChartLines, 2, progress, stop.get_token()).empty());
    EXPECT_EQ(told, 0);
    // Collecting the deals' options stops too, and nothing half collected comes back.
    for (const ChartSection& section : CollectChartSections(sums, 2, stop.get_token()))
        EXPECT_TRUE(section.options.empty() && section.cells.empty());
}

// When only four deuces pay, nothing but the deuces is worth keeping: the best chart is the
// five lines that keep them, and it returns what counting the draws by hand gives.
TEST(StrategyChart, FourDeucesOnlyKeepTheDeuces) {
    const PaySums sums(SharedTables(), PaysPerUnit({0, 1, 0, 0, 0, 0, 0, 0, 0, 0}));
    const StrategyChart chart = BuildChart(sums);
    std::vector<ChartLine> expected;
    for (int deuces = 4; deuces >= 0; --deuces) expected.push_back(LastLineOfSection(deuces));
    EXPECT_EQ(chart.Lines(), expected);

    // C(4, d) C(48, 5 - d) deals hold d deuces. Below four, the other 4 - d deuces must all
    // come among the 5 - d cards drawn from 47: of C(47, 5 - d) draws, 43 + d do, one for
    // each card that is not a deuce left to fill the last place.
    WideInt draws = 1;  // a multiple of every C(47, 5 - d)
    for (int d = 0; d < 4; ++d) draws *= kBinomial(47, 5 - d);
    WideInt hits = 0;
    for (int d = 0; d <= 4; ++d) {
        const WideInt deals = kBinomial(4, d) * kBinomial(48, 5 - d);
        hits += d == 4 ? deals * draws : deals * (43 + d) * (draws / kBinomial(47, 5 - d));
    }
    const Fraction byHand = Fraction::Of(hits, draws * kBinomial(52, 5));
    EXPECT_EQ(byHand, (Fraction{16, 54145}));
    const ChartAudit audit = AuditChart(chart, sums);
    EXPECT_EQ(audit.chartReturn, byHand);
    EXPECT_EQ(audit.perfectReturn, byHand);
    EXPECT_EQ(audit.dealsPlayedWorse, 0);

    // One pay of 1 with probability p: the variance is p (1 - p).
    const GameAnalysis game = AnalyzeGame(sums, 2);
    EXPECT_EQ(game.expectedReturn, byHand);
    const double p = byHand.ToDouble();
    EXPECT_NEAR(game.Variance(), p * (1 - p), 1e-15);
    EXPECT_NEAR(game.StandardDeviation(), std::sqrt(p * (1 - p)), 1e-13);
}

// Full pay has holds of equal value whose pays spread differently.
TEST(StrategyChart, TiesChangeTheSpreadButNeverTheReturn) {
    const PaySums sums(SharedTables(), FullPays());
    const GameAnalysis lower = AnalyzeGame(sums, 2, TieBreak::LowerVariance);
    const GameAnalysis higher = AnalyzeGame(sums, 2, TieBreak::HigherVariance);
    EXPECT_EQ(lower.expectedReturn, higher.expectedReturn);
    EXPECT_LT(lower.Variance(), higher.Variance());
    EXPECT_NE(lower.finalCategory, higher.finalCategory);
    EXPECT_NEAR(lower.Variance(), 25.83, 0.01);  // the published figure for full pay
}

// The value of the hold the chart plays lies in the range its line's worth gives.
void ExpectWithinItsLine(const StrategyChart& chart, const ChartAudit& audit, const PaySums& sums,
                         const DealtIndices& deal) {
    const ChartPlay play = chart.Play(deal);
    const double value =
        Fraction::Of(HoldTotals(sums, RanksOfSubsets(deal))[play.hold],
                     WideInt{DrawCount(std::popcount(play.hold))} * sums.pays().unit)
            .ToDouble();
    const LineWorth& worth = audit.worth[static_cast<std::size_t>(play.line)];
    EXPECT_LE(worth.lowest.ToDouble(), value);
    EXPECT_GE(worth.highest.ToDouble(), value);
}

// Plays the game's chart on every deal in lexicographic order of the card codes, straight from
// the bytes a --holds-out file holds, and sums the exact value of each hold.
TEST(StrategyChart, GameChartReturnIsAReplayOfItsHoldOnEveryDeal) {
    PayTable table{};
    InitTables(table);
    const PaySums sums(SharedTables(), GamePays(table));
    const StrategyChart& chart = GameChart();
    const std::vector<std::uint8_t> holds = ChartHoldsOfEveryDeal(chart, 2);
    ASSERT_EQ(holds.size(), 2'598'960u);
    const ChartAudit audit = AuditChart(chart, sums);
    EXPECT_EQ(audit.worth, GameChartAudit().worth);
    ASSERT_EQ(audit.worth.size(), chart.Lines().size());
    for (std::size_t line = 0; line < chart.Lines().size(); ++line) {
        EXPECT_TRUE(audit.worth[line].played);
        EXPECT_EQ(chart.Play(audit.worth[line].example).line, static_cast<int>(line));
        ExpectWithinItsLine(chart, audit, sums, audit.worth[line].example);
    }
    EXPECT_EQ(holds.front(), 0b11111) << "As 2s 3s 4s 5s stands pat on its straight flush";
    EXPECT_EQ(holds.back(), 0b11110) << "9h Th Jh Qh Kh breaks it for four to the royal";

    std::array<WideInt, kHandSize + 1> byHeld{};
    std::size_t at = 0;
    DealtIndices deal{};
    for (deal[0] = 0; deal[0] < kDeckSize; ++deal[0])
        for (deal[1] = deal[0] + 1; deal[1] < kDeckSize; ++deal[1])
            for (deal[2] = deal[1] + 1; deal[2] < kDeckSize; ++deal[2])
                for (deal[3] = deal[2] + 1; deal[3] < kDeckSize; ++deal[3])
                    for (deal[4] = deal[3] + 1; deal[4] < kDeckSize; ++deal[4], ++at) {
                        const unsigned hold = holds[at];
                        if (at % 99'991 == 0) {
                            ASSERT_EQ(hold, chart.Play(deal).hold) << at;
                            ExpectWithinItsLine(chart, audit, sums, deal);
                        }
                        byHeld[std::popcount(hold)] += HoldTotals(sums, RanksOfSubsets(deal))[hold];
                    }
    WideInt common = 1;
    for (int held = 0; held <= kHandSize; ++held) common *= DrawCount(held);
    WideInt total = 0;
    for (int held = 0; held <= kHandSize; ++held)
        total += byHeld[held] * (common / DrawCount(held));
    const Fraction replayed = Fraction::Of(total, common * kDealCount * sums.pays().unit);

    EXPECT_EQ(replayed, audit.chartReturn);
    EXPECT_EQ(replayed, GameChartAudit().chartReturn) << "the chart built in is out of date";
    EXPECT_LT(GameChartAudit().cost.ToDouble(), 0.0002);
    EXPECT_LE(chart.Lines().size(), 60u);
}

// What the hint panel and a chart window ask of the game's chart.
TEST(StrategyChart, NamesTheLineOfEachHoldOfAHand) {
    const StrategyChart& chart = GameChart();
    const Hand dealt = ParseHand("3s Kh Th Qh Jh");
    const ChartHandPlay play = chart.PlayHand(dealt);
    EXPECT_EQ(play.keptSlots, 0b11110);
    EXPECT_EQ(chart.Lines()[static_cast<std::size_t>(play.line)].Text(), "Four to a royal flush");
    EXPECT_EQ(chart.LineOfHold(dealt, play.keptSlots), play.line);
    EXPECT_EQ(chart.HoldText(dealt, 0b11110), "Four to a royal flush");
    // Holding the three is no line of the chart; it is still named.
    EXPECT_EQ(chart.LineOfHold(dealt, 0b00001), -1);
    EXPECT_EQ(chart.HoldText(dealt, 0b00001), "A single card");
    EXPECT_THROW(chart.PlayHand(ParseHand("3s 3s Th Qh Jh")), std::invalid_argument);
}

// Kept cards that make nothing together are named by their largest part that does.
TEST(StrategyChart, NamesAPairWithAKickerAsAPair) {
    const StrategyChart& chart = GameChart();
    const Hand dealt = ParseHand("Ks 9d Kh 4c 7s");
    const HoldName pairAndNine = chart.NameHold(dealt, 0b00111);
    EXPECT_EQ(pairAndNine.text, "A pair");
    EXPECT_EQ(pairAndNine.line, chart.LineOfHold(dealt, 0b00101));
    EXPECT_EQ(pairAndNine.rest, ", plus a 9");
    EXPECT_EQ(chart.HoldText(dealt, 0b11111 & ~0b01000), "A pair, plus a 9 and a 7");
    // A deuce kept stays in the named part.
    const Hand withDeuce = ParseHand("2s 9d Kh 4c 7s");
    const HoldName deuceKept = chart.NameHold(withDeuce, 0b01011);
    EXPECT_EQ(deuceKept.rest.find("deuce"), std::string::npos) << deuceKept.rest;
    EXPECT_EQ(chart.NameHold(dealt, 0b00101).rest, "");
}

// Over many deals, no hold is left as cards that "draw to nothing together".
TEST(StrategyChart, NamesEveryHoldOfManyDealsInItsWords) {
    const StrategyChart& chart = GameChart();
    std::mt19937 random(7);
    for (int deal = 0; deal < 300; ++deal) {
        std::array<int, 52> deck{};
        std::iota(deck.begin(), deck.end(), 0);
        std::shuffle(deck.begin(), deck.end(), random);
        Hand dealt{};
        for (std::size_t i = 0; i < 5; ++i) dealt[i] = CardOfIndex(deck[i]);
        for (unsigned kept = 0; kept < 32; ++kept) {
            const HoldName name = chart.NameHold(dealt, static_cast<std::uint8_t>(kept));
            EXPECT_EQ(name.text.find("nothing together"), std::string::npos) << name.text;
            EXPECT_FALSE(name.text.empty());
            if (!name.rest.empty()) {
                EXPECT_EQ(name.rest.rfind(", plus ", 0), 0u);
            }
        }
    }
}

}  // namespace
}  // namespace modcards::analysis
