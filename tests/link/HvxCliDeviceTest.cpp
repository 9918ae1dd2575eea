// hvxcli's commands on the instrument, end to end against the simulated instrument.
#include "CliDeviceFixture.h"

#include "app/cli/HvxCli.h"
#include "document/HVXDoc.h"
#include "editing/Vergleich.h"
#include "link/PortLock.h"
#include "support/LinkPty.h"
#include "support/CliRun.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <gtest/gtest.h>

using hvxtest::Commands;
using namespace hvx;

namespace {

constexpr int kPort = 5;
const QString kPortOption = QStringLiteral("--port=4");

class HvxCliDevice : public hvxtest::CliDeviceTest<kPort> {
protected:
    // A file with the instrument's configuration.
    QString matchingFile(const QString& name)
    {
        CHVXDoc doc;
        doc.parametersatz() = sim.parameterSet();
        doc.parametersatz().setByte(520, 77);
        const QString path = testApp.filePath(name);
        EXPECT_TRUE(doc.DoSave(path));
        return path;
    }
};

} // namespace

TEST_F(HvxCliDevice, ReadSavesTheInstrumentsParameterSetAsANewFile)
{
    const QString path = testApp.filePath(QStringLiteral("gelesen.hxd"));
    ASSERT_EQ(run({"read", kPortOption, path}), 0) << m_err.toStdString();
    EXPECT_TRUE(m_out.contains(path));
    CHVXDoc saved;
    ASSERT_TRUE(saved.OnOpenDocument(path));
    EXPECT_EQ(saved.parametersatz(), sim.parameterSet());

    EXPECT_EQ(run({"read", kPortOption, path}), cli::kExitFailedWithoutCode) << "an existing file is kept";
    EXPECT_EQ(run({"read", kPortOption, "--overwrite", path}), 0) << m_err.toStdString();
}

TEST_F(HvxCliDevice, ReplacingAFileMakesExactlyOneBackupOfWhatItReplaced)
{
    const QString path = testApp.filePath(QStringLiteral("ersetzt.hxd"));
    ASSERT_EQ(run({"new", "--revision", "K 54", "--modules", "pH", path}), 0) << m_err.toStdString();
    const QList<QStringList> replacing = {
        {"new", "--overwrite", "--revision", "M 23", "--modules", "Chlordioxid"},
        {"read", kPortOption, "--overwrite"},
        {"new", "--overwrite", "--revision", "K 54", "--modules", "pH,Redox"},
        {"read", "--overwrite", kPortOption},
    };
    const QDir dir(testApp.dir());
    for (qsizetype i = 0; i < replacing.size(); ++i) {
        const QString command = replacing[i].join(QLatin1Char(' '));
        QFile before(path);
        ASSERT_TRUE(before.open(QIODevice::ReadOnly));
        const QByteArray replaced = before.readAll();
        before.close();
        ASSERT_EQ(run(replacing[i] + QStringList{path}), 0) << command.toStdString() << m_err.toStdString();
        // One backup per command, holding the file it replaced; no older backup is lost.
        const QStringList backups = dir.entryList({QStringLiteral("ersetzt.0*")}, QDir::Files, QDir::Name);
        ASSERT_EQ(backups.size(), i + 1) << command.toStdString() << ": " << backups.join(' ').toStdString();
        QFile newest(dir.filePath(backups.last()));
        ASSERT_TRUE(newest.open(QIODevice::ReadOnly));
        EXPECT_EQ(newest.readAll(), replaced) << command.toStdString();
    }
}

