// Remote programming against the simulated instrument over a pseudo-terminal: what the instrument
// receives byte by byte, the messages, the error codes and the document afterwards.
#include "SimulatedInstrument.h"

#include "base/BatchInteraction.h"
#include "base/ErrorCodes.h"
#include "document/HVXDoc.h"
#include "model/Kalibrierung.h"
#include "support/TestApp.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using hvxtest::Commands;
using hvxtest::WithChecksum;
using namespace hvx;

namespace {

constexpr int kPort = 5;
const QString kAskOverwrite = QStringLiteral("Sollen die Kalibrierdaten wirklich überschrieben werden?");
const QString kDone = QStringLiteral("Parameter wurden erfolgreich übertragen.");
const QString kFailed = QStringLiteral("Parameter konnten nicht übertragen werden!");
const QString kMismatch = QStringLiteral("Konfigurationen stimmen nicht überein!");
const QString kWrongVersion = QStringLiteral("Parametersatz paßt nicht zur Version von HVX!");
const QString kWrongCodeTransfer = QStringLiteral("Nein: Die Daten werden nicht übertragen.");
const QString kWrongCodeDocument = QStringLiteral("Nein: Die Parameter werden schreibgeschützt dargestellt.");

QByteArray ParameterPart(const Parametersatz& image)
{
    const auto part = image.parameterteil();
    return QByteArray(reinterpret_cast<const char*>(part.data()), qsizetype(part.size()));
}

// The exchange of a transfer that reaches the write, in one connection.
QByteArray TransferBytes(const Parametersatz& written)
{
    return Commands({0x10, 0x12, 0x13, 0x14}) + WithChecksum(ParameterPart(written)) + Commands({0x11});
}

void FillParameterPart(Parametersatz& image, int seed)
{
    for (int i = layout::kParameterteil; i < layout::kGroesse; ++i)
        image.setByte(i, quint8(i * 7 + seed));
    image.setZugangscodeAktiv(0);
}

class RemoteProgramming : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim.isRunning()) << sim.error();
        app().m_nPort = kPort - 1;
        hvxtest::UseShortLinkTimeouts(app());
    }

    CHVXApp& app() { return testApp.app(); }
    test::ScriptedInteraction& ui() { return testApp.ui(); }

    // The document holds the instrument's configuration and parameters of its own, saved to a file.
    void saveMatchingDocument(int seed = 3)
    {
        Parametersatz image = sim.parameterSet();
        FillParameterPart(image, seed);
        doc.parametersatz() = image;
        ASSERT_TRUE(doc.DoSave(path));
        sim.clearReceived();
    }

    // Batch runs answer by themselves; their output stays out of the test log.
    void runAsBatch()
    {
        app().m_bRemote = true;
        app().SetUserInteraction(&batch);
    }

    QByteArray transferStamp() const
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll().mid(80, 12);
    }

    test::TestApp testApp;
    hvxtest::SimulatedInstrument sim{testApp.app(), kPort};
    CHVXDoc doc;
    BatchInteraction batch{nullptr};
    QString path = testApp.filePath(QStringLiteral("anlage.hxd"));
};

} // namespace

