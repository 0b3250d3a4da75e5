// Formatting the analysis for people and for programs.
#include "tools/StrategyReports.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>
#include <vector>

#include "engine/CardText.h"
#include "engine/HandNames.h"
#include "tools/JsonText.h"

namespace modcards::strategy {

namespace {

using analysis::Fraction;

constexpr int kCreditsPerStake = 5;  // the game's stake, in which a line's worth is told

std::string Padded(std::string text, std::size_t width, bool right = true) {
    if (text.size() >= width) return text;
    const std::string pad(width - text.size(), ' ');
    return right ? pad + text : text + pad;
}

// A per-unit amount: as many places as the unit has, so 0.5 shows as 0.5 and 16 as 16.
std::string PayText(std::int64_t amount, std::int64_t unit) {
    return Fraction::Of(amount, unit).denominator == 1
               ? std::to_string(amount / unit)
               : Fraction::Of(amount, unit)
                     .Decimal(static_cast<int>(std::to_string(unit).size()) - 1);
}

std::string PaysText(const analysis::Pays& pays, std::string_view separator) {
    std::string text;
    for (int c = 1; c < kCategoryCount; ++c) {
        if (c > 1) text += separator;
        text += PayText(pays.perCategory[c], pays.unit);
    }
    return text;
}

std::vector<Card> HeldCards(const Hand& dealt, const analysis::RankedHold& hold) {
    std::vector<Card> held;
    for (int slot = 0; slot < 5; ++slot)
        if (hold.Keeps(slot)) held.push_back(dealt[slot]);
    return held;
}

// The dealt hand with the discarded cards shown as "--".
std::string HoldPicture(const Hand& dealt, const analysis::RankedHold& hold) {
    std::string text;
    for (int slot = 0; slot < 5; ++slot) {
        if (slot > 0) text += ' ';
        text += hold.Keeps(slot) ? FormatCard(dealt[slot]) : "--";
    }
    return text;
}

bool SharesRank(const std::array<analysis::RankedHold, analysis::kHoldCount>& holds,
                std::size_t i) {
    return (i > 0 && holds[i - 1].rank == holds[i].rank) ||
           (i + 1 < holds.size() && holds[i + 1].rank == holds[i].rank);
}

}  // namespace

std::string DealCountsReport(const analysis::CategoryCounts& counts, bool json) {
    std::int64_t total = 0;
    for (const auto count : counts) total += count;
    std::string out;
    if (json) {
        out = "{\"deals\":" + std::to_string(total) + ",\"counts\":{";
        for (int c = 0; c < kCategoryCount; ++c)
            out += (c ? ",\"" : "\"") + std::to_string(c) + "\":" + std::to_string(counts[c]);
        return out + "}}\n";
    }
    out = "Five-card deals by hand category:\n";
    for (int c = 1; c <= kCategoryCount; ++c) {
        const int code = c % kCategoryCount;  // paying hands first, then 0
        out += Padded(std::to_string(code), 4) + "  " +
               Padded(std::string(kCategoryNames[code]), 24, false) +
               Padded(std::to_string(counts[code]), 10) + "\n";
    }
    return out + "      " + Padded("all deals", 24, false) + Padded(std::to_string(total), 10) +
           "\n";
}

std::string TiesText(analysis::TieBreak ties) {
    return ties == analysis::TieBreak::LowerVariance ? "lower-variance" : "higher-variance";
}

// A double in JSON: enough digits to read back, and no "nan" or "inf".
std::string JsonNumber(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

std::string ReturnReport(const analysis::Pays& pays, const analysis::GameAnalysis& game,
                         bool json) {
    const Fraction& ret = game.expectedReturn;
    std::string out;
    if (json) {
        out = "{\"pays\":[" + PaysText(pays, ",") + "],\"return\":" + ret.Decimal(12) +
              ",\"return_exact\":" + Quoted(ret.Text()) +
              ",\"variance\":" + JsonNumber(game.Variance()) +
              ",\"sd\":" + JsonNumber(game.StandardDeviation()) +
              ",\"ties\":" + Quoted(TiesText(game.ties)) + ",\"categories\":{";
        for (int c = 0; c < kCategoryCount; ++c) {
            const Fraction& p = game.finalCategory[c];
            const double probability = p.ToDouble();
            out += (c ? ",\"" : "\"") + std::to_string(c) +
                   "\":{\"name\":" + Quoted(kCategoryNames[c]) +
                   ",\"probability\":" + p.Decimal(15) +
                   ",\"probability_exact\":" + Quoted(p.Text()) +
                   ",\"cycle\":" + (probability > 0 ? JsonNumber(1 / probability) : "null") + "}";
        }
        return out + "}}\n";
    }
    char spread[160];
    std::snprintf(spread, sizeof spread,
                  "Variance of one hand's pay: %.6g, standard deviation %.6g (per unit bet)\n",
                  game.Variance(), game.StandardDeviation());
    out = "Pays per unit bet: " + PaysText(pays, " ") + "\n";
    out += "Return under perfect play: " + ret.Decimal(7) + "  (exact " + ret.Text() + ")\n";
    out += spread;
    out += "Holds of equal value: the one with the " +
           std::string(game.ties == analysis::TieBreak::LowerVariance ? "lower" : "higher") +
           " variance is played (--ties " + TiesText(game.ties) + ")\n\n";
    out += "code  final hand                  probability   cycle (one in)   share of return\n";
    for (int c = 1; c <= kCategoryCount; ++c) {
        const int code = c % kCategoryCount;
        const double p = game.finalCategory[code].ToDouble();
        const double share =
            p * static_cast<double>(pays.perCategory[code]) / static_cast<double>(pays.unit);
        char line[128];
        std::snprintf(line, sizeof line, "%4d  %-24s %14.10f %16.1f %17.7f\n", code,
                      std::string(kCategoryNames[code]).c_str(), p, p > 0 ? 1 / p : 0.0, share);
        out += line;
    }
    return out;
}

namespace {

// One hold's final hands: of its draws, how many end in each category, how likely and paid how.
std::string FinalHandsJson(const analysis::HoldAnalysis& entry, const analysis::Pays& pays) {
    std::string out = ",\"draws\":" + std::to_string(entry.hold.drawCount) + ",\"finals\":{";
    for (int c = 0; c < kCategoryCount; ++c) {
        const Fraction p = entry.Probability(static_cast<HandCategory>(c));
        out += (c ? ",\"" : "\"") + std::to_string(c) +
               "\":{\"name\":" + Quoted(kCategoryNames[c]) +
               ",\"ways\":" + std::to_string(entry.finals[c]) +
               ",\"probability\":" + p.Decimal(15) + ",\"probability_exact\":" + Quoted(p.Text()) +
               ",\"pay\":" + PayText(pays.perCategory[c], pays.unit) + "}";
    }
    return out + "}";
}

std::string FinalHandsText(const analysis::HoldAnalysis& entry, const analysis::Pays& pays) {
    std::string out = "      final hand                    ways    probability      pay\n";
    for (int i = 1; i <= kCategoryCount; ++i) {
        const int c = i % kCategoryCount;  // paying hands first, then 0
        out += "      " + Padded(std::string(kCategoryNames[c]), 24, false) +
               Padded(std::to_string(entry.finals[c]), 10) +
               Padded(entry.Probability(static_cast<HandCategory>(c)).Decimal(9), 15) +
               Padded(PayText(pays.perCategory[c], pays.unit), 9) + "\n";
    }
    return out;
}

// The chart line naming a hold, numbered from 1, or null when no line of its section does.
std::string ChartLineJson(const analysis::HoldAnalysis& entry) {
    return ",\"chart_line\":" +
           (entry.chartLine >= 0 ? std::to_string(entry.chartLine + 1) : std::string("null")) +
           ",\"chart_text\":" + Quoted(entry.chartText);
}

std::string ChartLineText(const analysis::HoldAnalysis& entry) {
    return Padded(entry.chartLine >= 0 ? std::to_string(entry.chartLine + 1) : "-", 4) + "  " +
           entry.chartText;
}

}  // namespace

std::string HoldReport(const Hand& dealt, const analysis::HoldAdvisor& advisor, bool json,
                       const analysis::StrategyChart* chart, bool detail) {
    const analysis::HandAnalysis analysis = analysis::AnalyzeHand(advisor, dealt, chart);
    std::array<analysis::RankedHold, analysis::kHoldCount> holds{};
    for (std::size_t i = 0; i < holds.size(); ++i) holds[i] = analysis.holds[i].hold;
    const analysis::Pays& pays = advisor.pays();
    std::string out;
    if (json) {
        out = "{\"dealt\":" + Quoted(FormatCards(dealt)) + ",\"holds\":[";
        for (std::size_t i = 0; i < holds.size(); ++i) {
            const auto& hold = holds[i];
            std::string cards;
            for (const Card& card : HeldCards(dealt, hold)) {
                if (!cards.empty()) cards += ',';
                cards += Quoted(FormatCard(card));
            }
            out += std::string(i ? "," : "") + "{\"cards\":[" + cards +
                   "],\"ev\":" + hold.ExpectedPay(pays).Decimal(12) +
                   ",\"ev_exact\":" + Quoted(hold.ExpectedPay(pays).Text()) +
                   ",\"rank\":" + std::to_string(hold.rank) +
                   ",\"tie\":" + (SharesRank(holds, i) ? "true" : "false") +
                   (chart ? ChartLineJson(analysis.holds[i]) : "") +
                   (detail ? FinalHandsJson(analysis.holds[i], pays) : "") + "}";
        }
        return out + "]}\n";
    }
    // The chart's column follows the exact values, which differ in width.
    std::size_t exactWidth = 5;
    for (const auto& hold : holds)
        exactWidth = std::max(exactWidth, hold.ExpectedPay(pays).Text().size());
    out = "Dealt: " + FormatCards(dealt) + "   pays per unit bet: " + PaysText(pays, " ") + "\n";
    out += "rank  hold              expected pay   exact";
    out += chart ? Padded("", exactWidth - 5) + "  line  chart line\n" : "\n";
    for (std::size_t i = 0; i < holds.size(); ++i) {
        const auto& hold = holds[i];
        const std::string rank = std::to_string(hold.rank) + (SharesRank(holds, i) ? "=" : " ");
        const std::string exact = hold.ExpectedPay(pays).Text();
        out += Padded(rank, 4) + "  " + HoldPicture(dealt, hold) + "  " +
               Padded(hold.ExpectedPay(pays).Decimal(9), 13) + "   " + exact;
        if (chart)
            out += Padded("", exactWidth - exact.size()) + "  " + ChartLineText(analysis.holds[i]);
        out += "\n";
        if (detail) out += FinalHandsText(analysis.holds[i], pays);
    }
    return out;
}

namespace {

std::string Percent(double share, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f%%", decimals, 100 * share);
    return text;
}

// A sentence broken into lines of at most 96 characters, the first led by `lead`.
std::string Wrapped(std::string_view text, std::string_view lead) {
    constexpr std::size_t kWidth = 96;
    std::string out;
    std::string line(lead);
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view word = text.substr(at, end - at);
        if (line.size() > lead.size() && line.size() + 1 + word.size() > kWidth) {
            out += line + "\n";
            line = std::string(lead.size(), ' ');
        } else if (line.size() > lead.size()) {
            line += ' ';
        }
        line += word;
        at = end + 1;
    }
    return out + line + "\n";
}

// A chart line's worth: the range of the exact expected pay of the holds it plays, in credits
// per 5-credit stake, and a deal that plays it.
std::string WorthJson(const analysis::ChartAudit& audit, std::size_t line) {
    if (line >= audit.worth.size() || !audit.worth[line].played) return "";
    const analysis::LineWorth& worth = audit.worth[line];
    const auto perStake = [](const Fraction& value) {
        return Fraction::Of(value.numerator * kCreditsPerStake, value.denominator);
    };
    std::vector<Card> example;
    for (const int index : worth.example) example.push_back(analysis::CardOfIndex(index));
    return ",\"value_low\":" + perStake(worth.lowest).Decimal(9) +
           ",\"value_high\":" + perStake(worth.highest).Decimal(9) +
           ",\"value_low_exact\":" + Quoted(perStake(worth.lowest).Text()) +
           ",\"value_high_exact\":" + Quoted(perStake(worth.highest).Text()) +
           ",\"example\":" + Quoted(FormatCards(example));
}

std::string ChartJson(const analysis::Pays& pays, const analysis::StrategyChart& chart,
                      const analysis::ChartAudit& audit) {
    std::string out = "{\"pays\":[" + PaysText(pays, ",") + "],\"lines\":[";
    const auto& lines = chart.Lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::int64_t deals = audit.dealsPlayed[i];
        out += std::string(i ? "," : "") + "{\"deuces\":" + std::to_string(lines[i].deuces) +
               ",\"text\":" + Quoted(lines[i].Text()) + ",\"deals\":" + std::to_string(deals) +
               ",\"share\":" + Fraction::Of(deals, analysis::kDealCount).Decimal(12) +
               WorthJson(audit, i) + "}";
    }
    return out + "],\"chart_return\":" + audit.chartReturn.Decimal(12) +
           ",\"chart_return_exact\":" + Quoted(audit.chartReturn.Text()) +
           ",\"perfect_return\":" + audit.perfectReturn.Decimal(12) +
           ",\"perfect_return_exact\":" + Quoted(audit.perfectReturn.Text()) +
           ",\"cost\":" + audit.cost.Decimal(12) + ",\"cost_exact\":" + Quoted(audit.cost.Text()) +
           ",\"deals_played_worse\":" + std::to_string(audit.dealsPlayedWorse) +
           ",\"share_played_worse\":" +
           Fraction::Of(audit.dealsPlayedWorse, analysis::kDealCount).Decimal(12) + "}\n";
}

}  // namespace

