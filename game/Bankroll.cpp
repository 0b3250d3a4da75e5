// The bankroll's questions and answers.
#include "game/Bankroll.h"

#include <QLocale>

namespace {

QString Count(std::int64_t value) {
    return QLocale(QLocale::English).toString(static_cast<qlonglong>(value));
}

QString Chance(double p) {
    return QString::number(p * 100, 'f', 1) + u'%';
}

}  // namespace

QString BankrollAskProblem(const BankrollAsk& ask, int stake) {
    if (ask.bankroll < stake)
        return QStringLiteral("A bankroll needs at least %1 credits: one bet.").arg(stake);
    if (ask.bankroll > kMostBankrollCredits)
        return QStringLiteral("A bankroll of at most %1 credits, please.")
            .arg(Count(kMostBankrollCredits));
    if (ask.hands < 1 || ask.hands > kMostBankrollHands)
        return QStringLiteral("From 1 to %1 hands, please.").arg(Count(kMostBankrollHands));
    if (ask.goal != 0 && ask.goal <= ask.bankroll)
        return QStringLiteral("A goal above the bankroll, please, or 0 for none.");
    if (ask.goal / stake > kMostGoalBets)
        return QStringLiteral("A goal of at most %1 credits, please.")
            .arg(Count(kMostGoalBets * stake));
    return {};
}

modcards::analysis::Trip TripInBets(const BankrollAsk& ask, int stake) {
    const std::int64_t rest = ask.bankroll % stake;
    modcards::analysis::Trip trip;
    trip.bankroll = ask.bankroll / stake;
    trip.hands = ask.hands;
    // Reached with b bets when b * stake + rest >= goal.
    trip.goal = ask.goal > 0 ? (ask.goal - rest + stake - 1) / stake : 0;
    return trip;
}

QString MeasuredPlaySentence(double costPerHand, std::int64_t handsMeasured, int stake) {
    if (handsMeasured == 0)
        return QStringLiteral(
            "Your history has no hands yet, so your play is taken as perfect "
            "play until it has some.");
    return QStringLiteral(
               "Your play is taken as perfect play with every win made rarer by one share, so "
               "that a hand returns what your holds did: %1 credits a hand below perfect play "
               "over your %2 (a %3-credit bet).")
        .arg(QString::number(costPerHand, 'f', 4),
             Count(handsMeasured) +
                 (handsMeasured == 1 ? QStringLiteral(" hand") : QStringLiteral(" hands")))
        .arg(stake);
}

QString BankrollSentence(const BankrollAsk& ask, const modcards::analysis::TripCourse& yours,
                         const modcards::analysis::TripCourse& perfect) {
    const auto lasting = [](const modcards::analysis::TripCourse& course) {
        return Chance(course.broke.empty() ? 1 : 1 - course.broke.back());
    };
    const auto goal = [](const modcards::analysis::TripCourse& course) {
        return Chance(course.goal.empty() ? 0 : course.goal.back());
    };
    if (ask.goal == 0)
        return QStringLiteral(
                   "Playing as you do, you keep a bet to stake through all %1 hands "
                   "%2 of the time; with perfect play %3.")
            .arg(Count(ask.hands), lasting(yours), lasting(perfect));
    return QStringLiteral(
               "Playing as you do, you are never broke in %1 hands %2 of the time, "
               "and reach %3 credits %4; with perfect play %5 and %6.")
        .arg(Count(ask.hands), lasting(yours), Count(ask.goal), goal(yours), lasting(perfect),
             goal(perfect));
}
