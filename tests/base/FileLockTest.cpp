// The lock of a file's read-modify-write: threads that each add one to a counter kept in a file,
// written whole as saves write it, never lose an increment; a nested lock of the holder does not
// give the lock away; every name of a file shares one lock, and no lock file stays behind.
#include "base/FileLock.h"
#include "base/WholeFile.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace hvx;
using hvx::test::TestApp;

namespace {

int readCounter(const QString& path)
{
    QByteArray bytes;
    return ReadWholeFile(path, 64, bytes) ? bytes.toInt() : -1;
}

} // namespace

TEST(FileLock, ThreadsTakingTurnsLoseNoIncrementAndLeaveNoLockFile)
{
    TestApp app;
    const QString path = app.filePath(QStringLiteral("zaehler.hxd"));
    ASSERT_TRUE(WriteWholeFile(path, "0"));
    constexpr int kThreads = 4;
    constexpr int kIncrements = 60;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&path, t] {
            for (int i = 0; i < kIncrements; ++i) {
                // Half of the threads reach the file through another name of it.
                FileLock lock(t % 2 ? path : QDir::cleanPath(path + QStringLiteral("/../././zaehler.hxd")));
                const int value = readCounter(path);
                {
                    FileLock nested(path); // the holder's own nested scope keeps the lock
                }
                std::this_thread::yield();
                WriteWholeFile(path, QByteArray::number(value + 1));
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(readCounter(path), kThreads * kIncrements);
    EXPECT_FALSE(QFile::exists(FileLock::lockFilePath(path)));
}

TEST(FileLock, EveryNameOfAFileHasTheSameLockBesideTheRealFile)
{
    TestApp app;
    const QString real = app.filePath(QStringLiteral("echt/Anlage1.hxd"));
    ASSERT_TRUE(QDir().mkpath(app.filePath(QStringLiteral("echt"))));
    ASSERT_TRUE(WriteWholeFile(real, "x"));
    ASSERT_TRUE(QFile::link(real, app.filePath(QStringLiteral("verweis.hxd"))));
    ASSERT_TRUE(QFile::link(app.filePath(QStringLiteral("echt")), app.filePath(QStringLiteral("ordner"))));
    const QString expected = QDir(app.filePath(QStringLiteral("echt"))).canonicalPath() + QStringLiteral("/.Anlage1.hxd.lock");
    for (const QString& name : {real, app.filePath(QStringLiteral("verweis.hxd")), app.filePath(QStringLiteral("ordner/Anlage1.hxd")),
                                app.filePath(QStringLiteral("echt/../echt/Anlage1.hxd"))})
        EXPECT_EQ(FileLock::lockFilePath(name), expected) << name.toStdString();
    // A file about to be created has its lock too.
    EXPECT_EQ(FileLock::lockFilePath(app.filePath(QStringLiteral("ordner/Neu.hxd"))),
              QDir(app.filePath(QStringLiteral("echt"))).canonicalPath() + QStringLiteral("/.Neu.hxd.lock"));

    FileLock lock(real);
    EXPECT_TRUE(lock.isLocked());
    EXPECT_TRUE(QFile::exists(expected));
    lock.unlock();
    EXPECT_FALSE(lock.isLocked());
    EXPECT_FALSE(QFile::exists(expected));

    // Without a folder to hold the lock file the caller goes on unlocked.
    EXPECT_FALSE(FileLock(app.filePath(QStringLiteral("fehlt/Anlage1.hxd"))).isLocked());
}