std::string ChartReport(const analysis::Pays& pays, const analysis::StrategyChart& chart,
                        const analysis::ChartAudit& audit, bool json) {
    if (json) return ChartJson(pays, chart, audit);
    std::string out = "Strategy chart for pays per unit bet " + PaysText(pays, " ") + "\n";
    for (const std::string& note : analysis::ChartReadingNotes()) out += Wrapped(note, "  - ");
    out += "\nline   played  hold (the played column: share of all 2,598,960 deals)\n";
    const auto& lines = chart.Lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0 && lines[i].deuces != lines[i - 1].deuces) out += "\n";
        if (i == 0 || lines[i].deuces != lines[i - 1].deuces)
            out += analysis::SectionTitle(lines[i].deuces) + "\n";
        const double share =
            static_cast<double>(audit.dealsPlayed[i]) / static_cast<double>(analysis::kDealCount);
        out += Padded(std::to_string(i + 1), 4) + Padded(Percent(share, 4), 10) + "  " +
               lines[i].Text() + "\n";
    }
    const double worse =
        static_cast<double>(audit.dealsPlayedWorse) / static_cast<double>(analysis::kDealCount);
    out += "\nChart return:    " + audit.chartReturn.Decimal(7) + "  (exact " +
           audit.chartReturn.Text() + ")\n";
    out += "Perfect play:    " + audit.perfectReturn.Decimal(7) + "  (exact " +
           audit.perfectReturn.Text() + ")\n";
    out += "Cost of the chart: " + Percent(audit.cost.ToDouble(), 5) + " of the bet (" +
           audit.cost.Decimal(9) + " per unit bet)\n";
    out += "Deals the chart plays worse than perfect play: " + Percent(worse, 3) + " (" +
           std::to_string(audit.dealsPlayedWorse) + " of 2,598,960)\n";
    return out;
}

