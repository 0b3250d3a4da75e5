// The words a strategy chart is shown with: numbered lines, how often each is played, its cost.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "engine/Card.h"
#include "engine/analysis/ChartAudit.h"
#include "engine/analysis/ChartLevels.h"
#include "engine/analysis/StrategyChart.h"

// "Line 27: Four to a royal flush"; `line` indexes chart.Lines(), numbered from 1 as shown.
QString ChartLineTitle(const modcards::analysis::StrategyChart& chart, int line);

// The line naming the hold `kept` (bit i: table position i) of `dealt`, as ChartLineTitle
// says it, or the hold's own pattern in words when no line of the chart covers it; cards kept
// beside a named part follow it: "Line 34: A pair, plus a king".
QString HoldChartLine(const modcards::analysis::StrategyChart& chart, const modcards::Hand& dealt,
                      modcards::HoldMask kept);

// Which line the hand `dealt` plays and whether the hold `kept` follows it: "The hand on the
// table plays Line 43: A single card; your hold follows it." or "...; your hold keeps Line 50:
// ... instead."
QString DealLineText(const modcards::analysis::StrategyChart& chart, const modcards::Hand& dealt,
                     modcards::HoldMask kept);

// The share of all 2,598,960 deals, as a percentage with four decimals: "12.3456%".
QString ShareOfDeals(std::int64_t deals);

// "Following this chart returns 99.2697%; perfect play returns 99.2726%: the chart costs
// 0.0030% of each bet.", rounded from the exact fractions.
QString ChartCostText(const modcards::analysis::ChartAudit& audit);

// The credits a 5-credit stake.
inline constexpr int kChartStake = 5;

// What the holds a line plays are worth, in credits per 5-credit stake, from the lowest to the
// highest exact value with `digits` decimals: "0.6105 to 1.8427", one figure when both ends
// read the same ("80.0000"); empty for a line no deal plays.
QString LineWorthText(const modcards::analysis::LineWorth& worth, int digits = 4);

// The deal the audit found playing the line, as the cards' corners show it: "A♠ 10♥ 7♦ 4♣ 3♠";
// empty for a line no deal plays.
QString LineExampleText(const modcards::analysis::LineWorth& worth);

// The whole chart in plain text, a row per entry: `title`, the cost, then each section's title
// and its numbered lines, each with its worth and example deal.
QStringList ChartTextRows(const QString& title, const modcards::analysis::StrategyChart& chart,
                          const modcards::analysis::ChartAudit& audit);

// "Beginner: 12 lines, costs 0.4321% of each bet".
QString LevelText(const QString& name, const modcards::analysis::ChartLevel& level);
