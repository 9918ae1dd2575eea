// The Remote menu's commands against the simulated instrument inside the test (port COM1 = sim):
// reading into a new document, a transfer with its progress and message, the clock question,
// and the enabling rules.
#include "../../app/gui/GuiTestSupport.h"
#include "FrameWithInstrument.h"

#include "InProcessSimulator.h"
#include "app/gui/CommandIds.h"
#include "app/gui/MainFrame.h"
#include "app/gui/HvxDocManager.h"
#include "app/gui/RemoteCommands.h"
#include "support/TestApp.h"
#include "model/ParametersatzLayout.h"
#include "output/Serviceprotokoll.h"
#include "output/gui/Druckausgabe.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <optional>

#include <QAction>
#include <gtest/gtest.h>

using hvx::test::TestApp;
namespace cmd = hvx::cmd;

namespace {

using RemoteCommands = hvx::test::FrameWithInstrument;

TEST_F(RemoteCommands, ReadingGivesAnUntitledModifiedDocumentOfTheInstrument)
{
    ASSERT_TRUE(frame.RunCommand(cmd::kReadParameters));
    EXPECT_EQ(doc.parametersatz().geraetekennung(), 0x13);
    EXPECT_EQ(doc.parametersatz().modultyp(1), 7);
    EXPECT_TRUE(doc.pathName().isEmpty());
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(frame.windowTitle().endsWith(" - Hydrov[*]"));
    EXPECT_EQ(frame.MessageText(), "Parameter von COM1 gelesen.") << "what was done and on which port";
    EXPECT_TRUE(frame.isWindowModified()) << "the title bar marks the changes not saved";
    ASSERT_TRUE(doc.DoSave(t.filePath("geraet.hxd")));
    manager.RefreshFrame();
    EXPECT_FALSE(frame.isWindowModified());
}

TEST_F(RemoteCommands, TransferKeepingCalibrationShowsProgressAndItsMessage)
{
    ASSERT_TRUE(frame.RunCommand(cmd::kReadParameters));
    const QString path = t.filePath("geraet.hxd");
    ASSERT_TRUE(doc.DoSave(path));
    frame.UpdateCommandStates();
    ASSERT_TRUE(frame.CommandAction(cmd::kTransferProgramming)->isEnabled());
    t.ui().answerMessageBox(hvx::IDOK, "Parameter wurden erfolgreich übertragen.");
    ASSERT_TRUE(frame.RunCommand(cmd::kTransferProgramming));
    // The data bytes, then their checksum, each with its progress display, closed at the end.
    const auto progress = t.ui().progress();
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.constFirst().range, 512);
    EXPECT_EQ(progress.constFirst().steps.size(), 512);
    for (const auto& display : progress)
        EXPECT_TRUE(display.ended);
    EXPECT_EQ(t.app().ErrorCode(), 0u);
}

TEST_F(RemoteCommands, TransfersNeedATransferableDocumentAndServiceModeTurnsTheOverwritingOneIntoTheServiceDialog)
{
    frame.UpdateCommandStates();
    EXPECT_FALSE(frame.CommandAction(cmd::kTransferProgramming)->isEnabled()); // no parameter set
    EXPECT_TRUE(frame.CommandAction(cmd::kReadParameters)->isEnabled());
    EXPECT_TRUE(frame.CommandAction(cmd::kSetDateTime)->isEnabled());
    doc.OnNewDocument(NeueKonfiguration{0x13, {hvx::ModulWahl{1, 3}, hvx::ModulWahl{}, hvx::ModulWahl{}}});
    frame.UpdateCommandStates();
    EXPECT_TRUE(frame.CommandAction(cmd::kTransferParameters)->isEnabled());
    doc.setAccessGranted(0);
    frame.UpdateCommandStates();
    EXPECT_FALSE(frame.CommandAction(cmd::kTransferProgramming)->isEnabled()); // read-only: never sent
    doc.setAccessGranted(1);
    t.app().m_bService = true;
    doc.setAccessGranted(0);
    frame.UpdateCommandStates();
    EXPECT_TRUE(frame.CommandAction(cmd::kTransferParameters)->isEnabled()) << "opens the service dialog";
    doc.setAccessGranted(1);
    frame.UpdateCommandStates();
    EXPECT_TRUE(frame.CommandAction(cmd::kTransferProgramming)->isEnabled());
}

