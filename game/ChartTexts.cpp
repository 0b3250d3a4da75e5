// The words a strategy chart is shown with.
#include "game/ChartTexts.h"

#include "engine/analysis/Combinatorics.h"
#include "game/CardNames.h"

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

QString LineWorthText(const modcards::analysis::LineWorth& worth, int digits) {
    if (!worth.played) return {};
    const auto perStake = [digits](const Fraction& value) {
        return QString::fromStdString(
            Fraction::Of(value.numerator * kChartStake, value.denominator).Decimal(digits));
    };
    const QString low = perStake(worth.lowest), high = perStake(worth.highest);
    return low == high ? low : low + QStringLiteral(" to ") + high;
}

QString LineExampleText(const modcards::analysis::LineWorth& worth) {
    if (!worth.played) return {};
    QStringList cards;
    for (const int index : worth.example)
        cards << ShortCard(modcards::analysis::CardOfIndex(index));
    return cards.join(u' ');
}

QStringList ChartTextRows(const QString& title, const modcards::analysis::StrategyChart& chart,
                          const modcards::analysis::ChartAudit& audit) {
    QStringList rows{title, ChartCostText(audit),
                     QStringLiteral("Each line's worth: the exact expected pay of the holds it "
                                    "plays, in credits per 5-credit stake, and a deal it plays.")};
    const auto& lines = chart.Lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == 0 || lines[i].deuces != lines[i - 1].deuces) {
            rows << QString();
            rows << QString::fromStdString(modcards::analysis::SectionTitle(lines[i].deuces));
        }
        QString row = ChartLineTitle(chart, static_cast<int>(i));
        if (i < audit.worth.size() && audit.worth[i].played)
            row += QStringLiteral(" (worth %1; for example %2)")
                       .arg(LineWorthText(audit.worth[i]), LineExampleText(audit.worth[i]));
        rows << row;
    }
    return rows;
}

QString LevelText(const QString& name, const modcards::analysis::ChartLevel& level) {
    return QStringLiteral("%1: %2 lines, costs %3 of each bet")
        .arg(name)
        .arg(level.chart.Lines().size())
        .arg(Percent(level.audit.cost));
}
