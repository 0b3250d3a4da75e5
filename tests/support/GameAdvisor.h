// The hold advisor of the game's own pay table, built once for a test or benchmark program.
#pragma once

#include "engine/analysis/HoldAdvisor.h"
#include "engine/analysis/Pays.h"

inline const modcards::analysis::HoldAdvisor& GameAdvisor() {
    static const modcards::analysis::HoldAdvisor advisor(modcards::analysis::GamePays());
    return advisor;
}