TEST_F(RemoteProgramming, KeepingCalibrationSendsTheInstrumentsCalibrationBytesForEveryModuleType)
{
    // Eleven transfers: unpaced, the pseudo-terminal takes every byte.
    app().WriteProfileInt(QStringLiteral("Communication"), QStringLiteral("TimeBetweenBytes"), 0);
    const quint8 types[] = {modultyp::kPH,          modultyp::kRedox,          modultyp::kTemperatur,
                            modultyp::kNormsignal,  modultyp::kLfKonduktiv,    modultyp::kLfInduktiv,
                            modultyp::kChlor,       modultyp::kFluorid,        modultyp::kRedoxPlusMinus,
                            modultyp::kAbsalzInduktiv, modultyp::kAbsalzKonduktiv};
    for (const quint8 type : types) {
        SCOPED_TRACE(int(type));
        Parametersatz instrument = sim.parameterSet();
        FillParameterPart(instrument, 100 + type);
        for (int slot = 0; slot < layout::kSlotAnzahl; ++slot) {
            instrument.setModultyp(slot, type);
            // Adaptive FUZZY two-point: the learned dead time is calibration as well.
            instrument.setReglertyp(slot, reglertyp::kZweipunkt);
            instrument.setReglerflags(slot, reglerflags::kAdaptiv);
        }
        sim.setParameterSet(instrument);
        Parametersatz document = instrument;
        FillParameterPart(document, type);
        doc.parametersatz() = document;
        ASSERT_TRUE(doc.DoSave(path));
        document = doc.parametersatz(); // as saved (the multiple pH rule applies on saving)
        sim.clearReceived();

        Parametersatz expected = document;
        for (int slot = 0; slot < layout::kSlotAnzahl; ++slot) {
            for (const Kalibrierfeld& field : kalibrierfelder(type)) {
                for (int i = 0; i < field.breite; ++i)
                    expected.setModulByte(slot, field.offset + i, instrument.modulByte(slot, field.offset + i));
            }
            const int adaptiv = Parametersatz::adaptivblockOffset(slot) + adaptivblock::kAdaptivWert;
            expected.setByte(adaptiv, instrument.byte(adaptiv));
        }
        if (!kalibrierfelder(type).empty()) {
            ASSERT_NE(ParameterPart(expected), ParameterPart(document));
        }

        ui().answerMessageBox(IDOK, kDone);
        EXPECT_TRUE(doc.OnHvxRemoteProg());
        EXPECT_EQ(sim.received(), TransferBytes(expected));
        EXPECT_EQ(ParameterPart(sim.parameterSet()), ParameterPart(expected));
        // The document now holds the instrument's calibration; the file keeps its parameter set.
        EXPECT_EQ(doc.parametersatz(), expected);
        EXPECT_FALSE(doc.isModified());
    }
    EXPECT_EQ(app().ErrorCode(), 0u);
    EXPECT_TRUE(transferStamp().startsWith("20"));
    EXPECT_TRUE(sim.portIsFree());
}

TEST_F(RemoteProgramming, TransferWithoutKeepingAsksFirstAndSendsTheDocumentsCalibration)
{
    saveMatchingDocument();
    ui().answerMessageBox(IDNO, kAskOverwrite);
    EXPECT_FALSE(doc.OnHvxRemotePaup());
    EXPECT_TRUE(sim.received().isEmpty());
    EXPECT_EQ(ui().messageTexts().size(), 1);
    EXPECT_TRUE(ui().questions().constFirst().type & MB_DEFBUTTON2) << "Enter must not overwrite the calibration";
    EXPECT_EQ(transferStamp(), QByteArray(12, '\0'));

    ui().answerMessageBox(IDYES, kAskOverwrite).answerMessageBox(IDOK, kDone);
    EXPECT_TRUE(doc.OnHvxRemotePaup());
    EXPECT_EQ(sim.received(), TransferBytes(doc.parametersatz()));
    EXPECT_EQ(ParameterPart(sim.parameterSet()), ParameterPart(doc.parametersatz()));
    EXPECT_TRUE(transferStamp().startsWith("20"));
}

TEST_F(RemoteProgramming, AModuleThatDiffersInSlot2StopsBeforeAnythingIsWritten)
{
    saveMatchingDocument();
    const Parametersatz before = sim.parameterSet();
    doc.parametersatz().setModultyp(1, quint8(doc.parametersatz().modultyp(1) == modultyp::kPH ? modultyp::kRedox
                                                                                             : modultyp::kPH));
    ui().answerMessageBox(IDOK, kMismatch).answerMessageBox(IDOK, kFailed);
    EXPECT_FALSE(doc.OnHvxRemoteProg());
    EXPECT_EQ(sim.received(), Commands({0x10, 0x12, 0x11}));
    EXPECT_EQ(sim.parameterSet(), before);
    EXPECT_EQ(app().ErrorCode(), 0x84000004u);
    EXPECT_TRUE(sim.portIsFree());
}

