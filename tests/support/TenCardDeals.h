// Deals the tests script, ten cards each: the five dealt, then the replacements for positions
// 0..4, in the order ScriptedDeck and ScriptedDeals read them.
#pragma once

#include <string_view>

// Nothing pays and nothing is worth much: the chart throws all five away.
inline constexpr std::string_view kNothing = "3c 5d 7h 9s Jc As Kd Qs 8h Ts";
// One deuce with the king and queen of hearts: keep Kh 2c Qh. Keeping Kh 7s gives up 5.45
// credits on average; keeping the king alone is a mistake.
inline constexpr std::string_view kDeuce = "Kh 2c Qh 7s 5d 3c 5h 9s 7c 8d";
// No deuce, three nines; held 9 9 9, the draw brings the fourth.
inline constexpr std::string_view kTrips = "9c 9d 4s 9h Kd 3c 5h 9s 7c 8d";
// The chart keeps 2h 2c 4s 6s; perfect play keeps the deuces, 0.17 credit more.
inline constexpr std::string_view kChartErrs = "2h 2c 4s 6s 9d 3c 5h 9s 7c 8d";
// Best: keep 2c alone, 5 * 178547/178365 credits; the four to a straight 5c 6h 2c 7s pays
// exactly 5, half a hundredth less: a close call.
inline constexpr std::string_view kCloseCall = "Qd 5c 6h 2c 7s 5s 2d 9h 9c Th";
