// The measuring, controller and timer pages in their module containers, offscreen.
#include "editing/MessSeiten.h"
#include "editing/ModulKonfigSeite.h"
#include "editing/ReglerSeite.h"
#include "base/gui/DialogTexts.h"
#include "editing/gui/EditingViewFixture.h"

#include <QLabel>

namespace hvx::test {
namespace {

class SubPages : public EditingView {
protected:
    CHvxModelessDlg* oeffne(int slot, int subPage)
    {
        klickeTab(slot + 1);
        CHvxModulParameter* modul = view->modulePage(slot);
        CHvxModelessDlg* seite = modul->page(subPage);
        EXPECT_NE(seite, nullptr);
        if (seite)
            modul->tabCtrl()->tabBar()->setCurrentIndex(modul->tabCtrl()->indexOf(seite));
        QCoreApplication::processEvents();
        return seite;
    }
    QString beschriftung(CHvxModelessDlg* seite, int id)
    {
        for (QLabel* l : seite->findChildren<QLabel*>())
            if (gui::CtrlId(l) == id)
                return l->text();
        return QString();
    }
};

TEST_F(SubPages, ContainerShowsConfigurationMeasuringAndControllerTabs)
{
    neu(0x13, {modultyp::kPH, modultyp::kRedox});
    CHvxModulParameter* modul = view->modulePage(1);
    ASSERT_EQ(modul->tabCtrl()->count(), 3);
    EXPECT_EQ(modul->tabCtrl()->tabText(1), QStringLiteral("Mess-Parameter"));
    EXPECT_EQ(modul->tabCtrl()->tabText(2), QStringLiteral("Reglerparameter Signalgerät"));
    EXPECT_EQ(modul->page(1)->beschreibung().vorlage, messpararedox::kVorlage);
    // The sub tab bar keeps its height beside the tallest page.
    klickeTab(2);
    QCoreApplication::processEvents();
    EXPECT_TRUE(modul->tabCtrl()->tabBar()->isVisible());
    EXPECT_GE(modul->tabCtrl()->tabBar()->height(), modul->tabCtrl()->tabBar()->minimumSizeHint().height());
}

TEST_F(SubPages, PageCheckOnModuleTwosControllerPageReportsTwoAndTwo)
{
    neu(0x13, {modultyp::kPH, modultyp::kRedox});
    oeffne(1, 2);
    app.ui().answerMessageBox(1);
    view->CheckCurrentPage();
    ASSERT_EQ(app.ui().messageTexts().size(), 1);
    EXPECT_EQ(app.ui().messageTexts().first(), QStringLiteral("Aktuelle Seite hat keine Fehler. (2, 2)"));
}

TEST_F(SubPages, ConductivityRangeChangeReinitialisesTheControllerPage)
{
    neu(0x13, {modultyp::kLfKonduktiv});
    ps().setModulByte(0, modulblock::kLfMessbereich, 3);
    ps().setModulWord(0, modulblock::kSollwert, 1234);
    view->modulePage(0)->OnRangeChanged();
    CHvxModelessDlg* regler = view->modulePage(0)->page(2);
    EXPECT_EQ(edit(regler, reglerpara::kEingabe[0])->text(), QStringLiteral("123.4"));
    CHvxModelessDlg* mess = oeffne(0, 1);
    waehle(mess, messparalf::kMessbereich, QStringLiteral("0 bis 2 uS"));
    EXPECT_FALSE(inputErrorPending());
    EXPECT_EQ(ps().modulByte(0, modulblock::kLfMessbereich), 1);
    EXPECT_EQ(edit(regler, reglerpara::kEingabe[0])->text(), QStringLiteral("1.234"));
}

TEST_F(SubPages, FahrenheitOnTheConfigurationPageConvertsTheControllerPage)
{
    neu(0x13, {modultyp::kTemperatur});
    ps().setModulWord(0, modulblock::kSollwert, 250);
    CHvxModelessDlg* konfig = oeffne(0, 0);
    knopf(konfig, modulkonfig::kFahrenheit)->click();
    CHvxModelessDlg* regler = view->modulePage(0)->page(2);
    EXPECT_EQ(edit(regler, reglerpara::kEingabe[0])->text(), QStringLiteral("77.0"));
    EXPECT_EQ(beschriftung(regler, reglerpara::kEinheit[0]), QStringLiteral("°F"));
}

// An "aus" box of a limit enables its value field and is stored at once, so that an export, a
// printout or a save right after the click, with the page still shown, does not miss it.
TEST_F(SubPages, LimitOffBoxEnablesItsFieldAndIsStoredAtOnce)
{
    const struct {
        int box;
        int feld;
        quint8 bit;
    } limits[] = {{reglerpara::kLimitMinusAus, reglerpara::kLimitMinus, reglerblockflags::kLimitMinusEin},
                  {reglerpara::kLimitPlusAus, reglerpara::kLimitPlus, reglerblockflags::kLimitPlusEin}};
    for (const auto& limit : limits) {
        SCOPED_TRACE(limit.box);
        // The second of two modules of one kind, as a technician finds it on a plant.
        neu(0x13, {modultyp::kRedox, modultyp::kRedox});
        CHvxModelessDlg* regler = oeffne(1, 2);
        QAbstractButton* aus = knopf(regler, limit.box);
        const bool anfangs = aus->isChecked();
        for (const bool angekreuzt : {!anfangs, anfangs}) {
            aus->setFocus();
            aus->click();
            EXPECT_EQ(aus->isChecked(), angekreuzt);
            EXPECT_EQ(edit(regler, limit.feld)->isEnabled(), !angekreuzt);
            EXPECT_EQ((ps().reglerByte(1, reglerblock::kFlags) & limit.bit) == 0, angekreuzt) << "stored at the click";
            EXPECT_EQ(doc.isModified(), angekreuzt != anfangs) << "the mark follows the record";
        }
    }
}

TEST_F(SubPages, TimerEntrySwitchSavesTheShownEntry)
{
    neu(0x23, {modultyp::kPH, modultyp::kFreigabeOderTimer});
    CHvxModulParameter* modul = view->modulePage(1);
    ASSERT_EQ(modul->tabCtrl()->count(), 1);
    EXPECT_EQ(modul->tabCtrl()->tabText(0), QStringLiteral("Parameter Biozid-Dosierung"));
    CHvxModelessDlg* timer = oeffne(1, 0);
    edit(timer, timerpara::kDosierzeit)->setText(QStringLiteral("77"));
    knopf(timer, timerpara::kZeitpunkt + 4)->click();
    const int eintrag1 = Parametersatz::modulblockOffset(1) + modulblock::kTimerEintraege;
    EXPECT_EQ(ps().word(eintrag1 + timereintrag::kDosierzeit), 77);
    EXPECT_NE(edit(timer, timerpara::kDosierzeit)->text(), QStringLiteral("77"));
    knopf(timer, timerpara::kZeitpunkt)->click();
    EXPECT_EQ(edit(timer, timerpara::kDosierzeit)->text(), QStringLiteral("77"));
    EXPECT_EQ(knopf(timer, timerpara::kRelais + 2)->text(), QStringLiteral("Relais 4 und 5"));
}

} // namespace
} // namespace hvx::test
