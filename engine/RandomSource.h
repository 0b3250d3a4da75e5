// Where a deal's randomness comes from: passed in, so deals can be replayed in tests.
#pragma once

#include <memory>

namespace modcards {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Called once at the start of every deal, before its first draw.
    virtual void Reseed() = 0;
    // A uniform single-precision value u with 0 <= u < 1 (never 1).
    virtual float Next() = 0;
};

// The game's source: reseeds from the clock mixed with the system's entropy at every deal.
std::unique_ptr<RandomSource> MakeClockSeededRandom();

}  // namespace modcards
