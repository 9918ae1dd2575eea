// hvxcli alarms and record, end to end against the simulated instrument.
#include "../link/SimulatedInstrument.h"

#include "base/BatchInteraction.h"
#include "devicedata/AlarmFile.h"
#include "devicedata/TextFile.h"
#include "document/HVXDoc.h"
#include "support/CapturedBatch.h"
#include "support/CliRun.h"
#include "support/EventLoop.h"
#include "support/TestApp.h"

#include <QFile>
#include <QTimer>
#include <cstdio>
#include <tuple>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace hvx;
using namespace std::chrono_literals;

namespace {

constexpr int kPort = 7;
const QString kPortOption = QStringLiteral("--port=6");

class HvxCliDeviceData : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::EnsureEventLoop();
        ASSERT_TRUE(sim.isRunning()) << sim.error();
        ASSERT_TRUE(captured.isValid());
        hvxtest::UseShortLinkTimeouts(testApp.app());
        testApp.app().SetUserInteraction(&captured.interaction());
        sim.streamEvery(30ms);
    }
    void TearDown() override
    {
        testApp.app().SetUserInteraction(&testApp.ui());
    }
    int run(const QStringList& arguments)
    {
        const test::CliOutput output = test::RunCli(arguments);
        out = output.out;
        err = output.err;
        return output.status;
    }
    QString messages() { return captured.messages(); }
    hvxsim::EepromImage eeprom() { return sim.instrument().State().eeprom; }
    void requireNoTerminal()
    {
        if (isatty(STDIN_FILENO))
            GTEST_SKIP() << "standard input is a terminal";
    }

    test::TestApp testApp;
    hvxtest::SimulatedInstrument sim{testApp.app(), kPort, hvxtest::SimulatedInstrument::StreamingSetup(10)};
    test::CapturedBatch captured;
    QString out;
    QString err;
};

} // namespace

