// Judging carves: each part's sums kept side by side, in the order a part alone would add them.
#include "engine/analysis/ChartCarves.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace modcards::analysis {
namespace {

// At most kPartsAtOnce parts: one bit of a mask for each.
std::vector<Placement> JudgeBlock(const Gathered& gathered, int place, int lineCount,
                                  std::span<const Part> parts) {
    // Bit p of a pattern's mask: part p holds the pattern.
    std::vector<std::uint64_t> holders(gathered.details.size());
    for (std::size_t pattern = 0; pattern < holders.size(); ++pattern)
        for (std::size_t p = 0; p < parts.size(); ++p)
            if (parts[p].Holds(gathered.details[pattern]))
                holders[pattern] |= std::uint64_t{1} << p;
    const std::uint64_t every =
        parts.size() == kPartsAtOnce ? ~std::uint64_t{0} : (std::uint64_t{1} << parts.size()) - 1;
    // Each part's gains as PlaceGains keeps them, side by side: what every place gains, and a row
    // of differences from one place to the next.
    const auto count = static_cast<std::size_t>(lineCount);
    const std::size_t row = count + 2;
    std::array<double, kPartsAtOnce> constant{};
    std::vector<double> diffs(parts.size() * row);
    std::array<double, kPartsAtOnce> moving{};
    std::array<double, kPartsAtOnce> staying{};
    std::array<double, kPartsAtOnce> nextOf{};
    for (std::size_t i = 0; i < gathered.size(); ++i) {
        // Options come kept first: each side of each part keeps the first of its own. The first
        // option takes one side of every part; later ones only fill the other sides.
        const std::size_t start = gathered.optionStart[i];
        const double first = gathered.options[start].value;
        const std::uint64_t firstHeld =
            holders[static_cast<std::size_t>(gathered.patternOf[start])];
        std::uint64_t unmoved = every & ~firstHeld;
        std::uint64_t unstayed = every & firstHeld;
        for (std::size_t o = start + 1;
             o < gathered.optionStart[i + 1] && (unmoved | unstayed) != 0; ++o) {
            const std::uint64_t held = holders[static_cast<std::size_t>(gathered.patternOf[o])];
            const double value = gathered.options[o].value;
            for (std::uint64_t bits = unmoved & held; bits != 0; bits &= bits - 1)
                moving[static_cast<std::size_t>(std::countr_zero(bits))] = value;
            for (std::uint64_t bits = unstayed & ~held; bits != 0; bits &= bits - 1)
                staying[static_cast<std::size_t>(std::countr_zero(bits))] = value;
            unmoved &= ~held;
            unstayed &= held;
        }
        const int otherPlace = gathered.otherPlace[i];
        const double otherValue = gathered.otherValue[i];
        const double current = gathered.current[i];
        // Where the rest of the line comes before the deal's next line, the rest is its next.
        const std::uint64_t restFirst = place < otherPlace ? every & ~unstayed : 0;
        for (std::size_t p = 0; p < parts.size(); ++p) {
            const bool firstMoves = (firstHeld >> p & 1) != 0;
            const double next =
                (restFirst >> p & 1) != 0 ? (firstMoves ? staying[p] : first) : otherValue;
            nextOf[p] = next;
            constant[p] += next - current;
        }
        // Only the parts that keep some of the deal's holds change with the place.
        const auto otherLast = static_cast<std::size_t>(std::min(otherPlace, lineCount));
        for (std::uint64_t bits = every & ~unmoved; bits != 0; bits &= bits - 1) {
            const auto p = static_cast<std::size_t>(std::countr_zero(bits));
            const double change = ((firstHeld >> p & 1) != 0 ? first : moving[p]) - nextOf[p];
            const std::size_t last =
                (restFirst >> p & 1) != 0 ? static_cast<std::size_t>(place) : otherLast;
            double* differences = &diffs[p * row];
            differences[0] += change;
            differences[last + 1] -= change;
        }
    }
    std::vector<Placement> placed;
    for (std::size_t p = 0; p < parts.size(); ++p)
        placed.push_back(PlaceGains::Best(constant[p], std::span(diffs).subspan(p * row, row)));
    return placed;
}

}  // namespace

std::vector<Placement> JudgeCarves(const Gathered& gathered, int place, int lineCount,
                                   std::span<const Part> parts) {
    std::vector<Placement> placed;
    placed.reserve(parts.size());
    for (std::size_t first = 0; first < parts.size(); first += kPartsAtOnce) {
        const std::vector<Placement> block =
            JudgeBlock(gathered, place, lineCount,
                       parts.subspan(first, std::min(kPartsAtOnce, parts.size() - first)));
        placed.insert(placed.end(), block.begin(), block.end());
    }
    return placed;
}

}  // namespace modcards::analysis
