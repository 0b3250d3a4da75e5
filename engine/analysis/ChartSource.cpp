// C++ text for charts and audits.
#include "engine/analysis/ChartSource.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <limits>
#include <stdexcept>

namespace modcards::analysis {

namespace {

std::string LineSource(const ChartLine& line) {
    const HoldPattern& p = line.pattern;
    std::string text = "        {" + std::to_string(line.deuces) + ", {static_cast<HoldKind>(" +
                       std::to_string(static_cast<int>(p.kind)) + "), " + std::to_string(p.kept) +
                       ", " + std::to_string(p.deucesKept) + ", " + std::to_string(p.deucesThrown) +
                       ", {}}, {{";
    for (int d = 0; d < kDetailCount; ++d)
        text += (d ? ", {" : "{") + std::to_string(line.ranges[d].low) + ", " +
                std::to_string(line.ranges[d].high) + "}";
    return text + "}}},  // " + line.Text() + "\n";
}

}  // namespace

std::string FractionSource(const Fraction& value) {
    constexpr WideInt kLargest = std::numeric_limits<std::int64_t>::max();
    if (value.numerator > kLargest || value.denominator > kLargest)
        throw std::runtime_error("a chart figure does not fit in 64 bits");
    return "Fraction{" + WideToString(value.numerator) + ", " + WideToString(value.denominator) +
           "}";
}

std::string ChartSource(const StrategyChart& chart) {
    std::string text = "StrategyChart(std::vector<ChartLine>{\n";
    for (const ChartLine& line : chart.Lines()) text += LineSource(line);
    return text + "    })";
}

std::string AuditSource(const ChartAudit& audit) {
    std::string text = "ChartAudit{" + FractionSource(audit.chartReturn) + ", " +
                       FractionSource(audit.perfectReturn) + ", " + FractionSource(audit.cost) +
                       ", {";
    for (std::size_t i = 0; i < audit.dealsPlayed.size(); ++i)
        text += (i ? ", " : "") + std::to_string(audit.dealsPlayed[i]);
    text += "}, " + std::to_string(audit.dealsPlayedWorse) + ", {\n";
    for (const LineWorth& worth : audit.worth) {
        text += "        {" + FractionSource(worth.lowest) + ", " + FractionSource(worth.highest) +
                ", {";
        for (int i = 0; i < kHandSize; ++i)
            text += (i ? ", " : "") + std::to_string(worth.example[static_cast<std::size_t>(i)]);
        text += std::string("}, ") + (worth.played ? "true" : "false") + "},\n";
    }
    return text + "    }}";
}

void WriteSource(const std::string& path, const std::string& text) {
    std::ofstream out(path + ".new", std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out || std::rename((path + ".new").c_str(), path.c_str()) != 0)
        throw std::runtime_error("cannot write " + path);
}

}  // namespace modcards::analysis
