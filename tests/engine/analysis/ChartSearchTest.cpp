// A chart section's search judged against what its moves do: the return of the section's deals
// played by its lines.
#include <gtest/gtest.h>

#include <random>

#include "engine/analysis/ChartCarves.h"
#include "engine/analysis/ChartSamples.h"
#include "engine/analysis/ChartSearch.h"
#include "engine/analysis/PaySums.h"
#include "tests/engine/analysis/SharedTables.h"

namespace modcards::analysis {
namespace {

// A judgement and a replay sum the same changes over thousands of deals in different orders.
constexpr double kSums = 1e-12;

// Not So Ugly Ducks: among its early carves are parts whose line's rest comes before the part's
// deals' next line, where judging the places goes wrong most easily.
Pays NotSoUglyDucks() {
    return PaysPerUnit({800, 200, 25, 16, 10, 4, 4, 3, 2, 1});
}

// Carves and merges change the return by what they were judged to, and lines moving after them
// only ever add to it.
TEST(ChartSearch, EachMoveChangesTheReturnByWhatItWasJudgedTo) {
    const PaySums sums(SharedTables(), NotSoUglyDucks());
    const ChartSections sections = CollectChartSections(sums, 2);
    int carves = 0;
    int merges = 0;
    for (int deuces = 0; deuces < kChartSections; ++deuces) {
        SectionSearch search(sections[static_cast<std::size_t>(deuces)], deuces, 2);
        // The likeliest line first, as a chart grows.
        for (int step = 0; step < 40; ++step) {
            const SectionSearch::Likeliest likeliest = search.LikeliestCarve();
            if (likeliest.id < 0 || likeliest.gain <= 0) break;
            const Carve carve = search.BestCarveOf(likeliest.id, 0);
            if (carve.gain <= 0) continue;
            const double before = search.Return();
            const double made = search.Apply(carve);
            EXPECT_NEAR(made, carve.gain, kSums) << deuces << " deuces, carve " << step;
            EXPECT_GE(search.Return() - before, made - kSums) << deuces << " deuces";
            ++carves;
        }
        for (int step = 0; step < 4; ++step) {
            const Merge merge = search.CheapestMerge();
            if (merge.gain == kNone) break;
            const double before = search.Return();
            const double made = search.Apply(merge);
            EXPECT_NEAR(made, merge.gain, kSums) << deuces << " deuces, merge " << step;
            EXPECT_GE(search.Return() - before, made - kSums) << deuces << " deuces";
            ++merges;
        }
    }
    EXPECT_GT(carves, 20);
    EXPECT_GT(merges, 10);
}

// A line at place 3 among 9, its deals made up: each with one to four options of a dozen
// patterns, and a next line above or below the carved one.
struct MadeUpLine {
    static constexpr int kPlace = 3;
    static constexpr int kLines = 9;
    Gathered gathered;

    explicit MadeUpLine(unsigned seed) {
        std::mt19937 random(seed);
        const auto below = [&random](int n) { return static_cast<int>(random() % unsigned(n)); };
        std::uniform_real_distribution<double> value(0, 1e-3);
        for (int pattern = 0; pattern < 12; ++pattern) {
            gathered.details.emplace_back();
            for (auto& detail : gathered.details.back())
                detail = static_cast<std::uint8_t>(below(6));
        }
        for (int deal = 0; deal < 400; ++deal) {
            gathered.deals.push_back(deal);
            const int options = 1 + below(4);
            for (int o = 0; o < options; ++o) {
                gathered.options.push_back({0, 0, value(random)});
                gathered.patternOf.push_back(below(12));
            }
            gathered.optionStart.push_back(gathered.options.size());
            int other = below(kLines - 1);
            gathered.otherPlace.push_back(other < kPlace ? other : other + 1);
            gathered.otherId.push_back(0);
            gathered.otherValue.push_back(value(random));
            gathered.current.push_back(value(random));
        }
    }

    // Parts narrowing one or two details each.
    static std::vector<Part> Parts(unsigned seed, int count) {
        std::mt19937 random(seed);
        std::vector<Part> parts;
        for (int p = 0; p < count; ++p) {
            Part part{AllRanges(), 0};
            for (int narrowed = 0; narrowed <= p % 2; ++narrowed) {
                const int d = static_cast<int>(random() % kDetailCount);
                const auto low = static_cast<std::uint8_t>(random() % 6);
                part.ranges[d] = {low, static_cast<std::uint8_t>(low + random() % 3)};
                part.narrowed |= 1u << d;
            }
            parts.push_back(part);
        }
        return parts;
    }

    // The part inserted at each place in turn, every deal played afresh: the part when it comes
    // no later than the deal's next line, the rest of the line being that when it comes first.
    Placement Reckoned(const Part& part) const {
        Placement best;
        for (int at = 0; at <= kLines; ++at) {
            double gain = 0;
            for (std::size_t i = 0; i < gathered.size(); ++i) {
                const PlayOption* moving = nullptr;
                const PlayOption* staying = nullptr;
                for (std::size_t o = gathered.optionStart[i]; o < gathered.optionStart[i + 1];
                     ++o) {
                    const auto pattern = static_cast<std::size_t>(gathered.patternOf[o]);
                    const PlayOption*& side =
                        part.Holds(gathered.details[pattern]) ? moving : staying;
                    if (!side) side = &gathered.options[o];
                }
                int next = gathered.otherPlace[i];
                double nextValue = gathered.otherValue[i];
                if (staying && kPlace < next) {
                    next = kPlace;
                    nextValue = staying->value;
                }
                gain += (moving && at <= next ? moving->value : nextValue) - gathered.current[i];
            }
            if (gain > best.gain) best = {at, gain};
        }
        return best;
    }
};

TEST(ChartCarves, EachPartGoesWhereAPlaceByPlaceReckoningPutsIt) {
    for (const unsigned seed : {1u, 2u, 3u}) {
        const MadeUpLine line(seed);
        // A full block, and one of a few parts.
        for (const int count : {static_cast<int>(kPartsAtOnce), 7}) {
            const std::vector<Part> parts = MadeUpLine::Parts(seed, count);
            const std::vector<Placement> judged =
                JudgeCarves(line.gathered, MadeUpLine::kPlace, MadeUpLine::kLines, parts);
            ASSERT_EQ(judged.size(), parts.size());
            for (std::size_t p = 0; p < parts.size(); ++p) {
                const Placement reckoned = line.Reckoned(parts[p]);
                EXPECT_EQ(judged[p].place, reckoned.place) << "seed " << seed << ", part " << p;
                EXPECT_NEAR(judged[p].gain, reckoned.gain, kSums)
                    << "seed " << seed << ", part " << p;
            }
        }
    }
}

}  // namespace
}  // namespace modcards::analysis
