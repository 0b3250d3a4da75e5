// The bankroll's chances, hand by hand, backwards from the trip's end.
#include "engine/analysis/RiskOfRuin.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace modcards::analysis {

namespace {

constexpr double kNegligible = 1e-30;

// One hand earlier: next[b] = sum of p_k cur[b - 1 + pay_k] for b >= 1, with the values at
// and above `size` equal to `outside` (broke: 0, goal reached: 1), next[0] = `atZero`. Only
// bankrolls up to `top` are worked out; the rest stay 0.
void StepBack(const std::vector<PayChance>& chances, const std::vector<double>& cur,
              std::vector<double>& next, std::int64_t top, double outside, double atZero) {
    const auto size = static_cast<std::int64_t>(cur.size());
    std::fill(next.begin(), next.begin() + top + 1, 0.0);
    next[0] = atZero;
    for (const PayChance& chance : chances) {
        // Bankrolls b whose next index b - 1 + pay stays below size.
        const std::int64_t inside = std::min(top, size - chance.pay);
        const double p = chance.probability;
        double* out = next.data();
        const double* in = cur.data();
        const std::int64_t shift = chance.pay - 1;  // b + shift >= 0 for every b >= 1
        for (std::int64_t b = 1; b <= inside; ++b) out[b] += p * in[b + shift];
        if (outside != 0)
            for (std::int64_t b = std::max<std::int64_t>(1, inside + 1); b <= top; ++b)
                out[b] += p * outside;
    }
}

struct Chances {
    std::vector<double> broke, goal;
};

// Broke and goal chances within `hands` from every bankroll below the goal.
Chances WithGoal(const std::vector<PayChance>& chances, std::int64_t hands, std::int64_t goal) {
    const auto size = static_cast<std::size_t>(goal);
    Chances now{std::vector<double>(size, 0.0), std::vector<double>(size, 0.0)};
    now.broke[0] = 1;
    Chances earlier = now;
    for (std::int64_t h = 1; h <= hands; ++h) {
        StepBack(chances, now.broke, earlier.broke, goal - 1, 0, 1);
        StepBack(chances, now.goal, earlier.goal, goal - 1, 1, 0);
        std::swap(now, earlier);
    }
    return now;
}

void CheckChances(const std::vector<PayChance>& chances) {
    for (const PayChance& chance : chances)
        if (chance.pay < 0 || chance.probability < 0)
            throw std::invalid_argument("pays and their chances cannot be negative");
}

}  // namespace

std::vector<PayChance> PayChancesOf(const Pays& pays, const GameAnalysis& game) {
    std::map<std::int64_t, double> byPay;
    for (int c = 0; c < kCategoryCount; ++c) {
        if (pays.perCategory[c] % pays.unit != 0)
            throw std::invalid_argument("the risk of ruin needs every pay in whole bets");
        const double p = game.finalCategory[c].ToDouble();
        if (p > 0) byPay[pays.perCategory[c] / pays.unit] += p;
    }
    std::vector<PayChance> chances;
    for (const auto& [pay, p] : byPay) chances.push_back({pay, p});
    return chances;
}

std::vector<double> BrokeWithin(const std::vector<PayChance>& chances, std::int64_t hands) {
    CheckChances(chances);
    const auto size = static_cast<std::size_t>(hands + 2);
    std::vector<double> now(size, 0.0);
    std::vector<double> earlier(size, 0.0);
    now[0] = 1;
    std::int64_t top = 0;  // above it every chance is negligible
    for (std::int64_t h = 1; h <= hands; ++h) {
        // A hand loses at most one bet, so the highest bankroll at risk grows by one a hand.
        StepBack(chances, now, earlier, top + 1, 0, 1);
        top = std::min<std::int64_t>(top + 1, hands);
        while (top > 0 && earlier[static_cast<std::size_t>(top)] < kNegligible)
            earlier[static_cast<std::size_t>(top--)] = 0;
        std::swap(now, earlier);
    }
    return now;
}

