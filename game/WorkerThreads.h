// The threads each piece of the game's background work (perfect-play tables, charts, bankroll
// figures) takes: the machine is shared with the window, and two finish each piece in seconds.
#pragma once

inline constexpr unsigned kWorkerThreads = 2;
