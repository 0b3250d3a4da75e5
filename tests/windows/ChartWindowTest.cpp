// The strategy chart window: every line of the chart under its section at each level, the cost in
// words and on the frontier plot, each line's worth, one lit line at most, and the saved files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "controls/Announcer.h"
#include "engine/analysis/GameChart.h"
#include "engine/analysis/GameLevels.h"
#include "game/ChartTexts.h"
#include "tests/support/ScriptedDialogs.h"
#include "windows/ChartWindow.h"

namespace {

using namespace modcards::analysis;

// One flat list, each section's title row before its lines, so that no row reads "expanded".
TEST(ChartWindow, ListsEveryLineUnderItsSectionWithHowOftenItIsPlayed) {
    ChartWindow window(nullptr, GameChart(), GameChartAudit());
    const QTreeWidget* list = window.chartList();
    const auto& lines = GameChart().Lines();
    ASSERT_EQ(list->topLevelItemCount(), int(lines.size()) + 5);
    EXPECT_FALSE(list->rootIsDecorated());
    std::size_t next = 0;
    int deuces = 5;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = list->topLevelItem(i);
        EXPECT_EQ(row->childCount(), 0);
        EXPECT_TRUE(row->flags() & Qt::ItemNeverHasChildren);
        if (row->text(1).isEmpty()) {  // a section's title
            EXPECT_EQ(row->text(0), QString::fromStdString(SectionTitle(--deuces)));
            continue;
        }
        ASSERT_LT(next, lines.size());
        EXPECT_EQ(lines[next].deuces, deuces);
        EXPECT_EQ(row->text(0), QString::number(next + 1));
        EXPECT_TRUE(row->text(1).endsWith('%'));
        EXPECT_EQ(row->text(2), QString::fromStdString(lines[next].Text()));
        EXPECT_EQ(row->data(0, Qt::AccessibleTextRole), "Line " + row->text(0));
        EXPECT_EQ(row->data(1, Qt::AccessibleTextRole), "Played " + row->text(1));
        EXPECT_EQ(row->data(2, Qt::AccessibleTextRole), "Hold: " + row->text(2));
        ++next;
    }
    EXPECT_EQ(deuces, 0);
    EXPECT_EQ(next, lines.size());
    const QTreeWidgetItem* noDeuces =
        list->findItems(QString::fromStdString(SectionTitle(0)), Qt::MatchExactly).value(0);
    ASSERT_NE(noDeuces, nullptr);
    EXPECT_EQ(list->itemBelow(noDeuces)->text(1), "0.0002%");  // the natural royal
}

TEST(ChartWindow, StatesTheChartsCostAndLightsOneLineAtMost) {
    ChartWindow window(nullptr, GameChart(), GameChartAudit());
    // 78519162717/79100121100 beside 12684772349/12777711870.
    EXPECT_EQ(window.costLabel()->text(),
              "Following this chart returns 99.2697%; perfect play returns 99.2726%: the chart "
              "costs 0.0030% of each bet.");
    EXPECT_EQ(window.costLabel()->accessibleName(), window.costLabel()->text());
    EXPECT_FALSE(window.chartList()->accessibleName().isEmpty());

    const QBrush plain = window.LineRow(0)->background(2);
    window.LightLine(16);
    window.LightLine(21);
    EXPECT_EQ(window.LitLine(), 21);
    EXPECT_EQ(window.chartList()->currentItem(), window.LineRow(21));
    EXPECT_NE(window.LineRow(21)->background(2), plain);
    EXPECT_EQ(window.LineRow(16)->background(2), plain);
    EXPECT_EQ(window.dealLabel()->accessibleName(),
              "The hand on the table plays Line 22: " +
                  QString::fromStdString(GameChart().Lines()[21].Text()));
    EXPECT_EQ(window.Voice().LastSentence(), "");  // read with the window when it opens
    window.show();
    window.LightLine(16);
    EXPECT_EQ(window.Voice().LastSentence(), window.dealLabel()->text());
    EXPECT_TRUE(window.Voice().LastSentence().contains("Line 17: "));
    window.LightLine(-1);
    EXPECT_EQ(window.LineRow(21)->background(2), plain);
}

TEST(ChartWindowLevels, TheGamesLevelsAreOnItsFrontierAndEndWithItsChart) {
    const std::vector<FrontierPoint>& frontier = GameFrontier();
    const std::vector<ChartLevel>& levels = GameLevels();
    ASSERT_EQ(levels.size(), 4u);
    EXPECT_EQ(frontier.front().lines, kMinChartLines);
    EXPECT_EQ(levels.back().chart.Lines(), GameChart().Lines());
    EXPECT_EQ(levels.back().audit.cost, GameChartAudit().cost);
    EXPECT_EQ(levels.back().audit.dealsPlayed, GameChartAudit().dealsPlayed);
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const FrontierPoint& at = frontier[LevelBudgets(frontier)[i]];
        EXPECT_EQ(levels[i].lines, at.lines);
        EXPECT_LE(int(levels[i].chart.Lines().size()), at.lines);
        EXPECT_EQ(levels[i].audit.cost, at.cost);
        if (i > 0) {
            EXPECT_LT(levels[i].audit.cost.ToDouble(), levels[i - 1].audit.cost.ToDouble());
        }
        if (i < kLevelCosts.size()) {
            EXPECT_LE(at.cost.ToDouble(), kLevelCosts[i]);
        }
    }
}

// The rows of lines in the flat list: those a player can select, not the sections' titles.
int ListedLines(const QTreeWidget* list) {
    int lines = 0;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        lines += (list->topLevelItem(row)->flags() & Qt::ItemIsSelectable) ? 1 : 0;
    return lines;
}

