#pragma once
// The support file: one text file that tells support which program, which machine, which
// settings and what happened (the day's log book). Written by the about box and by
// "hvxcli support"; both use this one assembly.

#include "app/SystemInfo.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

class CHVXApp;

namespace hvx {

// "20120705.spt" for 5 July 2012.
QString SupportFileName(const QDate& day);

// Where the support file goes: the program directory, or the per-user data directory when the
// program directory cannot be written (a system install).
QString SupportFileDir(const CHVXApp& app);

// Appends the file to out, keeping only line feeds and the bytes 32..126. False when the file
// cannot be opened or read (logged).
bool AppendToSupportFile(QByteArray& out, const QString& path);

// The whole content of a support file named path, made at the moment now.
QByteArray SupportFileContent(CHVXApp& app, const QString& path, const QDateTime& now, const SystemInfo& system);

// "Die Supportdatei %1 konnte nicht geschrieben werden."
inline constexpr int kTextSupportFileNotWritten = 3915;

struct SupportFileResult {
    bool written = false;
    QString path;
};

// Writes today's support file into SupportFileDir (replacing one of the same day), falling back
// to the per-user data directory when the program directory refuses the file.
SupportFileResult WriteSupportFile(CHVXApp& app, const QDateTime& now, const SystemSources& sources = {});
// Writes the support file to the given path.
SupportFileResult WriteSupportFileTo(CHVXApp& app, const QString& path, const QDateTime& now,
                                     const SystemSources& sources = {});

} // namespace hvx
