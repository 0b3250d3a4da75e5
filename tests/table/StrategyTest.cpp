// The Strategy menu on the table: the hint, the trainer's question at the draw and the help
// window's line on the table's return, all worked out in the background.
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>

#include "controls/Announcer.h"
#include "engine/CardText.h"
#include "engine/analysis/GameChart.h"
#include "engine/analysis/HoldAdvisor.h"
#include "game/ChartTexts.h"
#include "game/HintTexts.h"
#include "table/StrategyMenu.h"
#include "table/TableVoice.h"
#include "tests/support/GameAdvisor.h"
#include "tests/support/TenCardDeals.h"
#include "tests/table/TableFixture.h"

namespace {

// Two straight draws of equal value: 4s 8c 7h 6c and Td 8c 7h 6c.
constexpr std::string_view kTwinDraws = "4s Td 8c 7h 6c 2h 2s 5c 9d Kc";

const int kChartErrsLine =
    modcards::analysis::GameChart().PlayHand(modcards::ParseHand("2h 2c 4s 6s 9d")).line + 1;
const QString kChartErrsNote =
    QStringLiteral(
        "The chart plays Line %1 here; perfect play keeps the deuces: this deal is one "
        "of the chart's exceptions (0.17 credit).")
        .arg(kChartErrsLine);

class StrategyFixture : public TableFixture {
protected:
    void OpenWithStrategy() {
        Open();
        strategy = AddStrategy();
    }
    void WaitForReturn() {
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return strategy->Tables().Return().has_value(); }, 20000));
    }
    void PressHint() { QTest::keyClick(window.get(), Qt::Key_H); }
    void HoldOnly(std::initializer_list<int> positions) {
        for (int i = 0; i < 5; ++i) c().chkHold[i]->SetValue(0);
        for (int i : positions) c().chkHold[i]->SetValue(1);
    }
    // Bit i set for each card with a ring round it.
    unsigned RingedCards() const {
        unsigned mask = 0;
        for (int i = 0; i < 5; ++i)
            if (!strategy->Ring(i).isHidden()) mask |= 1u << i;
        return mask;
    }
    bool HintShown() const { return !strategy->Panel().isHidden(); }
    QString Said() const { return window->Voice().Voice().LastSentence(); }

    std::unique_ptr<StrategyMenu> strategy;  // goes before the window
};

using Hint = StrategyFixture;
using Trainer = StrategyFixture;
using HelpReturn = StrategyFixture;

TEST_F(Hint, StandsInItsOwnMenuBeforeHelpWithTheTrainerOff) {
    OpenWithStrategy();
    QStringList menus;
    for (QAction* action : window->menuBar()->actions()) menus << action->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&Strategy", "&Help"}));
    EXPECT_EQ(strategy->Hint()->shortcut(), QKeySequence(Qt::Key_H));
    EXPECT_TRUE(strategy->Hint()->toolTip().contains("(H)"));
    EXPECT_TRUE(strategy->Trainer()->isCheckable());
    EXPECT_FALSE(strategy->Trainer()->isChecked());
    strategy->Trainer()->trigger();
    EXPECT_EQ(Said(), "Trainer on");
    strategy->Trainer()->trigger();
    EXPECT_EQ(Said(), "Trainer off");
}

