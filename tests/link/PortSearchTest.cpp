// The port list and the automatic search, with simulated instruments on pseudo-terminals.
#include "SimulatedInstrument.h"

#include "link/PortSearch.h"
#include "link/PosixSerialPort.h"
#include "support/LinkPty.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace hvx;

namespace {

const PortEntry* Find(const QList<PortEntry>& ports, const QString& name)
{
    const auto it = std::find_if(ports.begin(), ports.end(), [&name](const PortEntry& e) { return e.name == name; });
    return it == ports.end() ? nullptr : &*it;
}

class PortSearch : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(com4.isRunning()) << com4.error();
        ASSERT_TRUE(com7.isRunning()) << com7.error();
        ASSERT_TRUE(silent.isValid());
        hvxtest::UseShortLinkTimeouts(testApp.app());
        testApp.app().WriteProfileString(QStringLiteral("Ports"), QStringLiteral("COM2"), silent.slavePath());
        testApp.app().WriteProfileString(QStringLiteral("Ports"), QStringLiteral("COM9"), testApp.filePath(QStringLiteral("weg")));
    }

    test::TestApp testApp;
    hvxtest::SimulatedInstrument com4{testApp.app(), 4};
    hvxtest::SimulatedInstrument com7{testApp.app(), 7};
    hvxtest::LinkPty silent; // a port without an instrument
};

} // namespace

TEST_F(PortSearch, TheListHoldsThePortsThatCanBeOpenedWithoutTalkingToThem)
{
    PosixSerialPort heldElsewhere;
    ASSERT_TRUE(heldElsewhere.open(com7.devicePath()));

    const QList<PortEntry> ports = OpenablePorts();
    const PortEntry* entry4 = Find(ports, QStringLiteral("COM4"));
    ASSERT_NE(entry4, nullptr);
    EXPECT_EQ(entry4->index, 3);
    EXPECT_EQ(entry4->device, com4.devicePath());
    ASSERT_NE(Find(ports, QStringLiteral("COM2")), nullptr);
    EXPECT_EQ(Find(ports, QStringLiteral("COM7")), nullptr) << "held by another program";
    EXPECT_EQ(Find(ports, QStringLiteral("COM9")), nullptr) << "no such device";
    EXPECT_TRUE(std::is_sorted(ports.begin(), ports.end(),
                               [](const PortEntry& a, const PortEntry& b) { return a.index < b.index; }));
    EXPECT_TRUE(com4.received().isEmpty());
    EXPECT_TRUE(com4.portIsFree());
}

TEST_F(PortSearch, TheSearchTakesTheFirstPortInListOrderWhereTheInstrumentAnswers)
{
    const QList<PortEntry> ports{{QStringLiteral("COM2"), 1, silent.slavePath()},
                                 {QStringLiteral("COM4"), 3, com4.devicePath()},
                                 {QStringLiteral("COM7"), 6, com7.devicePath()}};
    EXPECT_EQ(SearchInstrument(ports), 1);
    EXPECT_EQ(com4.received(), hvxtest::Commands({0x10, 0x11}));
    EXPECT_TRUE(com7.received().isEmpty());
    EXPECT_EQ(silent.receiveUntilQuiet(std::chrono::milliseconds(20)), hvxtest::Commands({0x10}));
    // Nothing is shown while searching: the caller reports.
    EXPECT_TRUE(testApp.ui().questions().isEmpty());
}

TEST_F(PortSearch, ASearchWithoutAnswerFindsNothing)
{
    EXPECT_EQ(SearchInstrument({}), -1);
    EXPECT_EQ(SearchInstrument({{QStringLiteral("COM2"), 1, silent.slavePath()}}), -1);
}

TEST(PortList, ThePresetPortIsSelectedOrTheUserMustConfirmOne)
{
    const QList<PortEntry> ports{{QStringLiteral("COM1"), 0, QString()}, {QStringLiteral("COM4"), 3, QString()}};
    const PortListSelection com4 = SelectPresetPort(ports, 3);
    EXPECT_EQ(com4.row, 1);
    EXPECT_EQ(com4.chosenIndex, 3);
    EXPECT_TRUE(com4.cancelEnabled);

    // Stored index 2 (COM3) is not there: the first entry, and Cancel is no way out.
    const PortListSelection missing = SelectPresetPort(ports, 2);
    EXPECT_EQ(missing.row, 0);
    EXPECT_EQ(missing.chosenIndex, 0);
    EXPECT_FALSE(missing.cancelEnabled);

    EXPECT_EQ(SelectPresetPort({}, 0).row, -1);
}

TEST(PortList, TheExtendedListNamesEveryPortWithoutProbing)
{
    test::TestApp testApp;
    const QStringList names = AllPortNames();
    ASSERT_EQ(names.size(), 256);
    EXPECT_EQ(names.first(), QStringLiteral("COM1"));
    EXPECT_EQ(names.last(), QStringLiteral("COM256"));
}
