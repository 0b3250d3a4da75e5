// The hand analyser: cards typed or clicked in the deck, refused in words when they are no hand,
// every hold listed best first, and the selected hold's final hands adding up to all its draws.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "controls/Announcer.h"
#include "engine/CardText.h"
#include "engine/analysis/GameChart.h"
#include "tests/support/GameAdvisor.h"
#include "windows/AnalyserWindow.h"

namespace {

using namespace modcards::analysis;

AnalysedTable GameTable() {
    return {GamePays(), 5, &GameChart(), SharedGameAdvisor(), QString()};
}

void Type(AnalyserWindow& window, const QString& text) {
    window.cardsEdit()->setText(text);
    QTest::keyClick(window.cardsEdit(), Qt::Key_Return);
}

double Number(const QTreeWidgetItem* row, int column) {
    return row->text(column).remove(',').toDouble();
}

// The final hands shown add up: every draw counted once, probabilities summing to 1, and the
// shares of pay to the hold's average pay in the list of holds.
void ExpectFinalsAddUp(const AnalyserWindow& window) {
    const QTreeWidget* finals = window.finalsList();
    ASSERT_EQ(finals->topLevelItemCount(), 12);
    const QTreeWidgetItem* all = finals->topLevelItem(11);
    EXPECT_EQ(all->text(0), "All draws");
    EXPECT_EQ(all->text(3), "1");
    double ways = 0, chance = 0, share = 0;
    for (int i = 0; i < 11; ++i) {
        ways += Number(finals->topLevelItem(i), 2);
        chance += Number(finals->topLevelItem(i), 3);
        share += Number(finals->topLevelItem(i), 4);
    }
    EXPECT_EQ(ways, Number(all, 2));
    EXPECT_NEAR(chance, 1.0, 1e-7);
    EXPECT_NEAR(share, Number(all, 4), 1e-3);
    EXPECT_EQ(all->text(4), window.holdsList()->currentItem()->text(2));
}

TEST(AnalyseWindow, TypedCardsShowEveryHoldBestFirstAndTheSelectedHoldsFinalHands) {
    AnalyserWindow window(nullptr, GameTable());
    QSignalSpy analysed(&window, &AnalyserWindow::Analysed);
    Type(window, "3s kh Th Qh Jh");
    ASSERT_EQ(analysed.count(), 1);
    const QTreeWidget* holds = window.holdsList();
    ASSERT_EQ(holds->topLevelItemCount(), 32);
    for (int i = 1; i < 32; ++i)
        EXPECT_GE(Number(holds->topLevelItem(i - 1), 2), Number(holds->topLevelItem(i), 2)) << i;
    const QTreeWidgetItem* best = holds->topLevelItem(0);
    EXPECT_EQ(best->text(1), "K\u2665 10\u2665 Q\u2665 J\u2665");
    EXPECT_EQ(best->text(4).section(": ", 1), "Four to a royal flush");
    for (const modcards::Card& card : modcards::ParseCards("3s Kh Th Qh Jh"))
        EXPECT_TRUE(window.Deck()->Button(card)->isChecked()) << modcards::FormatCard(card);

    // Four to the royal: 1 natural royal, 4 with a deuce, 1 straight flush, 6 flushes, 6
    // straights and 29 draws that pay nothing, of 47. Pays are credits for 5.
    ASSERT_EQ(holds->currentItem(), best);
    const QTreeWidget* finals = window.finalsList();
    const QStringList expected[] = {{"Natural royal flush", "3000", "1"},
                                    {"Four deuces", "1000", "0"},
                                    {"Royal flush with deuces", "125", "4"},
                                    {"Five of a kind", "80", "0"},
                                    {"Straight flush", "50", "1"},
                                    {"Four of a kind", "20", "0"},
                                    {"Full house", "20", "0"},
                                    {"Flush", "15", "6"},
                                    {"Straight", "10", "6"},
                                    {"Three of a kind", "5", "0"},
                                    {"No paying hand", "0", "29"},
                                    {"All draws", "", "47"}};
    for (int i = 0; i < 12; ++i) {
        const QTreeWidgetItem* row = finals->topLevelItem(i);
        EXPECT_EQ(QStringList({row->text(0), row->text(1), row->text(2)}), expected[i]) << i;
    }
    EXPECT_EQ(finals->topLevelItem(7)->text(3), "0.12765957");  // 6/47
    EXPECT_EQ(finals->topLevelItem(7)->data(3, Qt::AccessibleTextRole), "Probability: 0.12765957");
    ExpectFinalsAddUp(window);
    EXPECT_TRUE(window.holdLabel()->text().startsWith("Keep K\u2665 10\u2665 Q\u2665 J\u2665: "));

    // Another hold selected, its own draws: throwing everything away draws 1,533,939 hands.
    for (int i = 0; i < 32; ++i) {
        if (holds->topLevelItem(i)->text(1) != "nothing") continue;
        window.holdsList()->setCurrentItem(holds->topLevelItem(i));
        EXPECT_EQ(finals->topLevelItem(11)->text(2), "1,533,939");
        ExpectFinalsAddUp(window);
    }
}

TEST(AnalyseWindow, RefusesTextThatIsNoHandInWordsNamingTheBadCard) {
    AnalyserWindow window(nullptr, GameTable());
    const std::pair<const char*, const char*> cases[] = {
        {"Ah 2c 5d 9s Xh", "\"Xh\" has no rank A, 2-9, T, J, Q or K"},
        {"Ah 2c 5d 9s Kx", "\"Kx\" has no suit s, d, c or h"},
        {"Ah 2c 5d 9s Ah", "\"Ah\" appears twice"},
        {"Ah 2c", "\"Ah 2c\" holds 2 cards, not 5"},
        {"   ", "Type five cards"},
    };
    for (const auto& [text, words] : cases) {
        Type(window, text);
        EXPECT_TRUE(window.messageLabel()->text().contains(words))
            << text << ": " << window.messageLabel()->text().toStdString();
        EXPECT_EQ(window.Voice().LastSentence(), window.messageLabel()->text()) << text;
        EXPECT_FALSE(window.Analysis().has_value()) << text;
        EXPECT_EQ(window.holdsList()->topLevelItemCount(), 0) << text;
    }
    // Suit signs and tens as a card's corner shows them read too.
    Type(window, "A\u2665 2\u2663 5\u2666 10\u2660 K\u2665");
    ASSERT_TRUE(window.Analysis().has_value());
    EXPECT_EQ(window.Analysis()->dealt, modcards::ParseHand("Ah 2c 5d Ts Kh"));
}

TEST(AnalyseWindow, FiveCardsClickedInTheDeckAreAnalysedAndASixthIsRefused) {
    AnalyserWindow window(nullptr, GameTable());
    const modcards::Hand hand = modcards::ParseHand("9c 9d 4s 9h Kd");
    for (const modcards::Card& card : hand) window.Deck()->Button(card)->click();
    EXPECT_EQ(window.cardsEdit()->text(), "9c 9d 4s 9h Kd");
    ASSERT_TRUE(window.Analysis().has_value());
    EXPECT_EQ(window.Analysis()->dealt, hand);
    EXPECT_EQ(window.holdsList()->topLevelItem(0)->text(1), "9\u2663 9\u2666 9\u2665");

    QToolButton* sixth = window.Deck()->Button(modcards::ParseCards("As")[0]);
    sixth->click();
    EXPECT_FALSE(sixth->isChecked());
    EXPECT_TRUE(window.messageLabel()->text().contains("Five cards are picked"));
    EXPECT_EQ(window.Analysis()->dealt, hand);

    window.Deck()->Button(hand[3])->click();  // put back
    EXPECT_FALSE(window.Analysis().has_value());
    EXPECT_EQ(window.holdsList()->topLevelItemCount(), 0);
    EXPECT_EQ(window.cardsEdit()->text(), "9c 9d 4s Kd");
    EXPECT_EQ(window.messageLabel()->text(), "Pick 1 more card.");
    // Only refusals are said aloud; the next step is read where it is shown.
    EXPECT_TRUE(window.Voice().LastSentence().contains("Five cards are picked"));
}

// Given no hold values (another table), the window works them out off its thread and then
// analyses the hand picked meanwhile; their own pays value the holds.
TEST(AnalyseWindow, WorksOutTheValuesOfAnotherTableAndAnalysesTheHandWaiting) {
    const Pays full = PaysPerUnit({800, 200, 25, 15, 9, 5, 3, 2, 2, 1});
    AnalyserWindow window(nullptr,
                          {full, 5, nullptr, SharedGameAdvisor(), QStringLiteral("Full Pay")});
    QSignalSpy analysed(&window, &AnalyserWindow::Analysed);
    Type(window, "3s Kh Th Qh Jh");
    ASSERT_TRUE(analysed.wait(30000) || analysed.count() == 1);
    EXPECT_TRUE(window.Ready());
    EXPECT_TRUE(window.holdsList()->isColumnHidden(4)) << "no chart for this table";
    EXPECT_TRUE(window.findChild<QLabel*>("unitLabel")->text().contains("draw, at Full Pay: pays"));
    EXPECT_EQ(window.finalsList()->topLevelItem(0)->text(1), "4000");  // 800 for each of 5
    // (800 + 4 * 25 + 9 + 6 * 2 + 6 * 2) * 5 / 47 credits, exactly.
    EXPECT_EQ(window.holdsList()->topLevelItem(0)->text(3), "4665/47");
    ExpectFinalsAddUp(window);
}

}  // namespace