TEST_F(Hint, RingsTheBestHoldAndListsTheTopHoldsWithTheirExactPays) {
    OpenWithStrategy();
    WaitForReturn();
    deck.Queue(kTrips);
    ClickDeal();
    std::array<QImage, 5> faces;
    for (int i = 0; i < 5; ++i) faces[i] = c().pHand[i]->Canvas();
    PressHint();

    ASSERT_TRUE(HintShown());
    EXPECT_EQ(RingedCards(), 0b01011u);  // 9c 9d 9h
    const auto ranked = GameAdvisor().RankHolds(hand.Cards());
    const std::vector<HoldHint>& shown = strategy->Panel().Holds();
    ASSERT_EQ(shown.size(), 5u);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (int slot = 0; slot < 5; ++slot)
            EXPECT_EQ(shown[i].Keeps(slot), ranked[i].Keeps(slot)) << i << " " << slot;
        EXPECT_DOUBLE_EQ(shown[i].credits, ranked[i].ExpectedPayApprox(GameAdvisor().pays()) * 5);
        EXPECT_EQ(shown[i].rank, ranked[i].rank) << i;
    }
    // 2041/1081 per credit staked; the two next holds tie at 71/47. Each names its chart line.
    const int tripsLine = modcards::analysis::GameChart().LineOfHold(hand.Cards(), 0b01011);
    ASSERT_GE(tripsLine, 0);
    EXPECT_TRUE(strategy->Panel().Text().startsWith(
        QStringLiteral(
            "Keep 9\u2663 9\u2666 9\u2665: 9.44 credits; Line %1: Three of a kind or better\n")
            .arg(tripsLine + 1)));
    ASSERT_EQ(strategy->Panel().ChartLines().size(), 5);
    for (const QString& line : strategy->Panel().ChartLines()) EXPECT_FALSE(line.isEmpty());
    EXPECT_EQ(shown[1].rank, 2);
    EXPECT_EQ(shown[2].rank, 2);
    EXPECT_FALSE(shown[0].tied);
    EXPECT_TRUE(shown[1].tied && shown[2].tied);
    EXPECT_EQ(strategy->Panel().accessibleDescription(), strategy->Panel().Text());
    EXPECT_EQ(Said(), QStringLiteral("Best hold: keep nine of clubs, nine of diamonds, nine of "
                                     "hearts: 9.44 credits; Line %1: Three of a kind or better")
                          .arg(tripsLine + 1));

    // The holds and the card pictures are the player's alone.
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(c().chkHold[i]->Value(), 0);
        EXPECT_EQ(c().pHand[i]->Canvas(), faces[i]);
    }
}

TEST_F(Hint, WorksOnlyBetweenDealAndDrawAndGoesAtTheDraw) {
    OpenWithStrategy();
    WaitForReturn();
    PressHint();
    EXPECT_FALSE(HintShown());

    deck.Queue(kDeuce);
    ClickDeal();
    PressHint();
    ASSERT_TRUE(HintShown());
    EXPECT_EQ(RingedCards(), 0b00111u);
    QTest::mouseClick(&strategy->Panel(), Qt::LeftButton);
    EXPECT_FALSE(HintShown());  // a click puts it away, rings and all
    EXPECT_EQ(RingedCards(), 0u);
    PressHint();
    ASSERT_TRUE(HintShown());
    ClickDeal();
    EXPECT_EQ(c().cmdDeal->Tag, "Deal");
    EXPECT_FALSE(HintShown());
    EXPECT_EQ(RingedCards(), 0u);
    PressHint();
    EXPECT_FALSE(HintShown());
}

TEST_F(Hint, AskedBeforeTheTablesAreReadyShowsAsSoonAsTheyAre) {
    OpenWithStrategy();
    deck.Queue(kDeuce);
    // No event has run yet, so the work has not even started.
    window->cmdDeal_Click();
    strategy->ToggleHint();
    ASSERT_TRUE(HintShown());
    EXPECT_TRUE(strategy->Panel().Holds().empty());
    EXPECT_TRUE(strategy->Panel().Text().startsWith("Working out"));
    EXPECT_EQ(Said(), strategy->Panel().Text());
    EXPECT_EQ(RingedCards(), 0u);

    ASSERT_TRUE(QTest::qWaitFor([&] { return !strategy->Panel().Holds().empty(); }, 20000));
    EXPECT_EQ(RingedCards(), 0b00111u);
    EXPECT_TRUE(
        Said().startsWith("Best hold: keep king of hearts, deuce of clubs, queen of hearts"));
}

