// The words and short card texts of the hint panel and the trainer's question.
#include "game/HintTexts.h"

#include <QStringList>
#include <algorithm>
#include <bit>
#include <cmath>

#include "game/ChartTexts.h"

QString KeptCards(const modcards::Hand& dealt, const HoldHint& hold) {
    QStringList kept;
    for (int slot = 0; slot < 5; ++slot)
        if (hold.Keeps(slot)) kept << ShortCard(dealt[slot]);
    return kept.isEmpty() ? QStringLiteral("nothing") : kept.join(' ');
}

QString CreditsText(double credits, int decimals) {
    return QString::number(credits, 'f', decimals);
}

namespace {

constexpr int kFewestDecimals = 2, kMostDecimals = 6;

double Rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

// -1, 0 or 1 as `a` stands below, at or above `b`, ignoring what rounding in binary leaves.
int Side(double a, double b) {
    constexpr double kSlack = 1e-9;
    return a < b - kSlack ? -1 : a > b + kSlack ? 1 : 0;
}

}  // namespace

int EdgeDecimals(double value, double best, double threshold) {
    const double gap = best - value;
    for (int decimals = kFewestDecimals; decimals < kMostDecimals; ++decimals) {
        const double shown = Rounded(best, decimals) - Rounded(value, decimals);
        if (Side(shown, threshold) == Side(gap, threshold) && Side(shown, 0) == Side(gap, 0))
            return decimals;
    }
    return kMostDecimals;
}

QString CostText(double cost, double threshold) {
    return CreditsText(cost, EdgeDecimals(0, cost, threshold));
}

int HoldsDecimals(const std::vector<HoldHint>& holds, double threshold) {
    int decimals = kFewestDecimals;
    for (const HoldHint& hold : holds)
        decimals = std::max(decimals, EdgeDecimals(hold.credits, holds.front().credits, threshold));
    return decimals;
}

QString HintLine(const modcards::Hand& dealt, const HoldHint& hold, const QString& chartLine,
                 int decimals) {
    const QString line = QStringLiteral("Keep %1: %2 credits")
                             .arg(KeptCards(dealt, hold), CreditsText(hold.credits, decimals));
    return chartLine.isEmpty() ? line : line + QStringLiteral("; ") + chartLine;
}

namespace {

// "keeps the deuces", "discards everything", "keeps K♠ K♥".
QString WhatItKeeps(const modcards::Hand& dealt, const HoldHint& hold) {
    if (hold.kept == 0) return QStringLiteral("discards everything");
    bool deucesOnly = true;
    for (int slot = 0; slot < 5; ++slot)
        if (hold.Keeps(slot) && dealt[slot].Value != modcards::kDeuce) deucesOnly = false;
    if (!deucesOnly) return QStringLiteral("keeps ") + KeptCards(dealt, hold);
    return std::popcount(hold.kept) == 1 ? QStringLiteral("keeps the deuce")
                                         : QStringLiteral("keeps the deuces");
}

QString CreditWord(const QString& amount) {
    return amount +
           (amount.toDouble() <= 1.0 ? QStringLiteral(" credit") : QStringLiteral(" credits"));
}

}  // namespace

QString ChartLineOf(const ChartVerdict& chart, const modcards::Hand& dealt, const HoldHint& hold) {
    if (!chart.chart) return {};
    return QStringLiteral(" (%1)").arg(HoldChartLine(*chart.chart, dealt, hold.kept));
}

QString ChartExceptionText(const modcards::Hand& dealt, const ChartVerdict& chart) {
    if (!chart.Errs()) return {};
    return QStringLiteral(
               "the chart plays Line %1 here; perfect play %2: this deal is one of the chart's "
               "exceptions (%3)")
        .arg(QString::number(chart.line + 1), WhatItKeeps(dealt, chart.best),
             CreditWord(CostText(chart.CreditsLost())));
}

QString AsSentence(const QString& clause) {
    if (clause.isEmpty()) return clause;
    return clause.front().toUpper() + clause.mid(1) + u'.';
}

QString HoldComparisonText(const modcards::Hand& dealt, const HoldVerdict& verdict,
                           double threshold) {
    const int decimals = EdgeDecimals(verdict.played.credits, verdict.best.credits, threshold);
    const QString best =
        QStringLiteral("The best hold keeps %1%2 and pays %3 credits on average.")
            .arg(KeptCards(dealt, verdict.best), ChartLineOf(verdict.chart, dealt, verdict.best),
                 CreditsText(verdict.best.credits, decimals));
    const QString yours = QStringLiteral("Your hold keeps %1%2 and pays %3 credits: %4 less.")
                              .arg(KeptCards(dealt, verdict.played),
                                   ChartLineOf(verdict.chart, dealt, verdict.played),
                                   CreditsText(verdict.played.credits, decimals),
                                   CreditWord(CreditsText(verdict.CreditsLost(), decimals)));
    QString text = best + u'\n' + yours;
    if (verdict.IsChartException()) {
        text += QStringLiteral("\nYour hold is the chart's: no mistake, but worth learning. ") +
                AsSentence(ChartExceptionText(dealt, verdict.chart));
    }
    return text;
}

TrainerQuestion AskAboutHold(const modcards::Hand& dealt, const HoldVerdict& verdict,
                             double threshold) {
    const QString text = HoldComparisonText(dealt, verdict, threshold) +
                         QStringLiteral("\n\nDraw with your hold anyway?");
    return {text,
            verdict.IsChartException() ? QStringLiteral("Trainer: A Chart Exception")
                                       : QStringLiteral("Trainer"),
            QStringLiteral("&Draw Anyway"), QStringLiteral("&Change Hold")};
}
