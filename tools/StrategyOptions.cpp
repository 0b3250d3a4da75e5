// Reading the command line of deuceswild-strategy.
#include "tools/StrategyOptions.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "engine/CardText.h"
#include "engine/analysis/PaysParsing.h"
#include "tools/JsonText.h"
#include "version.h"

namespace modcards::strategy {

namespace {

Hand ParseDealt(std::string_view text) {
    try {
        return ParseHand(text);
    } catch (const std::exception& error) {
        throw UsageError("bad hand \"" + std::string(text) + "\": " + error.what());
    }
}

unsigned ParseThreads(std::string_view text) {
    const std::uint64_t threads = ParseWholeNumber(text, 64, "--threads " + Quoted(text));
    if (threads < 1) throw UsageError("--threads takes a whole number from 1 to 64");
    return static_cast<unsigned>(threads);
}

analysis::TieBreak ParseTies(std::string_view text) {
    if (text == "lower-variance") return analysis::TieBreak::LowerVariance;
    if (text == "higher-variance") return analysis::TieBreak::HigherVariance;
    throw UsageError("--ties takes lower-variance or higher-variance, not " + Quoted(text));
}

Command ParseCommand(std::string_view word) {
    if (word == "deal-counts") return Command::DealCounts;
    if (word == "return") return Command::Return;
    if (word == "hold") return Command::Hold;
    if (word == "chart") return Command::Chart;
    if (word == "risk") return Command::Risk;
    if (word == "history") return Command::History;
    if (word == "help" || word == "--help" || word == "-h") return Command::Help;
    if (word == "--version") return Command::Version;
    throw UsageError("unknown command \"" + std::string(word) +
                     "\" (try deal-counts, return, hold, chart, risk or --help)");
}

}  // namespace

// The parsing lives with the analysis, which the game shares; here its words become usage errors.
std::uint64_t ParseWholeNumber(std::string_view text, std::uint64_t max, std::string_view what) {
    try {
        return analysis::ParseWholeNumber(text, max, what);
    } catch (const analysis::PaysTextError& error) {
        throw UsageError(error.what());
    }
}

analysis::Pays ParsePays(std::string_view text) {
    try {
        return analysis::ParsePays(text);
    } catch (const analysis::PaysTextError& error) {
        throw UsageError(std::string("--pays: ") + error.what());
    }
}

StrategyOptions ParseStrategyOptions(const std::vector<std::string_view>& args) {
    StrategyOptions options;
    options.pays = analysis::GamePays();
    if (args.empty()) throw UsageError("no command given (try --help)");
    options.command = ParseCommand(args[0]);
    bool haveHand = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const auto value = [&]() {
            if (i + 1 >= args.size()) throw UsageError(std::string(arg) + " needs a value");
            return args[++i];
        };
        if (arg == "--json") {
            options.json = true;
        } else if (arg == "--pays" && options.command != Command::DealCounts) {
            options.pays = ParsePays(value());
            options.paysGiven = true;
        } else if (arg == "--threads") {
            options.threads = ParseThreads(value());
        } else if (arg == "--ties" && options.command == Command::Return) {
            options.ties = ParseTies(value());
        } else if (arg == "--holds-out" && options.command == Command::Chart) {
            options.holdsOut = std::string(value());
            if (options.holdsOut.empty()) throw UsageError("--holds-out needs a file name");
        } else if (arg == "--lines" && options.command == Command::Chart) {
            options.lines =
                static_cast<int>(ParseWholeNumber(value(), analysis::kMaxChartLines, "--lines"));
            if (options.lines < analysis::kMinChartLines)
                throw UsageError("--lines takes a whole number from 5 (one line per section) to " +
                                 std::to_string(analysis::kMaxChartLines));
        } else if (arg == "--frontier" && options.command == Command::Chart) {
            options.frontier = true;
        } else if (arg == "--bankroll" && options.command == Command::Risk) {
            options.bankroll =
                static_cast<std::int64_t>(ParseWholeNumber(value(), kMaxRiskBets, "--bankroll"));
        } else if (arg == "--hands" && options.command == Command::Risk) {
            options.hands =
                static_cast<std::int64_t>(ParseWholeNumber(value(), kMaxRiskHands, "--hands"));
        } else if (arg == "--goal" && options.command == Command::Risk) {
            options.goal =
                static_cast<std::int64_t>(ParseWholeNumber(value(), kMaxRiskBets, "--goal"));
            if (options.goal < 1) throw UsageError("--goal takes a whole number of bets from 1");
        } else if (arg == "--detail" && options.command == Command::Hold) {
            options.detail = true;
        } else if (arg == "--player" && options.command == Command::History) {
            options.player = std::string(value());
            if (options.player.empty()) throw UsageError("--player needs a name");
        } else if (arg == "--session" && options.command == Command::History) {
            options.session = static_cast<std::int64_t>(
                ParseWholeNumber(value(), std::uint64_t(INT64_MAX), "--session"));
            if (options.session < 1) throw UsageError("--session takes a session number from 1");
        } else if (arg == "--leaks" && options.command == Command::History) {
            options.leaks = true;
        } else if (arg == "--csv" && options.command == Command::History) {
            options.csv = true;
        } else if (arg == "--version") {
            options.command = Command::Version;
        } else if (arg == "--help" || arg == "-h") {
            options.command = Command::Help;
        } else if (options.command == Command::History && options.historyFile.empty() &&
                   !arg.starts_with("--")) {
            options.historyFile = std::string(arg);
        } else if (options.command == Command::Hold && !haveHand && !arg.starts_with("--")) {
            options.dealt = ParseDealt(arg);
            haveHand = true;
        } else {
            throw UsageError("unexpected argument \"" + std::string(arg) + "\"");
        }
    }
    if (options.command == Command::Risk && (options.bankroll < 0 || options.hands < 0))
        throw UsageError("risk needs --bankroll B and --hands N, in whole bets and hands");
    if (options.command == Command::Risk) {
        for (int c = 1; c <= 10; ++c)
            if (options.pays.perCategory[c] % options.pays.unit != 0)
                throw UsageError("risk needs pays in whole bets, without decimals");
    }
    if (options.frontier && (options.lines > 0 || !options.holdsOut.empty()))
        throw UsageError(
            "--frontier lists every size of chart; it takes no --lines or --holds-out");
    if (options.command == Command::History && options.historyFile.empty())
        throw UsageError("history needs the hand history's file, such as History.db");
    if (options.csv && (options.leaks || options.json))
        throw UsageError("--csv prints the hands alone; it takes no --leaks or --json");
    if (options.command == Command::Hold && !haveHand)
        throw UsageError("hold needs the five dealt cards, such as \"Ah 2c 5d 9s Kh\"");
    return options;
}

