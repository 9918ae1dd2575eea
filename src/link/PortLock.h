#pragma once
// The lock file that the serial programs of a system share for a device (the UUCP convention):
// "LCK..<name>" in the lock directory, holding the owner's process id as text. A port is held
// while such a file names a process that still runs; the file of a process that has ended is
// stale and removed. It keeps out programs that never see this program's flock or TIOCEXCL.
//
// <name> is the device's path below /dev with '/' turned into '_' (ttyUSB0, pts_3), after
// symbolic links are resolved, so that every name of a device meets the same lock.
//
// Directories: /run/lock, then /var/lock (where it is not the same directory). Locks in every
// directory are honoured; the lock is taken in the first one that can be written. When none can,
// the port is opened without a lock file, as other serial programs do (the log book says so).

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace hvx {

// The directories in use, in order. Tests point them at a folder of their own; an empty list
// restores the system's.
QStringList PortLockDirectories();
void SetPortLockDirectories(const QStringList& directories);

// The lock file's name for a device ("LCK..ttyUSB0"); empty when the device does not exist.
QString PortLockName(const QString& device);

class PortLock {
public:
    enum class Result {
        Taken,    // this process holds the lock now
        Held,     // a running process holds it (holder())
        Unlocked, // no lock directory could be written: nobody else holds it, nor does this process
    };

    PortLock() = default;
    ~PortLock() { release(); }
    PortLock(const PortLock&) = delete;
    PortLock& operator=(const PortLock&) = delete;

    Result take(const QString& device);
    // Removes the lock file when it is this process's.
    void release();

    qint64 holder() const { return m_holder; }   // after Held
    QString path() const { return m_path; }       // the lock file taken, or the one held
    int lastError() const { return m_lastError; } // after Unlocked: why no file could be made

private:
    QString m_path;
    bool m_taken = false;
    qint64 m_holder = 0;
    int m_lastError = 0;
};

} // namespace hvx
