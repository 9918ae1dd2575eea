// The hvx program in batch mode, run as another process without a display, against the simulated
// instrument on a pseudo-terminal that the settings file maps to a port.
#include "SimulatedInstrument.h"

#include "document/HVXDoc.h"
#include "editing/Vergleich.h"
#include "model/Kalibrierung.h"
#include "support/LinkPty.h"
#include "support/TestApp.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include "model/Bestueckung.h"
#include "model/Reglerwerte.h"

#include <gtest/gtest.h>

using hvxtest::Commands;
using hvxtest::WithChecksum;
using namespace hvx;

namespace {

constexpr int kInstrumentPort = 3;
constexpr int kSilentPort = 8;

struct BatchRun {
    int exitStatus = -1;
    QString errorOutput;
};

class HvxBatchMode : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim.isRunning()) << sim.error();
        ASSERT_TRUE(silent.isValid());
        CHVXApp& app = testApp.app();
        hvxtest::UseShortLinkTimeouts(app);
        app.WriteProfileString(QStringLiteral("Ports"), QStringLiteral("COM%1").arg(kSilentPort), silent.slavePath());
        app.WriteProfileString(QStringLiteral("System"), QStringLiteral("LogDir"), testApp.dir());
        app.WriteProfileInt(QStringLiteral("System"), QStringLiteral("LogLevel"), 2);
    }

    // hvx with the test's settings file (HVX_SETTINGS is inherited) and no display of any kind.
    BatchRun runHvx(const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        QProcess hvx;
        hvx.setProcessEnvironment(environment);
        hvx.start(QStringLiteral(HVX_TEST_BIN_DIR "/hvx"), arguments);
        BatchRun run;
        if (!hvx.waitForFinished(60000)) {
            hvx.kill();
            hvx.waitForFinished();
            ADD_FAILURE() << "hvx did not end";
        }
        run.exitStatus = hvx.exitStatus() == QProcess::NormalExit ? hvx.exitCode() : -1;
        run.errorOutput = QString::fromUtf8(hvx.readAllStandardError());
        return run;
    }

    QString saveFile(const Parametersatz& image, const QString& name)
    {
        CHVXDoc doc;
        doc.parametersatz() = image;
        const QString path = testApp.filePath(name);
        EXPECT_TRUE(doc.DoSave(path));
        sim.clearReceived();
        return path;
    }

    static QString portArgument(int portNumber) { return QStringLiteral("/Port:%1").arg(portNumber - 1); }

    test::TestApp testApp;
    hvxtest::SimulatedInstrument sim{testApp.app(), kInstrumentPort};
    hvxtest::LinkPty silent;
};

} // namespace

TEST_F(HvxBatchMode, TransferKeepingCalibrationEndsWithExitStatus0)
{
    const Parametersatz instrument = sim.parameterSet();
    Parametersatz file = instrument;
    for (int i = layout::kParameterteil; i < layout::kGroesse; ++i)
        file.setByte(i, quint8(i * 3));
    file.setZugangscodeAktiv(0);
    const QString path = saveFile(file, QStringLiteral("anlage.hxd"));
    // Saving recomputes the derived controller values: the file holds them as the formulas give.
    berechneAlleReglerwerte(file);

    const BatchRun run = runHvx({QStringLiteral("/remote:") + path, QStringLiteral("/SaveCalib"), portArgument(kInstrumentPort)});
    EXPECT_EQ(run.exitStatus, 0) << run.errorOutput.toStdString();
    EXPECT_FALSE(run.errorOutput.contains(QStringLiteral("HVX error code")));
    EXPECT_TRUE(run.errorOutput.contains(QStringLiteral("Parameter wurden erfolgreich übertragen.")));
    EXPECT_TRUE(run.errorOutput.contains(QStringLiteral("HVX: Schnittstelle: COM3\n"))) << run.errorOutput.toStdString();

    Parametersatz expected = file;
    for (int slot = 0; slot < layout::kSlotAnzahl; ++slot)
        erhalteKalibrierung(expected, slot, instrument);
    const auto part = expected.parameterteil();
    const QByteArray sent(reinterpret_cast<const char*>(part.data()), qsizetype(part.size()));
    EXPECT_EQ(sim.received(), Commands({0x10, 0x12, 0x13, 0x14}) + WithChecksum(sent) + Commands({0x11}));
    // The instrument takes the controller and flag copies of its modules from the blocks sent.
    for (int slot = 0; slot < modulanzahl(expected); ++slot) {
        expected.setReglertyp(slot, expected.modulByte(slot, modulblock::kReglertyp));
        expected.setModulflags(slot, expected.modulByte(slot, modulblock::kModulflags));
        expected.setReglerflags(slot, expected.modulByte(slot, modulblock::kReglerflags));
    }
    EXPECT_EQ(sim.parameterSet(), expected);
    EXPECT_TRUE(testApp.logText().contains(QStringLiteral("Anwendung gestartet")));
    EXPECT_TRUE(testApp.logText().contains(QStringLiteral("Anwendung geschlossen")));
}

