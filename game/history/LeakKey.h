// A leak group's name: the chart line the player's hold fits, and the line of the best hold.
#pragma once

#include <compare>

namespace history {

// A line index into the chart's Lines(), or kNoChartLine for a hold no line covers.
inline constexpr int kNoChartLine = -1;

struct LeakKey {
    int yourLine = kNoChartLine;
    int chartLine = kNoChartLine;
    friend auto operator<=>(const LeakKey&, const LeakKey&) = default;
};

}  // namespace history
