// Port layer of the link: open with the fixed line settings and the configured time-outs, the
// receive thread, writing, closing.
#include "link/KelComm.h"

#include "base/HvxApp.h"
#include "base/Log.h"
#include "link/SerialPortFactory.h"

#include <QString>
#include <algorithm>
#include <cstring>
#include <system_error>

std::atomic<qint32> g_bCommThreadRunning{0};

namespace {

const QString kSection = QStringLiteral("Communication");
constexpr int kThreadFailedMessage = 292;
constexpr int kReceiveChunk = 80;

struct ProtocolTimeout {
    const char* key;
    int defaultValue;
    int CKelComm::*member;
};
constexpr ProtocolTimeout kProtocolTimeouts[] = {
    {"ResponseTO1", 1000, &CKelComm::m_nResponseTO1},
    {"ResponseTO2", 2000, &CKelComm::m_nResponseTO2},
    {"ResponseThreadTO", 2000, &CKelComm::m_nResponseThreadTO},
    {"NoDeviceSendTO", 100, &CKelComm::m_nNoDeviceSendTO},
    {"TimeBetweenBytes", 1, &CKelComm::m_nTimeBetweenBytes},
};

struct PortTimeout {
    const char* key;
    int defaultValue;
    quint32 hvx::SerialTimeouts::*field;
};
constexpr PortTimeout kPortTimeouts[] = {
    {"ReadIntervalTimeout", -1, &hvx::SerialTimeouts::readIntervalTimeout},
    {"ReadTotalTimeoutMultiplier", 0, &hvx::SerialTimeouts::readTotalTimeoutMultiplier},
    {"ReadTotalTimeoutConstant", 1000, &hvx::SerialTimeouts::readTotalTimeoutConstant},
    {"WriteTotalTimeoutMultiplier", 1, &hvx::SerialTimeouts::writeTotalTimeoutMultiplier},
    {"WriteTotalTimeoutConstant", 0, &hvx::SerialTimeouts::writeTotalTimeoutConstant},
};

quint32 nextThreadId()
{
    static std::atomic<quint32> counter{0};
    quint32 id;
    do {
        id = ++counter;
    } while (id == 0);
    return id;
}

} // namespace

// What the receive thread shares with its link object. The owner pointer is cleared when the
// link object gives up on a thread that did not end in time, so that the thread can never reach
// a destroyed object; the port stays alive as long as either side holds it.
struct CKelComm::ReceiveLink {
    std::mutex mutex;
    CKelComm* owner = nullptr;
    std::shared_ptr<hvx::ISerialPort> port;
};

CKelComm::CKelComm() = default;

CKelComm::~CKelComm()
{
    if (m_hPort)
        CloseConnection();
}

void CKelComm::ReadProtocolTimeouts()
{
    for (const ProtocolTimeout& t : kProtocolTimeouts)
        this->*t.member = theApp().GetIntSetting(kSection, QLatin1String(t.key), t.defaultValue);
}

hvx::SerialTimeouts CKelComm::ReadPortTimeouts() const
{
    hvx::SerialTimeouts timeouts;
    for (const PortTimeout& t : kPortTimeouts)
        timeouts.*t.field = quint32(theApp().GetIntSetting(kSection, QLatin1String(t.key), t.defaultValue));
    return timeouts;
}

int CKelComm::FailOpen(const char* text)
{
    LogInt(2, QLatin1String(text), m_hPort->lastError());
    m_hPort->close();
    m_hPort.reset();
    return 0;
}

