// The link's part in the device data tools: reading the alarm memory and handing on the
// measured-data lines that the instrument streams.
#include "link/KelComm.h"

#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "base/ProgressScope.h"
#include "base/WaitCursor.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

constexpr int kProgressTitle = 3400; // "Alarmdaten werden empfangen..."

} // namespace

int CKelComm::ReadAlarms(hvx::AlarmMemory& memory)
{
    LogEntry(1, QStringLiteral("CKelComm::ReadAlarms"));
    memory = {};
    const hvx::WaitCursor waitCursor;
    quint8 header[hvx::kAlarmHeaderSize] = {};
    if (!ReadMemory(hvx::kAlarmHeaderAddress, hvx::kAlarmHeaderSize, header))
        return 0;
    memory.occurred = header[0] << 8 | header[1];
    memory.stored = header[2];

    {
        hvx::ProgressScope progress(kProgressTitle, memory.stored);
        for (int i = 0; i < memory.stored; ++i) {
            hvx::AlarmRecordBytes record{};
            if (!ReadMemory(quint16(hvx::kAlarmRecordAddress + hvx::kAlarmRecordSize * i), hvx::kAlarmRecordSize,
                            record.data()))
                break;
            progress.step(i + 1);
            memory.records.push_back(record);
        }
    }
    return m_nStatus == StatusOk && int(memory.records.size()) == memory.stored ? 1 : 0;
}

int CKelComm::ReceiveMesswerte(MesswerteSink sink)
{
    if (!m_bOpen)
        return 0;
    std::unique_lock lock(m_rxMutex);
    m_nRxCount = 0;
    m_bSkippingOverlongLine = false;
    m_messwerteSink = std::move(sink);
    return 1;
}

void CKelComm::TakeMesswerte(const quint8* bytes, int count, std::unique_lock<std::mutex>& lock)
{
    while (count > 0) {
        if (m_bSkippingOverlongLine) {
            const quint8* lineFeed = std::find(bytes, bytes + count, quint8('\n'));
            if (lineFeed == bytes + count)
                return;
            count -= int(lineFeed + 1 - bytes);
            bytes = lineFeed + 1;
            m_bSkippingOverlongLine = false;
            continue;
        }
        const int held = m_nRxCount;
        const int taken = std::min(count, kRxBufferSize - held);
        std::memcpy(m_RxBuffer + held, bytes, size_t(taken));
        m_nRxCount = held + taken;
        bytes += taken;
        count -= taken;
        PassMesswerte(lock);
        if (m_nRxCount == kRxBufferSize) {
            // A line that does not fit the whole buffer cannot be kept; it alone is dropped, up to
            // its line feed, and the lines after it are kept.
            LogInt(0, QStringLiteral("CKelComm::ReceiveMesswerte line longer than the receive buffer dropped"),
                   kRxBufferSize);
            m_nRxCount = 0;
            m_bSkippingOverlongLine = true;
        }
    }
}

void CKelComm::PassMesswerte(std::unique_lock<std::mutex>& lock)
{
    // Every complete line goes on as soon as it is there; only the unfinished tail stays.
    const int count = m_nRxCount;
    if (!m_messwerteSink.onText || count == 0)
        return;
    const std::reverse_iterator<const quint8*> lastLineFeed =
        std::find(std::make_reverse_iterator(m_RxBuffer + count), std::make_reverse_iterator(m_RxBuffer), quint8('\n'));
    const int complete = int(lastLineFeed.base() - m_RxBuffer);
    if (complete == 0)
        return;
    const QByteArray text(reinterpret_cast<const char*>(m_RxBuffer), complete);
    std::memmove(m_RxBuffer, m_RxBuffer + complete, size_t(count - complete));
    m_nRxCount = count - complete;
    if (text.indexOf('\n') != complete - 1)
        LogEntry(2, QStringLiteral("CKelComm::ReceiveMesswerte"), QStringLiteral("# > 1"));
    const auto onText = m_messwerteSink.onText;
    lock.unlock();
    onText(text);
    lock.lock();
}

void CKelComm::ReportLinkLost()
{
    std::function<void()> onLost;
    {
        const std::lock_guard lock(m_rxMutex);
        onLost = m_messwerteSink.onLost;
    }
    if (onLost)
        onLost();
}
