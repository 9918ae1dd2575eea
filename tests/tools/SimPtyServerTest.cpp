// The pseudo-terminal server: the tool closes and reopens the device, stops and starts, and the
// hvx-sim program around it.

#include "SimFixture.h"

#include <QProcess>
#include <QTemporaryDir>
#include <thread>
#include <unistd.h>

using namespace simtest;
using namespace hvxsim;

TEST_F(SimPtyTest, ServesAgainAfterTheDeviceIsClosedAndReopened)
{
    Connect();
    ASSERT_EQ(client.Transact({kWriteParameters}, 1), Bytes{kAck});
    client.Send(Bytes(100, 0x00)); // closed in the middle of a block
    client.Close();
    for (int i = 0; i < 50 && simulator->PeerConnected(); ++i)
        std::this_thread::sleep_for(10ms);
    EXPECT_FALSE(simulator->PeerConnected());
    EXPECT_FALSE(instrument->InProgrammingMode()) << "a closed port ends programming mode";

    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(client.Open(simulator->SlavePath()));
        EXPECT_EQ(client.Transact({kConnect}, 1), Bytes{kAck}) << "round " << round;
        EXPECT_EQ(client.Transact({kReadConfiguration}, 48).size(), 48u);
        client.Close();
    }
}

TEST_F(SimPtyTest, TwoOpenersSeeOneInstrument)
{
    PtyClient second(simulator->SlavePath());
    ASSERT_TRUE(second.IsOpen());
    client.Close(); // one holder left: the line stays up
    EXPECT_EQ(second.Transact({kConnect}, 1), Bytes{kAck});
}

TEST_F(SimPtyTest, StopEndsServingPromptlyWithTheDeviceOpen)
{
    Connect();
    const auto start = SteadyClock::now();
    simulator->Stop();
    EXPECT_LT(SteadyClock::now() - start, 1000ms);
    EXPECT_FALSE(simulator->IsRunning());
    EXPECT_TRUE(client.Transact({kConnect}, 1, 200ms).empty());
}

TEST_F(SimPtyTest, StartAgainGivesAWorkingDevice)
{
    simulator->Stop();
    client.Close();
    std::string error;
    ASSERT_TRUE(simulator->Start(&error)) << error;
    ASSERT_TRUE(client.Open(simulator->SlavePath()));
    EXPECT_EQ(client.Transact({kConnect}, 1), Bytes{kAck});
}

TEST(SimProgram, PrintsItsDeviceMakesTheLinkAndStopsOnSigterm)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("hydrovant"));
    QProcess program;
    program.start(QStringLiteral(HVX_TEST_BIN_DIR "/hvx-sim"),
                  {QStringLiteral("--link"), link, QStringLiteral("--revision"), QStringLiteral("0x20"),
                   QStringLiteral("--modules"), QStringLiteral("1,13"), QStringLiteral("--fault"),
                   QStringLiteral("nack-v:0x11")});
    ASSERT_TRUE(program.waitForStarted(5000));
    ASSERT_TRUE(program.waitForReadyRead(5000));
    const QString device = QString::fromLocal8Bit(program.readLine()).trimmed();
    EXPECT_TRUE(device.startsWith(QStringLiteral("/dev/pts/"))) << device.toStdString();
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), device);

    PtyClient client(link.toStdString());
    ASSERT_TRUE(client.IsOpen());
    EXPECT_EQ(client.Transact({kConnect}, 1), Bytes{kAck});
    const Bytes config = client.Transact({kReadConfiguration}, 48);
    ASSERT_EQ(config.size(), 48u);
    EXPECT_EQ(config[0], 0x20);
    EXPECT_EQ(config[2], 1);
    EXPECT_EQ(config[6], 13);
    EXPECT_EQ(config[7], 15) << "a timer module of variant L has the timer controller";
    EXPECT_EQ(client.Transact({kDisconnect}, 1), Bytes{kNack});
    client.Close();

    program.terminate();
    ASSERT_TRUE(program.waitForFinished(5000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(link) || QFileInfo(link).isSymLink()) << "the link is removed";
}

TEST(SimProgram, RejectsABadOptionWithAReason)
{
    QProcess program;
    program.start(QStringLiteral(HVX_TEST_BIN_DIR "/hvx-sim"), {QStringLiteral("--fault"), QStringLiteral("nack-x")});
    ASSERT_TRUE(program.waitForFinished(5000));
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_TRUE(program.readAllStandardError().contains("unknown kind"));
}
