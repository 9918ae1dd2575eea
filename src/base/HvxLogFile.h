#pragma once
// The daily log book: one file per day, opened, appended and closed for every entry.

#include <QString>
#include <QtGlobal>

class QDateTime;

class CHvxLogFile {
public:
    void SetLogDir(const QString& directory); // fixes the file name with today's date
    void SetLevel(int level) { m_nLevel = level; }
    int Level() const { return m_nLevel; }
    QString Path() const { return m_strPath; }

    // Builds the line (date, time, text, detail with continuation indentation) and appends it
    // when level <= the log level. hasDetail distinguishes an empty detail from none.
    void Write(int level, const QString& text, bool hasDetail, const QString& detail);

    // The line of an entry at the given moment; date and time always as "05.07.2012 14:03:11",
    // whatever the language.
    static QString FormatLine(const QDateTime& now, const QString& text, bool hasDetail, const QString& detail);

    // "20120705.log" for 5 July 2012.
    static QString FileNameFor(const QDateTime& day);

    QString m_strPath;
    int m_nLevel = 1;
};
