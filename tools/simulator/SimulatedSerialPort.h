#pragma once
// The tool's serial port with a simulated instrument at the other end, inside the process: the
// same engine as on the pseudo-terminal, without a device. Bytes written go to the instrument;
// its answers arrive at line rate in the receive queue.

#include "Instrument.h"

#include "link/SerialPort.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace hvxsim {

// Gives the instrument behind the port at open time, or nullptr with a reason.
using InstrumentSource = std::function<std::shared_ptr<Instrument>(std::string* error)>;

class SimulatedSerialPort final : public hvx::ISerialPort {
public:
    explicit SimulatedSerialPort(InstrumentSource source);
    ~SimulatedSerialPort() override;

    // One port at a time per instrument, as a device opened exclusively.
    bool open(const QString& device) override;
    bool isOpen() const override;
    bool setLineSettings(const hvx::LineSettings& settings) override;
    bool setTimeouts(const hvx::SerialTimeouts& timeouts) override;
    bool requestLowLatency() override { return true; } // answers are delivered at once anyway
    bool purge(unsigned directions) override;
    bool setDtr(bool) override { return true; }
    hvx::WaitResult waitForReadable(int timeoutMs) override;
    void cancelWait() override;
    qint64 bytesAvailable() override;
    qint64 read(quint8* buffer, qint64 maximum) override;
    qint64 write(const quint8* data, qint64 count) override;
    bool drain() override { return isOpen(); } // handed to the instrument at once
    void close() override;
    int lastError() const override;

    // Why the last open failed (empty after success).
    std::string LastOpenError() const;

private:
    void Deliver(std::span<const std::uint8_t> bytes);

    InstrumentSource m_source;
    std::shared_ptr<Instrument> m_instrument; // set while open
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::uint8_t> m_received;
    bool m_open = false;
    bool m_cancelled = false;
    int m_lastError = 0;
    std::string m_openError;
};

} // namespace hvxsim
