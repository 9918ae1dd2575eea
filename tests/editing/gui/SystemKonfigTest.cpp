// The system page on a live view: its controls, rules and commands.

#include "editing/gui/EditingViewFixture.h"
#include "editing/SystemKonfigSeite.h"
#include "base/gui/DialogTexts.h"

namespace hvx::test {
namespace {

using namespace systemkonfig;

class SystemPage : public EditingView {};

TEST_F(SystemPage, ProfibusShowsBothBoxesAndKeepsTheValue)
{
    neu(0x33, {modultyp::kPH});
    ps().setMessdatenintervall(254);
    doc.updateAllViews(1);
    EXPECT_TRUE(knopf(system(), kProfibus)->isChecked());
    EXPECT_TRUE(knopf(system(), kMessdatenAus)->isChecked());
    EXPECT_EQ(edit(system(), kMessdatenintervall)->text(), "");
    EXPECT_FALSE(edit(system(), kMessdatenintervall)->isEnabled());
    system()->ExchangePageData(true);
    EXPECT_FALSE(inputErrorPending());
    EXPECT_EQ(ps().messdatenintervall(), 254);

    // Clearing "über Profibus" turns the output off; clearing "Aus" starts at 1 s.
    knopf(system(), kProfibus)->click();
    EXPECT_EQ(ps().messdatenintervall(), 255);
    knopf(system(), kMessdatenAus)->click();
    EXPECT_EQ(ps().messdatenintervall(), 1);
    EXPECT_EQ(edit(system(), kMessdatenintervall)->text(), "1");
    EXPECT_TRUE(edit(system(), kMessdatenintervall)->isEnabled());
    EXPECT_FALSE(knopf(system(), kProfibus)->isEnabled()) << "Profibus needs \"Aus\" checked";
}

TEST_F(SystemPage, ClearingTheAccessCodeBoxResetsTheCode)
{
    neu(0x33, {modultyp::kPH});
    knopf(system(), kZugangscodeAktiv)->click();
    EXPECT_EQ(ps().zugangscodeAktiv(), 1);
    ASSERT_TRUE(edit(system(), kZugangscode)->isEnabled());
    tippe(system(), kZugangscode, "AB12");
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(ps().zugangscode().data()), 4), "AB12");
    edit(system(), kZugangscode)->setText("XY99"); // typed, not yet stored
    knopf(system(), kZugangscodeAktiv)->click();
    EXPECT_EQ(ps().zugangscodeAktiv(), 0);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(ps().zugangscode().data()), 4), "9157");
    EXPECT_EQ(edit(system(), kZugangscode)->text(), "9157");
    EXPECT_FALSE(edit(system(), kZugangscode)->isEnabled());
}

TEST_F(SystemPage, AccessCodeRejectsSmallLettersAndLongCodes)
{
    neu(0x33, {modultyp::kPH});
    knopf(system(), kZugangscodeAktiv)->click();
    tippe(system(), kZugangscode, "ab12");
    ASSERT_TRUE(inputErrorPending());
    EXPECT_EQ(InputErrorText(inputError()), QString::fromUtf8("Ihre Eingabe enthält unerlaubte Zeichen."));
    system()->OnCancel();
    tippe(system(), kZugangscode, "12345");
    EXPECT_EQ(inputError().kind, kTextZuLang);
    system()->OnCancel();
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(ps().zugangscode().data()), 4), "9157");
}

TEST_F(SystemPage, VersionDecidesLanguagesAndBoxes)
{
    neu(0x30, {modultyp::kPH});
    EXPECT_EQ(eintraege(system(), kDialogsprache), (QStringList{"Deutsch", "Englisch"}));
    EXPECT_TRUE(knopf(system(), kAlarmzaehler)->isHidden());
    EXPECT_TRUE(knopf(system(), kAlarmrelaisInvertieren)->isHidden());
    EXPECT_TRUE(knopf(system(), kKalibrierungNichtSchuetzen)->isHidden());
    EXPECT_TRUE(knopf(system(), kProfibus)->isHidden());

    neu(0x33, {modultyp::kPH});
    EXPECT_EQ(eintraege(system(), kDialogsprache), (QStringList{"Deutsch", "Englisch", QString::fromUtf8("Französisch")}));
    EXPECT_FALSE(knopf(system(), kAlarmzaehler)->isHidden());
    EXPECT_FALSE(knopf(system(), kAlarmrelaisInvertieren)->isHidden());
    EXPECT_FALSE(knopf(system(), kKalibrierungNichtSchuetzen)->isHidden());

    neu(0x1B, {modultyp::kPH});
    EXPECT_EQ(eintraege(system(), kDialogsprache), (QStringList{"Englisch", "Italienisch", "Spanisch"}));
}

