// The session review window for a scripted session: the figures, the sentence, the mistakes
// worst first with the close calls apart, the deal of the hand selected, and the two scopes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>

#include "engine/CardText.h"
#include "engine/PayTable.h"
#include "engine/analysis/GameChart.h"
#include "engine/analysis/Pays.h"
#include "game/history/SettledHand.h"
#include "tests/support/GameAdvisor.h"
#include "tests/support/SettledHands.h"
#include "windows/frmReview.h"

namespace {

using history::HandRecord;

// A hand as the table settles it, numbered as the history would.
HandRecord Played(std::int64_t id, const char* dealt, history::HeldSlots held,
                  const char* finalHand) {
    const history::SettledHand hand =
        SettledByTheTable(modcards::ParseHand(dealt), held, modcards::ParseHand(finalHand));
    history::RecordResult made = history::RecordOfHand({1, "Ann", "2025-12-09T12:00:00"},
                                                       "2025-12-09T12:00:00", hand, GameAdvisor());
    EXPECT_EQ(made.error, "");
    made.record.id = id;
    return made.record;
}

// Two mistakes (keeping K♥ 7♠ gives up 5.45 credits, the kicker with three nines 1.89), a close
// call (the straight draw, 0.005 less than keeping the deuce alone) and the best hold.
std::vector<HandRecord> ScriptedSession() {
    return {
        Played(1, "Kh 2c Qh 7s 5d", 0b01001, "Kh 5h 9s 7s 8d"),
        Played(2, "9c 9d 4s 9h Kd", 0b11011, "9c 9d 5h 9h Kd"),
        Played(3, "Qd 5c 6h 2c 7s", 0b11110, "5s 5c 6h 2c 7s"),
        Played(4, "9c 9d 4s 9h Kd", 0b01011, "9c 9d 9s 9h 8d"),
    };
}

ReviewPage PageOf(ReviewScope scope) {
    std::vector<HandRecord> hands = ScriptedSession();
    if (scope == ReviewScope::ThisSession) hands.erase(hands.begin());  // the first came before
    return {"Ann", history::ReviewHands(hands, 5), QString(), &GameAdvisor(),
            history::GroupLeaks(hands, modcards::analysis::GameChart())};
}

// The window as the table opens it, its pages given as soon as they are asked for.
class ScriptedReview : public frmReview {
public:
    ScriptedReview()
        : frmReview(nullptr, 5, [this](ReviewScope scope) { ShowPage(PageOf(scope)); }) {
        Refresh();
    }
};

QStringList Row(const QTreeView* list, int row) {
    QStringList cells;
    for (int column = 0; column < list->model()->columnCount(); ++column)
        cells << list->model()->index(row, column).data().toString();
    return cells;
}

void Select(QTreeView* list, int row) {
    list->setCurrentIndex(list->model()->index(row, 0));
}

TEST(SessionReviewWindow, ShowsTheFiguresAndSaysSkillAndLuckInOneSentence) {
    ScriptedReview window;
    window.tabScope()->setCurrentIndex(1);
    ASSERT_EQ(window.Scope(), ReviewScope::AllSessions);

    const QStringList values = {"4", "+10 credits",  "112.37%",      "149.10%",
                                "2", "7.34 credits", "+7.53 credits"};
    for (int i = 0; i < frmReview::kFigureCount; ++i) {
        EXPECT_EQ(window.lblFigure(i)->text(), values[i]) << i;
        EXPECT_TRUE(window.lblFigure(i)->accessibleName().endsWith(": " + values[i])) << i;
    }
    EXPECT_EQ(window.lblFigure(0)->accessibleName(), "Hands Played: 4");
    EXPECT_EQ(window.lblSentence()->text(),
              "You won 10 credits: perfect play would have expected to win 10 on these deals, "
              "2 mistakes cost 7 and good luck brought 7.");
    EXPECT_EQ(window.Plot()->Balance().size(), 5u);
    EXPECT_EQ(window.Plot()->accessibleDescription(),
              "After 4 hands your balance is 10 credits; perfect play would have expected "
              "9.82.");

    window.tabScope()->setCurrentIndex(0);
    EXPECT_EQ(window.lblFigure(0)->text(), "3");
    EXPECT_EQ(window.lstMistakes()->model()->rowCount(), 1);
}

TEST(SessionReviewWindow, ListsTheMistakesWorstFirstAndTheCloseCallsApart) {
    ScriptedReview window;
    window.tabScope()->setCurrentIndex(1);

    const QTreeView* mistakes = window.lstMistakes();
    ASSERT_EQ(mistakes->model()->rowCount(), 2);
    EXPECT_EQ(Row(mistakes, 0), QStringList({"K♥ 2♣ Q♥ 7♠ 5♦", "K♥ 7♠", "K♥ 2♣ Q♥", "5.45"}));
    EXPECT_EQ(Row(mistakes, 1), QStringList({"9♣ 9♦ 4♠ 9♥ K♦", "9♣ 9♦ 9♥ K♦", "9♣ 9♦ 9♥", "1.89"}));
    const QTreeView* closeCalls = window.lstCloseCalls();
    ASSERT_EQ(closeCalls->model()->rowCount(), 1);
    EXPECT_EQ(Row(closeCalls, 0), QStringList({"Q♦ 5♣ 6♥ 2♣ 7♠", "5♣ 6♥ 2♣ 7♠", "2♣", "0.005"}));
    EXPECT_FALSE(mistakes->accessibleName().isEmpty());
    EXPECT_FALSE(closeCalls->accessibleName().isEmpty());
    // A screen reader hears each cell with its column's name.
    EXPECT_EQ(mistakes->model()->index(0, 1).data(Qt::AccessibleTextRole), "Your Hold: K♥ 7♠");
    EXPECT_EQ(mistakes->model()->index(0, 3).data(Qt::AccessibleTextRole), "Cost: 5.45");
}

TEST(SessionReviewWindow, TheSelectedHandShowsItsDealWithTheHoldsAndTheirValues) {
    ScriptedReview window;
    // This session's worst mistake comes selected, and stays so in all sessions.
    EXPECT_TRUE(window.Deal()->Text().startsWith("9♣ 9♦ 4♠ 9♥ K♦\n"));
    window.tabScope()->setCurrentIndex(1);
    EXPECT_TRUE(window.Deal()->Text().startsWith("9♣ 9♦ 4♠ 9♥ K♦\n"));

    // The hold taken ranks 23rd, so it follows the best five.
    Select(window.lstMistakes(), 0);
    const QStringList lines = window.Deal()->Text().split('\n');
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0], "K♥ 2♣ Q♥ 7♠ 5♦");
    EXPECT_EQ(lines[1], "Keep K♥ 2♣ Q♥: 5.93 credits, the best hold");
    EXPECT_EQ(lines[6], "Keep K♥ 7♠: 0.48 credits, your hold");
    EXPECT_EQ(lines[7], "Your hold (framed) gave up 5.45 credits on average.");
    EXPECT_EQ(window.Deal()->accessibleDescription(), window.Deal()->Text());

    Select(window.lstCloseCalls(), 0);
    EXPECT_TRUE(
        window.Deal()->Text().startsWith("Q♦ 5♣ 6♥ 2♣ 7♠\n"
                                         "Keep 2♣: 5.005 credits, the best hold\n"
                                         "Keep 5♣ 6♥ 2♣ 7♠: 5.000 credits, your hold"));
    EXPECT_FALSE(window.lstMistakes()->selectionModel()->hasSelection());
}

