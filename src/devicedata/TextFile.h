#pragma once
// Whole-file reads and writes of the device data files (.alm, .dat), with failures in the log
// book. Writes go through WriteWholeFile, so a failure never leaves a half-written file.

#include <QByteArray>
#include <QString>
#include <optional>

namespace hvx {

// On failure the cause is logged and, when asked for, handed back.
bool WriteDataFile(const QString& path, const QByteArray& bytes, QString* cause = nullptr);
std::optional<QByteArray> ReadDataFile(const QString& path);

// A new, empty file with a unique name "HVX…" in the directory (the system's temporary
// directory when it is empty); an empty text when none can be created.
QString CreateUniqueFile(const QString& directory);

} // namespace hvx
