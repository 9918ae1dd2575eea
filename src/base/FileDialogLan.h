#pragma once
// The program's file dialogs for its own data files (alarm data, measured data, text export):
// title and file type description are numbered texts, the second filter is all files.

#include <QDate>
#include <QString>
#include <optional>

namespace hvx {

// Asks through the installed user interaction; nullopt when cancelled (or in a batch run).
// allFiles replaces the all-files entry (the image files keep their established pair).
std::optional<QString> FileDialogLan(bool open, const QString& directory, int titleNumber, int filterNumber,
                                     const QString& extension, const QString& fileName = QString(),
                                     const QString& allFiles = QString());

// The name a save dialog proposes, with its extension: the document's file name, or without a
// document file (and for data that come from the instrument) the date as YYYYMMDD.
QString ProposedFileName(const QString& documentPath, const QString& extension,
                         const QDate& today = QDate::currentDate());

} // namespace hvx