namespace {

// A probability as a JSON number with the digits 1e-6 asks for and some to spare.
std::string Probability(double p) {
    char text[40];
    std::snprintf(text, sizeof text, "%.12f", p);
    return text;
}

std::string RiskLevelKey(double level) {
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", level);
    return text;
}

}  // namespace

std::string FrontierReport(const analysis::Pays& pays,
                           const std::vector<analysis::ChartLevel>& levels, bool json) {
    std::string out;
    if (json) {
        out = "{\"pays\":[" + PaysText(pays, ",") + "],\"frontier\":[";
        for (std::size_t i = 0; i < levels.size(); ++i) {
            const auto& level = levels[i];
            out += std::string(i ? "," : "") + "{\"lines\":" + std::to_string(level.lines) +
                   ",\"written_lines\":" + std::to_string(level.chart.Lines().size()) +
                   ",\"chart_return\":" + level.audit.chartReturn.Decimal(12) +
                   ",\"cost\":" + level.audit.cost.Decimal(12) + "}";
        }
        const std::string perfect =
            levels.empty() ? "null" : levels.front().audit.perfectReturn.Decimal(12);
        return out + "],\"perfect_return\":" + perfect + "}\n";
    }
    out = "The cheapest chart found within each number of lines, pays per unit bet " +
          PaysText(pays, " ") + "\n";
    if (!levels.empty())
        out += "Perfect play: " + levels.front().audit.perfectReturn.Decimal(7) + "\n";
    out += "\nlines  written  chart return   cost of the chart\n";
    for (const auto& level : levels)
        out += Padded(std::to_string(level.lines), 5) +
               Padded(std::to_string(level.chart.Lines().size()), 9) + "  " +
               Padded(level.audit.chartReturn.Decimal(7), 12) + "   " +
               Padded(Percent(level.audit.cost.ToDouble(), 5), 10) + "\n";
    return out;
}

