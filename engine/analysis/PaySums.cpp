// Weighing the category counts of every small card set by one pay table.
#include "engine/analysis/PaySums.h"

#include <stdexcept>

#include "engine/analysis/Parallel.h"

namespace modcards::analysis {

PaySums::PaySums(std::shared_ptr<const CategoryTables> tables, const Pays& pays, unsigned threads)
    : tables_(std::move(tables)), pays_(pays) {
    if (!tables_) throw std::invalid_argument("pay sums need category tables");
    ValidatePays(pays_);
    for (int size = 0; size < kHandSize; ++size) {
        const std::int64_t setCount = kBinomial(kDeckSize, size);
        auto& totals = totals_[size];
        totals.resize(static_cast<std::size_t>(setCount));
        ForEachSlice(setCount, size == kHandSize - 1 ? threads : 1,
                     [&](std::int64_t begin, std::int64_t end) {
                         for (std::int64_t rank = begin; rank < end; ++rank) {
                             CategoryCounts counts{};
                             tables_->AddCounts(size, static_cast<std::int32_t>(rank), 1, counts);
                             std::int64_t total = 0;
                             for (int c = 1; c < kCategoryCount; ++c)
                                 total += counts[c] * pays_.perCategory[c];
                             totals[static_cast<std::size_t>(rank)] = total;
                         }
                     });
    }
}

}  // namespace modcards::analysis
