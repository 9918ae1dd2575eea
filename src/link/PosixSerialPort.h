#pragma once
// The serial port on a POSIX system: termios on a file descriptor, poll() for waiting and an
// eventfd to cancel a wait from another thread. A port is held by three locks: the lock file
// that the system's serial programs share (PortLock.h), flock for other users of this code, and
// TIOCEXCL.

#include "link/PortLock.h"
#include "link/SerialPort.h"

#include <atomic>

namespace hvx {

class PosixSerialPort final : public ISerialPort {
public:
    PosixSerialPort() = default;
    ~PosixSerialPort() override;
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    bool open(const QString& device) override;
    bool isOpen() const override { return m_fd.load() >= 0; }
    bool setLineSettings(const LineSettings& settings) override;
    bool setTimeouts(const SerialTimeouts& timeouts) override;
    bool requestLowLatency() override;
    bool purge(unsigned directions) override;
    bool setDtr(bool on) override;
    WaitResult waitForReadable(int timeoutMs) override;
    void cancelWait() override;
    qint64 bytesAvailable() override;
    qint64 read(quint8* buffer, qint64 maximum) override;
    qint64 write(const quint8* data, qint64 count) override;
    bool drain() override;
    void close() override;
    int lastError() const override { return m_lastError.load(); }
    QString openNote() const override { return m_openNote; }

private:
    bool fail(); // records errno, returns false
    bool takeLockFile(const QString& device); // false (EBUSY) when another program holds it
    int writeTimeoutMs(qint64 count) const; // -1: none

    std::atomic<int> m_fd{-1};
    std::atomic<int> m_cancelFd{-1};
    std::atomic<int> m_lastError{0};
    SerialTimeouts m_timeouts;
    PortLock m_lock;
    QString m_openNote;
};

} // namespace hvx
