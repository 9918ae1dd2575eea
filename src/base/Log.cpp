// The log book's entry functions: each builds its text and detail and ends in CHvxLogFile::Write.
#include "base/Log.h"

#include "base/HvxApp.h"
#include "base/Language.h"

namespace {

constexpr int kHexBytesPerLine = 16;

CHvxLogFile& logBook()
{
    return theApp().m_logFile;
}

bool wanted(int level)
{
    return level <= logBook().Level();
}

QString numberText(double value, int decimals)
{
    return QString::asprintf("%.*f", qMax(decimals, 0), value);
}

} // namespace

void LogEntry(int level, const QString& text)
{
    logBook().Write(level, text, false, QString());
}

void LogEntry(int level, const QString& text, const QString& detail)
{
    logBook().Write(level, text, true, detail);
}

void LogEntryId(int level, int number)
{
    if (wanted(level))
        LogEntry(level, GetStringsText(number));
}

void LogEntryId(int level, int number, const QString& detail)
{
    if (wanted(level))
        LogEntry(level, GetStringsText(number), detail);
}

void LogNumber(int level, const QString& text, double value, int decimals)
{
    LogEntry(level, text, numberText(value, decimals));
}

void LogInt(int level, const QString& text, qint64 value)
{
    LogEntry(level, text, QString::number(value));
}

void LogIdNumber(int level, int number, double value, int decimals)
{
    if (wanted(level))
        LogNumber(level, GetStringsText(number), value, decimals);
}

void LogIdInt(int level, int number, qint64 value)
{
    if (wanted(level))
        LogInt(level, GetStringsText(number), value);
}

void LogHexDump(int level, const QString& text, const quint8* bytes, int length)
{
    if (wanted(level))
        LogEntry(level, text, HexDumpText(bytes, length));
}

void LogHexDumpId(int level, int number, const quint8* bytes, int length)
{
    if (wanted(level))
        LogHexDump(level, GetStringsText(number), bytes, length);
}

QString HexDumpText(const quint8* bytes, int length)
{
    QString dump;
    if (bytes == nullptr)
        return dump;
    for (int start = 0; start < length; start += kHexBytesPerLine) {
        const int count = qMin(kHexBytesPerLine, length - start);
        QString characters;
        for (int i = 0; i < count; ++i) {
            const quint8 byte = bytes[start + i];
            dump += QString::asprintf("%02X ", byte);
            characters += (byte >= 32 && byte <= 126) ? QChar(byte) : QChar(u'.');
        }
        dump += QString((kHexBytesPerLine - count) * 3, u' ') + characters + u'\n';
    }
    return dump;
}
