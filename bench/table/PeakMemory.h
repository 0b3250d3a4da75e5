// Reports a start-up point: milliseconds since main() began and the peak resident memory.
#pragma once

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

inline void ReportAndQuit(std::chrono::steady_clock::time_point mainStarted) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto elapsed =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - mainStarted);
    std::printf("in_main_ms %.2f\npeak_rss_kb %ld\n", elapsed.count(), usage.ru_maxrss);
    std::fflush(stdout);
    // Ends here on purpose: what is measured is the way to this point, not the teardown.
    std::_Exit(0);
}
