// The termios port over a real pseudo-terminal.
#include "link/PortLock.h"
#include "link/PosixSerialPort.h"
#include "support/LinkPty.h"
#include "support/TestApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

using namespace std::chrono_literals;
using hvx::PosixSerialPort;
using hvx::WaitResult;

namespace {

class LinkPosixPort : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.isValid());
        ASSERT_TRUE(port.open(pty.slavePath())) << port.lastError();
        ASSERT_TRUE(port.setLineSettings(hvx::LineSettings{}));
    }

    hvxtest::LinkPty pty;
    PosixSerialPort port;
};

double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

TEST_F(LinkPosixPort, BytesTravelBothWaysUnchanged)
{
    // Every byte value, including the ones a cooked terminal would translate or swallow.
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    EXPECT_EQ(port.write(reinterpret_cast<const quint8*>(all.constData()), all.size()), all.size());
    EXPECT_EQ(pty.receive(all.size(), 1s), all);

    pty.send(all);
    QByteArray got;
    while (got.size() < all.size() && port.waitForReadable(1000) == WaitResult::Readable) {
        quint8 chunk[80];
        const qint64 n = port.read(chunk, qMin<qint64>(port.bytesAvailable(), sizeof chunk));
        ASSERT_GE(n, 0);
        got.append(reinterpret_cast<const char*>(chunk), n);
    }
    EXPECT_EQ(got, all);
}

TEST_F(LinkPosixPort, SecondOpenOfTheSameDeviceFailsUntilClosed)
{
    PosixSerialPort second;
    EXPECT_FALSE(second.open(pty.slavePath()));
    EXPECT_FALSE(second.isOpen());
    EXPECT_NE(second.lastError(), 0);
    port.close();
    EXPECT_TRUE(second.open(pty.slavePath())) << second.lastError();
}

TEST_F(LinkPosixPort, MissingDeviceFailsWithItsErrorNumber)
{
    PosixSerialPort missing;
    EXPECT_FALSE(missing.open(QStringLiteral("/dev/hvx-no-such-port")));
    EXPECT_EQ(missing.lastError(), ENOENT);
}

TEST_F(LinkPosixPort, PseudoTerminalRefusesDtrAndLowLatencyButKeepsWorking)
{
    EXPECT_FALSE(port.setDtr(true));
    EXPECT_FALSE(port.requestLowLatency());
    const quint8 byte = 0x10;
    EXPECT_EQ(port.write(&byte, 1), 1);
    EXPECT_EQ(pty.receive(1, 1s), QByteArray(1, 0x10));
}

TEST_F(LinkPosixPort, WaitTimesOutAfterItsTimeWhenNothingComes)
{
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port.waitForReadable(100), WaitResult::TimedOut);
    EXPECT_GE(millisecondsSince(start), 95.0);
    EXPECT_LT(millisecondsSince(start), 1000.0);
}

TEST_F(LinkPosixPort, CancelEndsAWaitFromAnotherThreadAndIsKeptUntilTheNextWait)
{
    const auto start = std::chrono::steady_clock::now();
    std::thread canceller([&] {
        std::this_thread::sleep_for(50ms);
        port.cancelWait();
    });
    EXPECT_EQ(port.waitForReadable(-1), WaitResult::Cancelled);
    canceller.join();
    EXPECT_LT(millisecondsSince(start), 1000.0);

    // A cancel that comes before the wait is not lost, and it is used up by one wait.
    port.cancelWait();
    EXPECT_EQ(port.waitForReadable(-1), WaitResult::Cancelled);
    EXPECT_EQ(port.waitForReadable(20), WaitResult::TimedOut);
}

TEST_F(LinkPosixPort, PurgeDropsWhatWaitsUnread)
{
    pty.send("abc");
    ASSERT_EQ(port.waitForReadable(1000), WaitResult::Readable);
    EXPECT_TRUE(port.purge(hvx::PurgeReceive));
    EXPECT_EQ(port.bytesAvailable(), 0);
    EXPECT_EQ(port.waitForReadable(30), WaitResult::TimedOut);
}

TEST_F(LinkPosixPort, VanishedOtherEndEndsWaitsInsteadOfSpinning)
{
    pty.closeMaster();
    EXPECT_EQ(port.waitForReadable(1000), WaitResult::Failed);
}

