// The module configuration page on a live view.

#include "editing/gui/EditingViewFixture.h"
#include "editing/ModulKonfigSeite.h"
#include "model/Reglerart.h"

namespace hvx::test {
namespace {

using namespace modulkonfig;

class ModulePage : public EditingView {
protected:
    // Opens module slot's tab as the user would.
    CHvxModelessDlg* oeffne(int slot)
    {
        klickeTab(slot + 1);
        EXPECT_EQ(navigation().currentTab, slot + 1);
        return modulKonfig(slot);
    }
};

TEST_F(ModulePage, BlowDownOffersOnlyTheBlowDownDevice)
{
    neu(0x23, {modultyp::kAbsalzInduktiv});
    EXPECT_EQ(eintraege(modulKonfig(0), kReglermodul), (QStringList{QString::fromUtf8("Absalzgerät")}));
    neu(0x22, {modultyp::kPH});
    EXPECT_EQ(eintraege(modulKonfig(0), kReglermodul).size(), 5) << "no adaptive kinds below version 3";
    neu(0x33, {modultyp::kPH});
    EXPECT_EQ(eintraege(modulKonfig(0), kReglermodul).size(), 9);
}

TEST_F(ModulePage, AdaptiveAsymptoticSetsBothFlagCopiesAndTheCaption)
{
    neu(0x33, {modultyp::kPH, modultyp::kRedox});
    ps().setReglerflags(0, 0x41);
    ps().setModulByte(0, modulblock::kReglerflags, 0x41);
    CHvxModelessDlg* seite = oeffne(0);
    waehle(seite, kReglermodul, "FUZZY-2-Punkt adaptiv asymptotisch");
    EXPECT_FALSE(inputErrorPending());
    EXPECT_EQ(ps().reglertyp(0), 4);
    EXPECT_EQ(ps().modulByte(0, modulblock::kReglertyp), 4);
    for (quint8 flags : {ps().reglerflags(0), ps().modulByte(0, modulblock::kReglerflags)}) {
        EXPECT_EQ(flags & 0x40, 0);
        EXPECT_EQ(flags & 0x01, 0);
        EXPECT_EQ(flags & 0x80, 0x80);
    }
    EXPECT_EQ(view->modulePage(0)->controllerCaption(), "Reglerparmeter 2-Punkt-FUZZY adaptiv asymptotisch");
    EXPECT_TRUE(doc.isModified());

    waehle(seite, kReglermodul, "PID-3-Punkt");
    EXPECT_EQ(reglerartCode(ps(), 0), reglerart::kPid3);
    EXPECT_EQ(view->modulePage(0)->controllerCaption(), "Reglerparameter PID-3-Punkt");
}

TEST_F(ModulePage, SingleModuleHasNoAdditionalEnable)
{
    neu(0x13, {modultyp::kPH});
    CHvxModelessDlg* seite = oeffne(0);
    EXPECT_EQ(eintraege(seite, kZusatzFreigabe), (QStringList{"aus"}));
    EXPECT_FALSE(liste(seite, kZusatzFreigabe)->isEnabled());

    neu(0x13, {modultyp::kPH, modultyp::kRedox, modultyp::kChlor});
    seite = oeffne(1);
    EXPECT_EQ(eintraege(seite, kZusatzFreigabe), (QStringList{"aus", "Modul 1", "Modul 3", "Modul 1 und 3"}));
    EXPECT_TRUE(liste(seite, kZusatzFreigabe)->isEnabled());
    waehle(seite, kZusatzFreigabe, "Modul 1 und 3");
    seite->ExchangePageData(true);
    EXPECT_EQ(ps().zusatzFreigabe(1), 0);
}

TEST_F(ModulePage, ControllerTimesInTenths)
{
    neu(0x13, {modultyp::kPH});
    ps().setMinEinschaltzeit(0, 55);
    doc.updateAllViews(1);
    CHvxModelessDlg* seite = oeffne(0);
    EXPECT_EQ(edit(seite, kEinschaltzeit)->text(), "0.5");
    seite->ExchangePageData(true);
    EXPECT_EQ(ps().minEinschaltzeit(0), 50);
    tippe(seite, kZykluszeit, "12.34");
    EXPECT_EQ(ps().zykluszeit(0), 1230);
    tippe(seite, kEinschaltzeit, "0.09");
    EXPECT_EQ(InputErrorText(inputError()), QString::fromUtf8("Die eingegebene Zahl muß zwischen 0.1 und 30.0 liegen. "));
    EXPECT_EQ(inputError().tabIndex, 1);
    EXPECT_EQ(inputError().subPage, 0);
}

TEST_F(ModulePage, TemperatureUnitAndExternalEnableWriteBothCopies)
{
    neu(0x13, {modultyp::kPH});
    CHvxModelessDlg* seite = oeffne(0);
    knopf(seite, kFahrenheit)->click();
    EXPECT_TRUE(ps().modulflags(0) & modulflags::kFahrenheit);
    EXPECT_TRUE(ps().modulByte(0, modulblock::kModulflags) & modulflags::kFahrenheit);
    knopf(seite, kExterneFreigabe)->click();
    EXPECT_TRUE(ps().reglerflags(0) & reglerflags::kExterneFreigabe);
    EXPECT_TRUE(ps().modulByte(0, modulblock::kReglerflags) & reglerflags::kExterneFreigabe);

    neu(0x13, {modultyp::kNormsignal});
    EXPECT_TRUE(knopf(modulKonfig(0), kCelsius)->isHidden());
}

TEST_F(ModulePage, DosingTimeMonitoring)
{
    neu(0x13, {modultyp::kPH});
    CHvxModelessDlg* seite = oeffne(0);
    ASSERT_TRUE(knopf(seite, kDosierzeitAus)->isChecked());
    knopf(seite, kDosierzeitAus)->click();
    EXPECT_EQ(ps().maxDosierzeit(0), 10);
    EXPECT_TRUE(edit(seite, kMaxDosierzeit)->isEnabled());
    tippe(seite, kMaxDosierzeit, "9999");
    EXPECT_EQ(ps().maxDosierzeit(0), 9999);
    tippe(seite, kMaxDosierzeit, "9");
    EXPECT_TRUE(inputErrorPending());
    seite->OnCancel();
    knopf(seite, kDosierzeitAus)->click();
    EXPECT_EQ(ps().maxDosierzeit(0), 10000);
    EXPECT_FALSE(edit(seite, kMaxDosierzeit)->isEnabled());
}

TEST_F(ModulePage, ProductNameOnlyForPeraceticAcid)
{
    neu(0x13, {modultyp::kChlor});
    EXPECT_TRUE(edit(modulKonfig(0), kProduktname)->isHidden());
    neu(0x41, {modultyp::kChlor});
    CHvxModelessDlg* seite = oeffne(0);
    EXPECT_FALSE(edit(seite, kProduktname)->isHidden());
    EXPECT_FALSE(edit(seite, kProduktname)->isEnabled());
    knopf(seite, kProduktAnzeige)->click();
    EXPECT_TRUE(edit(seite, kProduktname)->isEnabled());
    tippe(seite, kProduktname, "Desinfekt 15  ");
    EXPECT_FALSE(inputErrorPending()) << "trailing blanks beyond 13 characters do not count";
    EXPECT_EQ(ps().produktnameText().left(13), "Desinfekt 15 ");
    tippe(seite, kProzentPES, "4.99");
    EXPECT_EQ(ps().prozentPES(0), 49);
    tippe(seite, kProzentPES, "100.1");
    EXPECT_EQ(inputError().controlId, kProzentPES);
}

} // namespace
} // namespace hvx::test
