#pragma once
// The text export: every setting of the document's parameter set as a labelled line, in the
// language of the language files, written in Windows-1252 with CR LF line ends.

#include "output/Ausgabe.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

class CHVXDoc;

namespace hvx {

// One line of an export file for a line of the output (without line end): label and value, a
// table row's cells, separated by tabs; a text block's further lines start with a tab.
QString exportZeile(const Ausgabezeile& zeile);

// The lines of the export file (without line ends). zeitpunkt is the time the export shows.
QStringList exportZeilen(const Ausgabequelle& quelle, const QDateTime& zeitpunkt);

// The file's bytes: the lines in Windows-1252, each ended by CR LF.
QByteArray exportDatei(const QStringList& zeilen);

// Writes the export of the document to path through a temporary file, so a failure never
// leaves half a file. On failure fehler holds the system's description.
bool schreibeExport(const CHVXDoc& doc, const QString& path, QString* fehler = nullptr);

// The menu command: the save dialog in the export directory, the log entry, the file and the
// message that reports the result. False when cancelled or failed.
bool OnDateiExportTxt(const CHVXDoc& doc);

// The date and time an export or printout shows: the application's date and time pictures,
// the time without seconds and in 24-hour form.
QString ausgabeZeitpunkt(const QDateTime& zeitpunkt);

} // namespace hvx
