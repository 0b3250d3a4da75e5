// Coming to the table: the name prompt, the account, file errors, the player menus.
#include <QDir>
#include <QFile>

#include "tests/support/LabelInk.h"
#include "tests/table/TableFixture.h"

namespace {

using StartUp = TableFixture;
using FileErrors = TableFixture;
using Menus = TableFixture;

TEST_F(StartUp, CancellingThePromptSeatsDefaultPlayerWithANewAccount) {
    Open("");
    EXPECT_EQ(dialogs.inputs.size(), 1u);
    EXPECT_EQ(c().lblPNAME->text(), "Default Player");
    EXPECT_EQ(c().lblCredits->text(), "200");
    EXPECT_EQ(QFile(dir.filePath("Players.dat")).size(), 92);
    EXPECT_EQ(Stored("default player").Credits, 200);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StartUp, AnExistingAccountKeepsItsBalanceAndPlace) {
    StoreAccount("Ann", 300);
    StoreAccount("Bob", -35);
    Open("  BOB ");
    EXPECT_EQ(c().lblCredits->text(), "-35");
    EXPECT_EQ(c().lblPNAME->text(), "Bob");
    EXPECT_EQ(ctx.PlayerFilePos, 93);
    EXPECT_EQ(QFile(dir.filePath("Players.dat")).size(), 2 * 92);
}

// The longest name a record holds, in the widest letters, is lettered smaller rather than cut at
// both ends; a name that looks like markup shows its brackets.
TEST_F(StartUp, ANameIsShownWholeAndAsTyped) {
    Open(QString(30, u'W'));
    QLabel& name = *c().lblPNAME;
    const auto [first, last] = InkColumns(name);
    EXPECT_GT(first, 0);
    EXPECT_LT(last, name.width() - 1);

    dialogs.inputAnswers.push_back("<b>Bo</b>");
    window->mnuNewPl_Click();
    ASSERT_EQ(name.text(), "<b>Bo</b>");
    const int tagged = InkColumns(name).second - InkColumns(name).first;
    name.setText("Bo");
    EXPECT_GT(tagged, 2 * (InkColumns(name).second - InkColumns(name).first));
}

TEST_F(FileErrors, AreToldInWordsAndTheGameGoesOn) {
    // The accounts file's folder is missing: nothing can be read or written.
    ctx.accountsFile = dir.filePath("gone/Players.dat").toStdString();
    Open("Dana");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Error");
    EXPECT_TRUE(dialogs.messages[0].text.contains("Dana"));
    EXPECT_TRUE(dialogs.messages[0].text.contains("gone/Players.dat"));
    EXPECT_EQ(c().lblPNAME->text(), "Dana");

    deck.Queue("3c 5d 7h 9s Jc As Kd Qs 8h Ts");
    ClickDeal();
    ClickDeal();
    EXPECT_EQ(c().lblCredits->text(), "195");
    EXPECT_EQ(dialogs.messages.size(), 2u);  // the save after the hand failed too

    // Once the folder is back, the next save adds the account instead of overwriting another.
    QDir(dir.path()).mkdir("gone");
    deck.Queue("3c 5d 7h 9s Jc As Kd Qs 8h Ts");
    ClickDeal();
    ClickDeal();
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(Stored("Dana").Credits, 190);
}

TEST_F(Menus, PlayerCommandsRefreshTheNameAndBalance) {
    StoreAccount("Gus", 1234);
    Open("Hal");
    dialogs.inputAnswers.push_back("gus");
    c().mnuChanPl->trigger();
    EXPECT_EQ(c().lblPNAME->text(), "Gus");
    EXPECT_EQ(c().lblCredits->text(), "1234");

    dialogs.inputAnswers.push_back("  Ivy ");  // stored as typed, shown trimmed
    c().mnuNewPl->trigger();
    EXPECT_EQ(c().lblPNAME->text(), "Ivy");
    EXPECT_EQ(c().lblCredits->text(), "200");
    EXPECT_EQ(ctx.CurrentPlayer.PlayerName.substr(0, 7), "  Ivy  ");
}

TEST_F(Menus, PlayerCommandsWaitForTheHandInPlay) {
    Open("Hal");
    deck.Queue("3c 5d 7h 9s Jc As Kd Qs 8h Ts");
    ClickDeal();
    for (QAction* command : {c().mnuChanPl, c().mnuNewPl}) command->trigger();
    EXPECT_EQ(dialogs.inputs.size(), 1u);  // the name prompt at start-up only
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("finish the hand first"));
    EXPECT_EQ(c().lblPNAME->text(), "Hal");
    EXPECT_EQ(c().cmdDeal->Tag, "Hit");
}

TEST_F(Menus, StatisticsShowTheAccountAtTheTableAndCtrlAOpensAbout) {
    Open("Jo");
    c().mnuVwSts->trigger();
    ASSERT_NE(window->Stats(), nullptr);
    EXPECT_TRUE(window->Stats()->isVisible());
    c().mnuVwSts->trigger();  // one window, brought forward again
    EXPECT_EQ(window->findChildren<frmStats*>().size(), 1);

    QTest::keyClick(window.get(), Qt::Key_A, Qt::ControlModifier);
    ASSERT_NE(aux.About(), nullptr);
    EXPECT_TRUE(aux.About()->isVisible());
}

}  // namespace
