// The player's play as scaled perfect play.
#include "engine/analysis/MeasuredPlay.h"

#include <algorithm>

namespace modcards::analysis {

std::vector<PayChance> WithMeasuredCost(const std::vector<PayChance>& perfect, double costPerBet) {
    double mean = 0;
    for (const PayChance& chance : perfect) mean += chance.probability * double(chance.pay);
    if (!(costPerBet > 0) || mean <= 0) return perfect;
    const double keep = std::max(0.0, 1 - costPerBet / mean);
    std::vector<PayChance> scaled{{0, 0}};
    for (const PayChance& chance : perfect) {
        if (chance.pay == 0) {
            scaled.front().probability += chance.probability;
        } else {
            scaled.push_back({chance.pay, chance.probability * keep});
            scaled.front().probability += chance.probability * (1 - keep);
        }
    }
    return scaled;
}

}  // namespace modcards::analysis