namespace {

// Port locks of the serial programs of the system, in lock directories of the test's own.
class LinkPortLockFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.isValid());
        ASSERT_TRUE(locks.isValid());
        useDirectories({locks.path()});
        lockPath = locks.filePath(hvx::PortLockName(pty.slavePath()));
    }
    void TearDown() override { hvx::SetPortLockDirectories(previous); }

    void useDirectories(const QStringList& directories) { hvx::SetPortLockDirectories(directories); }
    static void writeFile(const QString& path, const QByteArray& content)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(content);
    }
    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QByteArray ownLock()
    {
        return QByteArray::number(QCoreApplication::applicationPid()).rightJustified(10, ' ') + '\n';
    }

    hvx::test::TestApp testApp;
    const QStringList previous = hvx::PortLockDirectories();
    QTemporaryDir locks;
    hvxtest::LinkPty pty;
    QString lockPath;
};

QByteArray binaryPid(int pid)
{
    QByteArray bytes(int(sizeof pid), '\0');
    std::memcpy(bytes.data(), &pid, sizeof pid);
    return bytes;
}

} // namespace

TEST_F(LinkPortLockFile, ALockOfARunningProcessKeepsThePortClosedAndAStaleOneIsRemoved)
{
    // Process 1 always runs; no process has an id beyond the system's largest.
    const QByteArray self = QByteArray::number(QCoreApplication::applicationPid());
    struct Case {
        const char* name;
        QByteArray content;
        bool held;
    };
    const Case cases[] = {
        {"a running process, as text", "         1\n", true},
        {"a running process, without blanks and line feed", "1", true},
        {"a running process, as a binary number", binaryPid(1), true},
        {"this process, for another port object", self + '\n', true},
        {"a process that has ended", "2147483000\n", false},
        {"no process id", "frei\n", false},
        {"an empty file", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(lockPath, c.content);
        PosixSerialPort port;
        EXPECT_EQ(port.open(pty.slavePath()), !c.held);
        if (c.held) {
            EXPECT_EQ(port.lastError(), EBUSY);
            EXPECT_EQ(readFile(lockPath), c.content) << "another program's lock stays as it is";
            QFile::remove(lockPath);
            continue;
        }
        EXPECT_EQ(readFile(lockPath), ownLock()) << "the stale lock is replaced by this process's";
        port.close();
        EXPECT_FALSE(QFile::exists(lockPath)) << "closing leaves no lock behind";
    }
}

TEST_F(LinkPortLockFile, EveryNameOfTheDeviceMeetsTheSameLock)
{
    EXPECT_EQ(hvx::PortLockName(pty.slavePath()),
              QStringLiteral("LCK..") + pty.slavePath().mid(int(qstrlen("/dev/"))).replace(u'/', u'_'));
    EXPECT_TRUE(hvx::PortLockName(QStringLiteral("/dev/hvx-no-such-port")).isEmpty());
    const QString link = locks.filePath(QStringLiteral("instrument"));
    ASSERT_TRUE(QFile::link(pty.slavePath(), link));
    EXPECT_EQ(hvx::PortLockName(link), hvx::PortLockName(pty.slavePath()));

    PosixSerialPort port;
    ASSERT_TRUE(port.open(link));
    EXPECT_EQ(readFile(lockPath), ownLock());
    port.close();
    EXPECT_FALSE(QFile::exists(lockPath));
}

TEST_F(LinkPortLockFile, EveryLockDirectoryIsHonouredAndTheFirstWritableOneTakesTheLock)
{
    // A directory below a plain file can be written by nobody, not even by root.
    writeFile(locks.filePath(QStringLiteral("datei")), "x");
    const QString unwritable = locks.filePath(QStringLiteral("datei/lock"));
    const QString second = locks.filePath(QStringLiteral("zweites"));
    ASSERT_TRUE(QDir().mkpath(second));
    const QString secondLock = second + u'/' + hvx::PortLockName(pty.slavePath());

    useDirectories({unwritable, second});
    {
        PosixSerialPort port;
        ASSERT_TRUE(port.open(pty.slavePath()));
        EXPECT_EQ(readFile(secondLock), ownLock()) << "taken where it can be written";
    }
    EXPECT_FALSE(QFile::exists(secondLock));

    useDirectories({locks.path(), second});
    writeFile(secondLock, "1\n");
    PosixSerialPort port;
    EXPECT_FALSE(port.open(pty.slavePath())) << "a lock in the second directory counts too";
    EXPECT_FALSE(QFile::exists(lockPath));
    QFile::remove(secondLock);

    // Nowhere to write a lock: the port opens all the same, as other serial programs do.
    useDirectories({unwritable});
    EXPECT_TRUE(port.open(pty.slavePath()));
}
