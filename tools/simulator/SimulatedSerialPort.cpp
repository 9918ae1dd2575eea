#include "SimulatedSerialPort.h"

#include <algorithm>
#include <cerrno>
#include <set>

namespace hvxsim {
namespace {

// Instruments that have a port open on them.
std::mutex g_claimMutex;
std::set<const Instrument*> g_claimed;

bool Claim(const Instrument* instrument)
{
    const std::lock_guard lock(g_claimMutex);
    return g_claimed.insert(instrument).second;
}

void Release(const Instrument* instrument)
{
    const std::lock_guard lock(g_claimMutex);
    g_claimed.erase(instrument);
}

} // namespace

SimulatedSerialPort::SimulatedSerialPort(InstrumentSource source) : m_source(std::move(source)) {}

SimulatedSerialPort::~SimulatedSerialPort()
{
    close();
}

bool SimulatedSerialPort::open(const QString&)
{
    auto fail = [this](int error, const std::string& why) {
        const std::lock_guard lock(m_mutex);
        m_lastError = error;
        m_openError = why;
        return false;
    };
    if (isOpen())
        return fail(EBUSY, "the port is open already");
    std::string error;
    std::shared_ptr<Instrument> instrument = m_source ? m_source(&error) : nullptr;
    if (!instrument)
        return fail(ENODEV, error.empty() ? "no simulated instrument" : error);
    if (!Claim(instrument.get()))
        return fail(EBUSY, "the simulated instrument is in use");
    {
        const std::lock_guard lock(m_mutex);
        m_openError.clear();
        m_instrument = instrument;
        m_received.clear();
        m_cancelled = false;
        m_open = true;
    }
    instrument->SetOutput([this](std::span<const std::uint8_t> bytes) { Deliver(bytes); });
    return true;
}

bool SimulatedSerialPort::isOpen() const
{
    const std::lock_guard lock(m_mutex);
    return m_open;
}

bool SimulatedSerialPort::setLineSettings(const hvx::LineSettings&)
{
    return isOpen();
}

bool SimulatedSerialPort::setTimeouts(const hvx::SerialTimeouts&)
{
    // Writes never block here, so the write time-out cannot pass.
    return isOpen();
}

bool SimulatedSerialPort::purge(unsigned directions)
{
    const std::lock_guard lock(m_mutex);
    if (directions & hvx::PurgeReceive)
        m_received.clear();
    return m_open;
}

void SimulatedSerialPort::Deliver(std::span<const std::uint8_t> bytes)
{
    {
        const std::lock_guard lock(m_mutex);
        m_received.insert(m_received.end(), bytes.begin(), bytes.end());
    }
    m_changed.notify_all();
}

hvx::WaitResult SimulatedSerialPort::waitForReadable(int timeoutMs)
{
    std::unique_lock lock(m_mutex);
    const auto ready = [this] { return m_cancelled || !m_open || !m_received.empty(); };
    if (timeoutMs < 0)
        m_changed.wait(lock, ready);
    else
        m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
    if (m_cancelled) {
        m_cancelled = false;
        return hvx::WaitResult::Cancelled;
    }
    if (!m_open)
        return hvx::WaitResult::Failed;
    return m_received.empty() ? hvx::WaitResult::TimedOut : hvx::WaitResult::Readable;
}

void SimulatedSerialPort::cancelWait()
{
    {
        const std::lock_guard lock(m_mutex);
        m_cancelled = true;
    }
    m_changed.notify_all();
}

qint64 SimulatedSerialPort::bytesAvailable()
{
    const std::lock_guard lock(m_mutex);
    return static_cast<qint64>(m_received.size());
}

qint64 SimulatedSerialPort::read(quint8* buffer, qint64 maximum)
{
    const std::lock_guard lock(m_mutex);
    if (!m_open) {
        m_lastError = EBADF;
        return -1;
    }
    const auto count = std::min<std::size_t>(m_received.size(), static_cast<std::size_t>(std::max<qint64>(maximum, 0)));
    std::copy_n(m_received.begin(), count, buffer);
    m_received.erase(m_received.begin(), m_received.begin() + static_cast<long>(count));
    return static_cast<qint64>(count);
}

qint64 SimulatedSerialPort::write(const quint8* data, qint64 count)
{
    std::shared_ptr<Instrument> instrument;
    {
        const std::lock_guard lock(m_mutex);
        if (!m_open) {
            m_lastError = EBADF;
            return -1;
        }
        instrument = m_instrument;
    }
    instrument->Receive(std::span<const std::uint8_t>(data, static_cast<std::size_t>(std::max<qint64>(count, 0))));
    return count;
}

void SimulatedSerialPort::close()
{
    std::shared_ptr<Instrument> instrument;
    {
        const std::lock_guard lock(m_mutex);
        if (!m_open)
            return;
        m_open = false;
        instrument = std::move(m_instrument);
        m_received.clear();
    }
    m_changed.notify_all();
    // Waits for an answer being delivered right now, so none reaches this port afterwards.
    instrument->SetOutput(nullptr);
    instrument->LineDropped();
    Release(instrument.get());
}

int SimulatedSerialPort::lastError() const
{
    const std::lock_guard lock(m_mutex);
    return m_lastError;
}

std::string SimulatedSerialPort::LastOpenError() const
{
    const std::lock_guard lock(m_mutex);
    return m_openError;
}

} // namespace hvxsim
