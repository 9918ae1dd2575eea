// The transactions of the byte protocol: handshakes, block reads and writes with checksum,
// memory access, raw service commands, paced sending, and the waits for answers.
#include "link/KelComm.h"

#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "base/WaitCursor.h"
#include "link/LinkChecksum.h"
#include "link/LinkFailure.h"
#include "link/PreciseSleeps.h"
#include "link/SerialPortFactory.h"

#include <QString>
#include <algorithm>
#include <cstring>
#include <thread>
#include <vector>

namespace {

constexpr quint8 kAck = 0x55;       // 'U'
constexpr quint8 kNack = 0x56;      // 'V'
constexpr quint8 kFatalNack = 0xFF;
constexpr quint8 kConnectCommand = 0x10;
constexpr quint8 kDisconnectCommand = 0x11;
constexpr quint8 kWriteMemoryCommand = 0x17;
constexpr quint8 kReadMemoryCommand = 0x18;

constexpr int kMsgNoPort = 288;
constexpr int kMsgNoInstrument = 289;
constexpr int kMsgCommandNotSent = 290;
constexpr int kMsgFatalNack = 291;
constexpr int kMsgAckTimeout = 293;
constexpr int kMsgDataTimeout = 294;
constexpr int kMsgReceiveChecksum = 295;
constexpr int kMsgSendChecksum = 296;
constexpr int kMsgWithPort = 3350; // "%1 (%2)": a message of the link and the port

// The unknown-length answer of a raw service command ends after this many quiet times.
constexpr int kServiceQuietFactor = 5;

// A handshake answer may bring other bytes before its ACK. Beyond the wait for the first byte
// and the quiet time after the last, the whole answer gets this much more: a full receive
// buffer takes about 520 ms at 19200 baud.
constexpr int kHandshakeMarginMs = 1000;

// How often a waiting caller lets the window repaint.
constexpr auto kIdleInterval = std::chrono::milliseconds(50);

constexpr int kProgressDialogId = 132;
const QString kProgressSection = QStringLiteral("Remote-Progress-Dialog");

// The final answer of a WriteBlock: ACK, NACK and fatal NACK have their outcome; any other byte
// counts as success with the status left as it is.
struct FinalAnswer {
    quint8 byte;
    CKelComm::Status status;
    int messageId;
};
constexpr FinalAnswer kWriteBlockAnswers[] = {
    {kAck, CKelComm::StatusOk, 0},
    {kNack, CKelComm::StatusChecksum, kMsgSendChecksum},
    {kFatalNack, CKelComm::StatusFatalNack, kMsgFatalNack},
};

// The first answer to a command byte: a block write waits for exactly one byte and leaves the
// status alone when none comes; the memory commands take any first byte and record the time-out.
constexpr CKelComm::AckWait kBlockCommandAck{true, kMsgAckTimeout, false};
constexpr CKelComm::AckWait kMemoryCommandAck{false, kMsgDataTimeout, true};

void keepWindowAlive()
{
    theApp().ui().idle();
}

// The input is not taken while the link waits or sends; the cursor says so.
using hvx::WaitCursor;

} // namespace

// --- waiting for answers ---

void CKelComm::ClearReceived()
{
    const std::lock_guard lock(m_rxMutex);
    m_nRxCount = 0;
}

bool CKelComm::WaitFor(CKelCommTimer& timer, int timeoutMs, const std::function<bool()>& done)
{
    using Clock = CKelCommTimer::Clock;
    timer.Start();
    const WaitCursor waitCursor;
    const Clock::time_point deadline = timer.Deadline(timeoutMs);
    Clock::time_point nextIdle = Clock::now() + kIdleInterval;
    std::unique_lock lock(m_rxMutex);
    for (;;) {
        if (done())
            return true;
        const Clock::time_point now = Clock::now();
        if (now >= deadline)
            break;
        if (now >= nextIdle) {
            lock.unlock();
            keepWindowAlive();
            lock.lock();
            nextIdle = Clock::now() + kIdleInterval;
            continue;
        }
        m_rxSignal.wait_until(lock, std::min(deadline, nextIdle));
    }
    lock.unlock();
    timer.CheckResponseTO(timeoutMs);
    return false;
}

