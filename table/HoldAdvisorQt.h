// The hold advisor for code that also sees Qt: its RankedHold::slots would meet Qt's `slots`
// keyword, which is put aside while the header is read.
#pragma once

#pragma push_macro("slots")
#undef slots
#include "engine/analysis/HoldAdvisor.h"
#pragma pop_macro("slots")