TEST_F(HvxCliDevice, ReadWithACodeInForceNeedsTheCode)
{
    Parametersatz instrument = sim.parameterSet();
    instrument.setZugangscode({'0', '8', '1', '5'});
    instrument.setZugangscodeAktiv(1);
    sim.setParameterSet(instrument);
    const QString path = testApp.filePath(QStringLiteral("geschuetzt.hxd"));

    EXPECT_EQ(run({"read", kPortOption, path}), 4);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(testApp.app().ErrorCode(), 0x84000002u);
    EXPECT_TRUE(m_err.contains(QStringLiteral("--access-code")));
    EXPECT_EQ(run({"read", kPortOption, "--access-code", "0815", path}), 4) << "the earlier failure stays the exit status";
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(HvxCliDevice, TransferNeverGuessesAboutCalibration)
{
    const QString path = matchingFile(QStringLiteral("anlage.hxd"));
    sim.clearReceived();
    EXPECT_EQ(run({"transfer", kPortOption, path}), cli::kExitFailedWithoutCode);
    EXPECT_EQ(run({"transfer", kPortOption, "--keep-calibration", "--overwrite-calibration", path}),
              cli::kExitFailedWithoutCode);
    EXPECT_TRUE(m_err.contains(QStringLiteral("--keep-calibration")));
    EXPECT_TRUE(sim.received().isEmpty());

    ASSERT_EQ(run({"transfer", kPortOption, "--keep-calibration", path}), 0) << m_err.toStdString();
    EXPECT_TRUE(m_out.contains(QStringLiteral("Schnittstelle: COM5"))) << "the port used is named";
    EXPECT_EQ(sim.parameterSet().byte(520), 77);
    EXPECT_EQ(sim.received().left(4), Commands({0x10, 0x12, 0x13, 0x14}));
    EXPECT_TRUE(messages().contains(QStringLiteral("Parameter wurden erfolgreich übertragen.")));

    sim.clearReceived();
    ASSERT_EQ(run({"transfer", kPortOption, "--overwrite-calibration", path}), 0) << m_err.toStdString();
    EXPECT_TRUE(messages().contains(QStringLiteral("Sollen die Kalibrierdaten wirklich überschrieben werden?")));
    EXPECT_EQ(sim.received().left(4), Commands({0x10, 0x12, 0x13, 0x14}));
}

TEST_F(HvxCliDevice, TransferToAnInstrumentWithOtherModulesFails)
{
    CHVXDoc doc;
    doc.parametersatz() = sim.parameterSet();
    doc.parametersatz().setModultyp(2, modultyp::kTemperatur);
    const QString path = testApp.filePath(QStringLiteral("anders.hxd"));
    ASSERT_TRUE(doc.DoSave(path));
    EXPECT_EQ(run({"transfer", kPortOption, "--keep-calibration", path}), 4);
    EXPECT_EQ(testApp.app().ErrorCode(), 0x84000004u);
    EXPECT_TRUE(messages().contains(QStringLiteral("Konfigurationen stimmen nicht überein!")));
    EXPECT_EQ(sim.received(), Commands({0x10, 0x12, 0x11}));
}

TEST_F(HvxCliDevice, ClockShowsBothTimesAndSetsTheInstruments)
{
    ASSERT_EQ(run({"clock", kPortOption}), 0) << m_err.toStdString();
    EXPECT_TRUE(m_out.startsWith(QStringLiteral("PC:")));
    EXPECT_TRUE(m_out.contains(QStringLiteral("\nHydrovant:")));
    EXPECT_EQ(sim.received(), Commands({0x10, 0x15, 0x11}));

    sim.clearReceived();
    ASSERT_EQ(run({"clock", kPortOption, "--set"}), 0) << m_err.toStdString();
    EXPECT_EQ(sim.received().mid(3, 2), Commands({0x10, 0x16}));
    EXPECT_EQ(run({"clock", "datei.hxd"}), cli::kExitFailedWithoutCode);
}

TEST_F(HvxCliDevice, PortsListsAndFindsTheInstrument)
{
    ASSERT_EQ(run({"ports"}), 0) << m_err.toStdString();
    EXPECT_TRUE(m_out.contains(QStringLiteral("COM5    ") + sim.devicePath()));
    EXPECT_TRUE(sim.received().isEmpty());
    ASSERT_EQ(run({"ports", "--search"}), 0) << m_err.toStdString();
    EXPECT_TRUE(m_out.contains(QStringLiteral("COM5")));
}

TEST_F(HvxCliDevice, APortLockedByAnotherProgramIsNotListedAndCannotBeOpened)
{
    hvxtest::LinkPty free;
    ASSERT_TRUE(free.isValid());
    testApp.app().WriteProfileString(QStringLiteral("Ports"), QStringLiteral("COM6"), free.slavePath());
    // A terminal program (process 1 stands for it: it always runs) holds the instrument's port.
    const QString lock = QDir(PortLockDirectories().first()).filePath(PortLockName(sim.devicePath()));
    {
        QFile file(lock);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("         1\n");
    }
    ASSERT_EQ(run({"ports"}), 0) << m_err.toStdString();
    EXPECT_FALSE(m_out.contains(QStringLiteral("COM5"))) << m_out.toStdString();
    EXPECT_TRUE(m_out.contains(QStringLiteral("COM6    ") + free.slavePath()));

    EXPECT_EQ(run({"clock", kPortOption}), 2);
    EXPECT_EQ(testApp.app().ErrorCode(), 0x82000006u);
    EXPECT_TRUE(messages().contains(QStringLiteral("Konnte Schnittstelle für die Übertragung nicht öffnen! (COM5: ") +
                                    sim.devicePath()));
    EXPECT_TRUE(sim.received().isEmpty());
    EXPECT_TRUE(QFile::exists(lock)) << "the other program's lock stays";
    QFile::remove(lock);
}

TEST_F(HvxCliDevice, AWrongPortIndexIsRefused)
{
    for (const char* port : {"--port=256", "--port=-1", "--port=x"})
        EXPECT_EQ(run({"clock", port}), cli::kExitFailedWithoutCode) << port;
    EXPECT_TRUE(sim.received().isEmpty());
}

TEST_F(HvxCliDevice, TheAccessCodeAnswersTheFilesAndTheInstrumentsPrompt)
{
    Parametersatz protectedSet = sim.parameterSet();
    protectedSet.setZugangscode({'2', '4', '6', '8'});
    protectedSet.setZugangscodeAktiv(1);
    sim.setParameterSet(protectedSet);
    CHVXDoc doc;
    doc.parametersatz() = protectedSet;
    doc.parametersatz().setByte(520, 99);
    const QString path = testApp.filePath(QStringLiteral("geschuetzt.hxd"));
    ASSERT_TRUE(doc.DoSave(path));
    sim.clearReceived();

    // Without the code the file is read-only, and a read-only file is never transferred.
    EXPECT_EQ(run({"transfer", kPortOption, "--keep-calibration", path}), 4);
    EXPECT_EQ(sim.received(), Commands({0x10, 0x12, 0x13, 0x11}));
    EXPECT_NE(sim.parameterSet().byte(520), 99);

    sim.clearReceived();
    run({"transfer", kPortOption, "--keep-calibration", "--access-code", "2468", path});
    EXPECT_EQ(sim.received().left(8), Commands({0x10, 0x12, 0x13, 0x11, 0x10, 0x14}) + char(doc.parametersatz().byte(46))
                                          + char(doc.parametersatz().byte(47)));
    EXPECT_EQ(sim.parameterSet().byte(520), 99);
}

TEST_F(HvxCliDevice, EveryInstrumentCommandHasItsHelpAndIsListed)
{
    ASSERT_EQ(run({"--help"}), 0);
    const QString usage = m_out;
    for (const char* command : {"read", "transfer", "clock", "ports"}) {
        EXPECT_TRUE(usage.contains(QStringLiteral("  %1 ").arg(command))) << command;
        EXPECT_EQ(run({command, "--help"}), 0) << command;
        EXPECT_TRUE(m_out.startsWith(QStringLiteral("Aufruf: hvxcli %1").arg(command))) << command;
    }
    EXPECT_TRUE(sim.received().isEmpty());
}

// The report of a transfer against the simulated instrument: its rows are the comparison of the
// instrument's set before with what it holds afterwards, the calibration it kept stays as it
// was, it costs no read more, and a name it cannot be written to sends nothing.
TEST_F(HvxCliDevice, TransferReportListsWhatChangedInTheInstrumentAndABadNameSendsNothing)
{
    CHVXDoc doc;
    doc.parametersatz() = sim.parameterSet();
    Parametersatz& file = doc.parametersatz();
    file.setModulWord(0, modulblock::kSollwert, quint16(file.modulWord(0, modulblock::kSollwert) + 40));
    file.setModulByte(0, modulblock::kKalibrierbyte, quint8(file.modulByte(0, modulblock::kKalibrierbyte) ^ 0x21));
    const QString path = testApp.filePath(QStringLiteral("anlage.hxd"));
    ASSERT_TRUE(doc.DoSave(path));

    const QString unwritable[] = {testApp.filePath(QStringLiteral("bericht.docx")), testApp.filePath(QStringLiteral("fehlt/bericht.txt")),
                                  testApp.filePath(QStringLiteral("bericht"))};
    for (const QString& report : unwritable) {
        SCOPED_TRACE(report.toStdString());
        sim.clearReceived();
        EXPECT_EQ(run({"transfer", kPortOption, "--keep-calibration", "--report", report, path}), cli::kExitFailedWithoutCode);
        EXPECT_TRUE(m_err.contains(report)) << m_err.toStdString();
        EXPECT_TRUE(sim.received().isEmpty()) << "nothing is sent when the report cannot be kept";
        EXPECT_FALSE(QFile::exists(report));
    }

    const Parametersatz before = sim.parameterSet();
    const QString report = testApp.filePath(QStringLiteral("bericht.txt"));
    sim.clearReceived();
    ASSERT_EQ(run({"transfer", kPortOption, "--keep-calibration", "--verify", "--report", report, path}), 0) << m_err.toStdString();
    EXPECT_TRUE(m_out.contains(QStringLiteral("Protokoll gespeichert: ") + report)) << m_out.toStdString();
    EXPECT_EQ(sim.received().count(char(0x13)), 2) << "one read before writing, one for --verify: none for the report";

    QFile f(report);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(f.readAll());
    QStringList rows;
    for (const QString& line : text.split(QStringLiteral("\r\n"))) {
        if (line.count(QLatin1Char('\t')) == 4)
            rows << line;
    }
    const Vergleich changed = vergleiche(before, sim.parameterSet());
    const auto fields = changed.gruppe(Unterschiedsgruppe::Feld);
    ASSERT_FALSE(fields.empty());
    EXPECT_TRUE(changed.gruppe(Unterschiedsgruppe::Kalibrierung).empty()) << "the instrument kept its calibration";
    for (const Unterschied& u : fields) {
        const QString cells = QStringLiteral("\t%1\t%2\t%3").arg(u.wertA, u.wertB, u.einheit);
        EXPECT_EQ(rows.filter(cells).size(), 1) << cells.toStdString() << "\n" << text.toStdString();
    }
    // The file's calibration value differed and was kept: listed with the instrument's value on both sides.
    const auto calibration = vergleiche(before, file).gruppe(Unterschiedsgruppe::Kalibrierung);
    ASSERT_EQ(calibration.size(), 1u);
    EXPECT_EQ(rows.filter(QStringLiteral("\t%1\t%1\t").arg(calibration[0].wertA)).size(), 1) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Kalibrierdaten: erhalten")));
    EXPECT_TRUE(text.contains(QStringLiteral("bestanden")));
    EXPECT_TRUE(text.contains(QStringLiteral("COM5")));
}