TEST_F(HvxBatchMode, AConfigurationMismatchEndsWithExitStatus4)
{
    Parametersatz file = sim.parameterSet();
    file.setModultyp(1, modultyp::kTemperatur);
    const QString path = saveFile(file, QStringLiteral("anders.hxd"));
    const Parametersatz before = sim.parameterSet();

    const BatchRun run = runHvx({QStringLiteral("/remote:") + path, portArgument(kInstrumentPort)});
    EXPECT_EQ(run.exitStatus, 4) << run.errorOutput.toStdString();
    EXPECT_TRUE(run.errorOutput.contains(QStringLiteral("HVX error code 0x84000004"))) << run.errorOutput.toStdString();
    EXPECT_EQ(sim.received(), Commands({0x10, 0x12, 0x11}));
    EXPECT_EQ(sim.parameterSet(), before);
}

TEST_F(HvxBatchMode, NoInstrumentEndsWithExitStatus2)
{
    const QString path = saveFile(sim.parameterSet(), QStringLiteral("anlage.hxd"));
    const BatchRun run = runHvx({QStringLiteral("/remote:") + path, portArgument(kSilentPort)});
    EXPECT_EQ(run.exitStatus, 2) << run.errorOutput.toStdString();
    EXPECT_TRUE(run.errorOutput.contains(QStringLiteral("HVX error code 0x82000007"))) << run.errorOutput.toStdString();
    EXPECT_TRUE(sim.received().isEmpty());
}

TEST_F(HvxBatchMode, VerifyMakesACorruptingInstrumentEndTheRunWithExitStatus4)
{
    Parametersatz file = sim.parameterSet();
    file.setModulWord(0, modulblock::kSollwert, quint16(file.modulWord(0, modulblock::kSollwert) + 5));
    const QString path = saveFile(file, QStringLiteral("anlage.hxd"));
    sim.fault(hvxsim::FaultKind::CorruptStore, 0x14);

    const BatchRun run = runHvx({QStringLiteral("/remote:") + path, QStringLiteral("/SaveCalib"), QStringLiteral("/Verify"),
                                 portArgument(kInstrumentPort)});
    EXPECT_EQ(run.exitStatus, 4) << run.errorOutput.toStdString();
    EXPECT_TRUE(run.errorOutput.contains(QStringLiteral("HVX error code 0x84000008"))) << run.errorOutput.toStdString();
    EXPECT_TRUE(run.errorOutput.contains(QStringLiteral("Sollwert"))) << "the message names the field";
    EXPECT_TRUE(run.errorOutput.contains(QStringLiteral("Parameter konnten nicht übertragen werden!")));
    EXPECT_TRUE(sim.received().endsWith(Commands({0x13, 0x11}))) << "read back before disconnecting";
}

// /Report: writes the report of the batch transfer as PDF or text; a name it cannot be written
// to ends the run before anything is sent. The PDF's text holds what the text file holds.
TEST_F(HvxBatchMode, ReportIsWrittenAsPdfOrTextAndABadNameSendsNothing)
{
    struct Fall {
        const char* bericht;
        int exitStatus;
        const char* beginn; // of the file written; none for a refused name
    };
    const Fall faelle[] = {
        {"bericht.txt", 0, "Serviceprotokoll"},
        {"bericht.pdf", 0, "%PDF"},
        {"bericht.odt", 1, nullptr},
        {"fehlt/bericht.pdf", 1, nullptr},
    };
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.bericht);
        Parametersatz file = sim.parameterSet();
        file.setModulWord(0, modulblock::kSollwert, quint16(file.modulWord(0, modulblock::kSollwert) + 15));
        const QString path = saveFile(file, QStringLiteral("anlage.hxd"));
        const QString bericht = testApp.filePath(QLatin1String(fall.bericht));
        const Parametersatz before = sim.parameterSet();

        const BatchRun run = runHvx({QStringLiteral("/remote:") + path, QStringLiteral("/SaveCalib"), portArgument(kInstrumentPort),
                                     QStringLiteral("/Report:") + bericht});
        EXPECT_EQ(run.exitStatus, fall.exitStatus) << run.errorOutput.toStdString();
        if (!fall.beginn) {
            EXPECT_TRUE(run.errorOutput.contains(QStringLiteral("HVX error code 0x81000002"))) << run.errorOutput.toStdString();
            EXPECT_TRUE(sim.received().isEmpty());
            EXPECT_FALSE(QFile::exists(bericht));
            continue;
        }
        EXPECT_TRUE(run.errorOutput.contains(QStringLiteral("Protokoll gespeichert"))) << run.errorOutput.toStdString();
        QFile f(bericht);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.readAll().startsWith(fall.beginn));
        f.close();
        QString text;
        if (QByteArray(fall.beginn) == "%PDF") {
            if (pdftotext.isEmpty())
                continue;
            QProcess p;
            p.start(pdftotext, {QStringLiteral("-layout"), bericht, QStringLiteral("-")});
            ASSERT_TRUE(p.waitForFinished(30000));
            text = QString::fromUtf8(p.readAllStandardOutput());
        } else {
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            text = QString::fromLatin1(f.readAll());
        }
        const auto changed = vergleiche(before, sim.parameterSet()).gruppe(Unterschiedsgruppe::Feld);
        ASSERT_FALSE(changed.empty());
        for (const Unterschied& u : changed) {
            EXPECT_TRUE(text.contains(u.wertA) && text.contains(u.wertB)) << u.wertA.toStdString() << " -> " << u.wertB.toStdString()
                                                                         << "\n" << text.toStdString();
        }
        for (const char* muss : {"Serviceprotokoll", "COM3", "erhalten", "Datum, Unterschrift Kunde"})
            EXPECT_TRUE(text.contains(QLatin1String(muss))) << muss << "\n" << text.toStdString();
    }
}
