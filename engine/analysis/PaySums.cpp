// Weighing the category counts of every small card set by one pay table.
#include "engine/analysis/PaySums.h"

#include <stdexcept>

namespace modcards::analysis {

PaySums::PaySums(std::shared_ptr<const CategoryTables> tables, const Pays& pays)
    : tables_(std::move(tables)), pays_(pays) {
    if (!tables_) throw std::invalid_argument("pay sums need category tables");
    ValidatePays(pays_);
    for (int size = 0; size < kHandSize; ++size) {
        const auto setCount = static_cast<std::int32_t>(kBinomial(kDeckSize, size));
        auto& totals = totals_[size];
        totals.resize(static_cast<std::size_t>(setCount));
        for (std::int32_t rank = 0; rank < setCount; ++rank) {
            CategoryCounts counts{};
            tables_->AddCounts(size, rank, 1, counts);
            std::int64_t total = 0;
            for (int c = 1; c < kCategoryCount; ++c) total += counts[c] * pays_.perCategory[c];
            totals[static_cast<std::size_t>(rank)] = total;
        }
    }
}

}  // namespace modcards::analysis
