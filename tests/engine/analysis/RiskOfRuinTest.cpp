// Risk of ruin: the backward program against a forward walk written here from the final-hand
// probabilities, and the long-run ruin against a root known in closed form.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <stdexcept>
#include <vector>

#include "engine/analysis/GameAnalysis.h"
#include "engine/analysis/RiskOfRuin.h"
#include "tests/engine/analysis/SharedTables.h"

namespace modcards::analysis {
namespace {

struct Walked {
    double broke = 0;
    double goal = 0;
};

// The bankroll's distribution carried forward hand by hand, one final hand at a time (equal
// pays not merged). Without a goal, a bankroll above the hands left can no longer go broke.
Walked WalkForward(const Pays& pays, const GameAnalysis& game, const Trip& trip) {
    Walked walked;
    std::map<std::int64_t, double> bankrolls{{trip.bankroll, 1.0}};
    for (std::int64_t hand = 0; hand <= trip.hands; ++hand) {
        std::map<std::int64_t, double> next;
        for (const auto& [bankroll, p] : bankrolls) {
            if (bankroll == 0) {
                walked.broke += p;
            } else if (trip.goal > 0 && bankroll >= trip.goal) {
                walked.goal += p;
            } else if (hand < trip.hands && (trip.goal > 0 || bankroll <= trip.hands - hand)) {
                for (int c = 0; c < kCategoryCount; ++c)
                    next[bankroll - 1 + pays.perCategory[c] / pays.unit] +=
                        p * game.finalCategory[c].ToDouble();
            }
        }
        bankrolls = std::move(next);
    }
    return walked;
}

TEST(RiskOfRuin, MatchesAForwardWalkOnSeveralTables) {
    const std::vector<Pays> tables = {FullPays(), GamePays(),
                                      PaysPerUnit({800, 200, 25, 15, 9, 4, 4, 3, 2, 1})};
    const std::vector<Trip> trips = {{20, 300, 0}, {20, 300, 45}, {7, 500, 12}, {150, 200, 0}};
    for (const Pays& pays : tables) {
        const GameAnalysis game = AnalyzeGame(PaySums(SharedTables(), pays));
        const std::vector<PayChance> chances = PayChancesOf(pays, game);
        for (const Trip& trip : trips) {
            SCOPED_TRACE(testing::Message() << "pays " << pays.perCategory[6] << " bankroll "
                                            << trip.bankroll << " goal " << trip.goal);
            const TripRisk risk = AnalyzeTrip(chances, trip);
            const Walked walked = WalkForward(pays, game, trip);
            EXPECT_NEAR(risk.broke, walked.broke, 1e-9);
            EXPECT_NEAR(risk.goal, walked.goal, 1e-9);
            EXPECT_GT(risk.broke + risk.goal, 0.0);
        }
        // The least bankroll for each risk level: it meets the level, one bet less does not.
        const TripRisk risk = AnalyzeTrip(chances, {10, 300, 0});
        for (std::size_t level = 0; level < kRiskLevels.size(); ++level) {
            const std::int64_t enough = risk.bankrollFor[level];
            EXPECT_LE(WalkForward(pays, game, {enough, 300, 0}).broke, kRiskLevels[level]);
            EXPECT_GT(WalkForward(pays, game, {enough - 1, 300, 0}).broke, kRiskLevels[level]);
        }
        EXPECT_GT(risk.bankrollFor[0], risk.bankrollFor[1]);
        EXPECT_GT(risk.bankrollFor[1], risk.bankrollFor[2]);
    }
}

// Paying nothing or three bets, even odds: q = 1/2 + q^3 / 2, whose root in (0, 1) is the
// golden ratio's inverse; a long trip from three bets goes broke with chance close to q^3.
TEST(RiskOfRuin, LongRunRuinIsQToTheBankroll) {
    const std::vector<PayChance> chances = {{0, 0.5}, {3, 0.5}};
    const double q = (std::sqrt(5.0) - 1) / 2;
    EXPECT_NEAR(LongRunRuinBase(chances), q, 1e-15);
    const TripRisk risk = AnalyzeTrip(chances, {3, 3000, 0});
    EXPECT_NEAR(risk.longRunRuin, q * q * q, 1e-12);
    EXPECT_NEAR(risk.broke, q * q * q, 1e-9);
    EXPECT_LE(risk.broke, risk.longRunRuin);

    // A return of at most 1 is ruin for sure in the long run.
    EXPECT_EQ(LongRunRuinBase({{0, 0.5}, {2, 0.5}}), 1.0);
    EXPECT_EQ(LongRunRuinBase({{0, 0.6}, {2, 0.4}}), 1.0);
    const GameAnalysis full = AnalyzeGame(PaySums(SharedTables(), FullPays()));
    const std::vector<PayChance> fullChances = PayChancesOf(FullPays(), full);
    double residual = -LongRunRuinBase(fullChances);
    for (const PayChance& chance : fullChances)
        residual += chance.probability *
                    std::pow(LongRunRuinBase(fullChances), static_cast<double>(chance.pay));
    EXPECT_NEAR(residual, 0.0, 1e-14);
    EXPECT_LT(LongRunRuinBase(fullChances), 1.0);
}

TEST(RiskOfRuin, EdgesOfATrip) {
    const std::vector<PayChance> chances = {{0, 0.5}, {1, 0.2}, {3, 0.3}};
    const TripRisk noMoney = AnalyzeTrip(chances, {0, 100, 5});
    EXPECT_EQ(noMoney.broke, 1.0);
    EXPECT_EQ(noMoney.goal, 0.0);
    EXPECT_EQ(noMoney.longRunRuin, 1.0);
    const TripRisk noHands = AnalyzeTrip(chances, {4, 0, 5});
    EXPECT_EQ(noHands.broke, 0.0);
    EXPECT_EQ(noHands.goal, 0.0);
    EXPECT_EQ(noHands.bankrollFor[0], 1);  // only an empty bankroll cannot play no hands
    const TripRisk there = AnalyzeTrip(chances, {5, 100, 5});
    EXPECT_EQ(there.broke, 0.0);
    EXPECT_EQ(there.goal, 1.0);
    // One hand from one bet: broke exactly when it pays nothing.
    EXPECT_DOUBLE_EQ(AnalyzeTrip(chances, {1, 1, 0}).broke, 0.5);
    EXPECT_DOUBLE_EQ(AnalyzeTrip(chances, {1, 1, 3}).goal, 0.3);
    EXPECT_THROW(AnalyzeTrip(chances, {-1, 10, 0}), std::invalid_argument);

    Pays half = FullPays();
    half.unit = 2;
    EXPECT_THROW(PayChancesOf(half, AnalyzeGame(PaySums(SharedTables(), FullPays()))),
                 std::invalid_argument);
}

}  // namespace
}  // namespace modcards::analysis