TEST_F(HvxCliDeviceData, AlarmsReadWritesTheFileAndShowListsItSortedByStart)
{
    sim.instrument().ModifyState([](hvxsim::InstrumentState& state) {
        const quint8 undated[13] = {0x0C, 0x00, 0x31, 0x14, 0x30, 0x00, 33, 0x0C, 0x05, 0x31, 0x15, 0x00, 0x00};
        std::copy(std::begin(undated), std::end(undated), state.eeprom.begin() + 0x304);
    });
    const QString path = testApp.filePath(QStringLiteral("anlage.alm"));
    ASSERT_EQ(run({QStringLiteral("alarms"), QStringLiteral("read"), kPortOption, path}), 0) << err.toStdString();
    const AlarmFileContent content = ParseAlarmFile(*ReadDataFile(path));
    EXPECT_EQ(content.stored, 3);
    EXPECT_EQ(content.rows[0].m_strStart, QStringLiteral("nicht darstellbar"));
    EXPECT_TRUE(sim.portIsFree());

    ASSERT_EQ(run({QStringLiteral("alarms"), QStringLiteral("show"), path}), 0) << err.toStdString();
    const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("Aufgetretene Alarme: 7"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Alarm von")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("02.03.2024 10:22:13"))) << lines[3].toStdString();
    EXPECT_TRUE(lines[5].startsWith(QStringLiteral("nicht darstellbar")));
    EXPECT_TRUE(lines[5].endsWith(QStringLiteral("Grenzwertüberschreitung (Modul 2)")));

    EXPECT_EQ(run({QStringLiteral("alarms"), QStringLiteral("show"), testApp.filePath(QStringLiteral("fehlt.alm"))}), 3);
    EXPECT_EQ(run({QStringLiteral("alarms"), QStringLiteral("list")}), 3);
}

TEST_F(HvxCliDeviceData, AlarmsDeleteAsksAndWithoutATerminalTheAnswerIsNo)
{
    requireNoTerminal();
    const hvxsim::EepromImage before = eeprom();
    EXPECT_EQ(run({QStringLiteral("alarms"), QStringLiteral("delete"), kPortOption}), 3);
    EXPECT_TRUE(eeprom() == before);
    EXPECT_TRUE(err.contains(QStringLiteral("Sollen die Alarmdaten wirklich gelöscht werden?")));

    EXPECT_EQ(run({QStringLiteral("alarms"), QStringLiteral("delete"), kPortOption, QStringLiteral("--yes")}), 0)
        << err.toStdString();
    EXPECT_EQ(eeprom()[0x302], 0);
    EXPECT_TRUE(sim.portIsFree());
}

TEST_F(HvxCliDeviceData, AlarmsDeleteOnAnInstrumentWithItsCodeInForceNeedsTheCode)
{
    requireNoTerminal();
    sim.instrument().ModifyState([](hvxsim::InstrumentState& state) { state.SetAccessCode("4711", true); });
    const hvxsim::EepromImage before = eeprom();
    const int status = run({QStringLiteral("alarms"), QStringLiteral("delete"), kPortOption, QStringLiteral("--yes")});
    EXPECT_NE(status, 0);
    EXPECT_TRUE(eeprom() == before);
    EXPECT_EQ(sim.received().count(char(0x17)), 0) << "nothing written";

    EXPECT_NE(run({QStringLiteral("alarms"), QStringLiteral("delete"), kPortOption, QStringLiteral("--yes"),
                   QStringLiteral("--access-code=1234")}),
              0);
    EXPECT_TRUE(eeprom() == before);
}

TEST_F(HvxCliDeviceData, AlarmsDeleteWithTheInstrumentsCodeDeletes)
{
    requireNoTerminal();
    sim.instrument().ModifyState([](hvxsim::InstrumentState& state) { state.SetAccessCode("4711", true); });
    EXPECT_EQ(run({QStringLiteral("alarms"), QStringLiteral("delete"), kPortOption, QStringLiteral("--yes"),
                   QStringLiteral("--access-code=4711")}),
              0)
        << err.toStdString();
    EXPECT_EQ(eeprom()[0x302], 0);
}

TEST_F(HvxCliDeviceData, RecordCountsLinesAsTheyArriveAndSavesTheWellFormedOnes)
{
    sim.instrument().AddFault({hvxsim::FaultKind::MalformedLine, std::nullopt, 1, 0, hvxsim::ReplyPhase::Final});
    const QString path = testApp.filePath(QStringLiteral("schicht.dat"));
    ASSERT_EQ(run({QStringLiteral("record"), kPortOption, QStringLiteral("--lines=4"), path}), 0) << err.toStdString();
    // Two lines can arrive in one read under load: then the count jumps past 4.
    const qsizetype printed = out.count(u'\n');
    EXPECT_GE(printed, 4) << "every line is printed, the malformed one too";
    EXPECT_LE(printed, 5);
    EXPECT_FALSE(out.contains(u'\r'));
    EXPECT_TRUE(err.contains(QStringLiteral("%1 Zeilen empfangen").arg(printed)));
    const QByteArray dat = *ReadDataFile(path);
    EXPECT_EQ(dat.count("\r\n"), printed - 1);
    EXPECT_TRUE(messages().contains(QStringLiteral("Die Messdatendatei wurde ordnungsgemäß erstellt.")));
    EXPECT_EQ(sim.received(), hvxtest::Commands({0x10, 0x12, 0x13, 0x11})) << "left in sending mode";
}

TEST_F(HvxCliDeviceData, RecordEndsAfterTheSecondsAndWhenTheInstrumentVanishes)
{
    const QString path = testApp.filePath(QStringLiteral("zeit.dat"));
    ASSERT_EQ(run({QStringLiteral("record"), kPortOption, QStringLiteral("--seconds=1"), path}), 0) << err.toStdString();
    EXPECT_GE(ReadDataFile(path)->count("\r\n"), 5);

    // The instrument vanishes once some lines have come.
    QTimer::singleShot(400ms, [this] {
        sim.instrument().AddFault({hvxsim::FaultKind::VanishMidLine, std::nullopt, 1, 0, hvxsim::ReplyPhase::Final});
    });
    const QString lost = testApp.filePath(QStringLiteral("abbruch.dat"));
    EXPECT_EQ(run({QStringLiteral("record"), kPortOption, QStringLiteral("--seconds=20"), lost}), 3);
    EXPECT_TRUE(err.contains(QStringLiteral("während der Aufzeichnung abgebrochen")));
    EXPECT_TRUE(QFile::exists(lost)) << "the lines so far are kept";
}

TEST_F(HvxCliDeviceData, RecordRefusesAnInstrumentThatSendsNothing)
{
    sim.instrument().ModifyState([](hvxsim::InstrumentState& state) { state.SetMeasuredDataInterval(hvxsim::kIntervalOff); });
    const QString path = testApp.filePath(QStringLiteral("nichts.dat"));
    EXPECT_EQ(run({QStringLiteral("record"), kPortOption, path}), 3);
    EXPECT_TRUE(messages().contains(QStringLiteral("Die Messdatenerfassung ist auf dem HYDROVANT abgeschaltet.")));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(run({QStringLiteral("record"), kPortOption, QStringLiteral("--lines=0"), path}), 3);
}

TEST_F(HvxCliDeviceData, CommandsOnTheInstrumentNeverWriteOverAConfigurationAndOverAnotherFileOnlyWhenAsked)
{
    CHVXDoc doc;
    ASSERT_TRUE(doc.OnNewDocument(NeueKonfiguration{0x13, {ModulWahl{modultyp::kPH, reglertyp::kSignalgeraet}}}));
    const QString hxd = testApp.filePath(QStringLiteral("anlage.hxd"));
    ASSERT_TRUE(doc.OnSaveDocument(hxd));
    const QString old = testApp.filePath(QStringLiteral("alt.dat"));
    QFile oldFile(old);
    ASSERT_TRUE(oldFile.open(QIODevice::WriteOnly));
    oldFile.write("alt\r\n");
    oldFile.close();
    const QList<QStringList> commands = {
        {"alarms", "read", kPortOption},
        {"eeprom", "read", kPortOption},
        {"record", kPortOption, "--lines=1"},
    };
    for (const QStringList& command : commands) {
        for (const auto& [target, option, said] : {std::tuple{hxd, "--overwrite", "ist eine Konfigurationsdatei"},
                                                   std::tuple{old, "--port=6", "Mit --overwrite wird sie ersetzt"}}) {
            SCOPED_TRACE(QString(command.join(u' ') + u' ' + target).toStdString());
            const QByteArray before = *ReadDataFile(target);
            sim.clearReceived();
            EXPECT_EQ(run(command + QStringList{QLatin1String(option), target}), 3);
            EXPECT_TRUE(err.contains(QString::fromUtf8(said))) << err.toStdString();
            EXPECT_EQ(*ReadDataFile(target), before);
            EXPECT_TRUE(sim.received().isEmpty()) << "refused before the instrument is asked";
        }
    }
    ASSERT_EQ(run({QStringLiteral("record"), kPortOption, QStringLiteral("--lines=1"), QStringLiteral("--overwrite"), old}), 0)
        << err.toStdString();
    EXPECT_NE(*ReadDataFile(old), QByteArray("alt\r\n"));
}

TEST_F(HvxCliDeviceData, FailuresOfAlarmsAndRecordingsAreSaidAndNothingPretendsSuccess)
{
    const QString unwritable = testApp.filePath(QStringLiteral("fehlt/alarme.alm"));
    EXPECT_EQ(run({QStringLiteral("alarms"), QStringLiteral("read"), kPortOption, unwritable}), 3);
    EXPECT_TRUE(messages().contains(QStringLiteral("Die Alarmdatendatei %1 konnte nicht geschrieben werden").arg(unwritable)))
        << messages().toStdString();

    const struct {
        const char* name;
        hvxsim::FaultKind fault;
        std::uint8_t command;
        int status; // a time-out of the link is a link failure
    } noLine[] = {
        {"the instrument vanishes before its first line", hvxsim::FaultKind::VanishMidLine, 0, 3},
        {"the answer to the disconnect is lost", hvxsim::FaultKind::NoAnswer, 0x11, 2},
    };
    for (const auto& c : noLine) {
        SCOPED_TRACE(c.name);
        hvxsim::FaultRule rule;
        rule.kind = c.fault;
        if (c.command != 0)
            rule.command = c.command;
        sim.instrument().AddFault(rule);
        const QString path = testApp.filePath(QStringLiteral("leer.dat"));
        EXPECT_EQ(run({QStringLiteral("record"), kPortOption, QStringLiteral("--seconds=1"), path}), c.status) << err.toStdString();
        EXPECT_FALSE(QFile::exists(path)) << "no empty file";
        EXPECT_TRUE(messages().contains(QStringLiteral("wurde nicht angelegt"))) << messages().toStdString();
        sim.instrument().ClearFaults();
    }
    EXPECT_FALSE(messages().contains(QStringLiteral("ordnungsgemäß erstellt")));
}

TEST_F(HvxCliDeviceData, RecordTakesOnlySecondsATimerCanHold)
{
    const QString path = testApp.filePath(QStringLiteral("lang.dat"));
    EXPECT_EQ(run({QStringLiteral("record"), kPortOption, QStringLiteral("--seconds=2147484"), path}), 3);
    EXPECT_TRUE(err.contains(QStringLiteral("von 1 bis 2147483"))) << err.toStdString();
    EXPECT_TRUE(sim.received().isEmpty());
    EXPECT_EQ(run({QStringLiteral("record"), kPortOption, QStringLiteral("--seconds=2147483"), QStringLiteral("--lines=1"), path}),
              0)
        << err.toStdString();
}
