// The category tables and pay tables the analysis tests share.
#pragma once

#include <memory>

#include "engine/analysis/CategoryTables.h"
#include "engine/analysis/Pays.h"

namespace modcards::analysis {

// Built on first use and kept for the rest of the test run.
inline std::shared_ptr<const CategoryTables> SharedTables() {
    static const std::shared_ptr<const CategoryTables> tables = CategoryTables::Build(2);
    return tables;
}

// The published full-pay table, 100.76% under perfect play.
inline Pays FullPays() {
    return PaysPerUnit({800, 200, 25, 15, 9, 5, 3, 2, 2, 1});
}

}  // namespace modcards::analysis
