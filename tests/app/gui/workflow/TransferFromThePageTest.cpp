// A transfer started while a value is still in its field: the window stores the page first, as
// saving does, and sends exactly what it stored, although the progress display takes the focus
// from the field while the bytes go out.

#include "WorkflowInteraction.h"
#include "WorkflowRun.h"
#include "WorkflowSession.h"

#include "../GuiTestSupport.h"
#include "InProcessSimulator.h"
#include "app/gui/CommandIds.h"
#include "base/Language.h"
#include "document/KelConfigFile.h"
#include "editing/MessSeiten.h"
#include "editing/ReglerSeite.h"
#include "editing/gui/HvxModelessDlg.h"
#include "editing/gui/HvxModulParameter.h"
#include "editing/gui/HVXTabCtrl.h"
#include "link/RemoteTexts.h"
#include "model/NeuerParametersatz.h"
#include "support/TestApp.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <gtest/gtest.h>

namespace hvx::test::workflow {
namespace {

class TransferFromThePage : public ::testing::Test {
protected:
    TransferFromThePage()
    {
        guiApp();
        QApplication::setQuitOnLastWindowClosed(false);
        hvxsim::RegisterInProcessSimulator();
        app.app().SetUserInteraction(&ui);
        ui.zugangscode = [] { return std::optional<QString>(); };
    }
    ~TransferFromThePage() override
    {
        hvxsim::ResetInProcessInstrument();
        app.app().SetUserInteraction(&app.ui());
    }

    static Parametersatz lies(const QString& pfad)
    {
        Parametersatz ps;
        CKelConfigFile datei;
        EXPECT_TRUE(datei.OpenConfigFile(pfad) && datei.ReadConfigFile(ps.bytes()));
        datei.Close();
        return ps;
    }

    TestApp app;
    Interaktion ui;
};

TEST_F(TransferFromThePage, AValueStillInItsFieldIsStoredAndSentAsItWasStored)
{
    struct Weg {
        const char* name;
        int befehl;
        bool pruefen; // read back after writing
    };
    const Weg wege[] = {{"tool bar, keeping the calibration", cmd::kTransferProgramming, false},
                        {"tool bar, read back after writing", cmd::kTransferProgramming, true},
                        {"overwriting the calibration", cmd::kTransferParameters, false}};
    const QString pfad = app.filePath(QStringLiteral("anlage.hxd"));
    for (const Weg& weg : wege) {
        SCOPED_TRACE(weg.name);
        const Modulbestueckung module{{{modultyp::kPH, reglertyp::kSignalgeraet}, {}, {}}};
        const Parametersatz fabrik = neuerParametersatz(0x13, module);
        {
            CKelConfigFile datei;
            ASSERT_TRUE(datei.OpenConfigFile(pfad) && datei.WriteConfigFile(fabrik.bytes()));
            datei.Close();
        }
        QString fehler;
        ASSERT_TRUE(richteGeraetEin(app.app(), pfad, weg.pruefen, &fehler)) << fehler.toStdString();
        Sitzung sitzung(pfad);
        // The set point on module 1's controller page, typed; the field keeps the focus.
        sitzung.view().tabCtrl()->tabBar()->setCurrentIndex(1);
        CHvxModulParameter* modul = sitzung.view().modulePage(0);
        CHvxModelessDlg* regler = modul->page(2);
        modul->tabCtrl()->tabBar()->setCurrentIndex(modul->tabCtrl()->indexOf(regler));
        auto* sollwert = qobject_cast<QLineEdit*>(regler->control(reglerpara::kEingabe[0]));
        ASSERT_NE(sollwert, nullptr);
        sollwert->setFocus(Qt::MouseFocusReason);
        sollwert->setText(QStringLiteral("7.40"));

        ui.vergiss();
        ASSERT_TRUE(sitzung.frame().RunCommand(weg.befehl));
        EXPECT_TRUE(ui.meldungen.contains(GetStringsText(kTextTransferDone))) << ui.meldungen.join(QStringLiteral(" | ")).toStdString();
        const Parametersatz geraet = hvxsim::InProcessInstrument(nullptr)->State().parameterSet;
        EXPECT_EQ(geraet.modulWord(0, modulblock::kSollwert), 740) << "the instrument has what the page shows";
        EXPECT_EQ(lies(pfad).modulWord(0, modulblock::kSollwert), 740) << "saved before it was sent";
        EXPECT_FALSE(sitzung.doc().isModified());
    }
}

TEST_F(TransferFromThePage, CalibrationValuesKeptFromTheInstrumentAreShownAndStayAfterTheTransfer)
{
    // The range of a conductivity module is one of the instrument's calibration values: the
    // transfer keeping them takes the instrument's range into the document, and the page shown
    // must then show it, or the next store puts the file's range back (and a close asks to save
    // a change nobody made).
    const QString pfad = app.filePath(QStringLiteral("anlage.hxd"));
    const Modulbestueckung module{{{modultyp::kLfKonduktiv, reglertyp::kSignalgeraet}, {}, {}}};
    const Parametersatz fabrik = neuerParametersatz(0x13, module);
    {
        CKelConfigFile datei;
        ASSERT_TRUE(datei.OpenConfigFile(pfad) && datei.WriteConfigFile(fabrik.bytes()));
        datei.Close();
    }
    QString fehler;
    ASSERT_TRUE(richteGeraetEin(app.app(), pfad, false, &fehler)) << fehler.toStdString();
    Sitzung sitzung(pfad);
    sitzung.view().tabCtrl()->tabBar()->setCurrentIndex(1);
    CHvxModulParameter* modul = sitzung.view().modulePage(0);
    CHvxModelessDlg* messseite = modul->page(1);
    modul->tabCtrl()->tabBar()->setCurrentIndex(modul->tabCtrl()->indexOf(messseite));
    auto* liste = qobject_cast<QComboBox*>(messseite->control(messparalf::kMessbereich));
    ASSERT_NE(liste, nullptr);
    const AuswahlListe bereiche = messseite->kontext().listen.at(messparalf::kMessbereich);
    const quint8 imFile = fabrik.modulByte(0, modulblock::kLfMessbereich);
    for (const Auswahl& imGeraet : bereiche) {
        if (imGeraet.wert == imFile)
            continue;
        SCOPED_TRACE(imGeraet.text.toStdString());
        hvxsim::InProcessInstrument(nullptr)->ModifyState([&imGeraet](hvxsim::InstrumentState& state) {
            state.parameterSet.setModulByte(0, modulblock::kLfMessbereich, quint8(imGeraet.wert));
        });
        ui.vergiss();
        ASSERT_TRUE(sitzung.frame().RunCommand(cmd::kTransferProgramming));
        ASSERT_TRUE(ui.meldungen.contains(GetStringsText(kTextTransferDone))) << ui.meldungen.join(QStringLiteral(" | ")).toStdString();
        EXPECT_EQ(sitzung.doc().parametersatz().modulByte(0, modulblock::kLfMessbereich), imGeraet.wert);
        EXPECT_EQ(liste->currentText(), imGeraet.text) << "the page shows the range the document holds";
        ASSERT_TRUE(sitzung.view().CommitCurrentPage());
        EXPECT_EQ(sitzung.doc().parametersatz().modulByte(0, modulblock::kLfMessbereich), imGeraet.wert);
        EXPECT_FALSE(sitzung.doc().isModified());
    }
}

} // namespace
} // namespace hvx::test::workflow
