#pragma once
// Files the program produces are written whole: the bytes go to a temporary file in the same
// directory, which is flushed and then renamed over the target, keeping the target's
// permissions. A failure or a killed process leaves the previous file (or none) in place.

#include <QByteArray>
#include <QString>

namespace hvx {

// Replaces (or creates) the file at path with bytes. On failure returns false with the
// platform's error text in errorText (when given).
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* errorText = nullptr);

// Reads a file of at most maxSize bytes. False (with the error text) when it cannot be read
// or is larger.
bool ReadWholeFile(const QString& path, qint64 maxSize, QByteArray& bytes, QString* errorText = nullptr);

} // namespace hvx
