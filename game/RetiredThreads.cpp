// Joining workers left behind as soon as they end.
#include "game/RetiredThreads.h"

#include <QMetaObject>
#include <algorithm>

RetiredThreads::~RetiredThreads() {
    // Joined before the context goes: a worker ending now still posts to it.
    for (std::jthread& thread : threads_) thread.request_stop();
    for (std::jthread& thread : threads_) thread.join();
}

void RetiredThreads::Retire(std::jthread thread) {
    thread.request_stop();
    const auto ended = std::find(ended_.begin(), ended_.end(), thread.get_id());
    if (ended != ended_.end()) {
        ended_.erase(ended);
        thread.join();  // past its last call already
        return;
    }
    threads_.push_back(std::move(thread));
}

void RetiredThreads::Finished() {
    QMetaObject::invokeMethod(
        &context_, [this, id = std::this_thread::get_id()] { Ended(id); }, Qt::QueuedConnection);
}

void RetiredThreads::Ended(std::thread::id id) {
    const auto retired =
        std::find_if(threads_.begin(), threads_.end(),
                     [id](const std::jthread& thread) { return thread.get_id() == id; });
    if (retired == threads_.end()) {
        ended_.push_back(id);  // still the owner's worker
        return;
    }
    retired->join();
    threads_.erase(retired);
}
