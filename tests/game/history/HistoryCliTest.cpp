// deuceswild-strategy history: its figures and leak groups are the library's, drills left out,
// its CSV every column of every hand, and a file it cannot read is refused in words.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>
#include <sstream>

#include "engine/analysis/CategoryTables.h"
#include "engine/analysis/ChartLevels.h"
#include "engine/analysis/GameChart.h"
#include "engine/analysis/PaySums.h"
#include "game/history/GradingChart.h"
#include "game/history/HandHistory.h"
#include "game/history/LeakGroups.h"
#include "tests/game/history/HistoryTestFiles.h"
#include "tests/game/history/PlantedHabits.h"

namespace {

using history_test::HistoryIn;
using history_test::kNow;
using modcards::analysis::GameChart;

struct Ran {
    int status = -1;
    std::string out, err;
};

class HistoryCommand : public ::testing::Test {
protected:
    void SetUp() override {
        auto history = history::HandHistory::Open(folder.path(), kNow).history;
        ASSERT_TRUE(history);
        for (int s = 0; s < 3; ++s) history->BeginSession("Alice", kNow);
        // A drill after every hundredth hand, costlier than any mistake: no figure or leak
        // counts it, the CSV does.
        for (const auto& row : history_test::Played().rows) {
            ASSERT_FALSE(history->Record(row));
            if (row.id % 100 != 0) continue;
            history::HandRecord drill = row;
            drill.held = 0;
            drill.holdEv = 0;
            drill.pay = 800;
            drill.mode = history::kDrillMode;
            drill.drill = history::LeakKey{1, 2};
            ASSERT_FALSE(history->Record(drill));
            ++drills;
        }
        history->BeginSession("Bob", kNow);
        history::HandRecord bob = history_test::Played().rows.front();
        bob.session = 4;
        bob.player = "Bob, \"the kid\"";
        ASSERT_FALSE(history->Record(bob));
    }

    Ran Run(const std::string& args) const {
        const auto out = folder / "out", err = folder / "err";
        const std::string command = std::string(DEUCESWILD_STRATEGY) + " history " + args + " >" +
                                    out.string() + " 2>" + err.string();
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadAll(out), ReadAll(err)};
    }

    // The columns the file's table has, as SQLite lists them.
    std::string Columns() const {
        sqlite3* db = nullptr;
        sqlite3_open_v2(HistoryIn(folder).c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        std::string names;
        sqlite3_exec(
            db, "SELECT name FROM pragma_table_info('hands')",
            [](void* into, int, char** values, char**) {
                auto& text = *static_cast<std::string*>(into);
                text += (text.empty() ? "" : ",") + std::string(values[0]);
                return 0;
            },
            &names, nullptr);
        sqlite3_close(db);
        return names;
    }

    ScratchFolder folder;
    int drills = 0;
};

TEST_F(HistoryCommand, TheLeaksInJsonAreTheLibrarysGroupsWorstFirst) {
    const Ran ran = Run(HistoryIn(folder).string() + " --player Alice --leaks --json");
    ASSERT_EQ(ran.status, 0) << ran.err;
    const QJsonArray leaks =
        QJsonDocument::fromJson(QByteArray::fromStdString(ran.out)).object()["leaks"].toArray();
    const auto groups = history::GroupLeaks(history_test::Played().rows, GameChart()).WorstFirst();
    ASSERT_EQ(leaks.size(), qsizetype(groups.size()));
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const QJsonObject leak = leaks[qsizetype(i)].toObject();
        EXPECT_EQ(leak["your_line"].toString().toStdString(),
                  history::LeakLineText(GameChart(), groups[i].yourLine));
        EXPECT_EQ(leak["chart_line"].toString().toStdString(),
                  history::LeakLineText(GameChart(), groups[i].chartLine));
        EXPECT_EQ(leak["count"].toInteger(), groups[i].count);
        EXPECT_EQ(leak["cost"].toDouble(), groups[i].cost);
    }
    const Ran words = Run(HistoryIn(folder).string() + " --player Alice --leaks");
    EXPECT_NE(words.out.find("You played \"Line "), std::string::npos) << words.out;
}