// Following the chart on 2♥ 2♣ 4♠ 6♠ 9♦ (where perfect play keeps the deuces) is
// listed as the chart's exception, not as a mistake, and the deal panel says why.
TEST(SessionReviewWindow, ListsTheChartsExceptionsApartFromMistakes) {
    const std::vector<HandRecord> hands = {Played(1, "2h 2c 4s 6s 9d", 0b01111, "2h 2c 4s 6s 9c")};
    frmReview window(nullptr, 5, [&](ReviewScope) {
        window.ShowPage({"Ann", history::ReviewHands(hands, 5), QString(), &GameAdvisor(), {}});
    });
    window.Refresh();
    EXPECT_EQ(window.lstMistakes()->model()->rowCount(), 0);
    EXPECT_EQ(window.lstCloseCalls()->model()->rowCount(), 0);
    ASSERT_EQ(window.lstChartExceptions()->model()->rowCount(), 1);
    EXPECT_EQ(Row(window.lstChartExceptions(), 0),
              QStringList({"2♥ 2♣ 4♠ 6♠ 9♦", "2♥ 2♣ 4♠ 6♠", "2♥ 2♣", "0.17"}));
    const int line =
        modcards::analysis::GameChart().PlayHand(modcards::ParseHand("2h 2c 4s 6s 9d")).line;
    EXPECT_TRUE(window.Deal()->Text().endsWith(
        QStringLiteral("The chart plays Line %1 here; perfect play keeps the deuces: this deal "
                       "is one of the chart's exceptions (0.17 credit).")
            .arg(line + 1)))
        << window.Deal()->Text().toStdString();
    EXPECT_EQ(window.lblFigure(4)->text(), "0");  // no mistakes
}

