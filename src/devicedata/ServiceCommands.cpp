#include "devicedata/ServiceCommands.h"

#include "base/Language.h"
#include "base/Log.h"
#include "devicedata/DeviceDataTexts.h"
#include "devicedata/EepromImage.h"
#include "link/KelComm.h"

#include <bit>
#include <cstring>
#include <vector>

namespace hvx {
namespace {

constexpr int kMsgNoPort = 288; // "Konnte Schnittstelle für die Übertragung nicht öffnen!"

QString HexByte(quint8 value)
{
    return QStringLiteral("0x%1 ").arg(value, 2, 16, QLatin1Char('0'));
}

void PutBigEndian(ServiceBlock& block, int offset, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        block[size_t(offset + i)] = quint8(value >> (8 * (bytes - 1 - i)));
}

} // namespace

std::optional<quint8> ParseRawCommand(const QString& field)
{
    if (field.isEmpty() || field.size() > 2)
        return std::nullopt;
    for (const QChar c : field) {
        if (HexDigitValue(c) < 0)
            return std::nullopt;
    }
    return quint8(field.toUInt(nullptr, 16));
}

QString RawCommandLine(quint8 command)
{
    return HexByte(command);
}

QString RawAnswerLine(const QByteArray& answer)
{
    QString line;
    for (const char byte : answer)
        line += HexByte(quint8(byte));
    return line;
}

QString RawAnswerCountLine(int count)
{
    return GetStringsText(kTextRawAnswerCount).arg(count);
}

std::optional<QByteArray> SendRawCommand(quint8 command)
{
    LogEntry(1, QStringLiteral("CServiceDlg::OnSenden"), RawCommandLine(command));
    CKelComm link;
    if (!link.OpenConnection(-1)) {
        link.Fail(CKelComm::StatusPortFailed, kMsgNoPort);
        return std::nullopt;
    }
    std::vector<quint8> buffer(CKelComm::kRxBufferSize);
    int length = 0;
    link.ServiceCommand(command, buffer.data(), length);
    link.CloseConnection();
    LogHexDump(2, QStringLiteral("CServiceDlg::OnSenden"), buffer.data(), length);
    return QByteArray(reinterpret_cast<const char*>(buffer.data()), length);
}

std::optional<ServiceEntry> ParseServiceEntry(const QString& nr, const QString& id, const QString& wert)
{
    bool nrOk = false, idOk = false, wertOk = false;
    const int number = nr.trimmed().toInt(&nrOk, 10);
    const uint identifier = id.trimmed().toUInt(&idOk, 10);
    QString value = wert.trimmed();
    value.replace(QLatin1Char(','), QLatin1Char('.'));
    const float floatValue = value.toFloat(&wertOk);
    if (!nrOk || number < 0 || number >= kServiceEntries || !idOk || identifier > 0xFFFF || !wertOk)
        return std::nullopt;
    return ServiceEntry{number, quint16(identifier), floatValue};
}

ServiceBlock BuildServiceBlock(const ServiceEntry& entry)
{
    ServiceBlock block{};
    const int offset = entry.nr * kServiceEntrySize;
    PutBigEndian(block, offset, std::bit_cast<quint32>(entry.wert), 4);
    PutBigEndian(block, offset + 4, entry.id, 2);
    return block;
}

bool WriteServiceEntry(const ServiceEntry& entry)
{
    LogEntry(1, QStringLiteral("CServiceDlg::WriteServiceBlock"), QString::number(entry.nr));
    const ServiceBlock block = BuildServiceBlock(entry);
    CKelComm link;
    if (!link.Open())
        return false;
    const bool written = link.WriteServiceBlock(block.data(), kServiceBlockSize) != 0;
    link.Close(1);
    return written;
}

} // namespace hvx