// The mismatch message names what differs: the revision, and each differing slot with the module
// of the instrument and that of the file.
TEST_F(RemoteProgramming, AConfigurationMismatchNamesWhatDiffers)
{
    Parametersatz instrument = sim.parameterSet();
    instrument.setGeraetekennung(0x13);
    instrument.setModultyp(0, modultyp::kPH);
    instrument.setModultyp(1, modultyp::kChlor);
    instrument.setModultyp(2, modultyp::kKein);
    sim.setParameterSet(instrument);
    struct Fall {
        const char* name;
        std::function<void(Parametersatz&)> aendere;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {"slot 2", [](Parametersatz& ps) { ps.setModultyp(1, modultyp::kRedox); },
         {QStringLiteral("Modul 2: Gerät Chlor, Datei Redox")}},
        {"slots 1 and 3",
         [](Parametersatz& ps) {
             ps.setModultyp(0, modultyp::kTemperatur);
             ps.setModultyp(2, modultyp::kPH);
         },
         {QStringLiteral("Modul 1: Gerät pH, Datei Temperatur"), QStringLiteral("Modul 3: Gerät Kein, Datei pH")}},
        {"revision", [](Parametersatz& ps) { ps.setGeraetekennung(0x12); },
         {QStringLiteral("Revision: Gerät Revision K 54, Datei Revision K 53")}},
    };
    for (const Fall& fall : faelle) {
        doc.parametersatz() = instrument;
        fall.aendere(doc.parametersatz());
        ASSERT_TRUE(doc.DoSave(path));
        ui().clear();
        ui().answerMessageBox(IDOK, kMismatch).answerMessageBox(IDOK, kFailed);
        EXPECT_FALSE(doc.OnHvxRemoteProg()) << fall.name;
        ASSERT_FALSE(ui().messageTexts().isEmpty()) << fall.name;
        EXPECT_EQ(ui().messageTexts().first(), (QStringList{kMismatch} + fall.zeilen).join(QLatin1Char('\n'))) << fall.name;
        EXPECT_EQ(app().ErrorCode(), 0x84000004u) << fall.name;
    }
}

TEST_F(RemoteProgramming, AccessCodeOfTheInstrumentIsAskedWithTheLinkClosed)
{
    saveMatchingDocument();
    Parametersatz instrument = sim.parameterSet();
    instrument.setZugangscode({'4', '7', '1', '1'});
    instrument.setZugangscodeAktiv(1);
    sim.setParameterSet(instrument);

    // Wrong code, then "Nein": nothing is written.
    ui().answerAccessCode(QStringLiteral("4712")).answerMessageBox(IDNO, kWrongCodeTransfer).answerMessageBox(IDOK, kFailed);
    EXPECT_FALSE(doc.OnHvxRemoteProg());
    EXPECT_EQ(sim.received(), Commands({0x10, 0x12, 0x13, 0x11}));
    EXPECT_EQ(ParameterPart(sim.parameterSet()), ParameterPart(instrument));
    EXPECT_EQ(app().ErrorCode(), 0x84000002u);
    EXPECT_EQ(doc.accessGranted(), 1);

    // Wrong once, then right: a new connection writes.
    sim.clearReceived();
    ui().answerAccessCode(QStringLiteral("4711 "))
        .answerMessageBox(IDYES, kWrongCodeTransfer)
        .answerAccessCode(QStringLiteral("4711"))
        .answerMessageBox(IDOK, kDone);
    EXPECT_TRUE(doc.OnHvxRemoteProg());
    EXPECT_EQ(sim.received(), Commands({0x10, 0x12, 0x13, 0x11, 0x10, 0x14}) + WithChecksum(ParameterPart(doc.parametersatz()))
                                  + Commands({0x11}));
    EXPECT_EQ(ParameterPart(sim.parameterSet()), ParameterPart(doc.parametersatz()));
}

