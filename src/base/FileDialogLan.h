#pragma once
// The program's file dialogs for its own data files (alarm data, measured data, text export):
// title and file type description are numbered texts, the second filter is all files.

#include <QString>
#include <optional>

namespace hvx {

// Asks through the installed user interaction; nullopt when cancelled (or in a batch run).
std::optional<QString> FileDialogLan(bool open, const QString& directory, int titleNumber, int filterNumber,
                                     const QString& extension, const QString& fileName = QString());

} // namespace hvx
