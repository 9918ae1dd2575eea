// The port layer of the link where a scripted port is needed: chunked receiving, a receive
// thread that does not end, the simulator mapping without a simulator, the device rule.
#include "link/KelComm.h"
#include "link/SerialPortFactory.h"
#include "support/LinkFakePort.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace std::chrono_literals;
using hvxtest::LinkFakePort;

namespace {

constexpr int kFakePortNumber = 9;

class LinkFakePortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testApp.app().WriteProfileString(QStringLiteral("Ports"), QStringLiteral("COM9"), QStringLiteral("sim"));
        testApp.app().WriteProfileInt(QStringLiteral("Communication"), QStringLiteral("ResponseThreadTO"), 100);
        hvx::SetSimulatedPortFactory([shared = shared] { return std::make_unique<LinkFakePort>(shared); });
    }
    void TearDown() override { hvx::SetSimulatedPortFactory({}); }

    // Waits until the receive thread has taken everything that was delivered.
    void waitUntilTaken()
    {
        for (int i = 0; i < 200; ++i) {
            {
                const std::lock_guard lock(shared->mutex);
                if (shared->incoming.empty())
                    break;
            }
            std::this_thread::sleep_for(5ms);
        }
        std::this_thread::sleep_for(20ms); // the last chunk is being stored
    }

    hvx::test::TestApp testApp;
    std::shared_ptr<LinkFakePort::Shared> shared = std::make_shared<LinkFakePort::Shared>();
};

} // namespace

TEST_F(LinkFakePortTest, ReadThatWouldOverflowTheBufferIsDroppedWholeAndLaterSmallerReadsStillFit)
{
    CKelComm link;
    ASSERT_EQ(link.OpenConnection(kFakePortNumber), 1);
    for (int i = 0; i < 16; ++i)
        LinkFakePort::deliver(*shared, QByteArray(60, char(i)));
    waitUntilTaken();
    EXPECT_EQ(link.m_nRxCount.load(), 960);

    LinkFakePort::deliver(*shared, QByteArray(60, 'x')); // 1020: dropped
    waitUntilTaken();
    EXPECT_EQ(link.m_nRxCount.load(), 960);

    LinkFakePort::deliver(*shared, QByteArray(40, 'y')); // exactly 1000: fits
    waitUntilTaken();
    EXPECT_EQ(link.m_nRxCount.load(), 1000);
    EXPECT_EQ(link.m_RxBuffer[959], 15);
    EXPECT_EQ(link.m_RxBuffer[960], 'y');
    EXPECT_EQ(link.CloseConnection(), 1);
}

TEST_F(LinkFakePortTest, CloseGivesUpOnAReceiveThreadThatDoesNotEndAndStillClosesThePort)
{
    {
        CKelComm link;
        ASSERT_EQ(link.OpenConnection(kFakePortNumber), 1);
        {
            const std::lock_guard lock(shared->mutex);
            shared->stuckWait = 600ms;
        }
        LinkFakePort::deliver(*shared, QByteArray(1, 'a')); // wakes the thread into the stuck wait
        std::this_thread::sleep_for(20ms);

        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(link.CloseConnection(), 1);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 500ms);
        EXPECT_EQ(link.m_dwThreadId.load(), 0u);
        EXPECT_TRUE(testApp.logText().contains(QStringLiteral("ThreadTimeout")));
        const std::lock_guard lock(shared->mutex);
        EXPECT_TRUE(shared->closed);
    }
    // The abandoned thread wakes after the link object is gone and must not touch it.
    std::this_thread::sleep_for(800ms);
}

TEST_F(LinkFakePortTest, DestroyingAnOpenLinkStopsItsReceiveThread)
{
    {
        CKelComm link;
        ASSERT_EQ(link.OpenConnection(kFakePortNumber), 1);
    }
    const std::lock_guard lock(shared->mutex);
    EXPECT_TRUE(shared->closed);
}

TEST_F(LinkFakePortTest, SecondOpenConnectionKeepsThePortAndPicksUpChangedTimeouts)
{
    CKelComm link;
    ASSERT_EQ(link.OpenConnection(kFakePortNumber), 1);
    EXPECT_EQ(link.m_nResponseTO2, 2000);
    EXPECT_EQ(link.m_nTimeBetweenBytes, 1);
    const auto port = link.m_hPort;
    const QString section = QStringLiteral("Communication");
    testApp.app().WriteProfileInt(section, QStringLiteral("ResponseTO1"), 11);
    testApp.app().WriteProfileInt(section, QStringLiteral("ResponseTO2"), 22);
    testApp.app().WriteProfileInt(section, QStringLiteral("ResponseThreadTO"), 33);
    testApp.app().WriteProfileInt(section, QStringLiteral("NoDeviceSendTO"), 44);
    testApp.app().WriteProfileInt(section, QStringLiteral("TimeBetweenBytes"), 5);

    EXPECT_EQ(link.OpenConnection(kFakePortNumber), 1);
    EXPECT_EQ(link.m_hPort, port);
    EXPECT_EQ(shared->opens, 1);
    EXPECT_EQ(link.m_nResponseTO1, 11);
    EXPECT_EQ(link.m_nResponseTO2, 22);
    EXPECT_EQ(link.m_nResponseThreadTO, 33);
    EXPECT_EQ(link.m_nNoDeviceSendTO, 44);
    EXPECT_EQ(link.m_nTimeBetweenBytes, 5);
    link.CloseConnection();
}

TEST_F(LinkFakePortTest, SimulatorMappingWithoutARegisteredSimulatorFailsCleanly)
{
    hvx::SetSimulatedPortFactory({});
    CKelComm link;
    EXPECT_EQ(link.OpenConnection(kFakePortNumber), 0);
    EXPECT_TRUE(testApp.ui().messageTexts().isEmpty());

    testApp.app().m_nPort = kFakePortNumber - 1;
    testApp.ui().answerMessageBox(hvx::IDOK, QStringLiteral("Konnte Schnittstelle für die Übertragung nicht öffnen!"));
    EXPECT_EQ(link.Open(), 0);
    EXPECT_EQ(link.m_nStatus.load(), CKelComm::StatusPortFailed);
    EXPECT_EQ(link.m_bOpen.load(), 0);
}

TEST(LinkPortDevice, DefaultRuleCoversOnBoardUsbAndAcmPorts)
{
    struct Case {
        int port;
        const char* device;
    };
    const Case cases[] = {
        {1, "/dev/ttyS0"},    {32, "/dev/ttyS31"},   {33, "/dev/ttyUSB0"}, {64, "/dev/ttyUSB31"},
        {65, "/dev/ttyACM0"}, {96, "/dev/ttyACM31"}, {97, ""},             {0, ""},
        {-1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hvx::DefaultPortDevice(c.port), QLatin1String(c.device)) << c.port;
}

TEST(LinkPortDevice, MappingInThePortsSectionWinsAndIsNotWrittenForOtherPorts)
{
    hvx::test::TestApp testApp;
    testApp.app().WriteProfileString(QStringLiteral("Ports"), QStringLiteral("COM3"), QStringLiteral("/dev/pts/77"));
    EXPECT_EQ(hvx::PortDevice(3), QStringLiteral("/dev/pts/77"));
    EXPECT_EQ(hvx::PortDevice(4), QStringLiteral("/dev/ttyS3"));
    QByteArray unused;
    EXPECT_NE(testApp.app().GetBinarySetting(QStringLiteral("Ports"), QStringLiteral("COM4"), unused, 16), 0);
}
