// Cards in words, for screen readers.
#include "game/CardNames.h"

#include "engine/CardWords.h"

namespace {

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString CardName(const modcards::Card& card) {
    if (!modcards::IsInDeck(card)) return QStringLiteral("Unknown card");
    return Latin1(modcards::RankOf(card).word) + QStringLiteral(" of ") +
           Latin1(modcards::SuitOf(card).word);
}

QString ShortCard(const modcards::Card& card) {
    if (!modcards::IsInDeck(card)) return QStringLiteral("?");
    const std::u16string_view sign = modcards::SuitOf(card).sign;
    return Latin1(modcards::RankOf(card).index) +
           QString::fromUtf16(sign.data(), static_cast<qsizetype>(sign.size()));
}