bool CKelComm::WaitForCount(CKelCommTimer& timer, int timeoutMs, int count)
{
    return WaitFor(timer, timeoutMs, [this, count] { return Received() == count; });
}

bool CKelComm::WaitForAnyByte(CKelCommTimer& timer, int timeoutMs)
{
    return WaitFor(timer, timeoutMs, [this] { return Received() != 0; });
}

bool CKelComm::WaitForQuiet(CKelCommTimer& timer, int quietMs, std::optional<CKelCommTimer::Clock::time_point> limit)
{
    using namespace std::chrono;
    // Every byte that comes starts the quiet time again, until the limit (if any) is reached.
    for (;;) {
        int waitMs = quietMs;
        if (limit) {
            const auto left = duration_cast<milliseconds>(*limit - CKelCommTimer::Clock::now()).count();
            if (left <= 0)
                return false;
            waitMs = int(std::min<long long>(quietMs, left));
        }
        const int seen = Received();
        if (!WaitFor(timer, waitMs, [this, seen] { return Received() != seen; }))
            return waitMs == quietMs;
    }
}

bool CKelComm::TakeCheckedBlock(quint8* buffer, int length)
{
    quint16 sum = quint16((m_RxBuffer[length] << 8) | m_RxBuffer[length + 1]);
    sum = quint16(sum - hvx::LinkChecksum(m_RxBuffer, length));
    if (sum != 0)
        return false;
    std::memcpy(buffer, m_RxBuffer, size_t(length));
    return true;
}

void CKelComm::ShowFailure(Status cause, int messageId)
{
    // The message names the port; the failure is noted for the caller's exit status.
    const QString port = hvx::PortDescription(m_nPortNumber);
    LogMessageBox(GetStringsText(kMsgWithPort).arg(GetStringsText(messageId), port), hvx::MB_OK | hvx::MB_ICONEXCLAMATION);
    hvx::NoteLinkFailure({cause, port});
}

int CKelComm::Fail(Status status, int messageId)
{
    m_nStatus = status;
    ShowFailure(status, messageId);
    return 0;
}

// --- connection ---

int CKelComm::HandshakeLimitMs(int quietMs) const
{
    return m_nResponseTO1 + quietMs + kHandshakeMarginMs;
}

bool CKelComm::SendCommandAfresh(quint8 command)
{
    m_nStatus = StatusOk;
    ClearReceived();
    if (!WriteCommBlock(&command, 1)) {
        m_nStatus = StatusWriteFailed;
        return false;
    }
    // Whatever the line held before the command is not the answer.
    m_hPort->purge(hvx::PurgeReceive);
    ClearReceived();
    return true;
}

bool CKelComm::ReceiveUntilQuiet(int firstByteTimeoutMs, int quietMs, std::optional<int> limitMs)
{
    CKelCommTimer timer;
    std::optional<CKelCommTimer::Clock::time_point> limit;
    if (limitMs)
        limit = CKelCommTimer::Clock::now() + std::chrono::milliseconds(*limitMs);
    if (!WaitForAnyByte(timer, firstByteTimeoutMs))
        return false;
    return WaitForQuiet(timer, quietMs, limit);
}

int CKelComm::Connect()
{
    if (!SendCommandAfresh(kConnectCommand))
        return 0;
    // A line that never falls quiet (noise, a babbling device) must not hold the handshake: it
    // ends like an instrument that never answers once the longest answer would be complete.
    if (!ReceiveUntilQuiet(m_nResponseTO1, m_nNoDeviceSendTO, HandshakeLimitMs(m_nNoDeviceSendTO))) {
        m_nStatus = StatusTimeout;
    } else {
        // The instrument may send other bytes before its ACK; only the last one counts.
        m_nStatus = m_RxBuffer[Received() - 1] == kAck ? StatusOk : StatusNoAck;
    }
    m_bConnected = m_nStatus == StatusOk ? 1 : 0;
    return m_bConnected;
}

