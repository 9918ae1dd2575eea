// The alarm memory commands and the alarm dialog's rules against the simulated instrument.
#include "../link/SimulatedInstrument.h"

#include "devicedata/AlarmData.h"
#include "devicedata/TextFile.h"
#include "document/HVXDoc.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace hvx;

namespace {

constexpr int kPort = 5;
const QString kNoneStored = QStringLiteral("Es sind keine Alarmdaten gespeichert.");
const QString kDeleteQuestion = QStringLiteral("Sollen die Alarmdaten wirklich gelöscht werden?");

QStringList DirectoryEntries(const QString& path)
{
    return QDir(path).entryList(QDir::Files);
}

} // namespace

class AlarmDataCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim.isRunning()) << sim.error();
        testApp.app().m_nPort = kPort - 1;
        hvxtest::UseShortLinkTimeouts(testApp.app());
        alarmDir = testApp.filePath(QStringLiteral("alarme"));
        QDir().mkpath(alarmDir);
        testApp.app().m_strAlarmdatDir = alarmDir;
    }
    // Header: occurred, stored; then the records from address 0x0304.
    void setAlarmMemory(int occurred, int stored, const std::vector<AlarmRecordBytes>& records)
    {
        sim.instrument().ModifyState([&](hvxsim::InstrumentState& state) {
            state.eeprom[0x300] = quint8(occurred >> 8);
            state.eeprom[0x301] = quint8(occurred);
            state.eeprom[0x302] = quint8(stored);
            for (std::size_t i = 0; i < records.size(); ++i)
                std::copy(records[i].begin(), records[i].end(), state.eeprom.begin() + 0x304 + 13 * i);
        });
    }
    hvxsim::EepromImage eeprom() { return sim.instrument().State().eeprom; }

    test::TestApp testApp;
    hvxtest::SimulatedInstrument sim{testApp.app(), kPort};
    QString alarmDir;
};

TEST_F(AlarmDataCommand, AnInstrumentWithoutAlarmMemoryIsRefused)
{
    sim.instrument().ModifyState([](hvxsim::InstrumentState& state) { state.parameterSet.setGeraetekennung(0x10); });
    testApp.ui().answerMessageBox(IDOK, QStringLiteral("HYDROVANT-Software unterstützt keinen Alarmdatenspeicher!"));
    AlarmListState state;
    EXPECT_FALSE(state.Fetch());
    EXPECT_TRUE(DirectoryEntries(alarmDir).isEmpty()) << "no temporary file stays behind";
    EXPECT_EQ(sim.received(), hvxtest::Commands({0x10, 0x12, 0x11}));
    EXPECT_TRUE(sim.portIsFree());
}

TEST_F(AlarmDataCommand, NoStoredRecordsGiveTwoLinesAndNothingToSave)
{
    setAlarmMemory(7, 0, {});
    testApp.ui().answerMessageBox(IDOK, kNoneStored);
    AlarmListState state;
    ASSERT_TRUE(state.Fetch());
    EXPECT_EQ(state.occurred(), 7);
    EXPECT_EQ(state.stored(), 0);
    EXPECT_FALSE(state.saveEnabled());
    EXPECT_FALSE(state.unsavedFetch());
    EXPECT_EQ(ReadDataFile(state.shownPath()), QByteArray("Aufgetretene Alarme\t7\r\nGespeicherte Alarme\t0\r\n"));
    EXPECT_TRUE(QFileInfo(state.shownPath()).fileName().startsWith(QStringLiteral("HVX")));
    EXPECT_EQ(QFileInfo(state.shownPath()).absolutePath(), alarmDir);
}

