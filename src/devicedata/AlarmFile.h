#pragma once
// The alarm text file: the fetched temporary file and the ".alm" file have the same format.
// Line 1 "label TAB occurred count", line 2 "label TAB stored count", then one line per record
// "start TAB end TAB alarm text"; Windows-1252, CR LF. Readers ignore the labels.
//
// The reader is a pure function of the file's bytes, so that any file (also a damaged one) can
// be fed to it.

#include "devicedata/AlarmTexts.h"
#include "link/AlarmMemory.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

namespace hvx {

// One row of the alarm list.
struct CAlarmListData {
    int m_nIndex = 0;      // record index in the file, 0-based
    QDateTime m_timeStart; // UTC; 31.12.9999 23:59:59 when the start text cannot be parsed
    QString m_strStart;
    QString m_strEnd;
    QString m_strText;
};

struct AlarmFileContent {
    bool isAlarmFile = false; // the first two lines carry a count after their TAB
    int occurred = 0;
    int stored = 0;
    std::vector<CAlarmListData> rows; // fewer than stored when the file ends early
};

// The file for the memory read from the instrument; the records read are written, even when
// fewer than the stored count.
QByteArray AlarmFileText(const AlarmMemory& memory);

// Start texts are parsed with the alarm time pictures of the application and its languages; the
// second form takes the pictures, so that the reader runs without an application object.
AlarmFileContent ParseAlarmFile(const QByteArray& bytes);
AlarmFileContent ParseAlarmFile(const QByteArray& bytes, std::span<const StampPicture> stampPictures);

enum class AlarmColumn { Start = 0, End = 1, Text = 2 };

// The list's order after a click on a column: by start time in the given direction (equal
// times keep their order), unchanged for the end column, by file index for the text column.
void SortAlarmRows(std::vector<CAlarmListData>& rows, AlarmColumn column, bool ascending);

} // namespace hvx