TEST_F(RemoteCommands, ClockQuestionAnsweredNoWritesNothing)
{
    t.ui().answerMessageBox(hvx::IDNO, "Sollen Datum und Uhrzeit aktualisiert werden?");
    ASSERT_TRUE(frame.RunCommand(cmd::kSetDateTime));
    EXPECT_EQ(t.ui().messageTexts().size(), 1);
}

} // namespace

// The success message of a transfer offers its report; the name's extension chooses PDF or
// text, the dialog can be cancelled, and a plain OK writes nothing.
TEST_F(RemoteCommands, TheSuccessMessageOffersTheReportAsPdfOrText)
{
    hvx::setzeProtokollPdfSchreiber(&hvx::gui::druckeAusgabePdf);
    struct Fall {
        const char* name;
        int antwort;                 // to the success message
        std::optional<QString> datei; // chosen in the save dialog
        QByteArray beginn;           // of the report written
    };
    const Fall faelle[] = {
        {"pdf", hvx::IDACTION, QStringLiteral("bericht.pdf"), "%PDF"},
        {"text", hvx::IDACTION, QStringLiteral("bericht.txt"), "Serviceprotokoll"},
        {"cancelled", hvx::IDACTION, std::nullopt, {}},
        {"only OK", hvx::IDOK, std::nullopt, {}},
    };
    ASSERT_TRUE(frame.RunCommand(cmd::kReadParameters));
    const QString path = t.filePath("geraet.hxd");
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        t.ui().clear();
        for (const QString& alt : QDir(t.dir()).entryList({QStringLiteral("bericht*")}))
            QFile::remove(t.filePath(alt));
        doc.parametersatz().setModulWord(0, hvx::modulblock::kSollwert,
                                         quint16(doc.parametersatz().modulWord(0, hvx::modulblock::kSollwert) + 5));
        ASSERT_TRUE(doc.DoSave(path));
        frame.UpdateCommandStates();
        t.ui().answerMessageBox(fall.antwort, "Parameter wurden erfolgreich übertragen.");
        if (fall.antwort == hvx::IDACTION)
            t.ui().answerFileChoice(fall.datei ? std::optional(t.filePath(*fall.datei)) : std::nullopt);
        if (fall.datei)
            t.ui().answerMessageBox(hvx::IDOK, "Protokoll gespeichert");
        ASSERT_TRUE(frame.RunCommand(cmd::kTransferProgramming));
        const auto questions = t.ui().questions();
        ASSERT_FALSE(questions.isEmpty());
        const auto erfolg = std::find_if(questions.begin(), questions.end(), [](const auto& q) {
            return q.text.contains(QStringLiteral("erfolgreich übertragen"));
        });
        ASSERT_NE(erfolg, questions.end());
        EXPECT_EQ(erfolg->action, QStringLiteral("Protokoll speichern…"));
        if (fall.antwort == hvx::IDACTION) {
            const auto& wahl = std::next(erfolg)->file;
            EXPECT_EQ(wahl.extension, QStringLiteral("pdf"));
            EXPECT_TRUE(wahl.fileName.startsWith(QStringLiteral("geraet_"))) << wahl.fileName.toStdString();
        }
        if (!fall.datei) {
            EXPECT_TRUE(QDir(t.dir()).entryList({QStringLiteral("bericht*")}).isEmpty());
            continue;
        }
        QFile bericht(t.filePath(*fall.datei));
        ASSERT_TRUE(bericht.open(QIODevice::ReadOnly));
        EXPECT_TRUE(bericht.readAll().startsWith(fall.beginn));
    }
    hvx::setzeProtokollPdfSchreiber({});
}
