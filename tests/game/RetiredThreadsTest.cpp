// Workers of tables left behind: joined as soon as they end, whether they end after being
// retired or had ended before.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <atomic>
#include <condition_variable>
#include <mutex>

#include "game/RetiredThreads.h"
#include "tests/support/RunUntil.h"

namespace {

TEST(RetiredThreads, AWorkerIsJoinedAsSoonAsItEndsAndNotBefore) {
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    RetiredThreads retired;

    // Stopped when retired, the worker ends and is joined by the event loop.
    std::mutex mutex;
    std::condition_variable_any told;
    std::jthread stopping([&](std::stop_token stop) {
        std::unique_lock lock(mutex);
        told.wait(lock, stop, [] { return false; });
        retired.Finished();
    });
    retired.Retire(std::move(stopping));
    RunUntil([&] { return retired.Count() == 0; });

    // Ended while still the owner's worker: retiring it joins it at once.
    std::atomic<bool> ended = false;
    std::jthread finished([&] {
        retired.Finished();
        ended = true;
        ended.notify_one();
    });
    ended.wait(false);
    QCoreApplication::processEvents();  // its end, posted before `ended` was set
    retired.Retire(std::move(finished));
    EXPECT_EQ(retired.Count(), 0u);

    // Still running when retired (it ignores the stop): kept until it ends.
    std::atomic<bool> release = false;
    std::jthread busy([&] {
        while (!release) std::this_thread::yield();
        retired.Finished();
    });
    retired.Retire(std::move(busy));
    QCoreApplication::processEvents();
    EXPECT_EQ(retired.Count(), 1u);
    release = true;
    RunUntil([&] { return retired.Count() == 0; });
}

}  // namespace
