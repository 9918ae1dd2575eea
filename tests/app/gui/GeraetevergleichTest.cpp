// "Mit Gerät vergleichen..." against the simulated instrument inside the test, the comparison
// dialog itself, and the check box of the extended options that turns on the check after writing.
#include "../../app/gui/GuiTestSupport.h"
#include "FrameWithInstrument.h"

#include "InProcessSimulator.h"
#include "app/gui/CommandIds.h"
#include "app/gui/ExtComOptionsDlg.h"
#include "app/gui/GeraetevergleichDlg.h"
#include "app/gui/HvxDocManager.h"
#include "app/gui/MainFrame.h"
#include "app/gui/RemoteCommands.h"
#include "base/SettingsTable.h"
#include "editing/SeitenFixture.h"
#include "support/TestApp.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using hvx::test::TestApp;
using hvx::test::whenModal;
namespace cmd = hvx::cmd;
using namespace hvx;

namespace {

class Geraetevergleich : public hvx::test::FrameWithInstrument {
protected:
    // The instrument's parameter set as a saved document, then one set point changed in it.
    void documentWithOtherSetPoint()
    {
        ASSERT_TRUE(frame.RunCommand(cmd::kReadParameters));
        ASSERT_TRUE(doc.DoSave(t.filePath("anlage.hxd")));
        Parametersatz& ps = doc.parametersatz();
        ps.setModulWord(0, modulblock::kSollwert, quint16(ps.modulWord(0, modulblock::kSollwert) + 5));
        ASSERT_TRUE(doc.DoSave(t.filePath("anlage.hxd")));
        frame.UpdateCommandStates();
    }

    // Two sets that differ in page fields, a calibration byte and a reserved byte.
    static Vergleich jedeGruppe()
    {
        const Parametersatz a = test::konfiguration(0x13, modultyp::kPH, modultyp::kChlor, modultyp::kRedox);
        Parametersatz b = a;
        b.setModulWord(0, modulblock::kSollwert, quint16(a.modulWord(0, modulblock::kSollwert) + 5));
        b.setLeerlaufzeit(quint8(a.leerlaufzeit() + 10));
        b.setModulByte(0, modulblock::kKalibrierbyte, quint8(a.modulByte(0, modulblock::kKalibrierbyte) + 1));
        b.setByte(layout::kReserviertEnde, quint8(a.byte(layout::kReserviertEnde) + 1));
        return vergleiche(a, b);
    }

