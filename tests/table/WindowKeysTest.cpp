// Keys act on the window the player looks at: the table's keys play only while the table is the
// active window, Escape closes the window it is typed in, and a key let go elsewhere is not
// left held at the table.
#include <QDialog>
#include <QPointer>

#include "table/StrategyMenu.h"
#include "table/TableHistory.h"
#include "tests/support/TenCardDeals.h"
#include "tests/table/TableFixture.h"
#include "windows/ChartWindow.h"
#include "windows/frmReview.h"

namespace {

class WindowKeysFixture : public TableFixture {
protected:
    void OpenWithStrategy() {
        Open();
        strategy = AddStrategy();
        history =
            std::make_unique<TableHistory>(*window, hand, tables, strategy->Chart(),
                                           strategy->Review(), strategy->BankrollEntry(), ctx);
    }

    // Types `key` as the window system would: to the active window's focused control.
    static void Type(QWidget* shown, Qt::Key key) { QTest::keyClick(shown->windowHandle(), key); }
    static void Activate(QWidget* shown) {
        shown->activateWindow();
        // A window over the table counts as active with it; the keys go to the focus window.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return QGuiApplication::focusWindow() == shown->windowHandle(); }));
    }

    // What the table shows of the hand: its phase and every hold.
    QString TableState() const {
        QString state = hand.InPlay() ? "draw" : "deal";
        for (HoldCheckBox* hold : c().chkHold) state += QString::number(hold->Value());
        return state;
    }

    std::unique_ptr<StrategyMenu> strategy;  // these go before the window
    std::unique_ptr<TableHistory> history;
};

using WindowKeys = WindowKeysFixture;

// Each window in turn over a hand waiting for its draw: the table's keys typed there leave the
// hand as it was, and Escape closes the window.
TEST_F(WindowKeys, TableKeysInTheChartReviewAndStatisticsNeverReachTheTableAndEscapeCloses) {
    OpenWithStrategy();
    deck.Queue(kTrips);
    ClickDeal();
    ClickHold(1);
    const QString before = TableState();
    ASSERT_EQ(before, "draw01000");

    const std::vector<std::pair<const char*, std::function<QWidget*()>>> windows = {
        {"chart",
         [&]() -> QWidget* {
             strategy->ChartEntry()->trigger();
             return strategy->Chart().Chart();
         }},
        {"review",
         [&]() -> QWidget* {
             strategy->Review()->trigger();
             return history->Review();
         }},
        {"statistics",
         [&]() -> QWidget* {
             c().mnuVwSts->trigger();
             return window->Stats();
         }},
        {"analyser",
         [&]() -> QWidget* {
             strategy->AnalyseEntry()->trigger();
             return strategy->Analyser();
         }},
    };
    for (const auto& [name, open] : windows) {
        SCOPED_TRACE(name);
        QPointer<QWidget> shown = open();
        ASSERT_TRUE(shown);
        Activate(shown);
        for (Qt::Key key :
             {Qt::Key_1, Qt::Key_3, Qt::Key_5, Qt::Key_H, Qt::Key_Return, Qt::Key_Enter})
            Type(shown, key);
        EXPECT_EQ(TableState(), before);
        EXPECT_TRUE(strategy->Panel().isHidden()) << "H reached the table";
        ASSERT_TRUE(shown && shown->isVisible());
        Type(shown, Qt::Key_Escape);
        EXPECT_TRUE(!shown || !shown->isVisible());

        // Space may press the window's focused button; it never plays at the table.
        shown = open();
        Activate(shown);
        Type(shown, Qt::Key_Space);
        EXPECT_EQ(TableState(), before);
        if (shown) shown->close();
        Activate(window.get());
    }
    // Back at the table its keys play again.
    Type(window.get(), Qt::Key_3);
    EXPECT_EQ(TableState(), "draw01100");
}

TEST_F(WindowKeys, EscapeClosesTheSmallWindowsAndHidesTheHintWhichHToggles) {
    OpenWithStrategy();
    for (auto open : {&AuxWindows::OpenHelp, &AuxWindows::OpenRankings, &AuxWindows::OpenAbout}) {
        (aux.*open)();
        QWidget* shown = QApplication::activeWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] {
            shown = QApplication::activeWindow();
            return shown && shown != window.get();
        }));
        QPointer<QWidget> guard = shown;
        Type(shown, Qt::Key_Escape);
        EXPECT_TRUE(!guard || !guard->isVisible()) << shown->windowTitle().toStdString();
        Activate(window.get());
    }

    // With the chart open behind it, Escape at the table is the table's.
    strategy->ChartEntry()->trigger();
    QPointer<QWidget> chart = strategy->Chart().Chart();
    Activate(window.get());
    deck.Queue(kTrips);
    ClickDeal();
    Type(window.get(), Qt::Key_H);
    EXPECT_FALSE(strategy->Panel().isHidden());
    Type(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(strategy->Panel().isHidden());
    EXPECT_TRUE(chart && chart->isVisible());
    Type(window.get(), Qt::Key_H);
    Type(window.get(), Qt::Key_H);
    EXPECT_TRUE(strategy->Panel().isHidden());
    EXPECT_TRUE(hand.InPlay());
}

// Enter goes down at the table and comes up in a window that opened meanwhile (or never comes
// up as far as the table knows): the next Enter at the table still plays.
TEST_F(WindowKeys, AKeyLetGoWhileAnotherWindowIsActiveIsNotHeldAtTheTable) {
    Open();
    deck.Queue(kTrips);
    QTest::keyPress(window->windowHandle(), Qt::Key_Return);
    ASSERT_TRUE(hand.InPlay());
    {
        QDialog modal(window.get());
        modal.setModal(true);
        modal.show();
        Activate(&modal);
        QTest::keyRelease(modal.windowHandle(), Qt::Key_Return);
        modal.close();
    }
    Activate(window.get());
    Type(window.get(), Qt::Key_Return);
    EXPECT_FALSE(hand.InPlay());

    // A release the table never hears of: the window went inactive with the key down.
    deck.Queue(kTrips);
    QTest::keyPress(window->windowHandle(), Qt::Key_Return);
    ASSERT_TRUE(hand.InPlay());
    {
        QDialog modal(window.get());
        modal.show();
        Activate(&modal);
    }
    Activate(window.get());
    Type(window.get(), Qt::Key_Return);
    EXPECT_FALSE(hand.InPlay());
}

}  // namespace
