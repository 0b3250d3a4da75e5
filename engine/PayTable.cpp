// The stake and the pay of each paying hand.
#include "engine/PayTable.h"

namespace modcards {

void InitTables(PayTable& table) {
    table = PayTable{5, 3000, 1000, 125, 80, 50, 20, 20, 15, 10, 5};
}

PayTable GamePayTable() {
    PayTable table{};
    InitTables(table);
    return table;
}

int PayOf(const PayTable& table, HandCategory code) {
    if (code <= kNoPayingHand || code >= kCategoryCount) return 0;
    return table[std::size_t(code)];
}

}  // namespace modcards
