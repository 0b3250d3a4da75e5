// The practice table at the table: hands at another pay table recorded as practice with that
// table's values, the account's file untouched, the hint, trainer and analyser by that table
// and its chart, the chart painted with its pays, tables chosen and refused in words, and the
// account's table back on leaving.
#include <QSettings>
#include <fstream>
#include <iterator>

#include "assets/Artwork.h"
#include "engine/CardText.h"
#include "engine/analysis/GameChart.h"
#include "engine/analysis/Pays.h"
#include "game/ChartTexts.h"
#include "game/LeakTexts.h"
#include "game/history/HandHistory.h"
#include "game/history/HoldValues.h"
#include "table/DrillSeat.h"
#include "table/PracticeSeat.h"
#include "table/TableHistory.h"
#include "table/TableVoice.h"
#include "tests/support/GameAdvisor.h"
#include "tests/support/TenCardDeals.h"
#include "tests/table/TableFixture.h"

namespace {

using history::HandRecord;
using modcards::analysis::GamePays;
using modcards::analysis::HoldAdvisor;

const PracticeTable& FullPay() {
    static const PracticeTable table = *ParsePracticeTable(QStringLiteral("Full Pay")).table;
    return table;
}

const HoldAdvisor& FullPayAdvisor() {
    static const HoldAdvisor advisor(GamePays(FullPay().PayTable()));
    return advisor;
}

class PracticeAtTable : public TableFixture {
protected:
    void OpenWithPractice() {
        Open();
        strategy = AddStrategy();
        history =
            std::make_unique<TableHistory>(*window, hand, tables, strategy->Chart(),
                                           strategy->Review(), strategy->BankrollEntry(), ctx);
        seat = std::make_unique<PracticeSeat>(*window, *strategy->Menu(), hand, tables, dialogs,
                                              settings);
        drill = std::make_unique<DrillSeat>(*window, *strategy->Menu(), hand, tables,
                                            history->Recorder(), dialogs, deck);
    }
    void WaitForHands(std::int64_t count) {
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return history->Recorder().HandsWritten() >= count; }, 20000));
    }
    void WaitForTablesOf(const PracticeTable& table) {
        const auto pays = GamePays(table.PayTable());
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return tables.Return() && tables.Advisor()->pays() == pays; }, 20000));
    }
    std::vector<HandRecord> Rows() const {
        const auto opened =
            history::HandHistory::Open(ctx.accountsFile.parent_path(), "2025-12-09T12:00:00");
        EXPECT_TRUE(opened.history);
        return opened.history->PlayerHands("Tester").hands;
    }
    std::string AccountsBytes() const {
        std::ifstream in(ctx.accountsFile, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};
    std::unique_ptr<StrategyMenu> strategy;  // these go before the window
    std::unique_ptr<TableHistory> history;
    std::unique_ptr<PracticeSeat> seat;
    std::unique_ptr<DrillSeat> drill;
};

TEST_F(PracticeAtTable, HandsAreRecordedAsPracticeByItsTableAndTheAccountsFileIsUntouched) {
    OpenWithPractice();
    PlayHand(kNothing, {});
    WaitForHands(1);
    const std::string before = AccountsBytes();
    ASSERT_FALSE(before.empty());

    ASSERT_TRUE(seat->Sit(FullPay()));
    EXPECT_TRUE(seat->Mark().isVisible());
    EXPECT_TRUE(seat->Mark().text().contains("PRACTICE"));
    EXPECT_TRUE(seat->Mark().text().contains("Full Pay (800/200/25/15/9/5/3/2/2/1)"));
    EXPECT_EQ(c().lblCredits->text(), "1000");
    PlayHand(kDeuce, {0, 3});
    PlayHand(kTrips, {0, 1, 3});
    WaitForHands(3);
    WaitForTablesOf(FullPay());
    EXPECT_TRUE(seat->Mark().text().endsWith("return 100.76%"))
        << seat->Mark().text().toStdString();
    EXPECT_EQ(c().lblCredits->text(), QString::number(1000 - 5 - 5 + 25));
    EXPECT_EQ(AccountsBytes(), before);

    const std::vector<HandRecord> rows = Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].mode, "account");
    EXPECT_EQ(rows[0].pays, "600,200,25,16,10,4,4,3,2,1");
    for (const HandRecord& row : {rows[1], rows[2]}) {
        EXPECT_EQ(row.mode, "practice");
        EXPECT_EQ(row.pays, "800,200,25,15,9,5,3,2,2,1");
        const auto values = history::ValueHold(FullPayAdvisor(), row.dealt, row.held);
        ASSERT_TRUE(values);
        EXPECT_EQ(row.holdEv, values->holdEv);
        EXPECT_EQ(row.bestEv, values->bestEv);
        EXPECT_EQ(row.bestHeld, values->bestHeld);
    }
    EXPECT_EQ(rows[2].pay, 25);  // four of a kind pays 5 a credit at full pay
    // The game's own table values the same deal otherwise.
    EXPECT_NE(history::ValueHold(GameAdvisor(), rows[1].dealt, rows[1].held)->bestEv,
              rows[1].bestEv);

    seat->LeaveEntry()->trigger();
    EXPECT_FALSE(hand.Practising());
    EXPECT_FALSE(seat->Mark().isVisible());
    EXPECT_EQ(c().lblCredits->text(), "195");
    EXPECT_EQ(images().ILchartleft.ListImages(1).toImage(),
              artwork::ChartLeft(1, images().DevicePixelRatio()).toImage());
    PlayHand(kTrips, {0, 1, 3});
    WaitForHands(4);
    EXPECT_EQ(Rows().back().mode, "account");
    EXPECT_EQ(Rows().back().pay, 20);
    EXPECT_EQ(Stored("Tester").Credits, 195 - 5 + 20);
}

