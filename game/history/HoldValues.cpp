// Hold values read off the advisor's ranking.
#include "game/history/HoldValues.h"

#include <algorithm>
#include <stdexcept>

namespace history {
namespace {

using modcards::analysis::RankedHold;

// Both counts are whole numbers far below 2^53, so the one division is correctly rounded.
double MeanPay(const RankedHold& hold) {
    return static_cast<double>(hold.totalPay) / static_cast<double>(hold.drawCount);
}

}  // namespace

std::optional<HoldValues> ValueHold(const modcards::analysis::HoldAdvisor& advisor,
                                    const modcards::Hand& dealt, HeldSlots held) {
    if (held > 0x1F) return std::nullopt;
    std::array<RankedHold, modcards::analysis::kHoldCount> ranked;
    try {
        ranked = advisor.RankHolds(dealt);
    } catch (const std::invalid_argument&) {
        return std::nullopt;
    }
    const auto taken = std::find_if(ranked.begin(), ranked.end(),
                                    [&](const RankedHold& hold) { return hold.keptSlots == held; });
    return HoldValues{MeanPay(*taken), MeanPay(ranked.front()), ranked.front().keptSlots};
}

}  // namespace history
