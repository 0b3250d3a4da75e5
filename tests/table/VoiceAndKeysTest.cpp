// What the table says aloud without moving the focus, and the screen reader's keys left alone.
#include <QSignalSpy>

#include "controls/AccessibleTree.h"
#include "controls/Announcer.h"
#include "controls/ReaderKeys.h"
#include "table/TableVoice.h"
#include "tests/table/TableFixture.h"

namespace {

class Voice : public TableFixture {
protected:
    // Everything said from now on, in order.
    void Listen() {
        spoken = std::make_unique<QSignalSpy>(&window->Voice().Voice(), &Announcer::Spoken);
    }
    QStringList Said() const {
        QStringList lines;
        for (const QList<QVariant>& call : *spoken) lines << call.at(0).toString();
        return lines;
    }

    std::unique_ptr<QSignalSpy> spoken;
};
using ReaderKeysAtTable = TableFixture;

// The deal in table order, each hold and release with its card, then the result with its pay,
// the balance the table shows and the final cards; the draw clearing the holds says nothing.
TEST_F(Voice, SaysEveryStepOfAWinAndALossInWords) {
    Open();
    Listen();
    PlayHand("3h 9c 5h 7h Kh 2s Jh 8h Qh 4h", {0, 4, 4});
    PlayHand("3h 9c 5d 7s Kh Jc 8d Qs 4c 6h", {});
    EXPECT_EQ(
        Said().join('\n').toStdString(),
        QStringList(
            {
                "Dealt: three of hearts, nine of clubs, five of hearts, seven of hearts, king of "
                "hearts",
                "Three of hearts, held",
                "King of hearts, held",
                "King of hearts, released",
                "You won with a flush, 15 credits; balance 210. Your hand: three of hearts, "
                "jack of hearts, eight of hearts, queen of hearts, four of hearts",
                "Dealt: three of hearts, nine of clubs, five of diamonds, seven of spades, king "
                "of hearts",
                "Sorry, not a winning hand; balance 205. Your hand: jack of clubs, eight of "
                "diamonds, queen of spades, four of clubs, six of hearts",
            })
            .join('\n')
            .toStdString());
    PlayHand("2s Th Jh Qh Kh 3c 4c 5c 6c 7c", {0, 1, 2, 3, 4});
    EXPECT_TRUE(
        Said().last().startsWith("You won a royal flush with deuces, 125 credits; balance 325."));
    // The voice is heard, never read among the table's controls.
    EXPECT_FALSE(a11y::OfferedChildren(*window->centralWidget())
                     .contains(const_cast<Announcer*>(&window->Voice().Voice())));
}

// Keypad Enter is Orca's "Where am I", Insert and CapsLock its modifiers: none of them deals.
// (A held Insert is seen through the X server; orca_at_the_table.sh presses it for real.)
TEST_F(ReaderKeysAtTable, KeypadEnterAndKeysWithOrcasModifierAreLeftToOrca) {
    Open();
    QTest::keyClick(window.get(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(hand.InPlay());
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_TRUE(hand.InPlay());

    const QKeyEvent ret(QEvent::ShortcutOverride, Qt::Key_Return, Qt::NoModifier);
    const QKeyEvent keypadEnter(QEvent::ShortcutOverride, Qt::Key_Enter, Qt::KeypadModifier);
    const QKeyEvent digit(QEvent::ShortcutOverride, Qt::Key_1, Qt::NoModifier);
    const QKeyEvent insert(QEvent::ShortcutOverride, Qt::Key_Insert, Qt::NoModifier);
    EXPECT_FALSE(ReaderKeys::BelongsToReader(ret, false));
    EXPECT_FALSE(ReaderKeys::BelongsToReader(digit, false));
    EXPECT_TRUE(ReaderKeys::BelongsToReader(keypadEnter, false));
    EXPECT_TRUE(ReaderKeys::BelongsToReader(ret, true));
    EXPECT_TRUE(ReaderKeys::BelongsToReader(digit, true));
    EXPECT_FALSE(ReaderKeys::BelongsToReader(insert, true));  // Insert itself is no shortcut
}

}  // namespace