TEST(ChartWindow, TheLevelChosenIsTheChartShownWithItsCostMarkedOnThePlot) {
    const std::vector<ChartLevel>& levels = GameLevels();
    ChartWindow window(nullptr, levels, GameFrontier());
    ASSERT_EQ(window.levelChoice()->count(), 4);
    // The full chart first, as the game's hint names its lines.
    EXPECT_EQ(window.Level(), 3);
    EXPECT_EQ(window.Chart().Lines(), GameChart().Lines());
    EXPECT_EQ(window.plotFrontier()->MarkedLines(), levels[3].lines);
    EXPECT_TRUE(window.levelChoice()->itemText(0).startsWith(
        QStringLiteral("Beginner: %1 lines, costs ").arg(levels[0].chart.Lines().size())));
    EXPECT_TRUE(window.levelChoice()->itemText(3).startsWith("Full: "));

    QSignalSpy chosen(&window, &ChartWindow::LevelChosen);
    window.LightLine(7);
    for (const int level : {0, 2, 1}) {
        window.levelChoice()->setCurrentIndex(level);
        const ChartLevel& shown = levels[std::size_t(level)];
        EXPECT_EQ(window.Chart().Lines(), shown.chart.Lines());
        EXPECT_EQ(ListedLines(window.chartList()), int(shown.chart.Lines().size()));
        EXPECT_EQ(window.costLabel()->text(), ChartCostText(shown.audit));
        EXPECT_EQ(window.plotFrontier()->MarkedLines(), shown.lines);
        EXPECT_EQ(window.LitLine(), -1);  // its number meant another line
        const auto& last = shown.chart.Lines().back();
        EXPECT_EQ(window.LineRow(int(shown.chart.Lines().size()) - 1)->text(2),
                  QString::fromStdString(last.Text()));
    }
    EXPECT_EQ(chosen.count(), 3);
    EXPECT_NE(levels[0].audit.cost, levels[1].audit.cost);
}

TEST(ChartWindow, EachLineSaysWhatItIsWorthWithADealThatPlaysIt) {
    ChartWindow window(nullptr, GameChart(), GameChartAudit());
    const LineWorth& royal = GameChartAudit().worth.at(0);
    ASSERT_TRUE(royal.played);
    // Four deuces are paid the same whatever the fifth card: one value.
    EXPECT_EQ(window.LineRow(0)->text(3), LineWorthText(royal, 2));
    EXPECT_FALSE(LineWorthText(royal).contains(" to "));
    EXPECT_GT(LineWorthText(royal).toDouble(), 100.0);
    EXPECT_TRUE(window.LineRow(0)->toolTip(3).contains(LineExampleText(royal)));
    EXPECT_EQ(LineExampleText(royal).count(QStringLiteral("2")), 4);
    // A line whose holds differ in worth gives its lowest and highest.
    int spread = 0;
    while (GameChartAudit().worth[std::size_t(spread)].lowest ==
           GameChartAudit().worth[std::size_t(spread)].highest)
        ++spread;
    const QStringList ends =
        LineWorthText(GameChartAudit().worth[std::size_t(spread)]).split(" to ");
    ASSERT_EQ(ends.size(), 2);
    EXPECT_LT(ends[0].toDouble(), ends[1].toDouble());
    for (int line = 0; line < int(GameChart().Lines().size()); ++line)
        if (GameChartAudit().worth[std::size_t(line)].played) {
            EXPECT_FALSE(window.LineRow(line)->text(3).isEmpty()) << line;
        }
}

TEST(ChartWindow, SavesTheChartAsTextOrPdfAndTellsAFailedWriteInWords) {
    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    ChartWindow window(nullptr, GameLevels(), GameFrontier());
    EXPECT_TRUE(window.saveTextButton()->isHidden());
    window.AllowSaving(dialogs, folder.path());
    EXPECT_FALSE(window.saveTextButton()->isHidden());
    window.ChooseLevel(0);

    dialogs.saveAnswers = {folder.filePath("beginner")};
    window.saveTextButton()->click();
    QFile text(folder.filePath("beginner.txt"));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    const QString saved = QString::fromUtf8(text.readAll());
    const ChartLevel& beginner = GameLevels().front();
    EXPECT_TRUE(saved.startsWith("Deuces Wild strategy chart: Beginner: "));
    EXPECT_TRUE(saved.contains(ChartCostText(beginner.audit)));
    EXPECT_TRUE(saved.contains("\nNo deuce dealt\n"));
    EXPECT_TRUE(saved.contains(QStringLiteral("Line %1: ").arg(beginner.chart.Lines().size())));
    EXPECT_TRUE(saved.contains("(worth " + LineWorthText(beginner.audit.worth[0]) +
                               "; for example " + LineExampleText(beginner.audit.worth[0]) + ")"));
    EXPECT_TRUE(dialogs.messages.empty());

    dialogs.saveAnswers = {folder.filePath("chart.pdf")};
    window.savePdfButton()->click();
    QFile pdf(folder.filePath("chart.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));

    // Cancel answers the folder: nothing is written, nothing said.
    window.saveTextButton()->click();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2);
    EXPECT_TRUE(dialogs.messages.empty());

    for (QPushButton* save : {window.saveTextButton(), window.savePdfButton()}) {
        dialogs.saveAnswers = {folder.filePath("no such folder/chart.txt")};
        save->click();
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].title, "Error");
        EXPECT_TRUE(dialogs.messages[0].text.startsWith(
            "The chart could not be saved to \"" + folder.filePath("no such folder/chart.txt")));
        dialogs.messages.clear();
    }
    EXPECT_EQ(dialogs.saveDialogs.size(), 5u);
}

}  // namespace
