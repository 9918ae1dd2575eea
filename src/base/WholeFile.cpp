#include "base/WholeFile.h"

#include "base/Language.h"

#include <QFile>
#include <QSaveFile>

namespace hvx {
namespace {

constexpr int kTextTooLarge = 3085;      // %1 bytes, more than the %2 accepted
constexpr int kTextGrownTooLarge = 3086; // more than the %1 bytes accepted

bool failed(QString* errorText, const QString& text)
{
    if (errorText)
        *errorText = text;
    return false;
}

} // namespace

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* errorText)
{
    const bool existed = QFile::exists(path);
    const QFileDevice::Permissions permissions = existed ? QFile::permissions(path) : QFileDevice::Permissions();
    QSaveFile file(path);
    // Unbuffered: a short write is seen here, not lost in a flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(errorText, file.errorString());
    if (existed)
        file.setPermissions(permissions);
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return failed(errorText, error);
    }
    if (!file.commit())
        return failed(errorText, file.errorString());
    return true;
}

bool ReadWholeFile(const QString& path, qint64 maxSize, QByteArray& bytes, QString* errorText)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(errorText, file.errorString());
    if (file.size() > maxSize)
        return failed(errorText, GetStringsText(kTextTooLarge).arg(file.size()).arg(maxSize));
    bytes = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError)
        return failed(errorText, file.errorString());
    if (bytes.size() > maxSize) // grown since the size was asked
        return failed(errorText, GetStringsText(kTextGrownTooLarge).arg(maxSize));
    return true;
}

} // namespace hvx
