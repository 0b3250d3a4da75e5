// The words a strategy chart is shown with.
#include "game/ChartTexts.h"

#include "engine/analysis/Combinatorics.h"

namespace {

using modcards::analysis::Fraction;

QString Percent(const Fraction& share) {
    return QString::fromStdString(
               Fraction::Of(share.numerator * 100, share.denominator).Decimal(4)) +
           u'%';
}

}  // namespace

QString ChartLineTitle(const modcards::analysis::StrategyChart& chart, int line) {
    return QStringLiteral("Line %1: %2")
        .arg(line + 1)
        .arg(QString::fromStdString(chart.Lines().at(static_cast<std::size_t>(line)).Text()));
}

QString HoldChartLine(const modcards::analysis::StrategyChart& chart, const modcards::Hand& dealt,
                      modcards::HoldMask kept) {
    const modcards::analysis::HoldName name = chart.NameHold(dealt, kept);
    const QString rest = QString::fromStdString(name.rest);
    if (name.line >= 0) return ChartLineTitle(chart, name.line) + rest;
    return QString::fromStdString(name.text) + rest;
}

QString DealLineText(const modcards::analysis::StrategyChart& chart, const modcards::Hand& dealt,
                     modcards::HoldMask kept) {
    const modcards::analysis::ChartHandPlay play = chart.PlayHand(dealt);
    const QString plays =
        QStringLiteral("The hand on the table plays ") + ChartLineTitle(chart, play.line);
    if (kept == play.keptSlots) return plays + QStringLiteral("; your hold follows it.");
    if (const auto name = chart.NameHold(dealt, kept); name.line == play.line && name.rest.empty())
        return plays + QStringLiteral(
                           "; your hold is of that line too, but the chart keeps "
                           "other cards.");
    if (kept == 0) return plays + QStringLiteral("; your hold keeps no card.");
    return plays + QStringLiteral("; your hold keeps ") + HoldChartLine(chart, dealt, kept) +
           QStringLiteral(" instead.");
}

QString ShareOfDeals(std::int64_t deals) {
    return Percent(Fraction::Of(deals, modcards::analysis::kDealCount));
}

QString ChartCostText(const modcards::analysis::ChartAudit& audit) {
    return QStringLiteral(
               "Following this chart returns %1; perfect play returns %2: the chart costs %3 "
               "of each bet.")
        .arg(Percent(audit.chartReturn), Percent(audit.perfectReturn), Percent(audit.cost));
}