TEST(SessionReviewWindow, BusyUntilItsFiguresComeThenHandsFoldIntoThem) {
    std::vector<ReviewScope> asked;
    frmReview window(nullptr, 5, [&](ReviewScope scope) { asked.push_back(scope); });
    QSignalSpy shown(&window, &frmReview::FiguresShown);
    window.Refresh();
    ASSERT_EQ(asked, std::vector{ReviewScope::ThisSession});
    EXPECT_TRUE(window.Busy());
    EXPECT_EQ(window.lblFigure(0)->text(), "…");
    EXPECT_EQ(window.lblSentence()->text(), "Reading the hand history…");
    EXPECT_EQ(window.lstMistakes()->model()->rowCount(), 0);
    EXPECT_EQ(shown.count(), 0);

    // This session without its last hand, then the last hand as it is recorded.
    std::vector<HandRecord> hands = ScriptedSession();
    window.ShowPage({"Ann",
                     history::ReviewHands({hands.begin() + 1, hands.end() - 1}, 5),
                     QString(),
                     &GameAdvisor(),
                     {}});
    EXPECT_EQ(shown.count(), 1);
    EXPECT_FALSE(window.Busy());
    EXPECT_EQ(window.lblFigure(0)->text(), "2");
    window.AddHands({hands.back(), hands[1]}, QString());  // hand 2 is in the figures already
    EXPECT_EQ(shown.count(), 2);
    EXPECT_EQ(window.Page().review, PageOf(ReviewScope::ThisSession).review);
    EXPECT_EQ(window.lblFigure(0)->text(), "3");
    EXPECT_TRUE(window.Deal()->Text().startsWith("9♣ 9♦ 4♠ 9♥ K♦\n"));
}

// The text `label` shows needs no more height than it has at its width: nothing is cut.
bool ShowsWhole(const QLabel* label) {
    return label->isVisible() && label->height() >= label->heightForWidth(label->width());
}

// However long the sentence and whatever the window's size, the sentence is read whole: its box
// grows with the text, the window with it. Each leak group's words wrap within the list, and
// every column of the hand lists, the cost last, stays in sight.
TEST(SessionReviewWindow, NeitherTheSentenceNorALeakNorACostIsEverCut) {
    const QString problem = QStringLiteral(
        "Could not read the hand history \"/home/ann/.local/share/deuceswild/History.db\": 12 "
        "hands could not be read (hand 2: the hand's expected pays are not those of a hold and "
        "the best hold).");
    frmReview window(nullptr, 5, [&](ReviewScope scope) {
        ReviewPage page = PageOf(scope);
        page.problem = problem;
        window.ShowPage(std::move(page));
    });
    window.Refresh();
    window.Views()->setCurrentIndex(1);
    window.show();
    const QLabel* sentence = window.lblSentence();
    for (const QSize size :
         {QSize(800, 660), QSize(320, 200), QSize(1400, 1000), QSize(640, 480)}) {
        window.resize(size);
        QApplication::processEvents();
        EXPECT_TRUE(sentence->text().endsWith(problem));
        EXPECT_TRUE(ShowsWhole(sentence))
            << sentence->height() << " high at " << window.width() << "x" << window.height();
        EXPECT_TRUE(window.rect().contains(sentence->geometry()));
        // Nothing laid over it.
        EXPECT_GE(window.findChild<QLabel*>("lblMistakes")->y(), sentence->geometry().bottom());

        const QListWidget* leaks = window.lstLeaks();
        const int room = leaks->viewport()->width();
        for (int row = 0; row < leaks->count(); ++row) {
            const QRect item = leaks->visualItemRect(leaks->item(row));
            const QRect words = leaks->fontMetrics().boundingRect(
                QRect(0, 0, item.width(), 10000), Qt::TextWordWrap, leaks->item(row)->text());
            EXPECT_LE(item.width(), room) << row;
            EXPECT_LE(words.height(), item.height()) << row;
            EXPECT_LE(words.width(), item.width()) << row;
        }
        for (const QTreeView* list :
             {window.lstMistakes(), window.lstCloseCalls(), window.lstChartExceptions()}) {
            const QHeaderView* header = list->header();
            const int last = header->count() - 1;
            EXPECT_LE(header->sectionViewportPosition(last) + header->sectionSize(last),
                      list->viewport()->width())
                << list->objectName().toStdString() << " at " << window.width();
        }
    }
}

