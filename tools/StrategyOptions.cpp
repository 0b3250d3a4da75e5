// Reading the command line of deuceswild-strategy.
#include "tools/StrategyOptions.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "engine/CardText.h"

namespace modcards::strategy {

namespace {

constexpr int kMaxDecimals = 4;

struct PayText {
    std::int64_t digits = 0;  // the number with its decimal point taken out
    int decimals = 0;
};

PayText ParseOnePay(std::string_view text) {
    PayText pay;
    const std::size_t point = text.find('.');
    std::string whole(text.substr(0, point));
    if (point != std::string_view::npos) {
        const std::string_view fraction = text.substr(point + 1);
        pay.decimals = static_cast<int>(fraction.size());
        whole += fraction;
        if (pay.decimals == 0 || pay.decimals > kMaxDecimals)
            throw UsageError("pay \"" + std::string(text) + "\" needs 1 to 4 decimals after '.'");
    }
    const char* end = whole.data() + whole.size();
    const auto [stop, error] = std::from_chars(whole.data(), end, pay.digits);
    if (whole.empty() || whole.front() == '-' || error != std::errc() || stop != end)
        throw UsageError("pay \"" + std::string(text) + "\" is not a number of at least 0");
    if (pay.digits > analysis::kMaxPay)
        throw UsageError("pay \"" + std::string(text) + "\" is too large");
    return pay;
}

std::int64_t PowerOfTen(int exponent) {
    std::int64_t power = 1;
    for (int i = 0; i < exponent; ++i) power *= 10;
    return power;
}

Hand ParseDealt(std::string_view text) {
    try {
        return ParseHand(text);
    } catch (const std::exception& error) {
        throw UsageError("bad hand \"" + std::string(text) + "\": " + error.what());
    }
}

unsigned ParseThreads(std::string_view text) {
    unsigned threads = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), threads);
    if (error != std::errc() || stop != text.data() + text.size() || threads < 1 || threads > 64)
        throw UsageError("--threads takes a whole number from 1 to 64");
    return threads;
}

Command ParseCommand(std::string_view word) {
    if (word == "deal-counts") return Command::DealCounts;
    if (word == "return") return Command::Return;
    if (word == "hold") return Command::Hold;
    if (word == "help" || word == "--help" || word == "-h") return Command::Help;
    throw UsageError("unknown command \"" + std::string(word) +
                     "\" (try deal-counts, return, hold or --help)");
}

}  // namespace

analysis::Pays ParsePays(std::string_view text) {
    std::vector<PayText> parsed;
    std::size_t at = 0;
    while (true) {
        const std::size_t comma = text.find(',', at);
        parsed.push_back(ParseOnePay(text.substr(at, comma - at)));
        if (comma == std::string_view::npos) break;
        at = comma + 1;
    }
    if (parsed.size() != 10)
        throw UsageError("--pays takes ten pays separated by commas, got " +
                         std::to_string(parsed.size()));
    int decimals = 0;
    for (const auto& pay : parsed) decimals = std::max(decimals, pay.decimals);
    analysis::Pays pays;
    pays.unit = PowerOfTen(decimals);
    for (int c = 1; c <= 10; ++c) {
        const PayText& pay = parsed[static_cast<std::size_t>(c - 1)];
        pays.perCategory[c] = pay.digits * PowerOfTen(decimals - pay.decimals);
        if (pays.perCategory[c] > analysis::kMaxPay)
            throw UsageError("pay " + std::to_string(c) + " is too large");
    }
    return pays;
}

StrategyOptions ParseStrategyOptions(const std::vector<std::string_view>& args) {
    StrategyOptions options;
    PayTable game{};
    InitTables(game);
    options.pays = analysis::GamePays(game);
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
        } else if (arg == "--threads") {
            options.threads = ParseThreads(value());
        } else if (arg == "--help" || arg == "-h") {
            options.command = Command::Help;
        } else if (options.command == Command::Hold && !haveHand && !arg.starts_with("--")) {
            options.dealt = ParseDealt(arg);
            haveHand = true;
        } else {
            throw UsageError("unexpected argument \"" + std::string(arg) + "\"");
        }
    }
    if (options.command == Command::Hold && !haveHand)
        throw UsageError("hold needs the five dealt cards, such as \"Ah 2c 5d 9s Kh\"");
    return options;
}

std::string HelpText() {
    return R"(deuceswild-strategy: exact perfect-play analysis of deuces-wild video poker.

Usage:
  deuceswild-strategy deal-counts [--json]
      How many of the 2,598,960 five-card deals fall in each hand category (0..10).
  deuceswild-strategy return [--pays P1,...,P10] [--json]
      The exact return per unit bet when every deal is played with its best hold, and how
      often each final hand category comes up.
  deuceswild-strategy hold "Ah 2c 5d 9s Kh" [--pays P1,...,P10] [--json]
      All 32 holds of a dealt hand with their exact expected pay per unit bet, best first;
      holds of equal value share a rank, marked "=".

Options:
  --pays P1,...,P10  ten pays per unit bet for categories 1..10: natural royal flush, four
                     deuces, royal flush with deuces, five of a kind, straight flush, four of
                     a kind, full house, flush, straight, three of a kind. Whole numbers or up
                     to four decimals. Default: the game's table, 600,200,25,16,10,4,4,3,2,1.
  --json             print one JSON object instead of text.
  --threads N        worker threads, 1..64 (default 2).
  --help             this text.

Cards: a rank A, 2-9, T, J, Q, K and a suit s, d, c, h ("Th" is the ten of hearts); deuces
are wild. Bad arguments print one line on stderr and exit with status 2.
)";
}

}  // namespace modcards::strategy
