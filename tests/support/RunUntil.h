// Waiting in a test for what a worker thread hands to the event loop.
#pragma once

#include <QCoreApplication>
#include <QEventLoop>

// Runs the events until `done`; the ctest timeout is the only limit. `done` must turn true only
// as an event is handled, or the wait for more events may never end.
template <typename Done>
void RunUntil(Done done) {
    while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
