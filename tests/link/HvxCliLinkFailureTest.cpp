// Every hvxcli command on the instrument ends with exit status 2 when the link fails: the port
// cannot be opened, nobody answers, or an answer does not come in time. The link's message names
// the port, and the error code is the link's.
#include "SimulatedInstrument.h"

#include "app/cli/HvxCli.h"
#include "devicedata/EepromImage.h"
#include "document/HVXDoc.h"
#include "support/CapturedBatch.h"
#include "support/CliRun.h"
#include "support/LinkPty.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <optional>

using namespace hvx;

namespace {

constexpr int kPort = 5;
const QString kPortOption = QStringLiteral("--port=4");

const QString kNoPort = QStringLiteral("Konnte Schnittstelle für die Übertragung nicht öffnen!");
const QString kNoInstrument = QStringLiteral("Konnte Verbindung zum HYDROVANT nicht aufbauen!");
const QString kDataTimeout = QStringLiteral("Timeout beim Empfang von Daten!");
const QString kAckTimeout = QStringLiteral("Timeout beim ACK-Empfang!");

// One command on the instrument; FILE and OUT stand for an existing configuration file (or
// EEPROM image) and a file to be written.
struct LinkCommand {
    QStringList arguments;
    std::uint8_t timedOutCommand; // the instrument leaves this command unanswered
    const QString* timeoutMessage;
};

const LinkCommand kCommands[] = {
    {{"read", "OUT.hxd"}, 0x13, &kDataTimeout},
    {{"clock"}, 0x15, &kDataTimeout},
    {{"clock", "--set"}, 0x15, &kDataTimeout},
    {{"alarms", "read", "OUT.alm"}, 0x18, &kDataTimeout},
    {{"alarms", "delete", "--yes"}, 0x13, &kDataTimeout},
    {{"record", "--lines", "1", "OUT.dat"}, 0x12, &kDataTimeout},
    {{"diff", "FILE.hxd"}, 0x12, &kDataTimeout},
    {{"transfer", "--keep-calibration", "FILE.hxd"}, 0x12, &kDataTimeout},
    {{"eeprom", "read", "OUT.hxp", "--range", "0-10"}, 0x18, &kDataTimeout},
    {{"eeprom", "write", "IMAGE.hxp", "--range", "0-2", "--yes"}, 0x17, &kDataTimeout},
    {{"service", "block", "--entry", "0", "--id", "1", "--value", "1.5"}, 0x31, &kAckTimeout},
};

class HvxCliLinkFailure : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(captured.isValid());
        hvxtest::UseShortLinkTimeouts(testApp.app());
        testApp.app().m_strBackupDir = testApp.dir();
        testApp.app().SetUserInteraction(&captured.interaction());
        CHVXDoc doc;
        ASSERT_TRUE(doc.DoSave(testApp.filePath(QStringLiteral("FILE.hxd"))));
        QString error;
        ASSERT_TRUE(SaveHxpFile(testApp.filePath(QStringLiteral("IMAGE.hxp")), FreshEepromImage(), &error));
    }
    void TearDown() override { testApp.app().SetUserInteraction(&testApp.ui()); }

    void mapPort(const QString& device)
    {
        testApp.app().WriteProfileString(QStringLiteral("Ports"), QStringLiteral("COM%1").arg(kPort), device);
    }

    // Runs the command on the port and checks the exit status, the error code and the message.
    void expectLinkFailure(const QStringList& command, qint32 status, const QString& message, const QString& device)
    {
        QStringList arguments{command.first(), kPortOption};
        for (const QString& argument : command.mid(1))
            arguments << (argument.contains(u'.') && argument.at(0).isUpper() ? testApp.filePath(argument) : argument);
        const QString before = captured.messages();
        const test::CliOutput output = test::RunCli(arguments);
        // Messages of the link and of the command: both end on standard error.
        const QString shown = captured.messages().mid(before.size()) + output.err;
        EXPECT_EQ(output.status, 2) << output.err.toStdString() << shown.toStdString();
        EXPECT_EQ(testApp.app().ErrorCode(), 0x82000000u | 0x80000000u | quint32(status));
        EXPECT_TRUE(shown.contains(message + QStringLiteral(" (COM5: ") + device + u')')) << shown.toStdString();
    }

    test::TestApp testApp;
    test::CapturedBatch captured;
};

} // namespace

TEST_F(HvxCliLinkFailure, APortThatCannotBeOpenedEndsEveryCommandWithStatusTwo)
{
    const QString missing = testApp.filePath(QStringLiteral("kein-adapter"));
    mapPort(missing);
    for (const LinkCommand& c : kCommands) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        expectLinkFailure(c.arguments, 6, kNoPort, missing);
    }
    SCOPED_TRACE("service send");
    expectLinkFailure({"service", "send", "01"}, 6, kNoPort, missing);
}

TEST_F(HvxCliLinkFailure, ASilentInstrumentEndsEveryCommandWithStatusTwo)
{
    hvxtest::LinkPty silent;
    ASSERT_TRUE(silent.isValid());
    mapPort(silent.slavePath());
    for (const LinkCommand& c : kCommands) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        expectLinkFailure(c.arguments, 7, kNoInstrument, silent.slavePath());
    }
    // A raw command needs no connect: what is missing is the answer.
    SCOPED_TRACE("service send");
    expectLinkFailure({"service", "send", "01"}, 2, kDataTimeout, silent.slavePath());
}

TEST_F(HvxCliLinkFailure, AnAnswerThatDoesNotComeInTimeEndsEveryCommandWithStatusTwo)
{
    hvxtest::SimulatedInstrument sim(testApp.app(), kPort, hvxtest::SimulatedInstrument::StreamingSetup(5));
    ASSERT_TRUE(sim.isRunning()) << sim.error();
    for (const LinkCommand& c : kCommands) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        sim.fault(hvxsim::FaultKind::NoAnswer, c.timedOutCommand);
        expectLinkFailure(c.arguments, 2, *c.timeoutMessage, sim.devicePath());
        sim.instrument().ClearFaults();
    }
}
