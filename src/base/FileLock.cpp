#include "base/FileLock.h"

#include "base/Log.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hvx {
namespace {

const QString kMarker = QStringLiteral("FileLock");

// The locks this thread holds, by lock file, with their nesting depth.
QHash<QString, int>& heldByThisThread()
{
    thread_local QHash<QString, int> held;
    return held;
}

QString errorText(const QString& lockPath)
{
    return lockPath + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
}

int openLockFile(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EACCES)
        return fd;
    // Another user's lock file: taking the lock needs no write access to it.
    return ::open(path.constData(), O_RDONLY | O_CLOEXEC);
}

int flockRetrying(int fd, int operation)
{
    int result = 0;
    do {
        result = ::flock(fd, operation);
    } while (result != 0 && errno == EINTR);
    return result;
}

// Whether the locked file is still the one at the path: the holder before may have removed it
// between our open and our lock, and a newer lock file is then the lock.
bool stillTheLockFile(int fd, const QByteArray& path)
{
    struct stat locked {};
    struct stat current {};
    return ::fstat(fd, &locked) == 0 && ::stat(path.constData(), &current) == 0 && locked.st_dev == current.st_dev
           && locked.st_ino == current.st_ino;
}

} // namespace

QString FileLock::lockFilePath(const QString& path)
{
    // Every name of one file gets one lock: the real folder, and the file a link points to.
    const QFileInfo given(path);
    const QFileInfo file(given.exists() ? given.canonicalFilePath() : given.absoluteFilePath());
    QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        folder = file.absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + QLatin1Char('.') + file.fileName() + QStringLiteral(".lock");
}

FileLock::FileLock(const QString& path) : m_lockPath(lockFilePath(path))
{
    QHash<QString, int>& held = heldByThisThread();
    if (held.value(m_lockPath) > 0) {
        ++held[m_lockPath];
        m_held = true;
        return;
    }
    const QByteArray native = QFile::encodeName(m_lockPath);
    for (;;) {
        const int fd = openLockFile(native);
        if (fd < 0) {
            LogEntry(2, kMarker, errorText(m_lockPath));
            return;
        }
        int locked = flockRetrying(fd, LOCK_EX | LOCK_NB);
        if (locked != 0 && errno == EWOULDBLOCK) {
            LogEntry(2, kMarker, m_lockPath + QStringLiteral(": waiting for another save"));
            locked = flockRetrying(fd, LOCK_EX);
        }
        if (locked != 0) {
            LogEntry(2, kMarker, errorText(m_lockPath));
            ::close(fd);
            return;
        }
        if (stillTheLockFile(fd, native)) {
            m_fd = fd;
            m_held = true;
            held.insert(m_lockPath, 1);
            return;
        }
        ::close(fd);
    }
}

void FileLock::unlock()
{
    if (!m_held)
        return;
    m_held = false;
    QHash<QString, int>& held = heldByThisThread();
    if (m_fd < 0) { // an outer scope of this thread keeps the lock
        const auto it = held.find(m_lockPath);
        if (it != held.end() && --it.value() <= 0)
            held.erase(it);
        return;
    }
    held.remove(m_lockPath);
    // Removed while still locked: whoever waits on it then sees it gone and takes a new one.
    ::unlink(QFile::encodeName(m_lockPath).constData());
    ::close(m_fd);
    m_fd = -1;
}

} // namespace hvx
