// The table as the player meets it: its layout, and whole hands played by clicks and keys.
#include "tests/support/TenCardDeals.h"
#include "tests/table/TableFixture.h"

namespace {

// Ten cards: five for the table, then the replacements for positions 0..4.
constexpr std::string_view kRoyal = "Th Jh Qh Kh Ah 3c 4c 5c 6c 7c";
constexpr std::string_view kFullHouse = "9c 9d 9s 4h 4d 3c 5c 6c 7c 8c";
constexpr std::string_view kThreeOfAKind = "3c 3d 3h 9s Jc As Ks Qs 5h 7d";

using TableLayout = TableFixture;
using Hand = TableFixture;
using Holding = TableFixture;
using Settlement = TableFixture;

TEST_F(TableLayout, OpensOnCardBacksWithTheChartUnlitAndTheFocusOnDeal) {
    Open();
    EXPECT_EQ(window->windowTitle(), "Calvarro Ruvizu Zaz Uvedo Zivuv");
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(QApplication::focusWidget(), c().cmdDeal);
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(c().imgHeld[i]->isVisible());
        EXPECT_FALSE(c().pHand[i]->isVisible());
        EXPECT_FALSE(c().chkHold[i]->isEnabled());
        EXPECT_EQ(c().chkHold[i]->ShownPicture(), (PictureRef{&images().ILother, 6}));
    }
    EXPECT_EQ(c().ImgCaption->Picture(), (PictureRef{&images().ILCaption, 1}));
    EXPECT_EQ(c().pchartleft->Picture(), (PictureRef{&images().ILchartleft, 1}));
    EXPECT_EQ(c().pchartright->Picture(), (PictureRef{&images().ILchartright, 1}));
    EXPECT_EQ(c().cmdDeal->Picture(), (PictureRef{&images().ILother, 2}));
    EXPECT_EQ(c().cmdDeal->Tag, "Deal");
    EXPECT_FALSE(c().lblCon->isVisible());
    EXPECT_FALSE(c().cmdEnd->isVisible());
}

// Some window systems learn the frame's size only once they have framed the window, and leave the
// client area where the frame should be, the title bar above the screen.
TEST_F(TableLayout, TheFrameStandsAtItsDesignedCornerOnceTheWindowIsActive) {
    dialogs.inputAnswers.push_back("Tester");
    window = std::make_unique<frmMain>(ctx, hand, aux);
    window->move(300, 200);  // where such a window system leaves it
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(25, 12));  // 372 by 181 twips
}

TEST_F(TableLayout, SnapsBackToItsSizeWhenDragged) {
    Open();
    const QSize designed = window->size();
    window->resize(900, 700);
    EXPECT_EQ(window->size(), designed);
    EXPECT_EQ(window->centralWidget()->size(), QSize(646, 512));
}

TEST_F(Hand, TheDealChargesTheStakeShowsFiveCardsAndOpensTheHolds) {
    Open();
    deck.Queue(kNothing);
    ClickDeal();
    EXPECT_EQ(c().lblCredits->text(), "195");
    EXPECT_EQ(ctx.CurrentPlayer.Credits, 195);
    EXPECT_EQ(c().cmdDeal->Tag, "Hit");
    EXPECT_EQ(c().cmdDeal->Picture(), (PictureRef{&images().ILother, 3}));
    EXPECT_EQ(c().ImgCaption->Picture(), (PictureRef{&images().ILCaption, 2}));
    EXPECT_EQ(c().lblCon->text(), "Hold any cards and Draw!");
    EXPECT_EQ(c().pHand[0]->Picture(), Suit(2, 3));   // 3c
    EXPECT_EQ(c().pHand[4]->Picture(), Suit(2, 11));  // Jc
    EXPECT_TRUE(c().pHand[4]->isVisible());
    EXPECT_EQ(c().chkHold[4]->ShownPicture(), (PictureRef{&images().ILother, 5}));
    EXPECT_EQ(QApplication::focusWidget(), c().cmdDeal);
    EXPECT_EQ(c().pHand[2]->accessibleName(), "Seven of hearts");
}

TEST_F(Hand, DiscardingOnlyTheLastCardBringsTheTenthCardDealt) {
    Open();
    PlayHand(kNothing, {0, 1, 2, 3});
    EXPECT_EQ(c().pHand[3]->Picture(), Suit(0, 9));   // 9s held
    EXPECT_EQ(c().pHand[4]->Picture(), Suit(0, 10));  // Ts, not As
}

