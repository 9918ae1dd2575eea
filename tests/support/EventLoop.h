#pragma once
// An event loop for core tests whose code hands work to its own thread by queued calls.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <functional>

namespace hvx::test {

inline void EnsureEventLoop()
{
    static int argc = 1;
    static char name[] = "hvx_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
}

// Runs the event loop until done() holds; false after the time-out.
inline bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs = 5000)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

} // namespace hvx::test