TEST_F(PracticeAtTable, TheHintAndThePayChartFollowThePracticeTable) {
    OpenWithPractice();
    ASSERT_TRUE(seat->Sit(FullPay()));
    WaitForTablesOf(FullPay());
    // The chart's figures are full pay's credits for 5.
    EXPECT_EQ(
        images().ILchartleft.ListImages(1).toImage(),
        artwork::ChartLeft(1, images().DevicePixelRatio(), {4000, 1000, 125, 75, 45}).toImage());
    deck.Queue(kDeuce);
    ClickDeal();
    strategy->Hint()->trigger();
    const auto& holds = strategy->Panel().Holds();
    ASSERT_FALSE(holds.empty());
    const modcards::Hand dealt = modcards::ParseHand("Kh 2c Qh 7s 5d");
    const auto ranked = FullPayAdvisor().RankHolds(dealt);
    EXPECT_EQ(holds[0].kept, FullPayAdvisor().BestHold(dealt));
    const auto gameBest = GameAdvisor().RankHolds(dealt)[0];
    EXPECT_NE(holds[0].credits, double(gameBest.totalPay) / gameBest.drawCount);
    for (std::size_t i = 0; i < holds.size(); ++i)
        EXPECT_DOUBLE_EQ(holds[i].credits, double(ranked[i].totalPay) / ranked[i].drawCount) << i;
}

