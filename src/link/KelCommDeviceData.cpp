// The link's part in the device data tools: reading the alarm memory and handing on the
// measured-data lines that the instrument streams.
#include "link/KelComm.h"

#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "base/ProgressScope.h"
#include "base/WaitCursor.h"

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
    m_messwerteSink = std::move(sink);
    return 1;
}

void CKelComm::PassMesswerte(std::unique_lock<std::mutex>& lock)
{
    const int count = m_nRxCount;
    if (!m_messwerteSink.onText || count == 0 || m_RxBuffer[count - 1] != '\n')
        return;
    const QByteArray text(reinterpret_cast<const char*>(m_RxBuffer), count);
    m_nRxCount = 0;
    if (text.indexOf('\n') != count - 1)
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
