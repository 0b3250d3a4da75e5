// Card text used by tests and tools: what it accepts, and the errors it gives.
#include <gtest/gtest.h>

#include <string>

#include "engine/CardText.h"

namespace modcards {
namespace {

std::string ErrorOf(std::string_view text) {
    try {
        ParseHand(text);
    } catch (const CardTextError& error) {
        return error.what();
    }
    return "no error";
}

TEST(CardText, ReadsRanksAndSuitsInEitherCase) {
    EXPECT_EQ(ParseHand("2c Th Jh Qh Kh"), (Hand{{{2, 2}, {3, 10}, {3, 11}, {3, 12}, {3, 13}}}));
    EXPECT_EQ(ParseHand("as,10D  jS\tqC kh"), ParseHand("As Td Js Qc Kh"));
    EXPECT_EQ(ParseCodes("As Ks Ad Ac Ah Kh"), (std::vector<CardCode>{1, 13, 14, 27, 40, 52}));
    EXPECT_TRUE(ParseCards("").empty());
}

TEST(CardText, NamesTheBadTokenInItsError) {
    EXPECT_EQ(ErrorOf("2c Th Jh Qh Xh"), "\"Xh\" has no rank A, 2-9, T, J, Q or K");
    EXPECT_EQ(ErrorOf("2c Th Jh Qh Kx"), "\"Kx\" has no suit s, d, c or h");
    EXPECT_EQ(ErrorOf("2c Th Jh Qh 1h"), "\"1h\" has no rank A, 2-9, T, J, Q or K");
    EXPECT_EQ(ErrorOf("2c Th Jh Qh K"), "\"K\" is not a card such as \"Th\"");
    EXPECT_EQ(ErrorOf("2c Th Jh Qh 100h"), "\"100h\" is not a card such as \"Th\"");
    EXPECT_EQ(ErrorOf("2c Th Jh th Kh"), "\"th\" appears twice");
    EXPECT_EQ(ErrorOf("2c Th Jh Qh"), "\"2c Th Jh Qh\" holds 4 cards, not 5");
    EXPECT_EQ(ErrorOf("2c Th Jh Qh Kh As"), "\"2c Th Jh Qh Kh As\" holds 6 cards, not 5");
    EXPECT_THROW(CardToCode(Card{4, 1}), CardTextError);
    EXPECT_THROW(CardToCode(Card{0, 14}), CardTextError);
}

TEST(CardText, FormatsWhatItParses) {
    const std::string text = "Ah 2s Td Jc Kh";
    EXPECT_EQ(FormatCards(ParseHand(text)), text);
    EXPECT_EQ(FormatCard(Card{0, 0}), "??");
}

}  // namespace
}  // namespace modcards
