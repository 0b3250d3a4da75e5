// The history's figures and leak groups in words and in JSON.
#include "tools/HistoryReports.h"

#include <charconv>
#include <cstdio>

#include "engine/CardText.h"
#include "tools/JsonText.h"

namespace modcards::strategy {
namespace {

// The shortest text that reads back as the same double.
std::string Exact(double value) {
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, written.ptr);
}

std::string Fixed(double value, int places) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", places, value);
    return text;
}

std::string LineNumber(int line) {
    return line == history::kNoChartLine ? "null" : std::to_string(line + 1);
}

// "“Line 5: A pair”", or for a hold no line names, words that say so.
std::string LineText(const analysis::StrategyChart& chart, int line) {
    if (line == history::kNoChartLine) return "a hold on no chart line";
    return "\"Line " + std::to_string(line + 1) + ": " + history::LeakLineText(chart, line) + "\"";
}

}  // namespace

std::string ReviewReport(const history::SessionReview& review, bool json) {
    if (json) {
        return "{\"hands\":" + std::to_string(review.handsPlayed) +
               ",\"staked\":" + std::to_string(review.staked) +
               ",\"result\":" + std::to_string(review.result) +
               ",\"held_return\":" + Exact(review.HeldReturn()) +
               ",\"perfect_return\":" + Exact(review.PerfectReturn()) +
               ",\"mistakes\":" + std::to_string(review.mistakeCount) +
               ",\"mistakes_cost\":" + Exact(review.mistakesCost) +
               ",\"close_calls\":" + std::to_string(review.closeCallCount) +
               ",\"close_calls_cost\":" + Exact(review.closeCallsCost) +
               ",\"luck\":" + Exact(review.luck) +
               ",\"sentence\":" + Quoted(history::ResultSentence(review)) + "}\n";
    }
    return "Hands played:              " + std::to_string(review.handsPlayed) +
           "\nCredits staked:            " + std::to_string(review.staked) +
           "\nResult:                    " + std::to_string(review.result) +
           " credits\nReturn of your holds:      " + Fixed(100 * review.HeldReturn(), 4) +
           "%\nReturn of perfect play:    " + Fixed(100 * review.PerfectReturn(), 4) +
           "%\nMistakes:                  " + std::to_string(review.mistakeCount) + ", costing " +
           Fixed(review.mistakesCost, 2) +
           " credits\nClose calls:               " + std::to_string(review.closeCallCount) +
           ", costing " + Fixed(review.closeCallsCost, 4) +
           " credits\nLuck:                      " + Fixed(review.luck, 2) + " credits\n" +
           history::ResultSentence(review) + "\n";
}

std::string LeaksReport(const history::Leaks& leaks, const analysis::StrategyChart& chart,
                        bool json) {
    std::string out = json ? "{\"leaks\":[" : "";
    bool first = true;
    for (const history::LeakGroup& group : leaks.WorstFirst()) {
        const history::LeakExample& example = group.example;
        if (json) {
            out += std::string(first ? "" : ",") +
                   "{\"your_line\":" + Quoted(history::LeakLineText(chart, group.yourLine)) +
                   ",\"chart_line\":" + Quoted(history::LeakLineText(chart, group.chartLine)) +
                   ",\"your_line_number\":" + LineNumber(group.yourLine) +
                   ",\"chart_line_number\":" + LineNumber(group.chartLine) +
                   ",\"count\":" + std::to_string(group.count) + ",\"cost\":" + Exact(group.cost) +
                   ",\"example\":{\"hand\":" + std::to_string(example.id) +
                   ",\"dealt\":" + Quoted(FormatCards(example.dealt)) +
                   ",\"held\":" + Quoted(history::HeldText(example.held)) +
                   ",\"best_held\":" + Quoted(history::HeldText(example.bestHeld)) +
                   ",\"cost\":" + Exact(example.cost) + "}}";
        } else {
            out += "You played " + LineText(chart, group.yourLine) + " where " +
                   LineText(chart, group.chartLine) +
                   " comes first: " + std::to_string(group.count) +
                   (group.count == 1 ? " time, " : " times, ") + Fixed(group.cost, 2) +
                   " credits. Costliest: " + FormatCards(example.dealt) + ", held " +
                   history::HeldText(example.held) + " for " + history::HeldText(example.bestHeld) +
                   " (" + Fixed(example.cost, 2) + ").\n";
        }
        first = false;
    }
    if (json) return out + "],\"other_tables\":" + std::to_string(leaks.otherTables) + "}\n";
    if (leaks.otherTables > 0) {
        return out + std::to_string(leaks.otherTables) +
               (leaks.otherTables == 1 ? " mistake at a practice table is"
                                       : " mistakes at practice tables are") +
               " left out: the groups are lines of the game's own chart (--pays P groups a "
               "table's mistakes by its own).\n";
    }
    return first ? "No mistakes: no leaks to show.\n" : out;
}

}  // namespace modcards::strategy