TEST_F(Trainer, AWorseHoldIsQuestionedAndChangingItLeavesTheDrawUndone) {
    OpenWithStrategy();
    WaitForReturn();
    strategy->Trainer()->setChecked(true);
    deck.Queue(kDeuce);
    ClickDeal();
    ClickHold(0);
    ClickHold(3);
    dialogs.askAnswers.push_back(false);
    ClickDeal();

    ASSERT_EQ(dialogs.questions.size(), 1u);
    const ScriptedDialogs::Question& asked = dialogs.questions[0];
    // Both holds named by their chart lines.
    const modcards::Hand dealt = hand.Cards();
    const auto lineOf = [&](std::uint8_t kept) {
        return HoldChartLine(modcards::analysis::GameChart(), dealt, kept);
    };
    EXPECT_TRUE(asked.text.contains("K\u2665 2\u2663 Q\u2665 (" + lineOf(0b00111) +
                                    ") and pays 5.93 credits"))
        << asked.text.toStdString();
    EXPECT_TRUE(asked.text.contains("K\u2665 7\u2660 (" + lineOf(0b01001) +
                                    ") and pays 0.48 credits: 5.45 credits less"));
    EXPECT_EQ(asked.title, "Trainer");
    EXPECT_EQ(asked.acceptText, "&Draw Anyway");
    // Nothing of the draw happened; the best hold is shown to change to.
    EXPECT_EQ(c().cmdDeal->Tag, "Hit");
    EXPECT_EQ(c().lblCredits->text(), "195");
    EXPECT_EQ(c().pHand[4]->Picture(), Suit(1, 5));
    EXPECT_EQ(c().chkHold[0]->Value(), 1);
    EXPECT_EQ(c().chkHold[3]->Value(), 1);
    EXPECT_TRUE(HintShown());
    EXPECT_EQ(RingedCards(), 0b00111u);

    // The best hold draws without a word.
    HoldOnly({0, 1, 2});
    ClickDeal();
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(c().cmdDeal->Tag, "Deal");
    EXPECT_FALSE(HintShown());
}

// Following the chart where it errs is told as the chart's exception, by the hint and the
// trainer alike, never as a mistake of the player's.
TEST_F(Trainer, FollowingTheChartWhereItErrsIsNamedAsTheChartsException) {
    OpenWithStrategy();
    WaitForReturn();
    strategy->Trainer()->setChecked(true);
    deck.Queue(kChartErrs);
    ClickDeal();
    PressHint();
    ASSERT_TRUE(HintShown());
    EXPECT_EQ(strategy->Panel().Note(), kChartErrsNote);
    EXPECT_TRUE(strategy->Panel().Text().endsWith(kChartErrsNote));
    EXPECT_TRUE(strategy->Panel().ChartLines()[1].startsWith(
        QStringLiteral("Line %1: ").arg(kChartErrsLine)));

    HoldOnly({0, 1, 2, 3});
    dialogs.askAnswers.push_back(true);
    ClickDeal();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    const ScriptedDialogs::Question& asked = dialogs.questions[0];
    EXPECT_TRUE(asked.text.contains(kChartErrsNote)) << asked.text.toStdString();
    EXPECT_TRUE(asked.text.contains("no mistake"));
    EXPECT_NE(asked.title, "Trainer");
    EXPECT_EQ(c().cmdDeal->Tag, "Deal");  // drawn anyway
}

// In a settings file of the test's own, never the player's.
TEST_F(Trainer, OnOrOffAndItsThresholdAreKeptBetweenRuns) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("deuceswild.conf"), QSettings::IniFormat);
    ctx.settings = &settings;
    OpenWithStrategy();
    const auto checkedThreshold = [&] {
        for (QAction* choice : strategy->TrainerThreshold()->actions())
            if (choice->isChecked()) return choice->text();
        return QString();
    };
    EXPECT_FALSE(strategy->Trainer()->isChecked());
    EXPECT_EQ(checkedThreshold(), "0.01 credit");
    strategy->Trainer()->trigger();
    strategy->TrainerThreshold()->actions()[3]->trigger();

    strategy.reset();  // the next run
    strategy = std::make_unique<StrategyMenu>(*window, hand, tables, aux, dialogs, ctx.settings);
    EXPECT_TRUE(strategy->Trainer()->isChecked());
    EXPECT_EQ(checkedThreshold(), "0.25 credit");
    EXPECT_EQ(strategy->TrainerSetting().threshold, 0.25);
    EXPECT_TRUE(dialogs.messages.empty());

    // The chart's hold, 0.17 credit short of the best, is under that threshold: no question.
    WaitForReturn();
    deck.Queue(kChartErrs);
    ClickDeal();
    HoldOnly({0, 1, 2, 3});
    ClickDeal();
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(c().cmdDeal->Tag, "Deal");
}