    static QStringList gruppen(const QTreeWidget* tabelle)
    {
        QStringList titel;
        for (int i = 0; i < tabelle->topLevelItemCount(); ++i)
            titel << tabelle->topLevelItem(i)->text(0);
        return titel;
    }
};

// Saves a picture of the dialog when HVX_SHOT_DIR names a folder (screenshots under xvfb-run).
void saveShot(QWidget* widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("HVX_SHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    widget->grab().save(folder + QLatin1Char('/') + name);
}

TEST_F(Geraetevergleich, TheCommandShowsTheSetPointAndTransfersFromTheDialog)
{
    documentWithOtherSetPoint();
    ASSERT_TRUE(frame.CommandAction(cmd::kCompareWithInstrument)->isEnabled());
    bool shown = false;
    whenModal<CGeraetevergleichDlg>([&shown](CGeraetevergleichDlg* dialog) {
        shown = true;
        // The set point, and the thresholds derived from it that no page shows.
        const QStringList titel = gruppen(dialog->tabelle());
        EXPECT_EQ(titel.value(0), "Felder der Seiten (1)");
        EXPECT_TRUE(titel.size() == 1 || titel.value(1).startsWith("Bytes ohne Seite")) << titel.join(", ").toStdString();
        const QTreeWidgetItem* zeile = dialog->tabelle()->topLevelItem(0)->child(0);
        ASSERT_NE(zeile, nullptr);
        EXPECT_TRUE(zeile->text(1).contains("Sollwert")) << zeile->text(1).toStdString();
        EXPECT_NE(zeile->text(2), zeile->text(3));
        EXPECT_EQ(dialog->tabelle()->headerItem()->text(3), "anlage.hxd");
        EXPECT_TRUE(dialog->ohneKalibrierungKnopf()->isEnabled());
        dialog->kopierenKnopf()->click();
        EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("Sollwert"));
        dialog->mitKalibrierungKnopf()->click();
    });
    t.ui().answerMessageBox(hvx::IDOK, "Parameter wurden erfolgreich übertragen.");
    ASSERT_TRUE(frame.RunCommand(cmd::kCompareWithInstrument));
    EXPECT_TRUE(shown);
    EXPECT_EQ(t.app().ErrorCode(), 0u);

    // After the transfer the instrument holds the document's set: nothing left to transfer.
    whenModal<CGeraetevergleichDlg>([](CGeraetevergleichDlg* dialog) {
        EXPECT_EQ(gruppen(dialog->tabelle()), QStringList{"Keine Unterschiede."});
        EXPECT_FALSE(dialog->mitKalibrierungKnopf()->isEnabled());
        dialog->schliessenKnopf()->click();
    });
    ASSERT_TRUE(frame.RunCommand(cmd::kCompareWithInstrument));
    const QStringList entries = t.logEntries();
    EXPECT_EQ(entries.count("CMainFrame::OnHvxRemoteVergleich"), 2);
}

TEST_F(Geraetevergleich, CalibrationGroupStartsCollapsedAndGroupsKeepTheirOrderWhenSorted)
{
    CGeraetevergleichDlg dialog(jedeGruppe(), "b.hxd", false, false);
    dialog.show();
    QTreeWidget* tabelle = dialog.tabelle();
    ASSERT_EQ(tabelle->topLevelItemCount(), 3);
    EXPECT_TRUE(tabelle->topLevelItem(0)->isExpanded());
    EXPECT_FALSE(tabelle->topLevelItem(1)->isExpanded()) << "calibration collapsed";
    EXPECT_TRUE(tabelle->topLevelItem(2)->isExpanded());
    EXPECT_TRUE(tabelle->isSortingEnabled());
    const QStringList vorher = gruppen(tabelle);
    tabelle->sortByColumn(0, Qt::DescendingOrder);
    tabelle->sortByColumn(0, Qt::AscendingOrder);
    EXPECT_EQ(gruppen(tabelle), vorher);
    EXPECT_FALSE(dialog.mitKalibrierungKnopf()->isEnabled()) << "a document that may not be sent";
    tabelle->topLevelItem(1)->setExpanded(true);
    saveShot(&dialog, "vergleich-de.png");
}

TEST_F(Geraetevergleich, TheDialogSpeaksEnglishFromTheLanguageFile)
{
    TestApp english(TestApp::Language::English);
    CGeraetevergleichDlg dialog(jedeGruppe(), "b.hxd", true, true);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Compare with Instrument");
    EXPECT_EQ(dialog.tabelle()->headerItem()->text(2), "Instrument");
    EXPECT_EQ(dialog.schliessenKnopf()->text(), "Close");
    EXPECT_TRUE(gruppen(dialog.tabelle()).first().startsWith("Fields of the pages"));
    dialog.tabelle()->topLevelItem(1)->setExpanded(true);
    saveShot(&dialog, "vergleich-en.png");
}

TEST_F(Geraetevergleich, TheMenuCarriesTheCommandWithItsTexts)
{
    QAction* action = frame.CommandAction(cmd::kCompareWithInstrument);
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(action->text().startsWith("Mit &Gerät vergleichen..."));
    frame.UpdateCommandStates();
    EXPECT_FALSE(action->isEnabled()) << "nothing to compare without a parameter set";
}

TEST_F(Geraetevergleich, TheExtendedOptionsSwitchTheCheckAfterWriting)
{
    CExtComOptionsDlg dialog(0);
    dialog.show();
    EXPECT_FALSE(dialog.verifyBox()->isChecked());
    dialog.verifyBox()->setChecked(true);
    dialog.okButton()->click();
    EXPECT_EQ(t.app().GetIntSetting(hvx::settings::kVerifyAfterWrite), 1);
    CExtComOptionsDlg again(0);
    again.show();
    EXPECT_TRUE(again.verifyBox()->isChecked());
}

} // namespace
