// Opening and closing the help, rankings, about and exit windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "tests/support/ScriptedDialogs.h"
#include "windows/AuxWindows.h"
#include "windows/frmAbout.h"
#include "windows/frmExit.h"
#include "windows/frmRankings.h"
#include "windows/frmhelp.h"

namespace {

void ProcessDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class SmallWindows : public testing::Test {
protected:
    void TearDown() override {
        if (windows.Exit()) delete windows.Exit();
    }
    ScriptedDialogs shell;
    AuxWindows windows{shell};
};

TEST_F(SmallWindows, EachWindowOpensOnceAndTheyStandTogether) {
    windows.OpenHelp();
    windows.OpenRankings();
    windows.OpenAbout();
    frmhelp* help = windows.Help();
    frmRankings* rankings = windows.Rankings();
    windows.OpenHelp();
    windows.OpenRankings();

    EXPECT_EQ(windows.Help(), help);
    EXPECT_EQ(windows.Rankings(), rankings);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), 3);
    for (QWidget* w :
         std::initializer_list<QWidget*>{windows.Help(), windows.Rankings(), windows.About()}) {
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible());
        EXPECT_FALSE(w->isModal());
    }
}

TEST_F(SmallWindows, ClosingUnloadsAndReopeningStartsAfresh) {
    windows.OpenHelp();
    QPointer<frmhelp> first = windows.Help();
    auto* text = first->findChild<QPlainTextEdit*>("txtboxplaying");
    text->moveCursor(QTextCursor::End);
    text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());

    first->findChild<QPushButton*>("cmdOK")->click();
    windows.OpenHelp();  // before the old instance is gone
    ProcessDeletes();
    EXPECT_FALSE(first);
    ASSERT_NE(windows.Help(), nullptr);
    EXPECT_TRUE(windows.Help()->isVisible());

    text = windows.Help()->findChild<QPlainTextEdit*>("txtboxplaying");
    EXPECT_EQ(text->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(text->toPlainText().startsWith(
        "Press Deal to start the game, the deck is shuffled and you are dealt 5 "));
    EXPECT_EQ(text->cursorForPosition(QPoint(0, 0)).blockNumber(), 0);

    windows.CloseHelp();
    windows.CloseRankings();  // not open: nothing happens
    EXPECT_EQ(windows.Help(), nullptr);
}

// Stored lines end in CR LF; each shows as one line.
TEST_F(SmallWindows, HelpTextsShowLineForLine) {
    windows.OpenHelp();
    EXPECT_EQ(windows.Help()->findChild<QPlainTextEdit*>("txtboxSpec")->toPlainText(),
              "Deuces are Wild! (2's) They can replace themselves as any card \n"
              "to complete the highest possible hand.\n");
}

TEST_F(SmallWindows, AboutShowsTheVersionWithTheFocusOnOk) {
    windows.OpenAbout();
    frmAbout* about = windows.About();
    EXPECT_EQ(about->findChild<QLabel*>("lblversion")->text(), "Version 0.9.3");
    EXPECT_EQ(about->focusWidget(), about->findChild<QPushButton*>("cmdOK"));
    // Buttons in front of the labels they stand on.
    auto* home = about->findChild<QPushButton*>("cmdCVHOME");
    EXPECT_EQ(about->childAt(home->geometry().center()), home);
    EXPECT_TRUE(about->windowFlags().testFlag(Qt::Dialog));

    windows.OpenExit();
    EXPECT_EQ(windows.Exit()->focusWidget(), windows.Exit()->findChild<QPushButton*>("cmdVisit"));
}

}  // namespace
