// Cards written as short text, parsed and formatted.
#include "engine/CardText.h"

#include <algorithm>
#include <cctype>

#include "engine/CardWords.h"

namespace modcards {

namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}
char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

[[noreturn]] void Fail(std::string_view token, std::string_view why) {
    throw CardTextError("\"" + std::string(token) + "\" " + std::string(why));
}

Card ParseCard(std::string_view token) {
    if (token.size() < 2 || token.size() > 3) Fail(token, "is not a card such as \"Th\"");
    const std::string_view rank = token.substr(0, token.size() - 1);
    std::size_t value = std::string_view::npos;
    if (rank == "10") {
        value = 10;
    } else if (rank.size() == 1) {
        const auto at = std::ranges::find(kRankWords, Upper(rank[0]), &RankWords::letter);
        if (at != kRankWords.end()) value = static_cast<std::size_t>(at - kRankWords.begin()) + 1;
    }
    if (value == std::string_view::npos) Fail(token, "has no rank A, 2-9, T, J, Q or K");
    const auto suit = std::ranges::find(kSuitWords, Lower(token.back()), &SuitWords::letter);
    if (suit == kSuitWords.end()) Fail(token, "has no suit s, d, c or h");
    return Card{static_cast<std::int16_t>(suit - kSuitWords.begin()),
                static_cast<std::int16_t>(value)};
}

bool IsSeparator(char c) {
    return c == ' ' || c == ',' || c == '\t' || c == '\n';
}

std::vector<std::string_view> Tokens(std::string_view text) {
    std::vector<std::string_view> tokens;
    std::size_t at = 0;
    while (at < text.size()) {
        if (IsSeparator(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && !IsSeparator(text[end])) ++end;
        tokens.push_back(text.substr(at, end - at));
        at = end;
    }
    return tokens;
}

}  // namespace

std::vector<Card> ParseCards(std::string_view text) {
    std::vector<Card> cards;
    for (const std::string_view token : Tokens(text)) {
        const Card card = ParseCard(token);
        if (std::find(cards.begin(), cards.end(), card) != cards.end()) {
            Fail(token, "appears twice");
        }
        cards.push_back(card);
    }
    return cards;
}

Hand ParseHand(std::string_view text) {
    const std::vector<Card> cards = ParseCards(text);
    if (cards.size() != 5) {
        throw CardTextError("\"" + std::string(text) + "\" holds " + std::to_string(cards.size()) +
                            " cards, not 5");
    }
    Hand hand;
    std::copy(cards.begin(), cards.end(), hand.begin());
    return hand;
}

CardCode CardToCode(const Card& card) {
    if (!IsInDeck(card)) {
        throw CardTextError("suit " + std::to_string(card.Suit) + ", value " +
                            std::to_string(card.Value) + " is not a card of the deck");
    }
    return static_cast<CardCode>(card.Suit * 13 + card.Value);
}

std::vector<CardCode> ParseCodes(std::string_view text) {
    std::vector<CardCode> codes;
    for (const Card& card : ParseCards(text)) codes.push_back(CardToCode(card));
    return codes;
}

std::string FormatCard(const Card& card) {
    if (!IsInDeck(card)) return "??";
    return {RankOf(card).letter, SuitOf(card).letter};
}

std::string FormatCards(std::span<const Card> cards) {
    std::string text;
    for (const Card& card : cards) {
        if (!text.empty()) text += ' ';
        text += FormatCard(card);
    }
    return text;
}

}  // namespace modcards
