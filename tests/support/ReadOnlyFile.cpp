#include "support/ReadOnlyFile.h"

#include <QFile>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace hvx::test {
namespace {

bool writable(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace

ReadOnlyFile::ReadOnlyFile(const QString& path) : m_path(path)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    if (writable(path))
        m_immutable = setImmutable(true);
    m_protected = !writable(path);
}

ReadOnlyFile::~ReadOnlyFile()
{
    if (m_immutable)
        setImmutable(false);
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

bool ReadOnlyFile::setImmutable(bool on) const
{
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

} // namespace hvx::test
