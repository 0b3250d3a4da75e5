// Card text used by tests and tools: what it accepts, and the errors it gives.
#include <gtest/gtest.h>

#include <string>

#include "engine/CardText.h"

namespace modcards {
namespace {

TEST(CardText, ReadsEitherCaseAndFormatsBack) {
    EXPECT_EQ(ParseHand("2c Th Jh Qh Kh"), (Hand{{{2, 2}, {3, 10}, {3, 11}, {3, 12}, {3, 13}}}));
    EXPECT_EQ(FormatCards(ParseHand("as,10D  jS\tqC 2h")), "As Td Js Qc 2h");
    EXPECT_EQ(ParseCodes("As Ks Ad Ac Ah Kh"), (std::vector<CardCode>{1, 13, 14, 27, 40, 52}));
}

TEST(CardText, NamesTheBadTokenInItsError) {
    const std::pair<const char*, const char*> cases[] = {
        {"2c Th Jh Qh Xh", "\"Xh\" has no rank A, 2-9, T, J, Q or K"},
        {"2c Th Jh Qh 1h", "\"1h\" has no rank A, 2-9, T, J, Q or K"},
        {"2c Th Jh Qh Kx", "\"Kx\" has no suit s, d, c or h"},
        {"2c Th Jh Qh K", "\"K\" is not a card such as \"Th\""},
        {"2c Th Jh th Kh", "\"th\" appears twice"},
        {"2c Th Jh Qh", "\"2c Th Jh Qh\" holds 4 cards, not 5"},
    };
    for (const auto& [text, message] : cases) {
        try {
            ParseHand(text);
            ADD_FAILURE() << text << " was accepted";
        } catch (const CardTextError& error) {
            EXPECT_STREQ(error.what(), message);
        }
    }
    EXPECT_THROW(CardToCode(Card{4, 1}), CardTextError);
}

}  // namespace
}  // namespace modcards