// The hint, the trainer and the analyser name the practice table's own chart lines: none while
// the chart is derived, then that chart's; drills, grouped by the game chart's lines, are not
// offered.
TEST_F(PracticeAtTable, TheHintTrainerAndAnalyserNameThePracticeTablesChartLines) {
    OpenWithPractice();
    ASSERT_TRUE(seat->Sit(FullPay()));
    const TableChart& chart = strategy->Chart();
    EXPECT_EQ(chart.ChartInPlay(), nullptr);  // its derivation cannot have been delivered yet
    strategy->AnalyseEntry()->trigger();
    AnalyserWindow* analyser = strategy->Analyser();
    ASSERT_NE(analyser, nullptr);
    EXPECT_TRUE(analyser->holdsList()->isColumnHidden(4));
    analyser->cardsEdit()->setText("Kh 2c Qh 7s 5d");
    analyser->AnalyseTyped();

    WaitForTablesOf(FullPay());
    deck.Queue(kDeuce);
    ClickDeal();
    strategy->Hint()->trigger();
    const modcards::Hand dealt = hand.Cards();
    const auto namesLines = [&](const modcards::analysis::StrategyChart* lines) {
        const auto& holds = strategy->Panel().Holds();
        ASSERT_FALSE(holds.empty());
        for (std::size_t i = 0; i < holds.size(); ++i)
            EXPECT_EQ(strategy->Panel().ChartLines()[qsizetype(i)],
                      lines ? HoldChartLine(*lines, dealt, holds[i].kept) : QString())
                << i;
    };
    // Said without a line until there is one.
    EXPECT_TRUE(
        HintSentence(dealt, strategy->Panel().Holds().front(), QString()).endsWith(" credits"));
    namesLines(chart.ChartInPlay());
    if (!chart.ChartInPlay()) {
        EXPECT_TRUE(strategy->Panel().Note().contains("still being derived"));
    }

    ASSERT_TRUE(QTest::qWaitFor([&] { return chart.ChartInPlay() != nullptr; }, 120000));
    const modcards::analysis::StrategyChart& fullPay = *chart.ChartInPlay();
    EXPECT_NE(fullPay.Lines(), modcards::analysis::GameChart().Lines());
    ASSERT_TRUE(strategy->Panel().isVisible());
    namesLines(&fullPay);  // the hint shown is named afresh
    EXPECT_FALSE(analyser->holdsList()->isColumnHidden(4));
    ASSERT_TRUE(QTest::qWaitFor([&] { return analyser->Analysis().has_value(); }, 60000));
    const auto& analysed = analyser->Analysis()->holds.front();
    EXPECT_EQ(
        analyser->holdsList()->topLevelItem(0)->text(4),
        HoldChartLine(fullPay, modcards::ParseHand("Kh 2c Qh 7s 5d"), analysed.hold.keptSlots));

    // The trainer questions a weak hold by the practice chart's lines.
    strategy->Trainer()->setChecked(true);
    ClickHold(3);
    dialogs.askAnswers.push_back(true);
    ClickDeal();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    const QString asked = dialogs.questions[0].text;
    EXPECT_TRUE(asked.contains(HoldChartLine(fullPay, dealt, FullPayAdvisor().BestHold(dealt))))
        << asked.toStdString();
    EXPECT_TRUE(asked.contains(HoldChartLine(fullPay, dealt, 0b01000))) << asked.toStdString();

    EXPECT_FALSE(drill->StartEntry()->isEnabled());
    seat->LeaveEntry()->trigger();
    EXPECT_EQ(chart.ChartInPlay(), &modcards::analysis::GameChart());
    EXPECT_TRUE(drill->StartEntry()->isEnabled());
}

// The review offers each table played at apart, the one in play first, and all of them added
// together, each hand named by its table; the practice table reviewed alone groups its mistakes
// by its own chart once that is in play, the window read afresh when it comes.
TEST_F(PracticeAtTable, TheReviewOffersEachTableApartAndGradesThePracticeTableByItsChart) {
    OpenWithPractice();
    PlayHand(kNothing, {});
    WaitForHands(1);
    ASSERT_TRUE(seat->Sit(FullPay()));
    PlayHand(kDeuce, {0, 3});  // a mistake
    WaitForHands(2);

    strategy->Review()->trigger();
    frmReview* review = history->Review();
    const auto read = [&] { ASSERT_TRUE(QTest::qWaitFor([&] { return !review->Busy(); }, 20000)); };
    read();
    review->tabScope()->setCurrentIndex(1);
    read();
    QComboBox* tables = review->cboTable();
    ASSERT_EQ(tables->count(), 3);
    EXPECT_EQ(tables->itemText(0), "This table (Full Pay)");
    EXPECT_EQ(tables->itemText(1), "This Game's Table");
    EXPECT_EQ(tables->itemText(2), "All tables");

    tables->setCurrentIndex(1);
    read();
    EXPECT_EQ(review->lblFigure(0)->text(), "1");
    EXPECT_EQ(review->lstMistakes()->model()->columnCount(), 4);
    tables->setCurrentIndex(2);
    read();
    EXPECT_EQ(review->lblFigure(0)->text(), "2");
    EXPECT_TRUE(review->lblSentence()->text().contains(" at 2 tables added together: "));
    ASSERT_EQ(review->lstMistakes()->model()->rowCount(), 1);
    EXPECT_EQ(review->lstMistakes()->model()->index(0, 0).data().toString(), "Full Pay");

    tables->setCurrentIndex(0);
    read();
    const TableChart& chart = strategy->Chart();
    if (!chart.ChartInPlay()) {
        EXPECT_EQ(review->Page().leaks.otherTables, 1);
        EXPECT_TRUE(review->Page().leaks.groups.empty());
    }
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !review->Busy() && review->Page().grading.chart == chart.ChartInPlay(); },
        120000));
    ASSERT_NE(chart.ChartInPlay(), nullptr);
    EXPECT_EQ(review->Page().grading.pays, "800,200,25,15,9,5,3,2,2,1");
    EXPECT_EQ(review->Page().leaks.otherTables, 0);
    ASSERT_EQ(review->Page().leaks.groups.size(), 1u);
    EXPECT_EQ(review->lstLeaks()->item(0)->text().split('\n').front(),
              LeakSentence(*chart.ChartInPlay(), review->Page().leaks.WorstFirst().front()));
}