int CKelComm::Disconnect()
{
    ClearReceived();
    WriteCommBlock(&kDisconnectCommand, 1);
    CKelCommTimer timer;
    if (!WaitForAnyByte(timer, m_nResponseTO1))
        m_nStatus = StatusTimeout;
    else
        m_nStatus = m_RxBuffer[0] == kAck ? StatusOk : StatusNoAck;
    m_bConnected = 0;
    return m_nStatus == StatusOk ? 1 : 0;
}

int CKelComm::Open()
{
    LogEntry(1, QStringLiteral("CKelComm::Open"));
    if (!OpenConnection(-1))
        return Fail(StatusPortFailed, kMsgNoPort);
    if (Connect())
        return 1;
    ShowFailure(StatusNoInstrument, kMsgNoInstrument);
    CloseConnection();
    m_nStatus = StatusNoInstrument;
    return 0;
}

int CKelComm::Close(int disconnect)
{
    if (!m_bOpen)
        return 1;
    const int result = disconnect ? Disconnect() : 1;
    CloseConnection();
    LogInt(1, QStringLiteral("CKelComm::Close"), result);
    return result;
}

int CKelComm::CheckComPort(int portNumber)
{
    LogEntry(1, QStringLiteral("CKelComm::CheckComPort %1").arg(portNumber));
    if (!OpenConnection(portNumber))
        return 0;
    const int found = Connect();
    if (found)
        Disconnect();
    CloseConnection();
    return found;
}

// --- blocks ---

int CKelComm::ReadBlock(quint8 command, quint8* buffer, int length)
{
    if (length < 0 || length > kMaxBlockLength) {
        LogInt(2, QStringLiteral("CKelComm::ReadBlock length out of range"), length);
        return 0;
    }
    ClearReceived();
    WriteCommBlock(&command, 1);
    return ReceiveCheckedBlock(buffer, length);
}

int CKelComm::ReceiveCheckedBlock(quint8* buffer, int length)
{
    CKelCommTimer timer;
    if (!WaitForCount(timer, m_nResponseTO2, length + 2))
        return Fail(StatusTimeout, kMsgDataTimeout);
    if (!TakeCheckedBlock(buffer, length))
        return Fail(StatusChecksum, kMsgReceiveChecksum);
    return m_nStatus == StatusOk ? 1 : 0;
}

void CKelComm::SendWithChecksum(const quint8* data, int length, int progress)
{
    const quint16 sum = hvx::LinkChecksum(data, length);
    const quint8 sumBytes[2] = {hvx::HighByte(sum), hvx::LowByte(sum)};
    SendPaced(data, length, progress);
    SendPaced(sumBytes, 2, progress);
}

int CKelComm::WriteBlock(quint8 command, const quint8* data, int length, int progress)
{
    if (!SendCommandExpectAck(command, kBlockCommandAck))
        return 0;
    ClearReceived();
    SendWithChecksum(data, length, progress);
    CKelCommTimer timer;
    if (!WaitForCount(timer, m_nResponseTO2, 1))
        return Fail(StatusTimeout, kMsgAckTimeout);

    const quint8 answer = m_RxBuffer[0];
    const auto known = std::find_if(std::begin(kWriteBlockAnswers), std::end(kWriteBlockAnswers),
                                    [answer](const FinalAnswer& a) { return a.byte == answer; });
    if (known == std::end(kWriteBlockAnswers))
        return 1;
    m_nStatus = known->status;
    if (known->messageId != 0)
        ShowFailure(known->status, known->messageId);
    return known->status == StatusOk ? 1 : 0;
}

// --- instrument memory ---

bool CKelComm::SendCommandExpectAck(quint8 command, const AckWait& wait)
{
    ClearReceived();
    WriteCommBlock(&command, 1);
    CKelCommTimer timer;
    const bool answered = wait.exactlyOneByte ? WaitForCount(timer, m_nResponseTO2, 1)
                                              : WaitForAnyByte(timer, m_nResponseTO2);
    if (!answered) {
        if (wait.timeoutIsStatus)
            m_nStatus = StatusTimeout;
        ShowFailure(StatusTimeout, wait.timeoutMessage);
        return false;
    }
    if (m_RxBuffer[0] != kAck) {
        ShowFailure(StatusNoAck, kMsgCommandNotSent);
        return false;
    }
    return true;
}