// Mistakes at a practice table asked for by its pays are grouped by that table's own chart;
// asked for at every table, the game's chart leaves them out and says how many.
TEST_F(HistoryCommand, TheLeaksAtAPracticeTableAreLinesOfItsOwnChart) {
    // A table that pays four deuces only: its chart is derived in a second or two, and its lines
    // are none of the game's.
    const std::string deucesOnly = "0,1,0,0,0,0,0,0,0,0";
    std::vector<history::HandRecord> practice;
    {
        auto history = history::HandHistory::Open(folder.path(), kNow).history;
        ASSERT_TRUE(history);
        history->BeginSession("Alice", kNow);
        for (history::HandRecord hand : history_test::Played().rows) {
            if (practice.size() == 500) break;
            hand.session = 5;
            hand.mode = history::kPracticeMode;
            hand.pays = deucesOnly;
            ASSERT_FALSE(history->Record(hand));
            practice.push_back(hand);
        }
    }
    const Ran ran =
        Run(HistoryIn(folder).string() + " --player Alice --leaks --json --pays " + deucesOnly);
    ASSERT_EQ(ran.status, 0) << ran.err;
    const QJsonObject report = QJsonDocument::fromJson(QByteArray::fromStdString(ran.out)).object();
    namespace analysis = modcards::analysis;
    const analysis::PaySums sums(analysis::CategoryTables::Build(2),
                                 analysis::PaysPerUnit({0, 1, 0, 0, 0, 0, 0, 0, 0, 0}), 2);
    const analysis::StrategyChart chart =
        analysis::ChartWithin(sums, analysis::kMaxChartLines, 2).chart;
    const auto groups =
        history::GroupLeaks(practice, history::GradingChart{&chart, deucesOnly}).WorstFirst();
    const QJsonArray leaks = report["leaks"].toArray();
    ASSERT_FALSE(groups.empty());
    ASSERT_EQ(leaks.size(), qsizetype(groups.size()));
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const QJsonObject leak = leaks[qsizetype(i)].toObject();
        EXPECT_EQ(leak["your_line"].toString().toStdString(),
                  history::LeakLineText(chart, groups[i].yourLine));
        EXPECT_EQ(leak["chart_line"].toString().toStdString(),
                  history::LeakLineText(chart, groups[i].chartLine));
        EXPECT_EQ(leak["count"].toInteger(), groups[i].count);
    }
    EXPECT_EQ(report["other_tables"].toInteger(), 0);

    const Ran all = Run(HistoryIn(folder).string() + " --player Alice --leaks --json");
    const std::int64_t leftOut = history::GroupLeaks(practice, GameChart()).otherTables;
    EXPECT_GT(leftOut, 0);
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(all.out))
                  .object()["other_tables"]
                  .toInteger(),
              leftOut);
}

TEST_F(HistoryCommand, TheCsvHasAHeaderOfEveryColumnAndALinePerHand) {
    const Ran ran = Run(HistoryIn(folder).string() + " --csv");
    ASSERT_EQ(ran.status, 0) << ran.err;
    std::istringstream lines(ran.out);
    std::string header, line;
    std::getline(lines, header);
    EXPECT_EQ(header, Columns());
    int count = 0;
    while (std::getline(lines, line)) ++count;
    EXPECT_EQ(count, int(history_test::Played().rows.size()) + drills + 1);
    EXPECT_NE(ran.out.find(",\"Bob, \"\"the kid\"\"\","), std::string::npos);

    const Ran session = Run(HistoryIn(folder).string() + " --csv --session 4");
    EXPECT_EQ(std::count(session.out.begin(), session.out.end(), '\n'), 2);
    // Every hand was played at the game's table.
    for (const auto& [pays, lines] : {std::pair{"800,200,25,15,9,5,3,2,2,1", 1},
                                      std::pair{"600,200,25,16,10,4,4,3,2,1", count + 1}}) {
        const Ran table = Run(HistoryIn(folder).string() + " --csv --pays " + pays);
        EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), lines) << pays;
    }
    const Ran figures = Run(HistoryIn(folder).string() + " --player Alice --json");
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(figures.out))
                  .object()["hands"]
                  .toInteger(),
              qint64(history_test::Played().rows.size()));
}

TEST_F(HistoryCommand, FilesItCannotReadAreRefusedInWords) {
    const Ran missing = Run((folder / "Nothing.db").string());
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("there is no such file"), std::string::npos) << missing.err;

    WriteAll(folder / "Notes.txt", std::string(2000, 'x'));
    const Ran text = Run((folder / "Notes.txt").string() + " --csv");
    EXPECT_EQ(text.status, 1);
    EXPECT_NE(text.err.find("is not a hand history"), std::string::npos) << text.err;

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((folder / "Newer.db").c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "CREATE TABLE hands (id INTEGER); PRAGMA user_version = 99;", nullptr, nullptr,
                 nullptr);
    sqlite3_close(db);
    const Ran newer = Run((folder / "Newer.db").string() + " --leaks");
    EXPECT_EQ(newer.status, 1);
    EXPECT_NE(newer.err.find("newer version of the game"), std::string::npos) << newer.err;
    EXPECT_TRUE(newer.out.empty());
}

}  // namespace
