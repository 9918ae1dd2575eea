// The port layer of the link where a scripted port is needed: chunked receiving, a receive
// thread that does not end, the simulator mapping without a simulator, the device rule.
#include "link/KelComm.h"
#include "link/SerialPortFactory.h"
#include "support/LinkFakePort.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <QList>
#include <chrono>
#include <mutex>
#include <random>
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

TEST_F(LinkFakePortTest, EveryPauseBetweenSentBytesLastsTimeBetweenBytesAfterTheByteHasLeft)
{
    // The instrument needs the whole pause after every byte. A write that took long (a late
    // wake-up, a busy driver) must not shorten the next pause: the schedule never catches up.
    // Property over seeded random write delays; only the lower bound of each pause is checked.
    constexpr int kBytes = 40;
    for (const int pauseMs : {1, 4}) {
        for (const unsigned seed : {1u, 2u, 3u}) {
            SCOPED_TRACE(testing::Message() << "pause " << pauseMs << " ms, seed " << seed);
            testApp.app().WriteProfileInt(QStringLiteral("Communication"), QStringLiteral("TimeBetweenBytes"), pauseMs);
            {
                const std::lock_guard lock(shared->mutex);
                shared->writes.clear();
                shared->writeDelay = [rng = std::mt19937(seed), pauseMs](std::size_t) mutable {
                    // Two writes in five are late, by up to three pauses.
                    const int late = std::uniform_int_distribution<int>(0, 4)(rng) < 2;
                    return std::chrono::microseconds(late * std::uniform_int_distribution<int>(0, 3000 * pauseMs)(rng));
                };
            }
            CKelComm link;
            ASSERT_EQ(link.OpenConnection(kFakePortNumber), 1);
            const QByteArray block(kBytes, 'p');
            link.SendPaced(reinterpret_cast<const quint8*>(block.constData()), kBytes, 0);
            link.CloseConnection();

            const std::lock_guard lock(shared->mutex);
            ASSERT_EQ(shared->writes.size(), std::size_t(kBytes));
            auto shortest = std::chrono::steady_clock::duration::max();
            std::size_t after = 0;
            for (std::size_t i = 0; i + 1 < shared->writes.size(); ++i) {
                const auto pause = shared->writes[i + 1].begun - shared->writes[i].left;
                if (pause < shortest) {
                    shortest = pause;
                    after = i;
                }
            }
            EXPECT_GE(shortest, std::chrono::milliseconds(pauseMs)) << "after byte " << after;
            shared->writeDelay = {};
        }
    }
}

TEST_F(LinkFakePortTest, EveryCompleteMeasuredDataLineIsHandedOverAndOnlyAnOverlongLineIsDropped)
{
    // Property over seeded random streams: lines of random length, some longer than the receive
    // buffer, arriving in chunks of random size. Exactly the lines that fit are handed over, in
    // order and whole; each overlong line is dropped alone and logged; an unfinished tail waits.
    const auto uniform = [](std::mt19937& rng, int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(rng);
    };
    for (const unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::mt19937 rng(seed);
        QByteArray stream;
        QByteArray expected;
        int overlong = 0;
        for (int line = 0; line < 90; ++line) {
            // The buffer's own size fits, one byte more does not.
            const int length = line == 10   ? CKelComm::kRxBufferSize
                               : line == 11 ? CKelComm::kRxBufferSize + 1
                               : uniform(rng, 0, 9) == 0 ? uniform(rng, CKelComm::kRxBufferSize + 1, 2500)
                                                          : uniform(rng, 1, 160);
            const QByteArray text = QByteArray(length - 1, char('a' + line % 26)) + '\n';
            stream += text;
            if (length <= CKelComm::kRxBufferSize)
                expected += text;
            else
                ++overlong;
        }
        stream += "07.12.12 10:00";

        std::mutex mutex;
        QList<QByteArray> texts;
        CKelComm link;
        ASSERT_EQ(link.OpenConnection(kFakePortNumber), 1);
        ASSERT_EQ(link.ReceiveMesswerte({[&](const QByteArray& text) {
                                             const std::lock_guard lock(mutex);
                                             texts << text;
                                         },
                                         {}}),
                  1);
        const int logged = testApp.logEntries().filter(QStringLiteral("longer than the receive buffer")).size();
        for (qsizetype at = 0; at < stream.size();) {
            const qsizetype chunk = uniform(rng, 1, 300);
            LinkFakePort::deliver(*shared, stream.mid(at, chunk));
            at += chunk;
        }
        waitUntilTaken();
        EXPECT_EQ(link.m_nRxCount.load(), int(qstrlen("07.12.12 10:00"))) << "the unfinished tail waits";
        link.CloseConnection();

        const std::lock_guard lock(mutex);
        const QByteArray got = texts.join();
        EXPECT_EQ(got.count('\n'), expected.count('\n'));
        EXPECT_TRUE(got == expected) << "the lines handed over differ from the lines that fit";
        for (const QByteArray& text : texts)
            EXPECT_TRUE(text.endsWith('\n'));
        EXPECT_EQ(testApp.logEntries().filter(QStringLiteral("longer than the receive buffer")).size() - logged, overlong);
    }
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