TEST_F(AlarmDataCommand, RecordsAreShownWithTextsAndSortedByStart)
{
    setAlarmMemory(300, 4,
                   {{0x0C, 0x05, 0x31, 0x14, 0x30, 0x00, 0x1F, 0x0C, 0x05, 0x31, 0x15, 0x00, 0x00},
                    {0x0C, 0x00, 0x01, 0x00, 0x00, 0x00, 33, 0x0C, 0x06, 0x01, 0x00, 0x00, 0x00},
                    {0x0B, 0x01, 0x01, 0x00, 0x00, 0x00, 34, 0x0B, 0x01, 0x01, 0x00, 0x00, 0x01},
                    {0x0C, 0x05, 0x31, 0x14, 0x29, 0x59, 12, 0x0C, 0x05, 0x31, 0x14, 0x30, 0x00}});
    AlarmListState state;
    ASSERT_TRUE(state.Fetch());
    EXPECT_EQ(state.occurred(), 300);
    EXPECT_TRUE(state.saveEnabled());
    ASSERT_EQ(state.rows().size(), 4u);
    QStringList order;
    for (const CAlarmListData& row : state.rows())
        order << row.m_strStart + u'|' + row.m_strText;
    EXPECT_EQ(order, QStringList({"01.01.2011 00:00:00|Grenzwertunterschreitung (Modul 3)",
                                  "31.05.2012 14:29:59|Unbekannter Fehler 12",
                                  "31.05.2012 14:30:00|Grenzwertüberschreitung (Modul 1)",
                                  "nicht darstellbar|Grenzwertüberschreitung (Modul 2)"}));
    state.SortBy(AlarmColumn::Start);
    EXPECT_EQ(state.rows().front().m_strStart, QStringLiteral("nicht darstellbar")) << "second click: descending";
    state.SortBy(AlarmColumn::Text);
    EXPECT_EQ(state.rows().front().m_nIndex, 0);

    // Memory reads: the header, then one per record.
    const QByteArray received = sim.received();
    EXPECT_EQ(received.count(char(0x18)), 5);
}

TEST_F(AlarmDataCommand, ClosingAfterAFetchOffersSavingAndACancelStillDeletesTheTemporaryFile)
{
    setAlarmMemory(3, 1, {{0x0C, 0x05, 0x31, 0x14, 0x30, 0x00, 0x1F, 0x0C, 0x05, 0x31, 0x15, 0x00, 0x00}});
    QString temporary;
    {
        AlarmListState state;
        ASSERT_TRUE(state.Fetch());
        temporary = state.shownPath();
        EXPECT_TRUE(QFile::exists(temporary));
        testApp.ui().answerFileChoice(std::nullopt);
        state.Ok();
        const auto questions = testApp.ui().questions();
        ASSERT_EQ(questions.size(), 1);
        EXPECT_EQ(questions[0].text, QStringLiteral("Alarmdaten speichern..."));
        EXPECT_EQ(questions[0].file.extension, QStringLiteral("alm"));
        EXPECT_EQ(questions[0].file.directory, alarmDir);
    }
    EXPECT_FALSE(QFile::exists(temporary));
    EXPECT_TRUE(DirectoryEntries(alarmDir).isEmpty());
}

TEST_F(AlarmDataCommand, ASaveThatFailsIsSaidAndTheRecordsStayInTheTemporaryFile)
{
    setAlarmMemory(3, 1, {{0x0C, 0x05, 0x31, 0x14, 0x30, 0x00, 0x1F, 0x0C, 0x05, 0x31, 0x15, 0x00, 0x00}});
    QString temporary;
    QByteArray fetched;
    const QString unwritable = testApp.filePath(QStringLiteral("fehlt/anlage.alm"));
    {
        AlarmListState state;
        ASSERT_TRUE(state.Fetch());
        temporary = state.shownPath();
        fetched = *ReadDataFile(temporary);
        testApp.ui().answerFileChoice(unwritable).answerMessageBox(IDOK, QStringLiteral("Sie bleiben in der Datei %1").arg(temporary));
        state.Ok(); // the dialog closes all the same
    }
    EXPECT_EQ(ReadDataFile(temporary), fetched) << "the only copy is not deleted";
}