std::string HelpText() {
    return R"(Usage: deuceswild-strategy COMMAND [OPTIONS]
Exact perfect-play analysis of deuces-wild video poker: the value of every hold, the return
of a pay table, and a strategy chart written for it. Every figure is exact: each hold is
valued over every possible draw, and the game over all 2,598,960 deals.

Commands:
  deal-counts        How many of the 2,598,960 five-card deals fall in each hand category.
  return             The return per unit bet when every deal is played with its best hold,
                     the variance and standard deviation of one hand's pay, and how often
                     each final hand comes up (its probability and its cycle, one in N
                     hands).
  hold "Ah 2c 5d 9s Kh"
                     All 32 holds of a dealt hand with their expected pay per unit bet,
                     best first; holds of equal value share a rank, marked "=". For the
                     game's table, the line of its chart that names each hold.
  chart              A strategy chart for the pay table: hold patterns in sections by the
                     deuces dealt, each with how often it is the line played. Play the
                     first line your hand makes. Its return is found by playing its hold
                     on every deal, and shown beside perfect play with the difference.
  chart --lines N    The cheapest chart found within N lines (5 to 64): the lines of two
                     searches' full charts merged or dropped, the cheapest change first,
                     each chart's cost found by playing it on every deal. Takes some
                     seconds. Without --lines, the cheapest within 64 lines.
  chart --frontier   The cheapest chart within each number of lines, from 5 (one line per
                     section) to the full chart, with each one's exact return and cost.
  risk --bankroll B --hands N [--goal G]
                     Risk of ruin under perfect play (holds of equal value: the lower
                     variance), exact: each hand stakes one bet and returns its pay, from B
                     whole bets, for at most N hands (up to 100,000), stopping when broke or
                     on reaching G bets or more. Gives the chance of going broke, of reaching
                     the goal first, of going broke some day playing on forever (q^B, q the
                     root in (0, 1] of q = sum of p_k q^pay_k), and the bankroll needed for
                     a 1%, 5% and 10% risk of going broke within N hands. Pays must be whole
                     numbers. Time grows with N times G (N times N without a goal): the
                     largest trips take a minute or more.
  history FILE [--player NAME] [--session N] [--pays P] [--leaks | --csv]
                     The session review of the hands in the game's hand history FILE
                     (History.db), read only: every player's hands, one player's, or one
                     session's, at every table or only at the pays P. Its figures, drills
                     left out; with --leaks the mistakes (holds more than 0.01 credit worse
                     than the best) grouped by the chart line of the hold taken and that of
                     the best hold (of the chart of the table P, derived first, or of the
                     game's own), costliest first, in credits for the 5-credit stake (with
                     --json: a list "leaks" of objects with "your_line", "chart_line",
                     "count", "cost" and an "example"); with --csv every column of every
                     hand, drills included, one line per hand under a header.

Options:
  --pays P1,...,P10  ten pays per unit bet for categories 1..10: natural royal flush, four
                     deuces, royal flush with deuces, five of a kind, straight flush, four
                     of a kind, full house, flush, straight, three of a kind. Whole
                     numbers or up to four decimals, without a sign. Default: the game's
                     table, 600,200,25,16,10,4,4,3,2,1.
  --json             print one JSON object instead of text.
  --ties lower-variance|higher-variance
                     for return: of holds of equal value, play the one whose pay spreads
                     less (the default) or more. The return stays the same; the
                     frequencies and the variance may not.
  --holds-out FILE   for chart: write the chart's hold on every deal to FILE, 2,598,960
                     bytes, one per deal in lexicographic order of the card codes
                     c1 < ... < c5 (1..52: spades, diamonds, clubs, hearts, ace to king);
                     bit i is set when the card with the i-th lowest code is kept.
  --lines N          for chart: the most lines the chart may have.
  --frontier         for chart: every chart size from 5 lines to the full chart (with
                     --json: a list "frontier" of objects with "lines", "chart_return" and
                     "cost"; "lines" is the budget, "written_lines" the chart's length).
  --bankroll B, --hands N, --goal G
                     for risk: the bankroll and goal in whole bets (up to 100,000), the
                     hands played.
  --detail           for hold: each hold's final hands, how many of its draws end in each
                     category, their probability and pay.
  --threads N        worker threads, 1..64 (default 2).
  --help             show this text.
  --version          show the program's version.

Cards:
  A rank A, 2-9, T, J, Q, K and a suit s, d, c, h ("Th" is the ten of hearts); deuces are
  wild.

Exit status:
  0 when the output is written; 2 for bad arguments, with one line on stderr; 1 when the
  output cannot be written or another error stops the work, with one line on stderr.
)";
}

std::string VersionText() {
    return "deuceswild-strategy " DW_VERSION "\n";
}

}  // namespace modcards::strategy
