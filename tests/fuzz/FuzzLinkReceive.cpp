// The link's receive path: the instrument's answers come from the input through the port
// interface, one chunk per command sent (a length byte, then that many bytes), and every
// transaction of the link runs on them. Time-outs are a few milliseconds.
#include "FuzzApp.h"

#include "link/KelComm.h"
#include "link/SerialPortFactory.h"

#include <QByteArray>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>

namespace {

// The answers of one run, handed out one chunk after each write.
struct Script {
    std::mutex mutex;
    std::condition_variable changed;
    QByteArray input;
    qsizetype next = 0;
    QByteArray readable;
    bool answerDue = false;
    std::chrono::steady_clock::time_point writtenAt;
    bool cancelled = false;

    void releaseAnswer() // with the mutex held
    {
        if (!answerDue || next >= input.size())
            return;
        answerDue = false;
        const int length = static_cast<unsigned char>(input[next++]);
        readable.append(input.mid(next, length));
        next += std::min<qsizetype>(length, input.size() - next);
    }
};

Script g_script;
constexpr std::chrono::milliseconds kTurnaround{1};

class ScriptPort final : public hvx::ISerialPort {
public:
    bool open(const QString&) override { return m_open = true; }
    bool isOpen() const override { return m_open; }
    bool setLineSettings(const hvx::LineSettings&) override { return true; }
    bool setTimeouts(const hvx::SerialTimeouts&) override { return true; }
    bool requestLowLatency() override { return true; }
    bool purge(unsigned directions) override
    {
        const std::lock_guard lock(g_script.mutex);
        if (directions & hvx::PurgeReceive)
            g_script.readable.clear();
        return true;
    }
    bool setDtr(bool) override { return true; }
    hvx::WaitResult waitForReadable(int timeoutMs) override
    {
        using Clock = std::chrono::steady_clock;
        const auto deadline = timeoutMs < 0 ? Clock::time_point::max() : Clock::now() + std::chrono::milliseconds(timeoutMs);
        std::unique_lock lock(g_script.mutex);
        for (;;) {
            if (g_script.cancelled) {
                g_script.cancelled = false;
                return hvx::WaitResult::Cancelled;
            }
            // The answer comes a moment after the command, as from an instrument: after the
            // purge that follows a command byte.
            if (g_script.answerDue && Clock::now() - g_script.writtenAt >= kTurnaround)
                g_script.releaseAnswer();
            if (!g_script.readable.isEmpty())
                return hvx::WaitResult::Readable;
            if (Clock::now() >= deadline)
                return hvx::WaitResult::TimedOut;
            g_script.changed.wait_for(lock, kTurnaround);
        }
    }
    void cancelWait() override
    {
        const std::lock_guard lock(g_script.mutex);
        g_script.cancelled = true;
        g_script.changed.notify_all();
    }
    qint64 bytesAvailable() override
    {
        const std::lock_guard lock(g_script.mutex);
        return g_script.readable.size();
    }
    qint64 read(quint8* buffer, qint64 maximum) override
    {
        const std::lock_guard lock(g_script.mutex);
        const qint64 n = std::min<qint64>(maximum, g_script.readable.size());
        std::memcpy(buffer, g_script.readable.constData(), size_t(n));
        g_script.readable.remove(0, n);
        return n;
    }
    qint64 write(const quint8*, qint64 count) override
    {
        const std::lock_guard lock(g_script.mutex);
        g_script.answerDue = true;
        g_script.writtenAt = std::chrono::steady_clock::now();
        g_script.changed.notify_all();
        return count;
    }
    bool drain() override { return true; }
    void close() override { m_open = false; }
    int lastError() const override { return 0; }

private:
    bool m_open = false;
};

void setUp()
{
    CHVXApp& app = hvx::fuzz::App();
    app.WriteProfileString(QStringLiteral("Ports"), QStringLiteral("COM1"), QLatin1String(hvx::kSimulatedPortDevice));
    app.m_nPort = 0;
    const QString com = QStringLiteral("Communication");
    for (const char* key : {"ResponseTO1", "ResponseTO2"})
        app.WriteProfileInt(com, QLatin1String(key), 5);
    app.WriteProfileInt(com, QStringLiteral("NoDeviceSendTO"), 2);
    app.WriteProfileInt(com, QStringLiteral("ResponseThreadTO"), 200);
    app.WriteProfileInt(com, QStringLiteral("TimeBetweenBytes"), 0);
    hvx::SetSimulatedPortFactory([] { return std::make_unique<ScriptPort>(); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool ready = (setUp(), true);
    (void)ready;
    {
        const std::lock_guard lock(g_script.mutex);
        g_script.input = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
        g_script.next = 0;
        g_script.readable.clear();
        g_script.answerDue = false;
        g_script.cancelled = false;
    }
    CKelComm link;
    if (link.Open()) {
        quint8 buffer[CKelComm::kRxBufferSize] = {};
        const quint8 zeros[512] = {};
        link.ReadConfiguration(buffer);
        link.ReadParameters(buffer);
        link.ReadDateTime(buffer);
        link.ReadMemory(0x0100, 16, buffer);
        link.WriteMemory(0x0100, 4, zeros);
        int length = 0;
        link.ServiceCommand(0x20, buffer, length);
        if (length < 0 || length > CKelComm::kRxBufferSize)
            std::abort();
        link.WriteParameters(zeros);
        link.Close(1);
    }
    return 0;
}