TEST_F(Hand, SettlementGetsTheHandSortedWhileTheTableKeepsTheDealtOrder) {
    Open();
    PlayHand("Kh 2c Ah 2d Th 3c 4c 5c 6c 7c", {0, 1, 2, 3, 4});  // royal flush with deuces
    const modcards::Hand sorted{{{3, 1}, {2, 2}, {1, 2}, {3, 10}, {3, 13}}};
    EXPECT_EQ(hand.Cards(), sorted);
    EXPECT_EQ(c().pHand[0]->Picture(), Suit(3, 13));
    EXPECT_EQ(c().pHand[2]->Picture(), Suit(3, 1));
    EXPECT_EQ(c().lblCredits->text(), "320");
}

TEST_F(Hand, ClicksBeforeTheDealAndAfterTheDrawChangeNothing) {
    Open();
    ClickHold(1);
    window->pHand_Click(1);
    EXPECT_EQ(c().chkHold[1]->Value(), 0);
    PlayHand(kNothing, {});
    const QImage shown = c().pHand[1]->Canvas();
    ClickCard(1);
    ClickHold(1);
    EXPECT_EQ(c().chkHold[1]->Value(), 0);
    EXPECT_EQ(c().pHand[1]->Canvas(), shown);
    EXPECT_EQ(c().cmdDeal->Tag, "Deal");
}

TEST_F(Hand, KeysDealHoldAndDraw) {
    Open();
    deck.Queue(kThreeOfAKind);
    QTest::keyClick(window.get(), Qt::Key_Space);
    ASSERT_EQ(c().cmdDeal->Tag, "Hit");
    for (Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_5, Qt::Key_5})
        QTest::keyClick(window.get(), key);
    c().chkHold[2]->setFocus();  // Space on a focused hold button holds rather than draws
    QTest::keyClick(window.get(), Qt::Key_Space);
    EXPECT_EQ(c().chkHold[0]->Value(), 1);
    EXPECT_EQ(c().chkHold[4]->Value(), 0);
    EXPECT_EQ(c().pHand[0]->accessibleName(), "Three of clubs, held");
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_EQ(c().cmdDeal->Tag, "Deal");
    EXPECT_EQ(c().lblCredits->text(), "200");  // three of a kind wins the stake back
}

// A key held down: its first press, then the window system's repeats, then the real release.
// Most window systems mark each repeat as auto-repeated, X11 with a release before it; asked for
// detectable repeats, X11 sends presses alone, unmarked.
enum class Repeats { Marked, UnmarkedPresses };

void HoldKeyDown(QWidget* target, Qt::Key key, Repeats style, int repeats = 5) {
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const QString text = enter ? QStringLiteral("\r") : QString(QChar(char16_t(key)));  // " ", "1"
    const bool marked = style == Repeats::Marked;
    QTest::simulateEvent(target, true, key, Qt::NoModifier, text, false);
    for (int i = 0; i < repeats; ++i) {
        if (marked) QTest::simulateEvent(target, false, key, Qt::NoModifier, text, true);
        QTest::simulateEvent(target, true, key, Qt::NoModifier, text, marked);
    }
    QTest::simulateEvent(target, false, key, Qt::NoModifier, text, false);
}

TEST_F(Hand, AKeyHeldDownDealsOrHoldsOnceAndNeverDrawsOnItsRepeats) {
    Open();
    int hands = 0;
    for (Repeats style : {Repeats::Marked, Repeats::UnmarkedPresses})
        for (QWidget* target :
             {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(c().cmdDeal)})
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
                SCOPED_TRACE(QKeySequence(key).toString().toStdString());
                c().cmdDeal->setFocus();
                HoldKeyDown(target, key, style);
                ++hands;
                ASSERT_EQ(c().cmdDeal->Tag, "Hit");
                HoldKeyDown(c().pHand[0], Qt::Key_1, style);
                EXPECT_EQ(c().chkHold[0]->Value(), 1);
                QTest::keyClick(target, key);  // a fresh press draws
                ASSERT_EQ(c().cmdDeal->Tag, "Deal");
            }
    EXPECT_EQ(ctx.CurrentPlayer.HandsPlayed, hands);
}

