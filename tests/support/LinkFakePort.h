#pragma once
// A serial port under the test's control, for what a real line cannot be made to do on cue:
// deliver received bytes in chunks of a chosen size, hold the receive thread in its wait, or
// make single writes slow; every write is stamped with when it began and when its bytes had left.

#include "link/SerialPort.h"

#include <QByteArray>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace hvxtest {

class LinkFakePort final : public hvx::ISerialPort {
public:
    using Clock = std::chrono::steady_clock;
    struct WriteStamp {
        Clock::time_point begun; // write() was called
        Clock::time_point left;  // write() returned, or a drain() after it did
    };

    struct Shared {
        std::mutex mutex;
        std::condition_variable changed;
        std::deque<QByteArray> incoming; // each entry is read as one chunk
        QByteArray written;
        bool open = false;
        int opens = 0;
        bool closed = false;
        // While set, a wait ignores cancels and returns only after this long.
        std::chrono::milliseconds stuckWait{0};
        std::vector<WriteStamp> writes;
        // How long write number n (0-based) takes beyond its own work: a busy driver, a
        // preempted thread. Unset: no delay.
        std::function<std::chrono::microseconds(std::size_t)> writeDelay;
    };

    explicit LinkFakePort(std::shared_ptr<Shared> shared) : m_shared(std::move(shared)) {}

    bool open(const QString&) override;
    bool isOpen() const override;
    bool setLineSettings(const hvx::LineSettings&) override { return true; }
    bool setTimeouts(const hvx::SerialTimeouts&) override { return true; }
    bool requestLowLatency() override { return false; }
    bool purge(unsigned) override { return true; }
    bool setDtr(bool) override { return true; }
    hvx::WaitResult waitForReadable(int timeoutMs) override;
    void cancelWait() override;
    qint64 bytesAvailable() override;
    qint64 read(quint8* buffer, qint64 maximum) override;
    qint64 write(const quint8* data, qint64 count) override;
    bool drain() override;
    void close() override;
    int lastError() const override { return 0; }

    // Queues a chunk for the receive side (thread-safe).
    static void deliver(Shared& shared, const QByteArray& chunk);

private:
    std::shared_ptr<Shared> m_shared;
    bool m_cancelled = false;
};

} // namespace hvxtest
