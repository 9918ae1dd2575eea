// Reading and writing the EEPROM image against the simulated instrument: ranges, blocks, the
// question before writing, and the stop at the first failing address.
#include "../link/SimulatedInstrument.h"

#include "devicedata/EepromTransfer.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

using hvxtest::Commands;
using namespace hvx;

namespace {

constexpr int kPort = 5;
const QString kWriteQuestion2048 =
    QStringLiteral("Do you REALLY want to send 2048 Bytes to the EEPROM of the Hydrovant?");

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes += char(v);
    return bytes;
}

} // namespace

class EepromTransfer : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim.isRunning()) << sim.error();
        testApp.app().m_nPort = kPort - 1;
        hvxtest::UseShortLinkTimeouts(testApp.app());
        sim.instrument().ModifyState([](hvxsim::InstrumentState& state) {
            for (size_t i = 0; i < state.eeprom.size(); ++i)
                state.eeprom[i] = quint8((i * 13 + 5) ^ (i >> 8));
        });
    }
    EepromImage instrumentImage()
    {
        const auto eeprom = sim.instrument().State().eeprom;
        EepromImage copy;
        std::copy(eeprom.begin(), eeprom.end(), copy.begin());
        return copy;
    }
    void setBlockSize(int size)
    {
        testApp.app().WriteProfileInt(QStringLiteral("Service"), QStringLiteral("ReadBlockSize"), size);
    }
    void addBadAddress(int address, std::uint8_t command)
    {
        hvxsim::FaultRule rule;
        rule.kind = hvxsim::FaultKind::BadAddress;
        rule.command = command;
        rule.argument = address;
        sim.instrument().AddFault(rule);
    }

    test::TestApp testApp;
    hvxtest::SimulatedInstrument sim{testApp.app(), kPort};
    EepromImage image = FreshEepromImage();
};

TEST_F(EepromTransfer, ASelectionReadsOnlyItsAddresses)
{
    const EepromTransferResult result = ReadEeprom(image, RangeOfSelection(0x100, 0x110));
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(sim.received(), Commands({0x10, 0x18}) + Bytes({0x01, 0x00, 0x10}) + Commands({0x11}));
    const EepromImage instrument = instrumentImage();
    for (int i = 0; i < kEepromSize; ++i)
        ASSERT_EQ(image[size_t(i)], i >= 0x100 && i < 0x110 ? instrument[size_t(i)] : kEepromFill) << i;
    EXPECT_TRUE(sim.portIsFree());
}

TEST_F(EepromTransfer, WithoutSelectionTheWholeImageIsReadInBlocks)
{
    std::vector<std::pair<int, int>> blocks;
    const EepromTransferResult result =
        ReadEeprom(image, RangeOfSelection(-1, -1), [&blocks](int first, int count) { blocks.emplace_back(first, count); });
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(image, instrumentImage()) << "byte-exact";
    ASSERT_EQ(blocks.size(), 9u) << "2048 bytes in blocks of 255";
    EXPECT_EQ(blocks[1], std::make_pair(255, 255));
    EXPECT_EQ(blocks[8], std::make_pair(2040, 8));
    ASSERT_EQ(testApp.ui().progress().size(), 1);
    EXPECT_EQ(testApp.ui().progress()[0].range, 2048);
    EXPECT_EQ(testApp.ui().progress()[0].steps.last(), 2048);
    EXPECT_TRUE(testApp.ui().progress()[0].ended);
}

TEST_F(EepromTransfer, TheBlockSizeSettingIsKeptWithinOneTo255)
{
    setBlockSize(16);
    EXPECT_EQ(EepromReadBlockSize(), 16);
    setBlockSize(0); // outside 1..255: the default
    EXPECT_EQ(EepromReadBlockSize(), 255);
    setBlockSize(1000);
    EXPECT_EQ(EepromReadBlockSize(), 255);
    testApp.app().WriteProfileString(QStringLiteral("Service"), QStringLiteral("ReadBlockSize"), QString());
    setBlockSize(1);
    std::vector<int> firsts;
    ASSERT_TRUE(ReadEeprom(image, {0x7FC, 0x800}, [&firsts](int first, int) { firsts.push_back(first); }).ok);
    EXPECT_EQ(firsts, (std::vector<int>{0x7FC, 0x7FD, 0x7FE, 0x7FF})) << "byte by byte";
    EXPECT_EQ(sim.received(), Commands({0x10, 0x18}) + Bytes({0x07, 0xFC, 1}) + Commands({0x18}) + Bytes({0x07, 0xFD, 1}) +
                                  Commands({0x18}) + Bytes({0x07, 0xFE, 1}) + Commands({0x18}) + Bytes({0x07, 0xFF, 1}) +
                                  Commands({0x11}));
}

