// The UUCP lock files of serial devices on a POSIX system (part of the POSIX serial port).
#include "link/PortLock.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <limits>
#include <mutex>
#include <optional>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace hvx {
namespace {

std::mutex g_directoriesMutex;
QStringList g_directories;

QStringList SystemLockDirectories()
{
    return {QStringLiteral("/run/lock"), QStringLiteral("/var/lock")};
}

// Without the duplicates that symbolic links make (/var/lock is /run/lock on many systems).
QStringList DistinctDirectories(const QStringList& directories)
{
    QStringList distinct;
    for (const QString& directory : directories) {
        const QString canonical = QFileInfo(directory).canonicalFilePath();
        const QString path = canonical.isEmpty() ? directory : canonical;
        if (!distinct.contains(path))
            distinct << path;
    }
    return distinct;
}

constexpr qint64 kMaxLockFileBytes = 64;

// What a lock file holds: the owner's process id; 0 when it names none (empty, garbage).
qint64 LockOwner(const QByteArray& content)
{
    // Programs write the id as text ("%10d\n", some without the blanks or the line feed);
    // old ones wrote it as a binary int.
    bool isNumber = false;
    const qint64 pid = content.trimmed().toLongLong(&isNumber);
    if (isNumber)
        return pid > 0 ? pid : 0;
    if (content.size() == qsizetype(sizeof(int))) {
        int binary = 0;
        std::memcpy(&binary, content.constData(), sizeof binary);
        return binary > 0 ? binary : 0;
    }
    return 0;
}

bool IsThisProcess(qint64 pid)
{
    return pid == qint64(::getpid());
}

bool ProcessRuns(qint64 pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    // EPERM: it runs, under another user.
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

struct LockFile {
    bool exists = false;
    bool readable = false;
    qint64 owner = 0;
};

LockFile ReadLockFile(const QString& path)
{
    LockFile lock;
    QFile file(path);
    lock.exists = file.exists();
    if (!lock.exists)
        return lock;
    lock.readable = file.open(QIODevice::ReadOnly);
    if (lock.readable)
        lock.owner = LockOwner(file.read(kMaxLockFileBytes));
    return lock;
}

// Makes the lock file with this process's id in one step: written whole under a temporary name,
// then linked to the lock's name, which fails (EEXIST) when someone holds the lock. Returns 0 or
// the error number.
int CreateLockFile(const QString& directory, const QString& path)
{
    QByteArray temporary = QFile::encodeName(directory + QStringLiteral("/LTMP.XXXXXX"));
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return errno;
    const QByteArray text = QByteArray::number(qint64(::getpid())).rightJustified(10, ' ') + '\n';
    bool written = ::write(fd, text.constData(), size_t(text.size())) == text.size();
    written = ::fchmod(fd, 0644) == 0 && written;
    written = ::close(fd) == 0 && written;
    int error = written ? 0 : EIO;
    if (written && ::link(temporary.constData(), QFile::encodeName(path).constData()) != 0)
        error = errno;
    ::unlink(temporary.constData());
    return error;
}

// Another program may take the lock between the look and the try; then it is looked at again.
constexpr int kAttempts = 3;

} // namespace

QStringList PortLockDirectories()
{
    const std::lock_guard lock(g_directoriesMutex);
    return g_directories.isEmpty() ? SystemLockDirectories() : g_directories;
}

void SetPortLockDirectories(const QStringList& directories)
{
    const std::lock_guard lock(g_directoriesMutex);
    g_directories = directories;
}

QString PortLockName(const QString& device)
{
    const QString canonical = QFileInfo(device).canonicalFilePath();
    if (canonical.isEmpty())
        return QString();
    const QString devicePrefix = QStringLiteral("/dev/");
    QString name = canonical.startsWith(devicePrefix) ? canonical.mid(devicePrefix.size()) : QFileInfo(canonical).fileName();
    name.replace(u'/', u'_');
    return QStringLiteral("LCK..") + name;
}

PortLock::Result PortLock::take(const QString& device)
{
    release();
    m_holder = 0;
    m_lastError = 0;
    const QString name = PortLockName(device);
    if (name.isEmpty())
        return Result::Unlocked; // no such device: opening it fails anyway
    const QStringList directories = DistinctDirectories(PortLockDirectories());
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        // Every directory's lock counts; a lock of a process that has ended is removed.
        for (const QString& directory : directories) {
            const QString path = directory + u'/' + name;
            const LockFile lock = ReadLockFile(path);
            if (!lock.exists)
                continue;
            if (!lock.readable || IsThisProcess(lock.owner) || ProcessRuns(lock.owner)) {
                m_holder = lock.owner;
                m_path = path;
                return Result::Held;
            }
            ::unlink(QFile::encodeName(path).constData());
        }
        int error = ENOENT;
        for (const QString& directory : directories) {
            const QString path = directory + u'/' + name;
            error = CreateLockFile(directory, path);
            if (error == 0) {
                m_path = path;
                m_taken = true;
                return Result::Taken;
            }
            if (error == EEXIST)
                break;
        }
        if (error != EEXIST) {
            m_lastError = error;
            return Result::Unlocked;
        }
    }
    m_lastError = EEXIST;
    return Result::Held;
}

void PortLock::release()
{
    // Only a file that still names this process is removed: never another program's lock.
    if (m_taken && IsThisProcess(ReadLockFile(m_path).owner))
        ::unlink(QFile::encodeName(m_path).constData());
    m_taken = false;
    m_path.clear();
}

} // namespace hvx
