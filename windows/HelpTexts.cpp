// The texts of the help and hand-rankings windows.
#include "windows/HelpTexts.h"

#include <initializer_list>

namespace helptexts {
namespace {

// The text boxes show these line for line: a line that goes on in the next one ends in a
// space, so the words stay apart when a narrow box wraps them.
QString Lines(std::initializer_list<const char*> lines) {
    QString text;
    for (const char* line : lines) text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    return text;
}

}  // namespace

QString Objective() {
    return Lines({
        "Using credits for wagering, 5 credits per hand, you try to score a ",
        "ranking poker hand from five cards dealt at random from a standard ",
        "52 card deck. You may hold or discard any of the five cards and draw ",
        "once to replace the discards. The result of the hand after the draw ",
        "decides the payout, if any.",
    });
}

QString Specialty() {
    return Lines({
        "Deuces are Wild! (2's) They can replace themselves as any card ",
        "to complete the highest possible hand.",
    });
}

QString Playing() {
    return Lines({
        "Press Deal to start the game, the deck is shuffled and you are dealt 5 ",
        "cards face up. Hold any combination of the cards by clicking on a card ",
        "or on the Hold button beneath it. Press Draw, and the cards not held ",
        "are discarded and replaced by new cards from the rest of the deck. ",
        "If the final hand is a ranked hand you win the prize on the pay table. ",
        "The object of the game is to build up the most credits. The statistics ",
        "window keeps count of every hand you play, so at any time you ",
        "can monitor how your play style ranks by viewing your stastics and averages.",
    });
}

QString Rankings() {
    return Lines({
        "Royal Flush - The Ten, Jack, Queen, King, and Ace all Of the same suit not using wild "
        "cards. Example: Ten of Hearts, Jack of Hearts, Queen of Hearts, King of Hearts, Ace of "
        "Hearts",
        "",
        "4 Deuces - All four of the Deuces (2's) in the same hand. Example: Two of Spades, Two "
        "of Diamonds, Two of Clubs, Two of Hearts",
        "",
        "Royal Flush w/Deuces - The Ten, Jack, Queen, King, and Ace all of the same suit, made "
        "using one or more Deuces as wild cards. Example: Ten of Spades, Two of Hearts, Queen of "
        "Spades, Two of Clubs, Ace of Spades",
        "",
        "Straight Flush - Five cards of the same suit in consecutive order, ranking below the "
        "Royal Flush. Example: Five of Diamonds, Six of Diamonds, Seven of Diamonds, Eight of "
        "Diamonds, Nine of Diamonds",
        "",
        "Four of a Kind - Four cards of the same value. Example: Queen of Spades, Queen of "
        "Diamonds, Queen of Clubs, Queen of Hearts",
        "",
        "Full House - Three cards of one value and two cards of another value. Example: Seven "
        "of Clubs, Seven of Hearts, Seven of Spades, King of Diamonds, King of Clubs",
        "",
        "Flush - Five cards of the same suit that are not in consecutive order. Example: Three "
        "of Clubs, Six of Clubs, Eight of Clubs, Jack of Clubs, King of Clubs",
        "",
        "Straight - Five cards in consecutive order that are not all of the same suit. An Ace "
        "can count low or high. Example: Ten of Hearts, Jack of Clubs, Queen of Spades, King of "
        "Diamonds, Ace of Hearts",
        "",
        "Three of a Kind - Three cards of the same value. Example: Nine of Spades, Nine of "
        "Hearts, Nine of Clubs",
    });
}

QString PerfectPlayReturn(double perCredit) {
    return QStringLiteral("With perfect play this table returns %1% of the credits wagered.")
        .arg(perCredit * 100.0, 0, 'f', 2);
}

}  // namespace helptexts
