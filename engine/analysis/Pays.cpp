// Building and checking analysis pay tables.
#include "engine/analysis/Pays.h"

#include <stdexcept>
#include <string>

namespace modcards::analysis {

Pays GamePays() {
    return GamePays(GamePayTable());
}

Pays GamePays(const PayTable& table) {
    Pays pays;
    for (int c = 1; c < kCategoryCount; ++c) pays.perCategory[c] = table[c];
    pays.unit = table[0];
    ValidatePays(pays);
    return pays;
}

Pays PaysPerUnit(const std::array<std::int64_t, 10>& perUnit) {
    Pays pays;
    for (int c = 1; c < kCategoryCount; ++c) pays.perCategory[c] = perUnit[c - 1];
    ValidatePays(pays);
    return pays;
}

void ValidatePays(const Pays& pays) {
    if (pays.perCategory[0] != 0)
        throw std::invalid_argument("a hand that makes nothing cannot pay");
    for (int c = 1; c < kCategoryCount; ++c) {
        if (pays.perCategory[c] < 0 || pays.perCategory[c] > kMaxPay)
            throw std::invalid_argument("the pay of category " + std::to_string(c) +
                                        " must lie between 0 and " + std::to_string(kMaxPay));
    }
    if (pays.unit < 1 || pays.unit > kMaxPay)
        throw std::invalid_argument("the bet unit must lie between 1 and " +
                                    std::to_string(kMaxPay));
}

}  // namespace modcards::analysis
