#pragma once
// What the support file tells about the machine, from what Linux offers: the distribution and
// kernel, the memory, the file systems that hold user data and the processor. Nothing else
// (no host name, no user name) is read.

#include <QList>
#include <QString>
#include <QtGlobal>

namespace hvx {

// Where the facts come from; tests point these at files of their own.
struct SystemSources {
    QString osRelease = QStringLiteral("/etc/os-release");
    QString memInfo = QStringLiteral("/proc/meminfo");
    QString cpuInfo = QStringLiteral("/proc/cpuinfo");
    QString mounts = QStringLiteral("/proc/self/mounts");
    bool withKernel = true; // the running kernel (uname)
};

struct FileSystemEntry {
    QString mountPoint;
    QString type;
    bool sizeKnown = false;
    qint64 freeForUser = 0;
    qint64 total = 0;
    qint64 free = 0;
};

struct SystemInfo {
    QString system;         // "Debian GNU/Linux 12 (bookworm), Linux 6.1.0-18-amd64 x86_64"
    qint64 memoryTotal = -1; // bytes; -1 when not known
    qint64 memoryAvailable = -1;
    QList<FileSystemEntry> fileSystems;
    QString processor;      // empty when not known
};

SystemInfo ReadSystemInfo(const SystemSources& sources = {});

// The parts, each from the text of its source (exposed for the tests).
QString DistributionName(const QString& osRelease);
qint64 MemInfoBytes(const QString& memInfo, const QString& key);
QString ProcessorModel(const QString& cpuInfo);
// The mounted file systems that hold user data: disks and network shares (no pseudo file
// systems, no read-only images, no single mounted files), each mount point once.
QList<FileSystemEntry> UserFileSystems(const QString& mounts);

} // namespace hvx