TEST_F(RemoteProgramming, AReadOnlyDocumentIsNeverTransferred)
{
    saveMatchingDocument();
    doc.setAccessGranted(0);
    const Parametersatz before = sim.parameterSet();
    ui().answerMessageBox(IDOK, kFailed);
    EXPECT_FALSE(doc.OnHvxRemoteProg());
    EXPECT_EQ(sim.received(), Commands({0x10, 0x12, 0x13, 0x11}));
    EXPECT_EQ(sim.parameterSet(), before);
    EXPECT_EQ(doc.accessGranted(), 0);
}

TEST_F(RemoteProgramming, AnUnsavedDocumentIsSavedFirstAndCancellingEndsQuietly)
{
    doc.parametersatz() = sim.parameterSet();
    doc.setModifiedFlag(true);
    ui().answerFileChoice(std::nullopt);
    EXPECT_FALSE(doc.OnHvxRemoteProg());
    EXPECT_TRUE(sim.received().isEmpty());
    EXPECT_TRUE(ui().messageTexts().isEmpty());

    ui().answerFileChoice(path).answerMessageBox(IDOK, kDone);
    EXPECT_TRUE(doc.OnHvxRemoteProg());
    EXPECT_EQ(doc.pathName(), path);
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(RemoteProgramming, AFailedWriteLeavesTheLinksCauseAsErrorCode)
{
    saveMatchingDocument();
    // NACK after the data: checksum error on sending.
    sim.fault(hvxsim::FaultKind::NackV, hvxsim::kWriteParameters);
    ui().answerMessageBox(IDOK, QStringLiteral("Checksummenfehler beim Senden!")).answerMessageBox(IDOK, kFailed);
    EXPECT_FALSE(doc.OnHvxRemoteProg());
    EXPECT_EQ(app().ErrorCode(), 0x82000003u);
    EXPECT_EQ(transferStamp(), QByteArray(12, '\0'));

    // The command byte unanswered: the write never started, and that is a failure too.
    sim.fault(hvxsim::FaultKind::NoAnswer, hvxsim::kWriteParameters, hvxsim::ReplyPhase::First);
    ui().answerMessageBox(IDOK, QStringLiteral("Timeout beim ACK-Empfang!")).answerMessageBox(IDOK, kFailed);
    EXPECT_FALSE(doc.OnHvxRemoteProg());
    EXPECT_EQ(app().ErrorCode(), 0x82000002u);
}

TEST_F(RemoteProgramming, NoInstrumentOnThePort)
{
    saveMatchingDocument();
    sim.fault(hvxsim::FaultKind::NoAnswer, hvxsim::kConnect);
    ui().answerMessageBox(IDOK, QStringLiteral("Konnte Verbindung zum HYDROVANT nicht aufbauen!")).answerMessageBox(IDOK, kFailed);
    EXPECT_FALSE(doc.OnHvxRemoteProg());
    EXPECT_EQ(app().ErrorCode(), 0x82000007u);
    EXPECT_TRUE(sim.portIsFree());
}

TEST_F(RemoteProgramming, BatchTransferAnswersTheQuestionItselfAndReportsThroughTheErrorCode)
{
    saveMatchingDocument(9);
    const Parametersatz saved = doc.parametersatz();
    runAsBatch();
    CHVXDoc batchDoc;
    EXPECT_TRUE(batchDoc.RemoteTransfer(path, false));
    EXPECT_EQ(sim.received(), TransferBytes(saved));
    EXPECT_EQ(batchDoc.pathName(), path);
    EXPECT_FALSE(batchDoc.isModified());
    EXPECT_TRUE(testApp.logEntries().contains(kAskOverwrite));
    EXPECT_TRUE(testApp.logEntries().contains(kDone));
}

TEST_F(RemoteProgramming, BatchTransferNeedsTheSameAccessCodeInFileAndInstrument)
{
    saveMatchingDocument();
    Parametersatz instrument = sim.parameterSet();
    instrument.setZugangscode({'1', '2', '3', '4'});
    instrument.setZugangscodeAktiv(1);
    sim.setParameterSet(instrument);
    runAsBatch();

    CHVXDoc batchDoc;
    EXPECT_FALSE(batchDoc.RemoteTransfer(path, true));
    EXPECT_EQ(sim.received(), Commands({0x10, 0x12, 0x13, 0x11}));
    EXPECT_EQ(app().ErrorCode(), 0x84000002u);
    EXPECT_TRUE(testApp.logEntries().contains(kFailed));

    // The file carries the instrument's code: the transfer goes through. (The error code of the
    // earlier failure stays for the process, so success is told by the data sent.)
    doc.parametersatz().setZugangscode({'1', '2', '3', '4'});
    doc.parametersatz().setZugangscodeAktiv(1);
    ASSERT_TRUE(doc.DoSave(path));
    sim.clearReceived();
    CHVXDoc second;
    second.RemoteTransfer(path, true);
    EXPECT_EQ(sim.received().left(5), Commands({0x10, 0x12, 0x13, 0x14}) + char(doc.parametersatz().byte(46)));
}

TEST_F(RemoteProgramming, BatchTransferOfAMissingOrForeignFileTouchesNothing)
{
    runAsBatch();
    const QString missing = testApp.filePath(QStringLiteral("vertippt.hxd"));
    CHVXDoc batchDoc;
    EXPECT_FALSE(batchDoc.RemoteTransfer(missing, true));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(app().ErrorCode(), 0x81000001u);
    EXPECT_TRUE(sim.received().isEmpty());

    // Not a configuration file: refused before the instrument is asked, and left as it was.
    const QString foreign = testApp.filePath(QStringLiteral("fremd.hxd"));
    const QByteArray content(1280, 'x');
    {
        QFile file(foreign);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    CHVXDoc second;
    EXPECT_FALSE(second.RemoteTransfer(foreign, true));
    EXPECT_EQ(app().ErrorCode(), 0x81000200u);
    EXPECT_TRUE(sim.received().isEmpty());
    QFile file(foreign);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), content);
}