TEST_F(EepromTransfer, AFaultyAddressStopsByteReadingThereAndKeepsTheBytesBefore)
{
    setBlockSize(1);
    addBadAddress(0x123, 0x18);
    testApp.ui()
        .answerMessageBox(IDOK, QStringLiteral("Checksummenfehler beim Empfangen!"))
        .answerMessageBox(IDOK, QStringLiteral("Error at address 0x123"));
    const EepromTransferResult result = ReadEeprom(image, {0x118, 0x130});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failedAddress, 0x123);
    EXPECT_EQ(testApp.ui().questions()[1].type, unsigned(MB_OK | MB_ICONEXCLAMATION));
    const EepromImage instrument = instrumentImage();
    for (int i = 0x110; i < 0x130; ++i)
        EXPECT_EQ(image[size_t(i)], i >= 0x118 && i < 0x123 ? instrument[size_t(i)] : kEepromFill) << i;
    EXPECT_TRUE(sim.portIsFree());
}

TEST_F(EepromTransfer, AFailingBlockIsReportedByItsFirstAddress)
{
    addBadAddress(0x123, 0x18);
    testApp.ui()
        .answerMessageBox(IDOK, QStringLiteral("Checksummenfehler beim Empfangen!"))
        .answerMessageBox(IDOK, QStringLiteral("Error at address 0xFF"));
    const EepromTransferResult result = ReadEeprom(image, RangeOfSelection(-1, -1));
    EXPECT_EQ(result.failedAddress, 0xFF);
    const EepromImage instrument = instrumentImage();
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 0xFF, instrument.begin()));
    EXPECT_TRUE(std::all_of(image.begin() + 0xFF, image.end(), [](quint8 b) { return b == kEepromFill; }));
    // The connection is spoiled after the failure: it is closed without waiting for more blocks.
    EXPECT_EQ(sim.received().count(char(0x18)), 2);
}

TEST_F(EepromTransfer, WritingWithoutSelectionAsksFor2048BytesAndNoWritesNothing)
{
    testApp.ui().answerMessageBox(IDNO, kWriteQuestion2048);
    const EepromTransferResult result = WriteEeprom(image, RangeOfSelection(-1, -1));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failedAddress, -1);
    EXPECT_EQ(testApp.ui().questions()[0].type, unsigned(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2)) << "Enter must not write";
    EXPECT_TRUE(sim.received().isEmpty()) << "the port is not even opened";
}

TEST_F(EepromTransfer, WritingARangeSendsOneByteperWriteMemory)
{
    image[0x200] = 0xA5;
    image[0x201] = 0x00;
    std::vector<int> shown;
    testApp.ui().answerMessageBox(IDYES, QStringLiteral("send 2 Bytes"));
    ASSERT_TRUE(WriteEeprom(image, {0x200, 0x202}, [&shown](int first, int) { shown.push_back(first); }).ok);
    EXPECT_EQ(shown, (std::vector<int>{0x200, 0x201}));
    EXPECT_EQ(sim.received(), Commands({0x10, 0x17}) + hvxtest::WithChecksum(Bytes({0x02, 0x00, 0x01, 0xA5})) +
                                  Commands({0x17}) + hvxtest::WithChecksum(Bytes({0x02, 0x01, 0x01, 0x00})) +
                                  Commands({0x11}));
    const EepromImage instrument = instrumentImage();
    EXPECT_EQ(instrument[0x200], 0xA5);
    EXPECT_EQ(instrument[0x201], 0x00);
    EXPECT_NE(instrument[0x202], 0xFF);
}

TEST_F(EepromTransfer, AFailingWriteStopsAtItsAddressAndKeepsWhatWasWritten)
{
    addBadAddress(0x302, 0x17);
    const EepromImage before = instrumentImage();
    image.fill(0x5A);
    testApp.ui()
        .answerMessageBox(IDYES)
        .answerMessageBox(IDOK, QStringLiteral("Command konnte nicht gesendet werden!"))
        .answerMessageBox(IDOK, QStringLiteral("Error at address 0x302"));
    const EepromTransferResult result = WriteEeprom(image, {0x300, 0x306});
    EXPECT_EQ(result.failedAddress, 0x302);
    EXPECT_NE(result.linkStatus, 0) << "a refused write is a link failure, even without a status of its own";
    const EepromImage after = instrumentImage();
    EXPECT_EQ(after[0x300], 0x5A);
    EXPECT_EQ(after[0x301], 0x5A);
    EXPECT_EQ(after[0x302], before[0x302]);
    EXPECT_EQ(after[0x303], before[0x303]) << "nothing after the failure";
    EXPECT_TRUE(sim.portIsFree());
}

TEST_F(EepromTransfer, NoInstrumentEndsAfterTheLinksMessage)
{
    sim.fault(hvxsim::FaultKind::NoAnswer, 0x10);
    testApp.ui().answerMessageBox(IDOK, QStringLiteral("Konnte Verbindung zum HYDROVANT nicht aufbauen!"));
    EXPECT_FALSE(ReadEeprom(image, RangeOfSelection(-1, -1)).ok);
    EXPECT_EQ(image, FreshEepromImage());
    EXPECT_EQ(sim.received(), Commands({0x10})) << "no disconnect without a connection";
}
