// The analyser's command line: pay tables as typed, and what each command is asked to do.
#include <gtest/gtest.h>

#include <string>

#include "engine/CardText.h"
#include "tests/engine/analysis/SharedTables.h"
#include "tools/StrategyOptions.h"
#include "tools/StrategyReports.h"

namespace modcards::strategy {
namespace {

using analysis::Pays;

TEST(StrategyPays, WholeNumbersArePaysPerUnitBet) {
    const Pays pays = ParsePays("800,200,25,15,9,5,3,2,2,1");
    EXPECT_EQ(pays, analysis::FullPays());
}

TEST(StrategyPays, DecimalsShareOneUnitExactly) {
    const Pays half = ParsePays("800,200,25,15,9,5,3,2,2,0.5");
    EXPECT_EQ(half.unit, 10);
    EXPECT_EQ(half.perCategory[1], 8000);
    EXPECT_EQ(half.perCategory[10], 5);
    const Pays mixed = ParsePays("1.25,2.5,3,0,0,0,0,0,0,.75");
    EXPECT_EQ(mixed.unit, 100);
    EXPECT_EQ(mixed.perCategory[1], 125);
    EXPECT_EQ(mixed.perCategory[2], 250);
    EXPECT_EQ(mixed.perCategory[3], 300);
    EXPECT_EQ(mixed.perCategory[10], 75);
}

TEST(StrategyPays, RejectWhatIsNotTenPays) {
    for (const char* text :
         {"1,2,3", "1,2,3,4,5,6,7,8,9,10,11", "1,2,3,4,5,6,7,8,9,", "-1,2,3,4,5,6,7,8,9,10",
          "1e3,2,3,4,5,6,7,8,9,10", "1.,2,3,4,5,6,7,8,9,10", "1.00001,2,3,4,5,6,7,8,9,10",
          "2000000000,2,3,4,5,6,7,8,9,10", "1000000,2,3,4,5,6,7,8,9,0.0001",
          " 1,2,3,4,5,6,7,8,9,10"}) {
        EXPECT_THROW(ParsePays(text), UsageError) << text;
    }
}

TEST(StrategyCommandLine, ReadsEachCommandWithItsOptions) {
    const StrategyOptions hold =
        ParseStrategyOptions({"hold", "Kh 2c 5d 9s Ah", "--json", "--pays", "1,1,1,1,1,1,1,1,1,1"});
    EXPECT_EQ(hold.command, Command::Hold);
    EXPECT_TRUE(hold.json);
    EXPECT_EQ(hold.dealt, ParseHand("Kh 2c 5d 9s Ah"));  // kept in the order typed
    EXPECT_EQ(hold.pays.perCategory[1], 1);

    PayTable table{};
    InitTables(table);
    const StrategyOptions plain = ParseStrategyOptions({"return", "--threads", "3"});
    EXPECT_EQ(plain.command, Command::Return);
    EXPECT_FALSE(plain.json);
    EXPECT_EQ(plain.threads, 3u);
    EXPECT_EQ(plain.pays, analysis::GamePays(table));

    EXPECT_EQ(ParseStrategyOptions({"deal-counts", "--help"}).command, Command::Help);
}

TEST(StrategyReports, HoldJsonListsAllHoldsAndMarksBothSidesOfATie) {
    const analysis::HoldAdvisor advisor(analysis::SharedTables(), analysis::FullPays());
    const std::string json = HoldReport(ParseHand("3c 5d 9s Jh Kd"), advisor, true);
    std::size_t holds = 0;
    for (std::size_t at = json.find("{\"cards\""); at != std::string::npos;
         at = json.find("{\"cards\"", at + 1))
        ++holds;
    EXPECT_EQ(holds, 32u);
    std::size_t ties = 0;
    for (std::size_t at = json.find("\"tie\":true"); at != std::string::npos;
         at = json.find("\"tie\":true", at + 1))
        ++ties;
    // A hold is marked when any other hold has exactly its value.
    const auto ranked = advisor.RankHolds(ParseHand("3c 5d 9s Jh Kd"));
    std::size_t shared = 0;
    for (const auto& a : ranked) {
        bool tied = false;
        for (const auto& b : ranked)
            tied = tied ||
                   (&a != &b && a.ExpectedPay(advisor.pays()) == b.ExpectedPay(advisor.pays()));
        shared += tied;
    }
    EXPECT_GE(shared, 2u);
    EXPECT_EQ(ties, shared);
    EXPECT_EQ(json.find("{\"cards\":[],"), json.rfind("{\"cards\":[],")) << "one draw-five hold";
}

}  // namespace
}  // namespace modcards::strategy