TEST_F(RemoteProgramming, ReadingGivesAnUntitledModifiedDocumentWithTheInstrumentsParameterSet)
{
    Parametersatz instrument = sim.parameterSet();
    FillParameterPart(instrument, 42);
    sim.setParameterSet(instrument);
    saveMatchingDocument(); // a document with a file and texts of its own is shown before
    InfoTexts texts;
    texts.kunde = QStringLiteral("Stadtwerke");
    ASSERT_TRUE(doc.SetProperties(texts));
    // Modified with a file: the question whether to save comes first; Cancel stops everything.
    ui().answerMessageBox(IDCANCEL, QStringLiteral("anlage.hxd"));
    EXPECT_FALSE(doc.OnHvxRemotePasi());
    EXPECT_TRUE(sim.received().isEmpty());
    EXPECT_EQ(doc.pathName(), path);

    ui().answerMessageBox(IDNO, QStringLiteral("anlage.hxd"));
    EXPECT_TRUE(doc.OnHvxRemotePasi());
    EXPECT_EQ(sim.received(), Commands({0x10, 0x12, 0x13, 0x11}));
    EXPECT_EQ(doc.parametersatz(), instrument);
    EXPECT_TRUE(doc.pathName().isEmpty());
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.accessGranted(), 1);
    EXPECT_EQ(doc.moduleCount(), 3);
    EXPECT_TRUE(doc.infoTexts().kunde.isEmpty()) << "the texts belonged to the file shown before";
    EXPECT_TRUE(sim.portIsFree());
}