int CKelComm::OpenConnection(int portNumber)
{
    ReadProtocolTimeouts();
    if (m_bOpen)
        return 1;

    const int number = portNumber == -1 ? theApp().m_nPort + 1 : portNumber;
    m_nPortNumber = number;
    const QString name = hvx::PortName(number);
    const QString device = hvx::PortDevice(number);
    // The callers show their own message; the log only gets the reason (a busy port, or on
    // Linux often a user without access to the device).
    std::shared_ptr<hvx::ISerialPort> port = device.isEmpty() ? nullptr : hvx::CreateSerialPort(device);
    if (!port || !port->open(device)) {
        QString reason = port ? QString::fromLocal8Bit(std::strerror(port->lastError())) : QStringLiteral("no device");
        if (port && !port->openNote().isEmpty())
            reason += QStringLiteral(", ") + port->openNote();
        LogEntry(2, QStringLiteral("CKelComm::OpenConnection ") + name, device + QStringLiteral(": ") + reason);
        return 0;
    }
    m_hPort = std::move(port);
    LogEntry(2, QStringLiteral("CKelComm::OpenConnection m_hPort"), name + QStringLiteral(" = ") + device);
    if (!m_hPort->openNote().isEmpty())
        LogEntry(2, QStringLiteral("CKelComm::OpenConnection ") + name, m_hPort->openNote());

    // USB adapters hold received bytes back otherwise; on-board ports and pseudo-terminals have
    // no such mode, which is fine.
    const bool lowLatency = m_hPort->requestLowLatency();
    LogEntry(2, QStringLiteral("CKelComm::OpenConnection() LowLatency"),
             lowLatency ? QStringLiteral("on") : QStringLiteral("not available (%1)").arg(m_hPort->lastError()));

    if (!m_hPort->purge(hvx::PurgeBoth))
        return FailOpen("CKelComm::OpenConnection() PurgeComm ");
    if (!m_hPort->setTimeouts(ReadPortTimeouts()))
        return FailOpen("CKelComm::OpenConnection() SetCommTimeouts ");
    if (!SetupConnection())
        return 0;

    m_bOpen = 1;
    g_bCommThreadRunning = 0;
    if (!StartReceiveThread()) {
        m_bOpen = 0;
        m_hPort->close();
        m_hPort.reset();
        return 0;
    }

    // Pseudo-terminals have no DTR line; the link works without it.
    if (!m_hPort->setDtr(true))
        LogInt(2, QStringLiteral("CKelComm::OpenConnection() EscapeCommFunction "), m_hPort->lastError());
    return 1;
}

int CKelComm::SetupConnection()
{
    if (!m_hPort->setLineSettings(hvx::LineSettings{}))
        return FailOpen("CKelComm::SetupConnection() SetCommState ");
    return 1;
}

bool CKelComm::StartReceiveThread()
{
    m_receiveLink = std::make_shared<ReceiveLink>();
    m_receiveLink->owner = this;
    m_receiveLink->port = m_hPort;
    try {
        m_hThread = std::thread(&CKelComm::CommTread, m_receiveLink);
    } catch (const std::system_error& e) {
        LogEntry(2, QStringLiteral("CKelComm::OpenConnection() CreateThread"), QString::fromLocal8Bit(e.what()));
        ShowFailure(StatusPortFailed, kThreadFailedMessage);
        m_receiveLink.reset();
        return false;
    }

    CKelCommTimer timer;
    if (!WaitFor(timer, m_nResponseThreadTO, [] { return g_bCommThreadRunning.load() != 0; })) {
        LogEntry(2, QStringLiteral("CKelComm::OpenConnection()"), QStringLiteral("Thread Timeout"));
        m_bOpen = 0;
        StopReceiveThread();
        return false;
    }
    return true;
}

void CKelComm::StopReceiveThread()
{
    if (!m_receiveLink)
        return;
    m_hPort->cancelWait();
    CKelCommTimer timer;
    if (WaitFor(timer, m_nResponseThreadTO, [this] { return m_dwThreadId.load() == 0; })) {
        m_hThread.join();
    } else {
        LogEntry(2, QStringLiteral("CKelComm::CloseConnection"), QStringLiteral("ThreadTimeout"));
        {
            const std::lock_guard lock(m_receiveLink->mutex);
            m_receiveLink->owner = nullptr;
        }
        m_hThread.detach();
        m_dwThreadId = 0;
    }
    m_receiveLink.reset();
}

