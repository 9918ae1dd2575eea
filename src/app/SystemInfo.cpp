#include "app/SystemInfo.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <sys/utsname.h>

namespace hvx {
namespace {

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QString kernelText()
{
    utsname names{};
    if (::uname(&names) != 0)
        return QString();
    return QString::fromUtf8(names.sysname) + u' ' + QString::fromUtf8(names.release) + u' '
        + QString::fromUtf8(names.machine);
}

// The value of "key: value" lines (cpuinfo, meminfo), first occurrence.
QString colonValue(const QString& text, const QString& key)
{
    for (const QStringView line : QStringView(text).split(u'\n')) {
        const qsizetype colon = line.indexOf(u':');
        if (colon > 0 && line.left(colon).trimmed() == key)
            return line.mid(colon + 1).trimmed().toString();
    }
    return QString();
}

// The mounts file writes blanks and other special characters of a path as octal escapes.
QString unescapeMountField(const QString& field)
{
    QString result;
    for (qsizetype i = 0; i < field.size(); ++i) {
        bool ok = false;
        const int code = field.mid(i + 1, 3).toInt(&ok, 8);
        if (field.at(i) == u'\\' && i + 3 < field.size() && ok) {
            result += QChar(code);
            i += 3;
        } else {
            result += field.at(i);
        }
    }
    return result;
}

const QStringList kNetworkTypes = {QStringLiteral("nfs"), QStringLiteral("nfs4"), QStringLiteral("cifs"),
                                   QStringLiteral("smb3"), QStringLiteral("smbfs"), QStringLiteral("fuse.sshfs"),
                                   QStringLiteral("9p")};
const QStringList kImageTypes = {QStringLiteral("squashfs"), QStringLiteral("iso9660"), QStringLiteral("udf")};

bool holdsUserData(const QString& device, const QString& type, const QString& mountPoint)
{
    if (kNetworkTypes.contains(type))
        return true;
    if (kImageTypes.contains(type) || device.startsWith(QLatin1String("/dev/loop")))
        return false;
    // The root of a container is an overlay; every other disk comes from a device node.
    return device.startsWith(QLatin1String("/dev/")) || mountPoint == QLatin1String("/");
}

} // namespace

QString DistributionName(const QString& osRelease)
{
    QString name;
    for (const QString& line : osRelease.split(u'\n')) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        QString value = line.mid(equals + 1).trimmed();
        if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        if (key == QLatin1String("PRETTY_NAME"))
            return value;
        if (key == QLatin1String("NAME") && name.isEmpty())
            name = value;
    }
    return name;
}

qint64 MemInfoBytes(const QString& memInfo, const QString& key)
{
    const QString value = colonValue(memInfo, key);
    bool ok = false;
    const qint64 kilobytes = value.section(u' ', 0, 0).toLongLong(&ok);
    return ok ? kilobytes * 1024 : -1;
}

QString ProcessorModel(const QString& cpuInfo)
{
    for (const char* key : {"model name", "Model", "Hardware", "cpu model", "cpu"}) {
        const QString model = colonValue(cpuInfo, QLatin1String(key));
        if (!model.isEmpty())
            return model;
    }
    return QString();
}

QList<FileSystemEntry> UserFileSystems(const QString& mounts)
{
    QList<FileSystemEntry> entries;
    QStringList seen;
    for (const QString& line : mounts.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        if (fields.size() < 3)
            continue;
        const QString device = unescapeMountField(fields.at(0));
        const QString mountPoint = unescapeMountField(fields.at(1));
        const QString& type = fields.at(2);
        if (!holdsUserData(device, type, mountPoint) || seen.contains(mountPoint))
            continue;
        seen.append(mountPoint);
        entries.append({mountPoint, type});
    }
    return entries;
}

SystemInfo ReadSystemInfo(const SystemSources& sources)
{
    SystemInfo info;
    QStringList system;
    const QString distribution = DistributionName(readText(sources.osRelease));
    if (!distribution.isEmpty())
        system << distribution;
    if (sources.withKernel) {
        const QString kernel = kernelText();
        if (!kernel.isEmpty())
            system << kernel;
    }
    info.system = system.join(QLatin1String(", "));

    const QString memInfo = readText(sources.memInfo);
    info.memoryTotal = MemInfoBytes(memInfo, QStringLiteral("MemTotal"));
    info.memoryAvailable = MemInfoBytes(memInfo, QStringLiteral("MemAvailable"));
    info.processor = ProcessorModel(readText(sources.cpuInfo));

    for (FileSystemEntry entry : UserFileSystems(readText(sources.mounts))) {
        // A single file mounted into a container (/etc/hosts) is no file system of its own.
        if (!QFileInfo(entry.mountPoint).isDir())
            continue;
        const QStorageInfo storage(entry.mountPoint);
        entry.sizeKnown = storage.isValid() && storage.bytesTotal() > 0;
        if (entry.sizeKnown) {
            entry.freeForUser = storage.bytesAvailable();
            entry.total = storage.bytesTotal();
            entry.free = storage.bytesFree();
        }
        info.fileSystems.append(entry);
    }
    return info;
}

} // namespace hvx