TEST_F(SystemPage, IdleTimeRangeMessage)
{
    neu(0x33, {modultyp::kPH});
    for (const char* falsch : {"0", "61"}) {
        tippe(system(), kLeerlaufzeit, falsch);
        ASSERT_TRUE(inputErrorPending()) << falsch;
        EXPECT_EQ(InputErrorText(inputError()), QString::fromUtf8("Die eingegebene Zahl muß zwischen 1 und 60 liegen. "));
        EXPECT_EQ(ps().leerlaufzeit(), 5) << "the wrong entry never reaches the record";
        EXPECT_EQ(edit(system(), kLeerlaufzeit)->text(), falsch) << "the entry stays for correction";
        system()->OnCancel();
    }
    tippe(system(), kLeerlaufzeit, "60");
    EXPECT_FALSE(inputErrorPending());
    EXPECT_EQ(ps().leerlaufzeit(), 60);
}

TEST_F(SystemPage, MultiplePhChoiceCoversTheSecondModule)
{
    neu(0x13, {modultyp::kPH, modultyp::kPH, modultyp::kRedox});
    EXPECT_EQ(eintraege(system(), kMehrfachPH), (QStringList{"keine", QString::fromUtf8("2-fach Überprüfung")}));
    EXPECT_EQ(view->modulePage(1)->inhalt(), Modulinhalt::Seiten);
    waehle(system(), kMehrfachPH, QString::fromUtf8("2-fach Überprüfung"));
    QCoreApplication::processEvents();
    EXPECT_EQ(ps().mehrfachPH(), 2);
    EXPECT_EQ(view->modulePage(1)->inhalt(), Modulinhalt::KeineParameter);
    EXPECT_EQ(navigation().currentTab, 0);

    // Without a second pH module the list stays empty and disabled, and saving keeps the value.
    neu(0x13, {modultyp::kPH, modultyp::kRedox});
    EXPECT_TRUE(eintraege(system(), kMehrfachPH).isEmpty());
    EXPECT_FALSE(liste(system(), kMehrfachPH)->isEnabled());
    EXPECT_EQ(liste(system(), kMehrfachPH)->placeholderText(), "keine") << "the empty list still shows the value";
    system()->ExchangePageData(true);
    EXPECT_EQ(ps().mehrfachPH(), 1);
}

TEST_F(SystemPage, TemperatureCompensationFollowsTheModuleCount)
{
    neu(0x13, {modultyp::kPH});
    EXPECT_EQ(eintraege(system(), kTemperaturkompensation), (QStringList{"jedes Messmodul einzeln"}));
    neu(0x13, {modultyp::kPH, modultyp::kTemperatur, modultyp::kRedox});
    EXPECT_EQ(eintraege(system(), kTemperaturkompensation).size(), 4);
    waehle(system(), kTemperaturkompensation, QString::fromUtf8("über Messmodul 2"));
    system()->ExchangePageData(true);
    EXPECT_EQ(ps().temperaturkompensation(), 2);
}

TEST_F(SystemPage, AlarmRepetitionOff)
{
    neu(0x13, {modultyp::kPH});
    knopf(system(), kAlarmwiederholungAus)->click();
    EXPECT_EQ(ps().alarmwiederholung(), 255);
    EXPECT_FALSE(edit(system(), kAlarmwiederholung)->isEnabled());
    knopf(system(), kAlarmwiederholungAus)->click();
    EXPECT_EQ(ps().alarmwiederholung(), 1);
    tippe(system(), kAlarmwiederholung, "241");
    EXPECT_EQ(inputError().controlId, kAlarmwiederholung);
}

TEST_F(SystemPage, ReadOnlyDisablesEveryFieldAndMasksTheCode)
{
    neu(0x33, {modultyp::kPH, modultyp::kChlor});
    ps().setZugangscodeAktiv(1);
    doc.setAccessGranted(0);
    doc.updateAllViews(1);
    for (QWidget* w : system()->controls().all())
        EXPECT_FALSE(w->isEnabled()) << gui::CtrlId(w);
    EXPECT_EQ(edit(system(), kZugangscode)->text(), "**********");
    for (QWidget* w : modulKonfig(0)->controls().all())
        EXPECT_FALSE(w->isEnabledTo(modulKonfig(0))) << gui::CtrlId(w);
    EXPECT_FALSE(view->CanSetDefaultsAll());

    // Checking the read-only page stores nothing, the mask least of all.
    const Parametersatz vorher = ps();
    app.ui().answerMessageBox(IDOK, "(0, 0)");
    view->CheckCurrentPage();
    EXPECT_EQ(ps(), vorher);
}

} // namespace
} // namespace hvx::test
