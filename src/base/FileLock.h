#pragma once
// An exclusive lock on a file for one read-modify-write. Every save of a configuration file, its
// backup, the transfer stamp and the whole open-change-save of an hvxcli command hold it, so
// two programs (or two threads) that change one file at once take turns and no change is lost.
//
// The lock lives on a lock file beside the file (".NAME.lock"), not on the file itself: a save
// replaces the file by renaming a new one over it, which would leave a lock on the old file
// behind, and a file about to be created has nothing to lock yet. The lock file exists while the
// lock is held; one left by a killed program is harmless, as the system drops the lock with it.
// The thread that holds a lock may take it again (nested scopes); other threads and processes
// wait for it. Where no lock file can be made (a folder without write access) the caller goes on
// without the lock: a save there fails on its own, with its own message.

#include <QString>

namespace hvx {

class FileLock {
public:
    // Waits until the lock for the file at path is this thread's.
    explicit FileLock(const QString& path);
    ~FileLock() { unlock(); }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Gives the lock up before the scope ends (for example while the user is asked something).
    void unlock();
    // True while this scope holds the lock (also when an outer scope of this thread took it).
    bool isLocked() const { return m_held; }

    // The lock file of the file at path.
    static QString lockFilePath(const QString& path);

private:
    QString m_lockPath;
    int m_fd = -1;      // the lock file while this scope took the lock itself
    bool m_held = false;
};

} // namespace hvx