// Reviewed at two tables, each listed hand names its table in a first column wide enough for the
// longest name; the sentence and the plot say the credits of both are added together. At every
// size, the window's least too, no name and no cost is cut.
TEST(SessionReviewWindow, AtSeveralTablesEachHandNamesItsTableAndNothingIsCut) {
    std::vector<HandRecord> hands = ScriptedSession();
    hands[0].mode = history::kPracticeMode;
    hands[0].pays = "800,200,25,15,9,5,3,2,2,1";
    hands[2].mode = history::kPracticeMode;
    hands[2].pays = "800,200,20,12,10,4,4,3,2,1";  // "Deuces 20/12/10/4/4/3/2/1"
    frmReview window(nullptr, 5, [&](ReviewScope) {
        window.ShowPage({"Ann", history::ReviewHands(hands, 5), QString(), &GameAdvisor(),
                         history::GroupLeaks(hands, modcards::analysis::GameChart())});
    });
    window.Refresh();
    EXPECT_EQ(Row(window.lstMistakes(), 0),
              QStringList({"Full Pay", "K♥ 2♣ Q♥ 7♠ 5♦", "K♥ 7♠", "K♥ 2♣ Q♥", "5.45"}));
    EXPECT_EQ(Row(window.lstMistakes(), 1).front(), "This Game's Table");
    EXPECT_EQ(Row(window.lstCloseCalls(), 0).front(), "Deuces 20/12/10/4/4/3/2/1");
    EXPECT_EQ(window.lstMistakes()->model()->index(0, 0).data(Qt::AccessibleTextRole),
              "Table: Full Pay");
    EXPECT_EQ(window.lstMistakes()->model()->index(0, 4).data(Qt::AccessibleTextRole),
              "Cost: 5.45");
    EXPECT_TRUE(
        window.lblSentence()->text().startsWith("You won 10 credits at 3 tables added together: "));
    EXPECT_EQ(window.Plot()->Caption(), "Your balance at 3 tables added together");
    EXPECT_TRUE(window.Plot()->accessibleDescription().startsWith(
        "After 4 hands your balance at 3 tables added together is 10 credits"));

    window.show();
    for (const QSize size : {QSize(800, 660), QSize(320, 200), QSize(1400, 1000)}) {
        window.resize(size);
        QApplication::processEvents();
        for (const QTreeView* list :
             {window.lstMistakes(), window.lstCloseCalls(), window.lstChartExceptions()}) {
            const QHeaderView* header = list->header();
            ASSERT_EQ(header->count(), 5);
            EXPECT_LE(header->sectionViewportPosition(4) + header->sectionSize(4),
                      list->viewport()->width())
                << list->objectName().toStdString() << " at " << window.width();
            const QFontMetrics metrics(list->font());
            for (int row = 0; row < list->model()->rowCount(); ++row)
                EXPECT_LE(metrics.horizontalAdvance(Row(list, row).front()) + 6,
                          header->sectionSize(0))
                    << row;
        }
    }

    // Back at one table: no table column, and the sentence and plot as ever.
    hands = ScriptedSession();
    window.Refresh();
    EXPECT_EQ(window.lstMistakes()->model()->columnCount(), 4);
    EXPECT_EQ(window.lstMistakes()->header()->sectionSize(0), 128);
    EXPECT_TRUE(window.lblSentence()->text().startsWith("You won 10 credits: "));
    EXPECT_EQ(window.Plot()->Caption(), "Your balance");
}