TEST_F(AlarmDataCommand, SavingCopiesTheFetchAndLoadingOffersToSaveFirst)
{
    setAlarmMemory(3, 1, {{0x0C, 0x05, 0x31, 0x14, 0x30, 0x00, 0x1F, 0x0C, 0x05, 0x31, 0x15, 0x00, 0x00}});
    AlarmListState state;
    ASSERT_TRUE(state.Fetch());
    const QString temporary = state.shownPath();
    const QByteArray fetched = *ReadDataFile(temporary);

    // Loading: the unsaved fetch is offered first; cancelling it stops the loading.
    testApp.ui().answerFileChoice(std::nullopt);
    EXPECT_FALSE(state.Load());
    EXPECT_EQ(state.shownPath(), temporary);

    const QString saved = testApp.filePath(QStringLiteral("anlage.alm"));
    testApp.ui().answerFileChoice(saved);
    ASSERT_TRUE(state.Save());
    EXPECT_FALSE(QFile::exists(temporary));
    EXPECT_EQ(ReadDataFile(saved), fetched);
    EXPECT_EQ(state.shownPath(), saved);
    EXPECT_FALSE(state.isTemporary());
    EXPECT_FALSE(state.saveEnabled());

    // Now nothing is unsaved: loading asks for the file at once.
    testApp.ui().answerFileChoice(saved);
    EXPECT_TRUE(state.Load());
    EXPECT_EQ(state.rows().size(), 1u);
    EXPECT_EQ(testApp.ui().questions().last().text, QStringLiteral("Alarmdaten laden..."));
}

TEST_F(AlarmDataCommand, DeletingWritesFourZeroBytesAtTheHeader)
{
    const hvxsim::EepromImage before = eeprom();
    testApp.ui().answerMessageBox(IDYES, kDeleteQuestion);
    CHVXDoc doc;
    doc.setAccessGranted(0);
    EXPECT_TRUE(DeleteAlarmMemory(doc));
    EXPECT_EQ(doc.accessGranted(), 0) << "the document's access flag is restored";
    hvxsim::EepromImage expected = before;
    std::fill_n(expected.begin() + 0x300, 4, 0);
    EXPECT_TRUE(eeprom() == expected);
    const QByteArray write = hvxtest::WithChecksum(QByteArray("\x03\x00\x04\x00\x00\x00\x00", 7));
    EXPECT_EQ(sim.received().right(10), QByteArray(write + char(0x11)));
    EXPECT_TRUE(sim.portIsFree());
}

TEST_F(AlarmDataCommand, AnsweringNoOrAWrongAccessCodeDeletesNothing)
{
    const hvxsim::EepromImage before = eeprom();
    CHVXDoc doc;
    testApp.ui().answerMessageBox(IDNO, kDeleteQuestion);
    EXPECT_FALSE(DeleteAlarmMemory(doc));
    EXPECT_TRUE(sim.received().isEmpty()) << "the instrument is not even opened";
    EXPECT_TRUE(testApp.ui().questions().constFirst().type & MB_DEFBUTTON2) << "Enter must not delete";

    sim.instrument().ModifyState([](hvxsim::InstrumentState& state) { state.SetAccessCode("4711", true); });
    testApp.ui()
        .answerMessageBox(IDYES, kDeleteQuestion)
        .answerAccessCode(QStringLiteral("1234"))
        .answerMessageBox(IDNO, QStringLiteral("Nein: Die Daten werden nicht übertragen."));
    EXPECT_FALSE(DeleteAlarmMemory(doc));
    EXPECT_TRUE(eeprom() == before);
    EXPECT_EQ(sim.received().count(char(0x17)), 0);

    testApp.ui().answerMessageBox(IDYES, kDeleteQuestion).answerAccessCode(QStringLiteral("4711"));
    EXPECT_TRUE(DeleteAlarmMemory(doc));
    EXPECT_EQ(eeprom()[0x302], 0);
    EXPECT_TRUE(sim.portIsFree());
}

TEST_F(AlarmDataCommand, AFailedReadLeavesThePreviousList)
{
    AlarmListState state;
    ASSERT_TRUE(state.Fetch());
    const auto rows = state.rows().size();
    sim.fault(hvxsim::FaultKind::NoAnswer, 0x18);
    testApp.ui().allowUnusedAnswers();
    testApp.ui().answerMessageBox(IDOK).answerMessageBox(IDOK).answerFileChoice(std::nullopt);
    EXPECT_FALSE(state.Fetch());
    EXPECT_EQ(state.rows().size(), rows);
    EXPECT_TRUE(DirectoryEntries(alarmDir).isEmpty()) << "neither the earlier nor the failed fetch's file";
}