int CKelComm::CloseConnection()
{
    m_bOpen = 0;
    if (!m_hPort)
        return 1;
    StopReceiveThread();
    {
        const std::lock_guard lock(m_rxMutex);
        m_messwerteSink = {};
    }
    m_hPort->setDtr(false);
    m_hPort->purge(hvx::PurgeBoth);
    m_hPort->close();
    m_hPort.reset();
    return 1;
}

int CKelComm::WriteCommBlock(const quint8* bytes, int count)
{
    LogInt(2, QStringLiteral("CKelComm::WriteCommBlock"), count);
    if (!m_hPort)
        return 0;
    const qint64 written = m_hPort->write(bytes, count);
    if (written < 0) {
        LogInt(2, QStringLiteral("CKelComm::WriteCommBlock"), m_hPort->lastError());
        return 0;
    }
    // A write time-out still counts as handed over, as the instrument may have taken the bytes.
    LogEntry(2, QStringLiteral("CKelComm::WriteCommBlock"),
             written == count ? QStringLiteral("%1 bytes written\n").arg(written)
                              : QStringLiteral("Probable Write Timeout: Total of %1 bytes sent\n").arg(written));
    return 1;
}

void CKelComm::CommTread(std::shared_ptr<ReceiveLink> link)
{
    {
        const std::lock_guard lock(link->mutex);
        CKelComm* owner = link->owner;
        if (!owner)
            return;
        LogEntry(2, QStringLiteral("CommTread"), QStringLiteral("started"));
        owner->m_dwThreadId = nextThreadId();
        g_bCommThreadRunning = 1;
        const std::lock_guard rxLock(owner->m_rxMutex);
        owner->m_rxSignal.notify_all();
    }
    quint8 chunk[kReceiveChunk];
    for (;;) {
        const hvx::WaitResult result = link->port->waitForReadable(-1);
        const std::lock_guard lock(link->mutex);
        CKelComm* owner = link->owner;
        if (!owner)
            return; // given up on by its owner, who has logged it
        bool ending = !owner->m_bOpen;
        if (!ending && result == hvx::WaitResult::Failed) {
            // The device is gone; waiting on would spin. Answers now simply time out.
            LogInt(2, QStringLiteral("CommTread WaitCommEvent"), link->port->lastError());
            owner->ReportLinkLost();
            ending = true;
        }
        if (ending) {
            LogEntry(2, QStringLiteral("CommTread"), QStringLiteral("ended"));
            g_bCommThreadRunning = 0;
            const std::lock_guard rxLock(owner->m_rxMutex);
            owner->m_dwThreadId = 0;
            owner->m_rxSignal.notify_all();
            return;
        }
        if (result == hvx::WaitResult::Readable) {
            while (owner->ReadCommBlock(chunk, kReceiveChunk) > 0) {
            }
        }
    }
}

int CKelComm::ReadCommBlock(quint8* buffer, int maximum)
{
    const qint64 waiting = m_hPort ? m_hPort->bytesAvailable() : 0;
    int n = int(std::min<qint64>(maximum, waiting));
    if (n > 0) {
        const qint64 got = m_hPort->read(buffer, n);
        n = got > 0 ? int(got) : 0;
    }
    if (n > 0 && m_nStatus == StatusOk) {
        std::unique_lock lock(m_rxMutex);
        const int count = m_nRxCount;
        if (m_messwerteSink.onText) {
            TakeMesswerte(buffer, n, lock);
        } else if (count + n <= kRxBufferSize) {
            // A read that would overflow the buffer is dropped whole; n is still returned so that
            // the thread keeps draining the port.
            std::memcpy(m_RxBuffer + count, buffer, size_t(n));
            m_nRxCount = count + n;
            m_rxSignal.notify_all();
        }
    } else if (m_nStatus != StatusOk) {
        n = 0; // a poisoned connection discards what it receives
    }
    LogInt(2, QStringLiteral("CKelComm::ReadCommBlock"), n);
    return n;
}