TEST_F(Holding, TintsTheCardWhileHeldAndRestoresEveryPixelOnReleaseOrDraw) {
    Open();
    deck.Queue(kRoyal);
    ClickDeal();
    const QImage plain = c().pHand[2]->Canvas(), plainFirst = c().pHand[0]->Canvas();
    ClickCard(2);
    EXPECT_EQ(c().chkHold[2]->Value(), 1);
    EXPECT_EQ(c().chkHold[2]->Picture(), (PictureRef{&images().ILother, 7}));
    // The face's white ground turns light yellow; the layer's own tests check every pixel.
    const QPoint ground(70, 55);
    ASSERT_EQ(plain.pixelColor(ground), QColor(Qt::white));
    EXPECT_EQ(c().pHand[2]->Canvas().pixelColor(ground), QColor(255, 255, 192));
    ClickHold(2);
    EXPECT_EQ(c().chkHold[2]->Picture(), (PictureRef{&images().ILother, 5}));
    EXPECT_EQ(c().pHand[2]->Canvas(), plain);

    ClickHold(0);
    ClickDeal();
    EXPECT_EQ(c().pHand[0]->Canvas(), plainFirst);
    EXPECT_EQ(c().chkHold[0]->Value(), 0);
    EXPECT_FALSE(c().chkHold[0]->isEnabled());
}

// Each settled hand shows its pay, its chart row and caption; the hand's own tests follow the
// account and its statistics.
TEST_F(Settlement, EachHandShowsItsPayItsRowAndItsCaption) {
    Open();
    const struct {
        std::string_view cards;
        std::initializer_list<int> holds;
        const char *message, *credits;
        int caption, left, right;
    } hands[] = {{kRoyal, {0, 1, 2, 3, 4}, "Royal Flush + 3000 Credits", "3195", 12, 6, 1},
                 {kFullHouse, {0, 1, 2, 3, 4}, " \"Full House\"  + 20 Credits", "3210", 6, 1, 5},
                 {kNothing, {}, "Try Again!", "3205", 13, 1, 1}};
    for (const auto& hand : hands) {
        SCOPED_TRACE(hand.message);
        PlayHand(hand.cards, hand.holds);
        EXPECT_EQ(c().lblCon->text(), hand.message);
        EXPECT_EQ(c().lblCredits->text(), hand.credits);
        EXPECT_EQ(ctx.CurrentPlayer.Credits, c().lblCredits->text().toInt());  // paid as shown
        EXPECT_EQ(c().ImgCaption->Picture(), (PictureRef{&images().ILCaption, hand.caption}));
        EXPECT_EQ(c().pchartleft->Picture(), (PictureRef{&images().ILchartleft, hand.left}));
        EXPECT_EQ(c().pchartright->Picture(), (PictureRef{&images().ILchartright, hand.right}));
    }
}

TEST_F(Settlement, ABalanceOfNothingStillDealsAndThreeOfAKindBringsItBack) {
    StoreAccount("Broke", 0);
    Open("Broke");
    deck.Queue(kThreeOfAKind);
    ClickDeal();
    EXPECT_EQ(c().lblCredits->text(), "-5");
    EXPECT_EQ(ctx.CurrentPlayer.Credits, -5);
    for (int i : {0, 1, 2}) ClickHold(i);
    ClickDeal();
    EXPECT_EQ(c().lblCredits->text(), "0");
    EXPECT_EQ(Stored("Broke").Credits, 0);
}

TEST_F(Settlement, ADealBelowTheLowestBalanceIsToldAndNotDealt) {
    StoreAccount("Deep", -32766);
    Open("Deep");
    ClickDeal();
    EXPECT_EQ(c().cmdDeal->Tag, "Deal");
    EXPECT_FALSE(c().pHand[0]->isVisible());
    EXPECT_EQ(c().lblCredits->text(), "-32766");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("cannot be dealt"));
}

TEST_F(Settlement, EachLimitIsToldOnceToThePlayerAtTheTable) {
    output::PlayerRecord full = output::NewPlayerRecord("Full", 32000, clock);
    full.HandsPlayed = full.HandsLost = 32767;
    ASSERT_FALSE(output::SavePlayer(ctx.accountsFile, full, 1));
    Open("Full");
    PlayHand(kRoyal, {0, 1, 2, 3, 4});
    EXPECT_EQ(c().lblCredits->text(), "32767");  // the label agrees with the account
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("32767 credits"));
    EXPECT_TRUE(dialogs.messages[0].text.contains("no longer counted"));

    PlayHand(kFullHouse, {0, 1, 2, 3, 4});  // both limits met again
    PlayHand(kNothing, {});
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(Stored("Full").HandsPlayed, 32767);

    dialogs.inputAnswers.push_back("Full");  // seated again: told again
    window->mnuChanPl_Click();
    PlayHand(kNothing, {});
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_FALSE(dialogs.messages[1].text.contains("credits"));
}

}  // namespace
