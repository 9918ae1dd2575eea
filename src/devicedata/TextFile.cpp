#include "devicedata/TextFile.h"

#include "base/Log.h"
#include "base/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

namespace hvx {

bool WriteDataFile(const QString& path, const QByteArray& bytes, QString* cause)
{
    QString error;
    if (!WriteWholeFile(path, bytes, &error)) {
        LogEntry(0, QStringLiteral("WriteDataFile ") + path, error);
        if (cause)
            *cause = error;
        return false;
    }
    return true;
}

std::optional<QByteArray> ReadDataFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LogEntry(2, QStringLiteral("ReadDataFile ") + path, file.errorString());
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