TEST_F(Trainer, KeepingAWorseHoldDrawsExactlyAsWithoutTheTrainer) {
    OpenWithStrategy();
    WaitForReturn();
    struct Outcome {
        modcards::Hand hand;
        std::array<PictureRef, 5> faces;
        QString message;
        PictureRef caption;
        std::int16_t credits;
    };
    const auto play = [&](bool trainer) {
        strategy->Trainer()->setChecked(trainer);
        const std::int16_t before = ctx.CurrentPlayer.Credits;
        dialogs.askAnswers.push_back(true);
        PlayHand(kTrips, {0, 1, 3, 4});  // the kicker kept: worth less than the trips alone
        Outcome outcome{hand.Cards(),
                        {},
                        c().lblCon->text(),
                        c().ImgCaption->Picture(),
                        static_cast<std::int16_t>(ctx.CurrentPlayer.Credits - before)};
        for (int i = 0; i < 5; ++i) outcome.faces[i] = c().pHand[i]->Picture();
        return outcome;
    };
    const Outcome withTrainer = play(true);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    dialogs.askAnswers.clear();
    const Outcome without = play(false);
    EXPECT_EQ(dialogs.questions.size(), 1u);

    EXPECT_EQ(withTrainer.hand, without.hand);
    EXPECT_EQ(withTrainer.faces, without.faces);
    EXPECT_EQ(withTrainer.message, without.message);
    EXPECT_EQ(withTrainer.caption, without.caption);
    EXPECT_EQ(withTrainer.credits, without.credits);
    EXPECT_EQ(Stored("Tester"), ctx.CurrentPlayer);
}

TEST_F(Trainer, EitherOfTwoHoldsOfTheBestValueIsRight) {
    OpenWithStrategy();
    WaitForReturn();
    strategy->Trainer()->setChecked(true);
    deck.Queue(kTwinDraws);
    ClickDeal();
    ASSERT_EQ(GameAdvisor().RankHolds(hand.Cards())[1].rank, 1);
    HoldOnly({1, 2, 3, 4});  // the one listed second
    ClickDeal();
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(c().cmdDeal->Tag, "Deal");
}

TEST_F(Trainer, ACloseCallIsNoMistakeAndDrawsWithoutAWord) {
    OpenWithStrategy();
    WaitForReturn();
    strategy->Trainer()->setChecked(true);
    deck.Queue(kCloseCall);
    ClickDeal();
    HoldOnly({1, 2, 3, 4});
    ClickDeal();
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(c().cmdDeal->Tag, "Deal");
}

TEST_F(HelpReturn, TheHelpWindowGetsTheComputedReturnWhenItIsKnown) {
    OpenWithStrategy();
    c().Mnuplayin->trigger();  // before the work has started
    frmhelp* help = aux.Help();
    ASSERT_NE(help, nullptr);
    auto* line = help->findChild<QLabel*>("lblReturn");
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->text().isEmpty());

    WaitForReturn();
    // 12684772349/12777711870 per credit wagered.
    const QString expected = "With perfect play this table returns 99.27% of the credits wagered.";
    EXPECT_EQ(line->text(), expected);
    aux.CloseHelp();
    c().Mnuplayin->trigger();
    EXPECT_EQ(aux.Help()->findChild<QLabel*>("lblReturn")->text(), expected);
}

}  // namespace