// A practice table reviewed by its own chart (the game's lines stand in for it): hands added
// later are graded by it too, the chart's hold there one of its exceptions.
TEST(SessionReviewWindow, HandsAddedAreGradedByThePagesChart) {
    const std::string fullPay = "800,200,25,15,9,5,3,2,2,1";
    HandRecord chartHold = Played(2, "2h 2c 4s 6s 9d", 0b01111, "2h 2c 4s 6s 9c");
    chartHold.pays = fullPay;
    chartHold.mode = history::kPracticeMode;
    const history::GradingChart own{&modcards::analysis::GameChart(), fullPay};
    frmReview window(nullptr, 5, [&](ReviewScope) {
        ReviewPage page{"Ann", {}, QString(), &GameAdvisor(), {}};
        page.grading = own;
        window.ShowPage(std::move(page));
    });
    window.Refresh();
    window.AddHands({chartHold}, QString());
    EXPECT_EQ(window.lstMistakes()->model()->rowCount(), 0);
    EXPECT_EQ(window.lstChartExceptions()->model()->rowCount(), 1);
}

// The leaks view: a sentence per group with its costliest deal, worst first; the trend by
// session; Export asks for the scope shown, and only once it is offered.
TEST(SessionReviewWindow, GroupsTheMistakesByChartLineAndPlotsTheirTrend) {
    ScriptedReview window;
    window.tabScope()->setCurrentIndex(1);
    const QListWidget* leaks = window.lstLeaks();
    ASSERT_EQ(leaks->count(), 2);
    EXPECT_TRUE(leaks->item(0)->text().startsWith("You played "))
        << leaks->item(0)->text().toStdString();
    EXPECT_TRUE(
        leaks->item(0)->text().contains("comes first: once, 5.45 credits\n"
                                        "Costliest: K♥ 2♣ Q♥ 7♠ 5♦, you kept K♥ 7♠ "
                                        "for K♥ 2♣ Q♥ (5.45 credits)"))
        << leaks->item(0)->text().toStdString();
    EXPECT_TRUE(leaks->item(1)->text().contains("once, 1.89 credits"))
        << leaks->item(1)->text().toStdString();
    ASSERT_EQ(window.Trend()->Sessions().size(), 1u);
    EXPECT_EQ(window.Trend()->Sessions()[0].hands, 4);
    EXPECT_TRUE(window.Trend()->accessibleDescription().startsWith(
        "Session 1: 183.53 credits per 100 hands, over 4 hands"))
        << window.Trend()->accessibleDescription().toStdString();

    std::vector<ReviewScope> exported;
    EXPECT_FALSE(window.cmdExport()->isEnabled());
    window.SetExport([&](ReviewScope scope) { exported.push_back(scope); });
    window.cmdExport()->click();
    EXPECT_EQ(exported, std::vector{ReviewScope::AllSessions});
}

// Reviewed at all tables, a practice table's mistake joins no group of the game chart's lines,
// and the window says so; its deal is valued at its own table only.
TEST(SessionReviewWindow, LeavesAPracticeTablesMistakesOutOfTheGroupsAndSaysSo) {
    std::vector<HandRecord> hands = ScriptedSession();
    hands[0].mode = history::kPracticeMode;
    hands[0].pays = "800,200,25,15,9,5,3,2,2,1";
    frmReview window(nullptr, 5, [&](ReviewScope) {
        window.ShowPage({"Ann", history::ReviewHands(hands, 5), QString(), &GameAdvisor(),
                         history::GroupLeaks(hands, modcards::analysis::GameChart())});
    });
    window.Refresh();
    const QListWidget* leaks = window.lstLeaks();
    ASSERT_EQ(leaks->count(), 2);
    EXPECT_TRUE(leaks->item(0)->text().contains("once, 1.89 credits"));
    EXPECT_EQ(leaks->item(1)->text(),
              "1 mistake at a practice table is left out: the groups are lines of the game's own "
              "chart, which plays the game's table only.");

    Select(window.lstMistakes(), 0);  // the practice hand, the costliest
    EXPECT_EQ(window.Deal()->Text(),
              "This hand was played at another table, Full Pay: its holds are valued only while "
              "that table is in play.");
}

}  // namespace
