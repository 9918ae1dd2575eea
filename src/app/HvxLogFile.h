#pragma once
// The daily log book: one file per day, opened, appended and closed for every entry.

#include <QString>
#include <QtGlobal>

class CHvxLogFile {
public:
    void SetLogDir(const QString& directory); // fixes the file name with today's date
    void SetLevel(int level) { m_nLevel = level; }
    int Level() const { return m_nLevel; }
    QString Path() const { return m_strPath; }

    // Builds the line (date, time, text, detail with continuation indentation) and appends it
    // when level <= the log level. hasDetail distinguishes an empty detail from none.
    void Write(int level, const QString& text, bool hasDetail, const QString& detail);

    QString m_strPath;
    int m_nLevel = 1;
};
