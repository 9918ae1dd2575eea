#include "devicedata/EepromTransfer.h"

#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "base/ProgressScope.h"
#include "base/SettingsTable.h"
#include "devicedata/DeviceDataTexts.h"
#include "link/KelComm.h"

#include <functional>

namespace hvx {
namespace {

QString AddressText(int address)
{
    return QString::number(address, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

QString AddressText4(int address)
{
    return QString::number(address, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

// A memory command whose command byte was answered with something else than ACK leaves the
// status at 0; it failed all the same.
qint32 FailureStatus(const CKelComm& link)
{
    const qint32 status = link.m_nStatus.load();
    return status != CKelComm::StatusOk ? status : qint32(CKelComm::StatusNoAck);
}

EepromTransferResult FailedAt(int address, const CKelComm& link)
{
    LogMessageBox(FillPlaceholder(GetStringsText(kTextEepromErrorAtAddress), AddressText(address)),
                  MB_OK | MB_ICONEXCLAMATION);
    return {false, address, FailureStatus(link)};
}

// A memory tool closes with a disconnect only when its connect handshake succeeded.
void CloseMemoryLink(CKelComm& link)
{
    link.Close(link.m_bConnected.load());
}

// Opens the link, runs step over the range in blocks of blockSize with the progress display, and
// closes the link; the first failing block ends the run with the message naming its address.
EepromTransferResult RunMemoryTransfer(EepromRange range, int blockSize, int titleNumber,
                                       const std::function<bool(CKelComm&, int address, int count)>& step)
{
    CKelComm link;
    if (!link.Open()) {
        CloseMemoryLink(link);
        return {false, -1, link.m_nStatus.load()};
    }
    EepromTransferResult result{true, -1, 0};
    {
        ProgressScope shown(titleNumber, range.count());
        for (int address = range.first; address < range.end; address += blockSize) {
            const int count = qMin(blockSize, range.end - address);
            if (!step(link, address, count)) {
                result = FailedAt(address, link);
                break;
            }
            shown.step(address + count - range.first);
        }
    }
    CloseMemoryLink(link);
    return result;
}

} // namespace

int EepromReadBlockSize()
{
    // The settings table keeps the value within 1..255 (anything else reads as the default).
    return theApp().GetIntSetting(settings::kReadBlockSize);
}

EepromTransferResult ReadEeprom(EepromImage& image, EepromRange range, const EepromProgress& progress)
{
    LogEntry(1, QStringLiteral("CHexDumpDlg::OnEepromLesen"), QStringLiteral("%1-%2").arg(range.first).arg(range.end));
    return RunMemoryTransfer(range, EepromReadBlockSize(), kTextEepromReading, [&](CKelComm& link, int address, int count) {
        // The link copies a block only when its checksum holds: a failed block leaves the image as it was.
        if (!link.ReadMemory(quint16(address), count, image.data() + address))
            return false;
        if (progress)
            progress(address, count);
        return true;
    });
}

EepromTransferResult WriteEeprom(const EepromImage& image, EepromRange range, const EepromProgress& progress)
{
    LogEntry(1, QStringLiteral("CHexDumpDlg::OnEepromSchreiben"), QStringLiteral("%1-%2").arg(range.first).arg(range.end));
    // The question names the addresses too: a range is easily mistyped.
    const QString question = FillPlaceholder(GetStringsText(kTextEepromWriteQuestion), QString::number(range.count()))
                             + u'\n'
                             + GetStringsText(kTextEepromWriteRange).arg(AddressText4(range.first), AddressText4(range.end - 1));
    if (LogMessageBox(question, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return {};
    // One byte per WriteMemory: the instrument takes each byte before the next is sent.
    return RunMemoryTransfer(range, 1, kTextEepromWriting, [&](CKelComm& link, int address, int count) {
        if (progress)
            progress(address, count);
        return link.WriteMemory(quint16(address), count, image.data() + address) != 0;
    });
}

} // namespace hvx
