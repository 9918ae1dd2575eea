#include "devicedata/AlarmFile.h"

#include "base/Language.h"
#include "base/PrintfTemplate.h"
#include "devicedata/AlarmTexts.h"
#include "document/Cp1252.h"

#include <algorithm>

namespace hvx {
namespace {

constexpr int kTextOccurred = 446; // "Aufgetretene Alarme\t%d"
constexpr int kTextStored = 447;   // "Gespeicherte Alarme\t%d"
constexpr int kStampSize = 6;
constexpr int kCodeOffset = 6;
const QDateTime kUnparsable(QDate(9999, 12, 31), QTime(23, 59, 59), Qt::UTC);

// The number after the first TAB; 0 when there is none.
int CountOf(const QString& line)
{
    const qsizetype tab = line.indexOf(u'\t');
    return tab < 0 ? 0 : qMax(0, line.mid(tab + 1).trimmed().toInt());
}

// Whether the line is a count line: a label, a TAB and a count.
bool IsCountLine(const QString& line)
{
    const qsizetype tab = line.indexOf(u'\t');
    bool number = false;
    const int count = tab < 0 ? -1 : line.mid(tab + 1).trimmed().toInt(&number);
    return number && count >= 0;
}

} // namespace

QByteArray AlarmFileText(const AlarmMemory& memory)
{
    QStringList lines{FillPrintfTemplate(GetStringsText(kTextOccurred), {qint64(memory.occurred)}),
                      FillPrintfTemplate(GetStringsText(kTextStored), {qint64(memory.stored)})};
    for (const AlarmRecordBytes& record : memory.records) {
        lines << AlarmStampText(record.data()) + u'\t' + AlarmStampText(record.data() + kStampSize + 1) + u'\t'
                     + AlarmText(record[kCodeOffset]);
    }
    return ToCp1252(lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n"));
}

AlarmFileContent ParseAlarmFile(const QByteArray& bytes)
{
    return ParseAlarmFile(bytes, AlarmStampPictures());
}

AlarmFileContent ParseAlarmFile(const QByteArray& bytes, std::span<const StampPicture> stampPictures)
{
    QStringList lines = FromCp1252(bytes).split(u'\n');
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    AlarmFileContent content;
    content.isAlarmFile = lines.size() > 1 && IsCountLine(lines[0]) && IsCountLine(lines[1]);
    content.occurred = lines.size() > 0 ? CountOf(lines[0]) : 0;
    content.stored = lines.size() > 1 ? CountOf(lines[1]) : 0;
    for (int i = 0; i < content.stored && 2 + i < lines.size(); ++i) {
        const QString& line = lines[2 + i];
        if (2 + i == lines.size() - 1 && line.isEmpty())
            break; // what follows the last line end: the end of the file, not a record
        const QStringList fields = line.split(u'\t');
        CAlarmListData row;
        row.m_nIndex = i;
        row.m_strStart = fields.value(0);
        row.m_strEnd = fields.value(1);
        row.m_strText = fields.value(2);
        row.m_timeStart = ParseAlarmStampText(row.m_strStart, stampPictures).value_or(kUnparsable);
        content.rows.push_back(row);
    }
    return content;
}

void SortAlarmRows(std::vector<CAlarmListData>& rows, AlarmColumn column, bool ascending)
{
    switch (column) {
    case AlarmColumn::Start:
        std::stable_sort(rows.begin(), rows.end(), [ascending](const CAlarmListData& a, const CAlarmListData& b) {
            return ascending ? a.m_timeStart < b.m_timeStart : b.m_timeStart < a.m_timeStart;
        });
        break;
    case AlarmColumn::End:
        break; // all rows compare equal
    case AlarmColumn::Text:
        std::stable_sort(rows.begin(), rows.end(),
                         [](const CAlarmListData& a, const CAlarmListData& b) { return a.m_nIndex < b.m_nIndex; });
        break;
    }
}

} // namespace hvx
