// A RandomSource that gives the same numbers on every machine for a given seed.
#pragma once

#include <random>

#include "engine/RandomSource.h"

class SeededRandom final : public modcards::RandomSource {
public:
    explicit SeededRandom(unsigned seed) : engine_(seed) {}
    void Reseed() override {}
    float Next() override { return float(engine_() >> 8) / 16777216.0f; }

private:
    std::mt19937 engine_;
};