std::string RiskReport(const analysis::Pays& pays, const analysis::Trip& trip,
                       const analysis::GameAnalysis& game, const analysis::TripRisk& risk,
                       bool json) {
    if (json) {
        std::string out = "{\"pays\":[" + PaysText(pays, ",") +
                          "],\"return\":" + game.expectedReturn.Decimal(12) +
                          ",\"bankroll\":" + std::to_string(trip.bankroll) +
                          ",\"hands\":" + std::to_string(trip.hands);
        if (trip.goal > 0)
            out += ",\"goal_bets\":" + std::to_string(trip.goal) +
                   ",\"goal\":" + Probability(risk.goal);
        out += ",\"broke\":" + Probability(risk.broke) +
               ",\"long_run_ruin\":" + Probability(risk.longRunRuin) +
               ",\"q\":" + JsonNumber(risk.q) + ",\"bankroll_for\":{";
        for (std::size_t i = 0; i < analysis::kRiskLevels.size(); ++i)
            out += std::string(i ? "," : "") + Quoted(RiskLevelKey(analysis::kRiskLevels[i])) +
                   ":" + std::to_string(risk.bankrollFor[i]);
        return out + "}}\n";
    }
    const std::string hands = std::to_string(trip.hands) + " hands";
    std::string out = "Pays per unit bet: " + PaysText(pays, " ") + "   return " +
                      game.expectedReturn.Decimal(7) +
                      " under perfect play (holds of equal value: the lower variance)\n";
    out += "A bankroll of " + std::to_string(trip.bankroll) + " bets, one bet a hand, at most " +
           hands;
    if (trip.goal > 0) out += ", stopping at " + std::to_string(trip.goal) + " bets or more";
    out += ":\n";
    out += "  Broke within " + hands + ":   " + Percent(risk.broke, 6) + "\n";
    if (trip.goal > 0) out += "  Goal reached first:      " + Percent(risk.goal, 6) + "\n";
    char q[64];
    std::snprintf(q, sizeof q, "%.12f", risk.q);
    out += "  Broke some day, playing on forever: " + Percent(risk.longRunRuin, 6) + "  (q = " + q +
           ", ruin = q^bankroll)\n";
    out += "Bankroll to go broke within " + hands + " with at most";
    for (std::size_t i = 0; i < analysis::kRiskLevels.size(); ++i)
        out += std::string(i ? "," : "") + " " + Percent(analysis::kRiskLevels[i], 0) +
               " risk: " + std::to_string(risk.bankrollFor[i]) + " bets";
    return out + "\n";
}

}  // namespace modcards::strategy