TEST_F(PracticeAtTable, ATypedTableIsRememberedAndABadOneRefusedInWords) {
    OpenWithPractice();
    dialogs.inputAnswers.push_back("4000,200,25,15,9,5,3,2,2,1");
    seat->ChooseEntry()->trigger();
    ASSERT_TRUE(hand.Practising());
    EXPECT_EQ(hand.Pays()[1], 20000);
    EXPECT_EQ(settings.value("practice/table").toString(), "4000,200,25,15,9,5,3,2,2,1");

    dialogs.inputAnswers.push_back("8000,200,25,15,9,5,3,2,2,1");
    seat->ChooseEntry()->trigger();
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().title, "Error");
    EXPECT_EQ(dialogs.messages.back().text,
              "Pay 1 (8000) is too large: at most 6553 for each credit bet.");
    EXPECT_EQ(hand.Pays()[1], 20000);  // still at the table chosen before
    EXPECT_EQ(dialogs.inputs.back().defaultText, "4000,200,25,15,9,5,3,2,2,1");

    // Refilled between hands.
    PlayHand(kNothing, {});
    EXPECT_EQ(c().lblCredits->text(), "995");
    seat->RefillEntry()->trigger();
    EXPECT_EQ(c().lblCredits->text(), "1000");

    // The longest name a table can have is read whole: the mark grows up the banner, and stays
    // clear of the pay chart.
    const QRect shortMark = seat->Mark().geometry();
    dialogs.inputAnswers.push_back("6553,6553,6553,6553,6553,6553,6553,6553,6553,6553");
    seat->ChooseEntry()->trigger();
    ASSERT_EQ(hand.Pays()[1], 32765);
    const QLabel& mark = seat->Mark();
    EXPECT_GE(mark.height(), mark.heightForWidth(mark.width()));
    EXPECT_GT(mark.height(), shortMark.height());
    EXPECT_EQ(mark.geometry().bottom(), shortMark.bottom());
}

// The chart window follows the table: the practice table's chart is derived while the window
// says so, its lit line is that chart's, and the game's chart is back on leaving.
TEST_F(PracticeAtTable, TheChartWindowShowsThePracticeTablesOwnChart) {
    OpenWithPractice();
    ASSERT_TRUE(seat->Sit(FullPay()));
    ASSERT_TRUE(strategy->ChartEntry()->isEnabled());
    strategy->ChartEntry()->trigger();
    ChartWindow* chart = strategy->Chart().Chart();
    ASSERT_NE(chart, nullptr);
    EXPECT_FALSE(chart->HasChart());
    EXPECT_TRUE(chart->progressLabel()->isVisible());
    EXPECT_EQ(chart->progressLabel()->text(), "Deriving the chart for Full Pay Deuces Wild\u2026");
    deck.Queue(kTrips);
    ClickDeal();
    ASSERT_TRUE(QTest::qWaitFor([&] { return chart->HasChart(); }, 120000));
    EXPECT_EQ(chart->TableName(), "Full Pay");
    const auto& game = modcards::analysis::GameChart();
    EXPECT_NE(chart->Chart().Lines(), game.Lines());
    EXPECT_NE(chart->Audit().cost, modcards::analysis::GameChartAudit().cost);
    EXPECT_NE(chart->costLabel()->text(), ChartCostText(modcards::analysis::GameChartAudit()));
    EXPECT_EQ(chart->LitLine(), chart->Chart().PlayHand(hand.Cards()).line);
    ClickDeal();  // the draw: the hand ends, and no line is lit
    EXPECT_EQ(chart->LitLine(), -1);
    // Once the levels are in, the table plays the chart the window shows at its longest level,
    // the one the kept file gives a later run.
    ASSERT_TRUE(QTest::qWaitFor([&] { return chart->levelChoice()->count() > 1; }, 120000));
    ASSERT_NE(strategy->Chart().ChartInPlay(), nullptr);
    EXPECT_EQ(strategy->Chart().ChartInPlay()->Lines(), chart->Chart().Lines());

    seat->LeaveEntry()->trigger();
    ASSERT_FALSE(hand.Practising());
    EXPECT_TRUE(chart->TableName().isEmpty());
    EXPECT_FALSE(chart->progressLabel()->isVisible());
    EXPECT_EQ(chart->Chart().Lines(), game.Lines());
    EXPECT_EQ(chart->levelChoice()->count(), 4);
}

}  // namespace
