#pragma once
// The serial port as the link protocol sees it: a small set of operations that a real port
// (termios), the in-process simulator and test doubles all provide.
//
// Threading: one receive thread calls waitForReadable(), bytesAvailable() and read(); the
// owner's thread calls everything else, including write() and purge() while the receive thread
// waits. cancelWait() may be called from any thread. open() and close() are never called while
// another thread uses the port, except close() after a receive thread that did not end in time.

#include <QString>
#include <QtGlobal>

namespace hvx {

// The instrument's line: fixed, never configurable.
struct LineSettings {
    int baudRate = 19200;
    int dataBits = 8;
    bool parity = false;
    int stopBits = 1;
    bool hardwareFlowControl = false;
    bool softwareFlowControl = false;
};

// The classic per-port time-outs in milliseconds. Only the write time-out has an effect on a
// port that is read through waitForReadable(); the read values are kept so that a platform
// with an equivalent can apply them. A total write time-out of 0 (multiplier and constant both
// 0) means no time-out.
struct SerialTimeouts {
    quint32 readIntervalTimeout = 0xFFFFFFFFu;
    quint32 readTotalTimeoutMultiplier = 0;
    quint32 readTotalTimeoutConstant = 1000;
    quint32 writeTotalTimeoutMultiplier = 1;
    quint32 writeTotalTimeoutConstant = 0;
};

enum PurgeDirection : unsigned {
    PurgeReceive = 0x1,
    PurgeTransmit = 0x2,
    PurgeBoth = PurgeReceive | PurgeTransmit,
};

enum class WaitResult {
    Readable,  // at least one byte is waiting
    TimedOut,  // the time-out passed with nothing received
    Cancelled, // cancelWait() was called
    Failed,    // the port is gone (device removed, other end closed); further waits fail too
};

class ISerialPort {
public:
    virtual ~ISerialPort() = default;

    // Opens the device for reading and writing, exclusively: while it is open here, a second
    // open of the same device (in this or another process) fails. Non-blocking; no controlling
    // terminal. Returns false and leaves the port closed on failure.
    virtual bool open(const QString& device) = 0;
    virtual bool isOpen() const = 0;

    virtual bool setLineSettings(const LineSettings& settings) = 0;
    virtual bool setTimeouts(const SerialTimeouts& timeouts) = 0;

    // Asks the driver to deliver received bytes at once (USB adapters otherwise hold them back
    // for several milliseconds). False where the driver has no such mode; the port works anyway.
    virtual bool requestLowLatency() = 0;

    // Drops what is queued in the given directions and what is still unread.
    virtual bool purge(unsigned directions) = 0;

    // False where the line has no DTR (pseudo-terminals); the port works anyway.
    virtual bool setDtr(bool on) = 0;

    // Blocks until a byte is waiting, timeoutMs passes (negative: no time-out) or cancelWait()
    // is called. A cancel that comes while nobody waits makes the next wait return Cancelled.
    virtual WaitResult waitForReadable(int timeoutMs) = 0;
    virtual void cancelWait() = 0;

    // Number of received bytes waiting to be read (0 when none or on failure).
    virtual qint64 bytesAvailable() = 0;
    // Reads up to maximum waiting bytes without blocking; returns the count, or -1 on failure.
    virtual qint64 read(quint8* buffer, qint64 maximum) = 0;

    // Hands the bytes to the driver and returns when all are taken or the write time-out of
    // setTimeouts() has passed. Returns the bytes taken (fewer after a time-out), -1 on failure.
    virtual qint64 write(const quint8* data, qint64 count) = 0;

    // Returns once every byte written has left the line (its stop bit is out), false on failure.
    // Where nothing is transmitted at a line rate (pseudo-terminals, the simulator) at once.
    virtual bool drain() = 0;

    virtual void close() = 0;

    // The system error number of the last failed operation, for the log book.
    virtual int lastError() const = 0;
    // What the last open has to add for the log book (who holds the port, that it was opened
    // without a lock file); empty when nothing.
    virtual QString openNote() const { return QString(); }
};

} // namespace hvx
