// The game's random source: a Mersenne twister reseeded from the clock and the system's entropy.
#include <chrono>
#include <cstdint>
#include <random>

#include "engine/RandomSource.h"

namespace modcards {

namespace {

class ClockSeededRandom final : public RandomSource {
public:
    // The clock alone would repeat a deal made within one clock tick; the entropy
    // words make two reseeds in the same tick differ.
    void Reseed() override {
        const auto ticks = static_cast<std::uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count());
        std::seed_seq seed{static_cast<std::uint32_t>(ticks),
                           static_cast<std::uint32_t>(ticks >> 32), entropy_(), entropy_()};
        engine_.seed(seed);
    }

    // 24 random bits scaled by 2^-24: every value is a float in [0, 1), and 1 is impossible.
    float Next() override {
        constexpr float kScale = 1.0f / 16777216.0f;
        return static_cast<float>(engine_() >> 8) * kScale;
    }

private:
    std::random_device entropy_;
    std::mt19937 engine_;
};

}  // namespace

std::unique_ptr<RandomSource> MakeClockSeededRandom() {
    return std::make_unique<ClockSeededRandom>();
}

}  // namespace modcards
