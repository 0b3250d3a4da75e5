// A pay table's chart levels, picked and kept as text.
#include "engine/analysis/ChartSet.h"

#include <cctype>
#include <cstdint>
#include <numeric>
#include <stdexcept>

namespace modcards::analysis {

namespace {

constexpr std::string_view kHeading = "deuces-wild-charts 3";

std::uint64_t Checksum(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

class Writer {
public:
    void Word(std::string_view word) {
        if (!text_.empty() && text_.back() != '\n') text_ += ' ';
        text_ += word;
    }
    void Number(WideInt value) {
        std::string digits;
        if (value < 0) digits += '-';
        digits += WideToString(value < 0 ? -value : value);
        Word(digits);
    }
    void Fraction(const analysis::Fraction& value) {
        Number(value.numerator);
        Number(value.denominator);
    }
    void EndLine() { text_ += '\n'; }
    std::string Text() {
        const std::uint64_t sum = Checksum(text_);
        Word("end");
        Word(std::to_string(sum));
        EndLine();
        return std::move(text_);
    }

private:
    std::string text_;
};

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::string_view Word() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
        const std::size_t start = at_;
        while (at_ < text_.size() && !std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
        if (start == at_) throw std::runtime_error("it ends too soon");
        return text_.substr(start, at_ - start);
    }
    void Expect(std::string_view word) {
        if (Word() != word) {
            std::string why = "\"";
            why += word;
            why += "\" is missing";
            throw std::runtime_error(why);
        }
    }
    WideInt Number(WideInt low, WideInt high) {
        const std::string_view word = Word();
        const bool negative = word[0] == '-';
        std::size_t i = negative ? 1 : 0;
        if (i == word.size() || word.size() - i > 38) throw std::runtime_error("a bad number");
        WideInt value = 0;
        for (; i < word.size(); ++i) {
            if (!std::isdigit(static_cast<unsigned char>(word[i])))
                throw std::runtime_error("a bad number");
            value = value * 10 + (word[i] - '0');
        }
        if (negative) value = -value;
        if (value < low || value > high) throw std::runtime_error("a number out of range");
        return value;
    }
    int Int(int low, int high) { return static_cast<int>(Number(low, high)); }
    std::size_t Count(std::size_t most) {
        return static_cast<std::size_t>(Number(0, WideInt(most)));
    }
    analysis::Fraction Fraction() {
        constexpr WideInt kMost = (WideInt(1) << 120);
        const WideInt numerator = Number(0, kMost);
        const WideInt denominator = Number(1, kMost);
        return {numerator, denominator};
    }
    std::size_t At() const { return at_; }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

void WritePays(Writer& out, const Pays& pays) {
    out.Word("pays");
    for (int c = 1; c < kCategoryCount; ++c) out.Number(pays.perCategory[std::size_t(c)]);
    out.Word("per");
    out.Number(pays.unit);
    out.EndLine();
}

void WriteLine(Writer& out, const ChartLine& line) {
    out.Number(line.deuces);
    const HoldPattern& p = line.pattern;
    for (const int part : {int(p.kind), int(p.kept), int(p.deucesKept), int(p.deucesThrown)})
        out.Number(part);
    for (const std::uint8_t detail : p.details) out.Number(detail);
    for (const DetailRange& range : line.ranges) {
        out.Number(range.low);
        out.Number(range.high);
    }
    out.EndLine();
}

ChartLine ReadLine(Reader& in) {
    ChartLine line;
    line.deuces = in.Int(0, 4);
    HoldPattern& p = line.pattern;
    p.kind = static_cast<HoldKind>(in.Int(0, int(HoldKind::NoDraw)));
    p.kept = std::uint8_t(in.Int(0, 5));
    p.deucesKept = std::uint8_t(in.Int(0, 4));
    p.deucesThrown = std::uint8_t(in.Int(0, 4));
    for (std::uint8_t& detail : p.details) detail = std::uint8_t(in.Int(0, 255));
    for (DetailRange& range : line.ranges) {
        range.low = std::uint8_t(in.Int(0, 255));
        range.high = std::uint8_t(in.Int(range.low, 255));
    }
    return line;
}

void WriteAudit(Writer& out, const ChartAudit& audit) {
    out.Word("audit");
    out.Fraction(audit.chartReturn);
    out.Fraction(audit.perfectReturn);
    out.Fraction(audit.cost);
    out.Number(audit.dealsPlayedWorse);
    out.Number(WideInt(audit.dealsPlayed.size()));
    for (const std::int64_t deals : audit.dealsPlayed) out.Number(deals);
    out.EndLine();
    for (const LineWorth& worth : audit.worth) {
        out.Number(worth.played);
        out.Fraction(worth.lowest);
        out.Fraction(worth.highest);
        for (const int card : worth.example) out.Number(card);
        out.EndLine();
    }
}

ChartAudit ReadAudit(Reader& in, std::size_t lines) {
    constexpr WideInt kDeals = 2'598'960;
    ChartAudit audit;
    in.Expect("audit");
    audit.chartReturn = in.Fraction();
    audit.perfectReturn = in.Fraction();
    audit.cost = in.Fraction();
    audit.dealsPlayedWorse = std::int64_t(in.Number(0, kDeals));
    if (in.Count(lines) != lines) throw std::runtime_error("an audit does not fit its chart");
    for (std::size_t i = 0; i < lines; ++i)
        audit.dealsPlayed.push_back(std::int64_t(in.Number(0, kDeals)));
    for (std::size_t i = 0; i < lines; ++i) {
        LineWorth& worth = audit.worth.emplace_back();
        worth.played = in.Int(0, 1) == 1;
        worth.lowest = in.Fraction();
        worth.highest = in.Fraction();
        for (int& card : worth.example) card = in.Int(0, 51);
    }
    return audit;
}

}  // namespace

ChartSet PickLevels(const std::vector<ChartLevel>& all) {
    ChartSet set{{}, FrontierOf(all)};
    for (const std::size_t i : LevelBudgets(set.frontier)) set.levels.push_back(all[i]);
    return set;
}

ChartSet FullChartOnly(const StrategyChart& chart, const ChartAudit& audit) {
    const int lines = static_cast<int>(chart.Lines().size());
    return {{{lines, chart, audit}}, {{lines, audit.chartReturn, audit.cost}}};
}

std::string ChartSetKey(const Pays& pays) {
    std::int64_t common = pays.unit;
    for (const std::int64_t pay : pays.perCategory) common = std::gcd(common, pay);
    common = std::max<std::int64_t>(common, 1);
    std::string key;
    for (int c = 1; c < kCategoryCount; ++c) {
        if (c > 1) key += '-';
        key += std::to_string(pays.perCategory[std::size_t(c)] / common);
    }
    if (pays.unit / common != 1) {
        key += "-per-";
        key += std::to_string(pays.unit / common);
    }
    return key;
}

std::string ChartSetText(const Pays& pays, const ChartSet& charts) {
    Writer out;
    out.Word(kHeading);
    out.EndLine();
    WritePays(out, pays);
    out.Word("frontier");
    out.Number(WideInt(charts.frontier.size()));
    out.EndLine();
    for (const FrontierPoint& point : charts.frontier) {
        out.Number(point.lines);
        out.Fraction(point.chartReturn);
        out.Fraction(point.cost);
        out.EndLine();
    }
    out.Word("levels");
    out.Number(WideInt(charts.levels.size()));
    out.EndLine();
    for (const ChartLevel& level : charts.levels) {
        out.Word("level");
        out.Number(level.lines);
        out.Number(WideInt(level.chart.Lines().size()));
        out.EndLine();
        for (const ChartLine& line : level.chart.Lines()) WriteLine(out, line);
        WriteAudit(out, level.audit);
    }
    return out.Text();
}

ChartSet ReadChartSet(std::string_view text, const Pays& pays) {
    const std::size_t end = text.rfind("end ");
    if (end == std::string_view::npos || (end > 0 && text[end - 1] != '\n'))
        throw std::runtime_error("it is not whole (no checksum at its end)");
    Reader tail(text.substr(end + 4));
    const std::string_view sum = tail.Word();
    if (sum != std::to_string(Checksum(text.substr(0, end))))
        throw std::runtime_error("its checksum does not match");

    Reader in(text.substr(0, end));
    for (const char* word : {"deuces-wild-charts", "3", "pays"}) in.Expect(word);
    Pays read;
    for (int c = 1; c < kCategoryCount; ++c)
        read.perCategory[std::size_t(c)] = std::int64_t(in.Number(0, kMaxPay));
    in.Expect("per");
    read.unit = std::int64_t(in.Number(1, kMaxPay));
    if (ChartSetKey(read) != ChartSetKey(pays))
        throw std::runtime_error("it holds the charts of another pay table");

    ChartSet set;
    in.Expect("frontier");
    for (std::size_t n = in.Count(kMaxChartLines); n > 0; --n) {
        FrontierPoint& point = set.frontier.emplace_back();
        point.lines = in.Int(1, kMaxChartLines);
        point.chartReturn = in.Fraction();
        point.cost = in.Fraction();
    }
    in.Expect("levels");
    for (std::size_t n = in.Count(kMaxChartLines); n > 0; --n) {
        in.Expect("level");
        const int budget = in.Int(1, kMaxChartLines);
        std::vector<ChartLine> lines(in.Count(kMaxChartLines));
        for (ChartLine& line : lines) line = ReadLine(in);
        try {
            StrategyChart chart(std::move(lines));
            ChartAudit audit = ReadAudit(in, chart.Lines().size());
            set.levels.push_back({budget, std::move(chart), std::move(audit)});
        } catch (const std::invalid_argument& error) {
            throw std::runtime_error(std::string("a chart is not whole: ") + error.what());
        }
    }
    if (set.levels.empty() || set.frontier.empty()) throw std::runtime_error("it holds no chart");
    return set;
}

}  // namespace modcards::analysis
