// The review of a scripted session: returns, mistakes apart from close calls and ties, luck.
#include <gtest/gtest.h>

#include "game/history/HoldGrade.h"
#include "game/history/SessionReview.h"
#include "tests/game/history/HistoryTestFiles.h"

namespace {

using history::GradeHold;
using history::HoldGrade;
using history::SessionReview;
using history_test::Hand;

// Five hands on a 5-credit stake, values in binary fractions so every sum is exact:
// 5 credits lost to two mistakes, 1/128 to a close call, one exact tie, and luck.
std::vector<history::HandRecord> ScriptedSession() {
    const char* deal = "Ah 2c 5d 9s Kh";
    const char* drawn = "Ah 2c 7d Jc 4s";
    return {
        Hand(1, deal, "11001", drawn, 5.5, 5.5, 0),              // best hold, nothing paid
        Hand(1, deal, "01000", drawn, 4.0, 6.0, 20),             // a mistake costing 2
        Hand(1, deal, "11000", drawn, 3.0 - 1.0 / 128, 3.0, 5),  // a close call
        Hand(1, deal, "10001", drawn, 4.25, 4.25, 0),            // ties the best with another hold
        Hand(1, deal, "00000", drawn, 5.0, 8.0, 0),              // a mistake costing 3
    };
}

TEST(SessionReviewFigures, SkillAndLuckOfAScriptedSession) {
    const auto hands = ScriptedSession();
    const SessionReview review = history::ReviewHands(hands, 5);
    EXPECT_EQ(review.handsPlayed, 5);
    EXPECT_EQ(review.staked, 25);
    EXPECT_EQ(review.result, 0);
    EXPECT_EQ(review.heldExpected, 21.7421875);
    EXPECT_EQ(review.perfectExpected, 26.75);
    EXPECT_EQ(review.HeldReturn(), 21.7421875 / 25);
    EXPECT_EQ(review.PerfectReturn(), 26.75 / 25);
    EXPECT_EQ(review.mistakesCost, 5.0);
    EXPECT_EQ(review.closeCallsCost, 1.0 / 128);
    EXPECT_EQ(review.luck, 3.2578125);
    EXPECT_EQ(review.PerfectResult() - review.mistakesCost - review.closeCallsCost + review.luck,
              static_cast<double>(review.result));

    ASSERT_EQ(review.mistakes.size(), 2u);
    EXPECT_EQ(review.mistakes[0].Cost(), 3.0);  // worst first
    EXPECT_EQ(review.mistakes[1].Cost(), 2.0);
    ASSERT_EQ(review.closeCalls.size(), 1u);
    EXPECT_EQ(history::HeldText(review.closeCalls[0].held), "11000");

    const std::vector<std::int64_t> actual{0, -5, 10, 10, 5, 0};
    const std::vector<double> perfect{0, 0.5, 1.5, -0.5, -1.25, 1.75};
    ASSERT_EQ(review.balance.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(review.balance[i].actual, actual[i]) << "after " << i << " hands";
        EXPECT_EQ(review.balance[i].perfect, perfect[i]) << "after " << i << " hands";
    }
    EXPECT_EQ(history::ResultSentence(review),
              "You broke even: perfect play would have expected to win 2 on these deals, "
              "2 mistakes cost 5 and good luck brought 3.");
}

// On 2♥ 2♣ 4♠ 6♠ 9♦ the game's chart keeps 2♥ 2♣ 4♠ 6♠ where the deuces alone are best.
TEST(SessionReviewFigures, TheChartsOwnHoldWhereItErrsIsListedApartFromMistakes) {
    const char* deal = "2h 2c 4s 6s 9d";
    const char* drawn = "2h 2c 4s 6s 9c";
    const std::vector<history::HandRecord> hands = {
        Hand(1, deal, "11110", drawn, 14.0, 15.0, 0),  // the chart's hold: its exception
        Hand(1, deal, "00001", drawn, 13.0, 15.0, 0),  // a mistake
        Hand(1, deal, "11110", drawn, 15.0 - 1.0 / 128, 15.0, 0),  // as cheap: a close call
    };
    const SessionReview review = history::ReviewHands(hands, 5);
    ASSERT_EQ(review.chartExceptions.size(), 1u);
    EXPECT_EQ(review.chartExceptions[0].Cost(), 1.0);
    EXPECT_EQ(review.chartExceptionsCost, 1.0);
    EXPECT_EQ(review.chartExceptionCount, 1);
    ASSERT_EQ(review.mistakes.size(), 1u);
    EXPECT_EQ(review.mistakes[0].Cost(), 2.0);
    EXPECT_EQ(review.closeCalls.size(), 1u);
    EXPECT_EQ(review.PerfectResult() - review.mistakesCost - review.closeCallsCost -
                  review.chartExceptionsCost + review.luck,
              static_cast<double>(review.result));
    EXPECT_EQ(history::ResultSentence(review),
              "You lost 15 credits: perfect play would have expected to win 30 on these deals, "
              "1 mistake cost 2, the chart's exceptions cost 1 and bad luck cost 42.");
}

TEST(SessionReviewFigures, CloseCallsAndTiesAreNeverMistakes) {
    EXPECT_EQ(GradeHold(4.25, 4.25), HoldGrade::Best);
    EXPECT_EQ(GradeHold(3.0, 3.0 + 1.0 / 128), HoldGrade::CloseCall);
    EXPECT_EQ(GradeHold(3.0, 3.0 + 1.0 / 64), HoldGrade::Mistake);
    EXPECT_EQ(GradeHold(0.0, history::kCloseCallCredits), HoldGrade::Mistake);
    EXPECT_EQ(GradeHold(3.0, 3.0 + 1.0 / 64, true), HoldGrade::ChartException);
    EXPECT_EQ(GradeHold(3.0, 3.0 + 1.0 / 128, true), HoldGrade::CloseCall);
    EXPECT_EQ(GradeHold(3.0, 3.0 + 1.0 / 64, false, 0.5), HoldGrade::CloseCall);
}

// A review with the given figures, its mistakes counted but not itemised; luck is what is left.
SessionReview Figures(std::int64_t result, double perfectResult, std::size_t mistakes,
                      double mistakesCost, double closeCallsCost = 0) {
    SessionReview review;
    review.handsPlayed = 1000;
    review.staked = 5000;
    review.result = result;
    review.perfectExpected = 5000 + perfectResult;
    review.mistakeCount = static_cast<std::int64_t>(mistakes);
    review.mistakesCost = mistakesCost;
    review.closeCallsCost = closeCallsCost;
    review.luck = result - perfectResult + mistakesCost + closeCallsCost;
    return review;
}

TEST(SessionReviewFigures, OneSentenceWhoseNumbersAddUp) {
    EXPECT_EQ(history::ResultSentence(Figures(-40, -10.3, 3, 12.2)),
              "You lost 40 credits: perfect play would have expected to lose 10 on these deals, "
              "3 mistakes cost 12 and bad luck cost 18.");
    EXPECT_EQ(history::ResultSentence(Figures(-40, 0.2, 3, 11.7)),
              "You lost 40 credits: 3 mistakes cost 12 and bad luck cost 28.");
    EXPECT_EQ(history::ResultSentence(Figures(1, -0.4, 0, 0)),
              "You won 1 credit: you made no mistakes and good luck brought 1.");
    EXPECT_EQ(history::ResultSentence(Figures(-36, -36.2, 1, 0.3, 1.4)),
              "You lost 36 credits: perfect play would have expected to lose 36 on these deals, "
              "1 mistake cost less than a credit, close calls cost 2 and good luck brought 2.");
    // Two parts half a credit off: one rounds up, so luck, exactly none, stays none.
    EXPECT_EQ(history::ResultSentence(Figures(-20, -9.5, 2, 10.5)),
              "You lost 20 credits: perfect play would have expected to lose 9 on these deals, "
              "2 mistakes cost 11 and luck evened out.");
    // A long history's figures read in thousands, as the figures beside the sentence do.
    EXPECT_EQ(history::ResultSentence(Figures(-4295, -1996.2, 2307, 8488.24)),
              "You lost 4,295 credits: perfect play would have expected to lose 1,996 on these "
              "deals, 2,307 mistakes cost 8,488 and good luck brought 6,189.");
    EXPECT_EQ(history::ResultSentence(SessionReview{}), "No hands played yet.");
}

// Hands at two tables: each table counted once, in the order first played, and the sentence
// says their credits are added together; the figures are those of every hand as before.
TEST(SessionReviewFigures, HandsAtSeveralTablesSayTheirCreditsAreAddedTogether) {
    std::vector<history::HandRecord> hands = ScriptedSession();
    const std::string game = hands[0].pays, fullPay = "800,200,25,15,9,5,3,2,2,1";
    hands[1].pays = hands[3].pays = fullPay;
    const SessionReview review = history::ReviewHands(hands, 5);
    EXPECT_EQ(review.tables, (std::vector{game, fullPay}));
    EXPECT_EQ(review.result, history::ReviewHands(ScriptedSession(), 5).result);
    EXPECT_EQ(history::ResultSentence(review),
              "You broke even at 2 tables added together: perfect play would have expected to "
              "win 2 on these deals, 2 mistakes cost 5 and good luck brought 3.");
    EXPECT_EQ(history::ReviewHands(std::span(hands).first(1), 5).tables, std::vector{game});
}

}  // namespace