double LongRunRuinBase(const std::vector<PayChance>& chances) {
    CheckChances(chances);
    long double mean = 0;
    for (const PayChance& chance : chances)
        mean += static_cast<long double>(chance.probability) * chance.pay;
    if (mean <= 1) return 1;
    // f(q) = sum of p_k q^pay_k - q is convex with f(0) > 0: Newton's steps from 0 climb to the
    // lower root without passing it.
    long double q = 0;
    for (int step = 0; step < 10000; ++step) {
        long double f = -q;
        long double slope = -1;
        for (const PayChance& chance : chances) {
            const long double p = chance.probability;
            f += p * std::pow(q, static_cast<long double>(chance.pay));
            if (chance.pay > 0)
                slope += p * chance.pay * std::pow(q, static_cast<long double>(chance.pay - 1));
        }
        if (slope >= 0) break;
        const long double next = q - f / slope;
        if (!(next > q)) break;
        q = std::min<long double>(next, 1);
    }
    return static_cast<double>(q);
}

TripRisk AnalyzeTrip(const std::vector<PayChance>& chances, const Trip& trip) {
    if (trip.bankroll < 0 || trip.hands < 0 || trip.goal < 0)
        throw std::invalid_argument("a bankroll, a number of hands and a goal cannot be negative");
    CheckChances(chances);
    TripRisk risk;
    const std::vector<double> broke = BrokeWithin(chances, trip.hands);
    const auto brokeFrom = [&](std::int64_t bankroll) {
        return bankroll < static_cast<std::int64_t>(broke.size())
                   ? broke[static_cast<std::size_t>(bankroll)]
                   : 0.0;
    };
    if (trip.goal > 0 && trip.bankroll >= trip.goal) {
        risk.goal = 1;
    } else if (trip.goal > 0) {
        const Chances within = WithGoal(chances, trip.hands, trip.goal);
        risk.broke = within.broke[static_cast<std::size_t>(trip.bankroll)];
        risk.goal = within.goal[static_cast<std::size_t>(trip.bankroll)];
    } else {
        risk.broke = brokeFrom(trip.bankroll);
    }
    risk.q = LongRunRuinBase(chances);
    risk.longRunRuin =
        trip.bankroll == 0 ? 1 : std::pow(risk.q, static_cast<double>(trip.bankroll));
    for (std::size_t level = 0; level < kRiskLevels.size(); ++level) {
        std::int64_t bankroll = 0;
        while (brokeFrom(bankroll) > kRiskLevels[level]) ++bankroll;
        risk.bankrollFor[level] = bankroll;
    }
    return risk;
}

// Backwards from the trip's end, as AnalyzeTrip: the chances within h hands from every
// bankroll, read at the trip's bankroll after each step.
TripCourse CourseOfTrip(const std::vector<PayChance>& chances, const Trip& trip,
                        const std::function<bool()>& goOn) {
    if (trip.bankroll < 0 || trip.hands < 0 || trip.goal < 0)
        throw std::invalid_argument("a bankroll, a number of hands and a goal cannot be negative");
    CheckChances(chances);
    TripCourse course;
    const auto at = [&trip](const std::vector<double>& from) {
        return trip.bankroll < static_cast<std::int64_t>(from.size())
                   ? from[static_cast<std::size_t>(trip.bankroll)]
                   : 0.0;
    };
    if (trip.goal > 0 && trip.bankroll >= trip.goal) {
        course.broke.assign(static_cast<std::size_t>(trip.hands + 1), 0.0);
        course.goal.assign(static_cast<std::size_t>(trip.hands + 1), 1.0);
        return course;
    }
    const auto size = static_cast<std::size_t>(trip.goal > 0 ? trip.goal : trip.hands + 2);
    Chances now{std::vector<double>(size, 0.0), std::vector<double>(size, 0.0)};
    now.broke[0] = 1;
    Chances earlier = now;
    std::int64_t top = 0;  // without a goal: above it every chance of going broke is negligible
    course.broke.push_back(at(now.broke));
    course.goal.push_back(at(now.goal));
    for (std::int64_t h = 1; h <= trip.hands; ++h) {
        if (goOn && !goOn()) break;
        if (trip.goal > 0) {
            StepBack(chances, now.broke, earlier.broke, trip.goal - 1, 0, 1);
            StepBack(chances, now.goal, earlier.goal, trip.goal - 1, 1, 0);
        } else {
            StepBack(chances, now.broke, earlier.broke, top + 1, 0, 1);
            top = std::min<std::int64_t>(top + 1, trip.hands);
            while (top > 0 && earlier.broke[static_cast<std::size_t>(top)] < kNegligible)
                earlier.broke[static_cast<std::size_t>(top--)] = 0;
        }
        std::swap(now, earlier);
        course.broke.push_back(at(now.broke));
        course.goal.push_back(at(now.goal));
    }
    return course;
}

}  // namespace modcards::analysis
