// Worker threads whose work is no longer wanted: each is asked to stop when retired and joined
// on the owner's thread as soon as it ends, so that a player trying table after table keeps no
// thread alive for the tables left.
#pragma once

#include <QObject>
#include <cstddef>
#include <thread>
#include <vector>

class RetiredThreads {
public:
    RetiredThreads() = default;
    ~RetiredThreads();  // stops and joins those still running
    RetiredThreads(const RetiredThreads&) = delete;
    RetiredThreads& operator=(const RetiredThreads&) = delete;

    void Retire(std::jthread thread);
    // A worker's last call, on its own thread, retired or not yet: once it is retired and has
    // ended, it is joined by the owner's event loop.
    void Finished();
    // Retired threads not joined yet.
    std::size_t Count() const { return threads_.size(); }

private:
    void Ended(std::thread::id id);

    QObject context_;  // queued calls run on the owner's thread, and go with this object
    std::vector<std::jthread> threads_;
    std::vector<std::thread::id> ended_;  // workers that ended before they were retired
};
