// The steps of one hand that need no window.
#include "game/HandFlow.h"

#include "engine/Deal.h"

DealtCards DealTenCards(modcards::RandomSource& random) {
    // Slot 0 stays empty: slots 1..5 are the hand in table order, 6..10 the replacements.
    std::array<std::int16_t, 11> codes{};
    std::array<modcards::Card, 11> cards{};
    modcards::DealCodes(10, codes, random);
    modcards::CodesToCards(10, codes, cards);
    DealtCards dealt;
    for (std::size_t i = 0; i < 5; ++i) {
        dealt.hand[i] = cards[1 + i];
        dealt.reserve[i] = cards[6 + i];
    }
    return dealt;
}

modcards::Hand DrawCards(const modcards::Hand& hand, const modcards::Hand& reserve,
                         const HoldValues& holds) {
    modcards::Hand drawn = hand;
    for (std::size_t i = 0; i < drawn.size(); ++i)
        if (holds[i] == 0) drawn[i] = reserve[i];
    return drawn;
}

QString AddToBalanceText(const QString& balance, std::int32_t amount) {
    return QString::number(balance.trimmed().toLongLong() + amount);
}
