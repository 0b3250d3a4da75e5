// Splitting a range of work over a few threads, each taking one contiguous slice.
#pragma once

#include <algorithm>
#include <cstdint>
#include <thread>
#include <vector>

namespace modcards::analysis {

// Calls work(begin, end) on `threads` threads (at least one) for slices covering 0..count.
// The calling thread does the last slice itself. `work` must not throw.
template <typename Work>
void ForEachSlice(std::int64_t count, unsigned threads, const Work& work) {
    const std::int64_t slices = std::max<std::int64_t>(1, std::min<std::int64_t>(threads, count));
    std::vector<std::jthread> helpers;
    helpers.reserve(static_cast<std::size_t>(slices - 1));
    for (std::int64_t s = 0; s < slices; ++s) {
        const std::int64_t begin = count * s / slices;
        const std::int64_t end = count * (s + 1) / slices;
        if (s + 1 < slices)
            helpers.emplace_back([&work, begin, end] { work(begin, end); });
        else
            work(begin, end);
    }
}

// Calls work(i) for each i in 0..count on `threads` threads, each taking every threads-th i: the
// first items, often the largest, go to different threads.
template <typename Work>
void ForEachInterleaved(std::int64_t count, unsigned threads, const Work& work) {
    const std::int64_t stride = std::max<std::int64_t>(1, threads);
    ForEachSlice(stride, threads, [&](std::int64_t begin, std::int64_t end) {
        for (std::int64_t first = begin; first < end; ++first)
            for (std::int64_t i = first; i < count; i += stride) work(i);
    });
}

}  // namespace modcards::analysis