TEST_F(RemoteProgramming, ReadingAnUnsupportedVersionClosesTheLink)
{
    for (const int version : {4, 7}) {
        Parametersatz instrument = sim.parameterSet();
        instrument.setGeraetekennung(quint8((instrument.geraetekennung() & 0xF8) | version));
        sim.setParameterSet(instrument);
        sim.clearReceived();
        ui().answerMessageBox(IDOK, kWrongVersion);
        EXPECT_FALSE(doc.OnHvxRemotePasi());
        EXPECT_EQ(sim.received(), Commands({0x10, 0x12, 0x11}));
        EXPECT_NE(doc.parametersatz(), instrument);
        EXPECT_TRUE(sim.portIsFree());
    }
}

TEST_F(RemoteProgramming, ReadingWithACodeInForceAsksForItAndMayShowReadOnly)
{
    Parametersatz instrument = sim.parameterSet();
    instrument.setZugangscode({'A', 'b', '1', '2'});
    instrument.setZugangscodeAktiv(1);
    sim.setParameterSet(instrument);
    ui().answerAccessCode(QStringLiteral("ab12")).answerMessageBox(IDNO, kWrongCodeDocument);
    EXPECT_TRUE(doc.OnHvxRemotePasi());
    EXPECT_EQ(doc.accessGranted(), 0);
    EXPECT_EQ(doc.parametersatz(), instrument);
    EXPECT_EQ(app().ErrorCode(), 0x84000002u);
}

TEST_F(RemoteProgramming, AFailedReadShowsItsSummaryAfterTheLinksMessage)
{
    sim.fault(hvxsim::FaultKind::NoAnswer, hvxsim::kReadParameters);
    ui().answerMessageBox(IDOK, QStringLiteral("Timeout beim Empfang von Daten!"))
        .answerMessageBox(IDOK, QStringLiteral("Parameter konnten nicht gelesen werden!"));
    EXPECT_FALSE(doc.OnHvxRemotePasi());
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(sim.portIsFree());
    // The log book at level 2: each event one entry, no line of blanks after a serial write.
    const QStringList entries = testApp.logEntries();
    // The link's message names the port.
    EXPECT_EQ(entries.filter(QStringLiteral("Timeout beim Empfang von Daten! (COM")).size(), 1);
    EXPECT_EQ(entries.count(QStringLiteral("Parameter konnten nicht gelesen werden!")), 1);
    for (const QString& line : testApp.logLines())
        EXPECT_FALSE(line.trimmed().isEmpty()) << "a line of blanks in the log book";
}

TEST_F(RemoteProgramming, AFailedReadKeepsThePreviousDocumentAsItWas)
{
    saveMatchingDocument();
    InfoTexts texts;
    texts.kunde = QStringLiteral("Stadtwerke");
    ASSERT_TRUE(doc.SetProperties(texts));
    doc.parametersatz().setByte(layout::kParameterteil, 0x5A); // a change not saved
    const Parametersatz shown = doc.parametersatz();
    sim.fault(hvxsim::FaultKind::NoAnswer, hvxsim::kReadParameters);
    ui().answerMessageBox(IDNO, QStringLiteral("anlage.hxd"))
        .answerMessageBox(IDOK, QStringLiteral("Timeout beim Empfang von Daten!"))
        .answerMessageBox(IDOK, QStringLiteral("Parameter konnten nicht gelesen werden!"));
    EXPECT_FALSE(doc.OnHvxRemotePasi());
    EXPECT_EQ(doc.pathName(), path);
    EXPECT_EQ(doc.title(), QStringLiteral("anlage.hxd"));
    EXPECT_EQ(doc.parametersatz(), shown);
    EXPECT_TRUE(doc.isModified()) << "the changes the user kept are still offered for saving";
    EXPECT_EQ(doc.infoTexts().kunde, QStringLiteral("Stadtwerke"));
}

TEST_F(RemoteProgramming, ServiceModeOpensTheServiceDialogInsteadOfTransferring)
{
    saveMatchingDocument();
    app().m_bService = true;
    int opened = 0;
    doc.setServiceDialogHook([&opened] { ++opened; });
    EXPECT_FALSE(doc.OnHvxRemotePaup());
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(sim.received().isEmpty());
}
