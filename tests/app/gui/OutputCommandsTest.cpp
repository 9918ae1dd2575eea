// The File menu's output commands: enabled once a parameter set is loaded; the export runs
// through the menu with its save dialog and message.
#include "../../app/gui/GuiTestSupport.h"

#include "app/gui/CommandIds.h"
#include "app/gui/HvxDocManager.h"
#include "app/gui/MainFrame.h"
#include "app/gui/OutputCommands.h"
#include "devicedata/AlarmData.h"
#include "devicedata/MessdatenAufzeichnung.h"
#include "devicedata/gui/HexDumpDlg.h"
#include "document/HVXDoc.h"
#include "support/TestApp.h"

#include <QAction>
#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <functional>
#include <gtest/gtest.h>

using hvx::test::TestApp;
namespace cmd = hvx::cmd;

TEST(OutputCommands, EnabledWithAParameterSetAndExportingThroughTheMenu)
{
    hvx::test::guiApp();
    TestApp t;
    CHVXDoc doc;
    CMainFrame frame;
    frame.LoadFrame();
    CHvxDocManager documents(doc, frame);
    hvx::gui::RegisterOutputCommands(frame, documents);
    frame.UpdateCommandStates();
    for (const int id : {cmd::kExportText, cmd::kFilePrint, cmd::kFilePrintPreview})
        EXPECT_FALSE(frame.CommandAction(id)->isEnabled()) << id;
    EXPECT_TRUE(frame.CommandAction(cmd::kPrinterFont)->isEnabled());

    ASSERT_TRUE(doc.OnNewDocument(NeueKonfiguration{0x13, {hvx::ModulWahl{hvx::modultyp::kPH, hvx::reglertyp::kSignalgeraet}}}));
    frame.UpdateCommandStates();
    for (const int id : {cmd::kExportText, cmd::kFilePrint, cmd::kFilePrintPreview})
        EXPECT_TRUE(frame.CommandAction(id)->isEnabled()) << id;

    const QString path = t.filePath("anlage.txt");
    t.ui().answerFileChoice(path).answerMessageBox(hvx::IDOK, QStringLiteral("ordnungsgemäß"));
    ASSERT_TRUE(frame.RunCommand(cmd::kExportText));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("Hydrovant Configuration Tool\r\n"));
    EXPECT_EQ(t.ui().questions().first().file.extension, QStringLiteral("txt"));
}

// Every save dialog of the program's output proposes a name: the document's name where the file
// is made from the document, otherwise the day's date. The print-to-file target lies in the work
// directory.
TEST(OutputCommands, SaveDialogsProposeTheDocumentsNameOrTheDate)
{
    hvx::test::guiApp();
    TestApp t;
    t.app().m_strWorkDir = t.filePath("anlagen");
    const QString heute = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    CHVXDoc doc;
    CMainFrame frame;
    frame.LoadFrame();
    CHvxDocManager documents(doc, frame);
    hvx::gui::RegisterOutputCommands(frame, documents);
    ASSERT_TRUE(doc.OnNewDocument(NeueKonfiguration{0x13, {hvx::ModulWahl{hvx::modultyp::kPH, hvx::reglertyp::kSignalgeraet}}}));
    frame.UpdateCommandStates();

    hvx::AlarmListState alarme;
    hvx::CMessdatenAufzeichnung aufzeichnung;
    CHexDumpDlg hexDump;
    struct Fall {
        const char* name;
        std::function<void()> frage;
        QString vorschlag;
    };
    const Fall faelle[] = {
        {"export, untitled", [&] { frame.RunCommand(cmd::kExportText); }, heute + QStringLiteral(".txt")},
        {"export, saved", [&] {
             ASSERT_TRUE(doc.DoSave(t.filePath("kunde.hxd")));
             frame.RunCommand(cmd::kExportText);
         }, QStringLiteral("kunde.txt")},
        {"alarm data", [&] { alarme.Save(); }, heute + QStringLiteral(".alm")},
        {"measured data", [&] { aufzeichnung.SaveWithDialog(); }, heute + QStringLiteral(".dat")},
        {"EEPROM image", [&] { hexDump.OnEepromSpeichern(); }, heute + QStringLiteral(".hxp")},
    };
    for (const Fall& fall : faelle) {
        t.ui().clear();
        t.ui().answerFileChoice(std::nullopt);
        fall.frage();
        ASSERT_EQ(t.ui().questions().size(), 1) << fall.name;
        EXPECT_EQ(t.ui().questions().first().file.fileName, fall.vorschlag) << fall.name;
    }

    QString ziel;
    hvx::test::whenModal<QPrintDialog>([&ziel](QPrintDialog* dialog) {
        if (const auto* feld = dialog->findChild<QLineEdit*>(QStringLiteral("filename")))
            ziel = feld->text();
        dialog->reject();
    });
    frame.RunCommand(cmd::kFilePrint);
    EXPECT_EQ(ziel, t.filePath("anlagen/kunde.pdf"));
}
