#include "devicedata/TextFile.h"

#include "base/Log.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryFile>

namespace hvx {

bool WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        LogEntry(0, QStringLiteral("WriteWholeFile ") + path, file.errorString());
        return false;
    }
    return true;
}

std::optional<QByteArray> ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LogEntry(2, QStringLiteral("ReadWholeFile ") + path, file.errorString());
        return std::nullopt;
    }
    return file.readAll();
}

QString CreateUniqueFile(const QString& directory)
{
    const QString dir = directory.isEmpty() ? QDir::tempPath() : directory;
    QTemporaryFile file(QDir(dir).filePath(QStringLiteral("HVX_XXXXXX.tmp")));
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    return file.fileName();
}

} // namespace hvx
