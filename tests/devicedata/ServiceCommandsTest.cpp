// The service dialog's tools: the raw command field, the service block entry, and both against
// the simulated instrument.
#include "../link/SimulatedInstrument.h"

#include "devicedata/ServiceCommands.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

using hvxtest::Commands;
using hvxtest::WithChecksum;
using namespace hvx;

TEST(RawCommandField, OneOrTwoHexDigitsAreTheCommandAndAnythingElseSendsNothing)
{
    EXPECT_EQ(ParseRawCommand(QStringLiteral("1B")), quint8(0x1B));
    EXPECT_EQ(ParseRawCommand(QStringLiteral("1b")), quint8(0x1B));
    EXPECT_EQ(ParseRawCommand(QStringLiteral("f")), quint8(0x0F));
    EXPECT_EQ(ParseRawCommand(QStringLiteral("00")), quint8(0x00));
    for (const char* field : {"", "123", "1G", "G", " 1", "-1", "+1", "x1"})
        EXPECT_FALSE(ParseRawCommand(QString::fromLatin1(field))) << field;
}

TEST(RawCommandField, TheLogLinesShowBytesInLowerCaseHexAndTheirCount)
{
    EXPECT_EQ(RawCommandLine(0x1B), QStringLiteral("0x1b "));
    EXPECT_EQ(RawAnswerLine(QByteArray("\x3F\x0D", 2)), QStringLiteral("0x3f 0x0d "));
    EXPECT_EQ(RawAnswerLine(QByteArray()), QString());
    EXPECT_EQ(RawAnswerCountLine(2), QStringLiteral("Empfangene Bytes: 2"));
}

TEST(ServiceBlock, EntryThreeIdSevenValueOneAndAHalf)
{
    const auto entry = ParseServiceEntry(QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("1.5"));
    ASSERT_TRUE(entry);
    const ServiceBlock block = BuildServiceBlock(*entry);
    const ServiceBlock expectedEntry = [] {
        ServiceBlock b{};
        const quint8 bytes[] = {0x3F, 0xC0, 0x00, 0x00, 0x00, 0x07};
        std::copy(std::begin(bytes), std::end(bytes), b.begin() + 18);
        return b;
    }();
    EXPECT_EQ(block, expectedEntry) << "offsets 18..23, the other 66 bytes zero";

    const ServiceBlock last = BuildServiceBlock({11, 0xABCD, -2.0f});
    EXPECT_EQ(last[66], 0xC0);
    EXPECT_EQ(last[70], 0xAB);
    EXPECT_EQ(last[71], 0xCD);
}

TEST(ServiceBlock, EntriesThatAreNoValuesSendNothing)
{
    EXPECT_FALSE(ParseServiceEntry(QStringLiteral("12"), QStringLiteral("7"), QStringLiteral("1")));
    EXPECT_FALSE(ParseServiceEntry(QStringLiteral("-1"), QStringLiteral("7"), QStringLiteral("1")));
    EXPECT_FALSE(ParseServiceEntry(QStringLiteral("x"), QStringLiteral("7"), QStringLiteral("1")));
    EXPECT_FALSE(ParseServiceEntry(QStringLiteral("3"), QStringLiteral("65536"), QStringLiteral("1"))) << "not 16 bits";
    EXPECT_FALSE(ParseServiceEntry(QStringLiteral("3"), QStringLiteral("-1"), QStringLiteral("1")));
    EXPECT_FALSE(ParseServiceEntry(QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("abc")));
    EXPECT_FALSE(ParseServiceEntry(QStringLiteral("3"), QStringLiteral("7"), QString()));
    const auto comma = ParseServiceEntry(QStringLiteral(" 0 "), QStringLiteral("65535"), QStringLiteral("1,5"));
    ASSERT_TRUE(comma);
    EXPECT_EQ(comma->wert, 1.5f);
    EXPECT_EQ(comma->id, 65535);
}

class ServiceCommandsOnInstrument : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim.isRunning()) << sim.error();
        testApp.app().m_nPort = kPort - 1;
        hvxtest::UseShortLinkTimeouts(testApp.app());
    }
    static constexpr int kPort = 4;
    test::TestApp testApp;
    hvxtest::SimulatedInstrument sim{testApp.app(), kPort};
};

TEST_F(ServiceCommandsOnInstrument, ARawCommandGoesAloneAndTheWholeAnswerComesBack)
{
    const auto answer = SendRawCommand(0x02);
    ASSERT_TRUE(answer);
    const hvx::Parametersatz image = sim.parameterSet();
    const char status[] = {char(image.byte(0)), char(image.byte(2)), char(image.byte(6)), char(image.byte(10)), 0};
    EXPECT_EQ(*answer, QByteArray(status, sizeof status));
    EXPECT_EQ(SendRawCommand(0x1B), QByteArray("?"));
    EXPECT_EQ(sim.received(), Commands({0x02, 0x1B})) << "no handshake around a raw command";
    EXPECT_TRUE(sim.portIsFree());
}

TEST_F(ServiceCommandsOnInstrument, ARawCommandWithoutAnswerGivesAnEmptyAnswer)
{
    sim.fault(hvxsim::FaultKind::NoAnswer, 0x01);
    EXPECT_EQ(SendRawCommand(0x01), QByteArray());
    EXPECT_TRUE(testApp.ui().questions().isEmpty());
}

TEST_F(ServiceCommandsOnInstrument, ABlockEntryIsWrittenInItsOwnConnection)
{
    ASSERT_TRUE(WriteServiceEntry({3, 7, 1.5f}));
    const ServiceBlock block = BuildServiceBlock({3, 7, 1.5f});
    const QByteArray data(reinterpret_cast<const char*>(block.data()), kServiceBlockSize);
    EXPECT_EQ(sim.received(), Commands({0x10, 0x31}) + WithChecksum(data) + Commands({0x11}));
    EXPECT_EQ(sim.instrument().State().serviceBlock, block);
    ASSERT_EQ(testApp.ui().progress().size(), 2) << "data, then the checksum";
    EXPECT_EQ(testApp.ui().progress()[0].range, 72);
}

TEST_F(ServiceCommandsOnInstrument, ARefusedBlockIsReportedByTheLink)
{
    sim.fault(hvxsim::FaultKind::NackV, 0x31);
    testApp.ui().answerMessageBox(hvx::IDOK, QStringLiteral("Checksummenfehler beim Senden!"));
    EXPECT_FALSE(WriteServiceEntry({0, 1, 2.0f}));
    EXPECT_EQ(sim.instrument().State().serviceBlock, ServiceBlock{});
    EXPECT_TRUE(sim.portIsFree());
}
