// For one pay table, the total pay of all hands that contain each set of 0..5 cards.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/analysis/CategoryTables.h"
#include "engine/analysis/Pays.h"

namespace modcards::analysis {

// Read-only once built; safe to share between threads.
class PaySums {
public:
    // Throws std::invalid_argument for pays that ValidatePays rejects, or null tables. The
    // sums are spread over `threads` threads (at least one): a few milliseconds.
    PaySums(std::shared_ptr<const CategoryTables> tables, const Pays& pays, unsigned threads = 1);

    // Sum of perCategory over the hands containing the set of `size` (0..5) cards of colex
    // rank `rank`, in the pays' units.
    std::int64_t Total(int size, std::int32_t rank) const {
        if (size == kHandSize) return pays_.perCategory[tables_->CategoryOf(rank)];
        return totals_[size][static_cast<std::size_t>(rank)];
    }

    const Pays& pays() const { return pays_; }
    const CategoryTables& tables() const { return *tables_; }
    // The same tables, to share with sums of another pay table.
    std::shared_ptr<const CategoryTables> sharedTables() const { return tables_; }

private:
    std::shared_ptr<const CategoryTables> tables_;
    Pays pays_;
    std::array<std::vector<std::int64_t>, kHandSize> totals_;  // sizes 0..4
};

}  // namespace modcards::analysis
