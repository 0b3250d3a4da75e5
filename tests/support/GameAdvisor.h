// The hold advisor of the game's own pay table, built once for a test or benchmark program.
#pragma once

#include <memory>

#include "engine/analysis/HoldAdvisor.h"
#include "engine/analysis/Pays.h"

inline const modcards::analysis::HoldAdvisor& GameAdvisor() {
    static const modcards::analysis::HoldAdvisor advisor(modcards::analysis::GamePays());
    return advisor;
}

// The same advisor where a window shares it: kept for the whole run, never deleted.
inline std::shared_ptr<const modcards::analysis::HoldAdvisor> SharedGameAdvisor() {
    return {&GameAdvisor(), [](const modcards::analysis::HoldAdvisor*) {}};
}