int CKelComm::ReadMemory(quint16 address, int length, quint8* buffer)
{
    if (length < 1 || length > kMaxMemoryReadLength) {
        LogInt(2, QStringLiteral("CKelComm::ReadMemory length out of range"), length);
        return 0;
    }
    if (!SendCommandExpectAck(kReadMemoryCommand, kMemoryCommandAck))
        return 0;
    ClearReceived();
    const quint8 request[3] = {hvx::HighByte(address), hvx::LowByte(address), quint8(length)};
    SendPaced(request, 3, 0);
    return ReceiveCheckedBlock(buffer, length);
}

int CKelComm::WriteMemory(quint16 address, int length, const quint8* data)
{
    if (length < 0 || length > kMaxMemoryWriteLength) {
        LogInt(2, QStringLiteral("CKelComm::WriteMemory length out of range"), length);
        return 0;
    }
    quint8 payload[kMaxMemoryWriteLength + 3] = {hvx::HighByte(address), hvx::LowByte(address), quint8(length)};
    std::copy_n(data, length, payload + 3);
    if (!SendCommandExpectAck(kWriteMemoryCommand, kMemoryCommandAck))
        return 0;
    ClearReceived();
    SendWithChecksum(payload, length + 3, 0);
    CKelCommTimer timer;
    if (!WaitForAnyByte(timer, m_nResponseTO2))
        return Fail(StatusTimeout, kMsgDataTimeout);
    if (m_RxBuffer[0] != kAck) {
        ShowFailure(StatusNoAck, kMsgCommandNotSent);
        return 0;
    }
    return m_nStatus == StatusOk ? 1 : 0;
}

// --- raw service command ---

int CKelComm::ServiceCommand(quint8 command, quint8* buffer, int& length)
{
    if (!SendCommandAfresh(command))
        return 0;
    // An answer that never comes is no failure: the length is left as it was. A line that never
    // falls quiet ends the same way, once the longest answer would be complete.
    const int quietMs = kServiceQuietFactor * m_nNoDeviceSendTO;
    if (ReceiveUntilQuiet(m_nResponseTO1, quietMs, HandshakeLimitMs(quietMs))) {
        const int count = Received();
        std::memcpy(buffer, m_RxBuffer, size_t(count));
        length = count;
    } else {
        hvx::NoteLinkFailure({StatusTimeout, hvx::PortDescription(m_nPortNumber)});
    }
    return m_nStatus == StatusOk ? 1 : 0;
}

// --- sending ---

int CKelComm::SendPaced(const quint8* bytes, int count, int progress)
{
    using Clock = CKelCommTimer::Clock;
    hvx::IUserInteraction& ui = theApp().ui();
    if (progress) {
        ui.progressBegin(GetDialogTextOr(kProgressSection, kProgressDialogId, QStringLiteral("Übertragung...")), count);
    }
    const WaitCursor waitCursor;
    const hvx::PreciseSleeps preciseSleeps;
    // The instrument needs the whole pause after every byte: it starts once the byte has left
    // the line and is never shortened to make up for a late byte.
    const auto interval = std::chrono::milliseconds(qMax(m_nTimeBetweenBytes, 0));
    Clock::time_point nextIdle = Clock::now() + kIdleInterval;
    for (int i = 0; i < count; ++i) {
        if (progress)
            ui.progressStep(i + 1);
        WriteCommBlock(bytes + i, 1);
        if (m_hPort)
            m_hPort->drain();
        const Clock::time_point pauseEnd = Clock::now() + interval;
        if (Clock::now() >= nextIdle) {
            keepWindowAlive();
            nextIdle = Clock::now() + kIdleInterval;
        }
        std::this_thread::sleep_until(pauseEnd);
    }
    if (progress)
        ui.progressEnd();
    return 1;
}
