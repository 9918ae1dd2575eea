// The termios port over a real pseudo-terminal.
#include "link/PosixSerialPort.h"
#include "support/LinkPty.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
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
