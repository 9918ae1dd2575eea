// The controller and timer pages, driven as a user would.
#include "editing/ReglerSeite.h"
#include "editing/SeitenFixture.h"
#include "model/Reglerart.h"

using namespace hvx;
using namespace hvx::test;
using namespace hvx::reglerpara;

namespace {
class ReglerSeite : public SeitenTest {};
class TimerSeite : public SeitenTest {};
} // namespace

TEST_F(ReglerSeite, SignalDeviceStoresThresholdsAroundTheSetPointOnSave)
{
    m_ps = konfiguration(0x13, modultyp::kPH);
    m_ps.setModulByte(0, modulblock::kPhMessbereich, 1);
    Seitenlauf& s = seite(reglerParaSeite(), 0, 2);
    s.controls().setText(kEingabe[0], QStringLiteral("7.00"));
    s.controls().setText(kEingabe[1], QStringLiteral("5.0"));
    ASSERT_TRUE(s.speichern());
    EXPECT_EQ(m_ps.modulWord(0, modulblock::kSollwert), 700);
    EXPECT_EQ(m_ps.modulWord(0, modulblock::kObereSchaltschwelle), quint16(717 * 46 + 717 * 8 / 10 + 717 / 100));
    EXPECT_EQ(m_ps.modulWord(0, modulblock::kUntereSchaltschwelle), quint16(683 * 46 + 683 * 8 / 10 + 683 / 100));
}

TEST_F(ReglerSeite, NegativeLWIsStoredAsMagnitudeAndSignAndShownAgain)
{
    m_ps = konfiguration(0x13, modultyp::kPH);
    Seitenlauf& s = seite(reglerParaSeite(), 0, 2);
    ASSERT_TRUE(s.eingeben(kEingabe[4], QStringLiteral("-0.50")));
    EXPECT_EQ(m_ps.modulWord(0, modulblock::kSchaltpunktabstandLW), 50);
    EXPECT_EQ(m_ps.modulByte(0, modulblock::kVorzeichenLW), 0);
    EXPECT_EQ(s.controls().text(kEingabe[4]), QStringLiteral("-0.50"));
    EXPECT_FALSE(s.eingeben(kEingabe[4], QStringLiteral("-14.01")));
}

TEST_F(ReglerSeite, FahrenheitTemperatureModuleChecksConvertedLimits)
{
    m_ps = konfiguration(0x13, modultyp::kTemperatur);
    m_ps.setModulflags(0, m_ps.modulflags(0) | modulflags::kFahrenheit);
    Seitenlauf& s = seite(reglerParaSeite(), 0, 2);
    EXPECT_TRUE(s.eingeben(kEingabe[0], QStringLiteral("212.0")));
    EXPECT_EQ(m_ps.modulWord(0, modulblock::kSollwert), 1000);
    EXPECT_TRUE(s.eingeben(kEingabe[0], QStringLiteral("32.0")));
    EXPECT_FALSE(s.eingeben(kEingabe[0], QStringLiteral("31.9")));
    inputError().clear(); // Escape: the stored value is shown again
    s.laden();
    EXPECT_TRUE(s.eingeben(kEingabe[4], QStringLiteral("-180.0")));
    EXPECT_FALSE(s.eingeben(kEingabe[4], QStringLiteral("180.1")));
}

TEST_F(ReglerSeite, RowsFollowTheControllerKindWithTheirLabels)
{
    m_ps = konfiguration(0x13, modultyp::kRedox);
    setzeReglerart(m_ps, 0, reglerart::kFuzzy3);
    m_ps.setAdaptivWert(0, 30);
    Seitenlauf& s = seite(reglerParaSeite(), 0, 2);
    const bool sichtbar[] = {true, true, false, false, false, true};
    for (int r = 0; r < kZeilen; ++r)
        EXPECT_EQ(s.istSichtbar(kEingabe[r]), sichtbar[r]) << r;
    EXPECT_EQ(s.controls().text(kEingabe[1]), QStringLiteral("30")) << "dead time";
    const auto texte = reglerParaSeite().texte(s.kontext());
    const auto text = [&](int id) {
        for (const Seitentext& t : texte)
            if (t.id == id)
                return t.text;
        return QString();
    };
    EXPECT_EQ(text(kBeschriftung[1]), QStringLiteral("Totzeit:"));
    EXPECT_EQ(text(kBeschriftung[5]), QStringLiteral("Schaltpunktabstand (XSH):"));
    EXPECT_EQ(text(kEinheit[0]), QStringLiteral("mV"));
    EXPECT_EQ(text(kGruppeRegler), QStringLiteral("FUZZY-3-Punkt"));
}

TEST_F(ReglerSeite, BlowDownDeviceHasTwoLimitsInsteadOfSetPointAndXSD)
{
    m_ps = konfiguration(0x13, modultyp::kAbsalzInduktiv);
    Seitenlauf& s = seite(reglerParaSeite(), 0, 2);
    ASSERT_TRUE(s.eingeben(kEingabe[1], QStringLiteral("1200")));
    EXPECT_EQ(m_ps.modulWord(0, modulblock::kSchaltdifferenzXSD), 1200);
    EXPECT_FALSE(s.eingeben(kEingabe[1], QStringLiteral("5001")));
}

TEST_F(ReglerSeite, OneModuleLeavesShutOffAndMaintenanceListsEmptyAndDisabled)
{
    m_ps = konfiguration(0x13, modultyp::kChlor);
    Seitenlauf& s = seite(reglerParaSeite(), 0, 2);
    for (int id : {kReglerabschaltung, kErhaltungsdosierung}) {
        EXPECT_TRUE(s.controls().listen.value(id).isEmpty()) << id;
        EXPECT_FALSE(s.controls().isEnabled(id)) << id;
    }
    EXPECT_FALSE(s.controls().isEnabled(kErhaltungsanteil));

    m_ps = konfiguration(0x13, modultyp::kPH, modultyp::kChlor, modultyp::kRedox);
    Seitenlauf& drei = seite(reglerParaSeite(), 1, 2);
    EXPECT_EQ(drei.controls().listen.value(kErhaltungsdosierung),
              (QStringList{QStringLiteral("aus"), QStringLiteral("Modul 1"), QStringLiteral("Modul 3")}));
    EXPECT_TRUE(drei.controls().isEnabled(kReglerabschaltung));
    ASSERT_TRUE(drei.waehlen(kErhaltungsdosierung, QStringLiteral("Modul 3")));
    EXPECT_EQ(m_ps.modulByte(1, modulblock::kErhaltungsdosierung), 3);
}

TEST_F(ReglerSeite, LimitOffBoxesEnableTheirFieldsAndClearTheActiveBit)
{
    m_ps = konfiguration(0x13, modultyp::kRedox);
    m_ps.setReglerblockFlags(0, m_ps.reglerblockFlags(0) | reglerblockflags::kLimitMinusEin);
    Seitenlauf& s = seite(reglerParaSeite(), 0, 2);
    ASSERT_FALSE(s.controls().isChecked(kLimitMinusAus));
    EXPECT_TRUE(s.controls().isEnabled(kLimitMinus));
    s.ankreuzen(kLimitMinusAus, true);
    EXPECT_FALSE(s.controls().isEnabled(kLimitMinus));
    ASSERT_TRUE(s.speichern());
    EXPECT_FALSE(m_ps.reglerblockFlags(0) & reglerblockflags::kLimitMinusEin);
}

TEST_F(ReglerSeite, ControllerOnOffIsTheSlotsBitOfTheSwitchByte)
{
    m_ps = konfiguration(0x13, modultyp::kRedox, modultyp::kPH);
    Seitenlauf& s = seite(reglerParaSeite(), 1, 2);
    ASSERT_TRUE(s.waehleKnopf(kEin, 1));
    EXPECT_FALSE(m_ps.reglerEin(1));
    EXPECT_TRUE(m_ps.reglerEin(0));
    ASSERT_TRUE(s.waehleKnopf(kEin, 0));
    EXPECT_TRUE(m_ps.reglerEin(1));
}

TEST_F(ReglerSeite, TelemetryDelayOffStores254AndBackZero)
{
    m_ps = konfiguration(0x43, modultyp::kChlor);
    Seitenlauf& s = seite(reglerParaSeite(), 0, 2);
    ASSERT_TRUE(s.istSichtbar(kDfueAus));
    ASSERT_TRUE(s.ankreuzen(kDfueAus, true));
    EXPECT_EQ(m_ps.modulByte(0, modulblock::kDfueAlarmverzoegerung), 254);
    EXPECT_FALSE(s.controls().isEnabled(kDfueVerzoegerung));
    ASSERT_TRUE(s.ankreuzen(kDfueAus, false));
    EXPECT_EQ(m_ps.modulByte(0, modulblock::kDfueAlarmverzoegerung), 0);
    EXPECT_FALSE(s.eingeben(kDfueVerzoegerung, QStringLiteral("241")));
}

TEST_F(TimerSeite, VersionTwoEntriesAreTenBytesWithoutPreCirculation)
{
    m_ps = konfiguration(0x22, modultyp::kPH, modultyp::kFreigabeOderTimer);
    Seitenlauf& s = seite(timerParaSeite(), 1, 0);
    ASSERT_TRUE(s.waehleKnopf(timerpara::kZeitpunkt, 2));
    EXPECT_EQ(s.kontext().eintrag, 2);
    EXPECT_EQ(m_ps.timerEintragOffset(2), modulblock::kTimerEintraege + 20);
    for (int id : {timerpara::kVorumwaelzung, timerpara::kStarts, timerpara::kUnterbrechung})
        EXPECT_FALSE(s.istSichtbar(id)) << id;
    ASSERT_TRUE(s.eingeben(timerpara::kDosierzeit, QStringLiteral("45")));
    EXPECT_EQ(m_ps.modulWord(1, modulblock::kTimerEintraege + 20 + timereintrag::kDosierzeit), 45);
}

TEST_F(TimerSeite, SwitchingEntrySavesTheShownOneAndAnErrorKeepsIt)
{
    m_ps = konfiguration(0x23, modultyp::kPH, modultyp::kFreigabeOderTimer);
    Seitenlauf& s = seite(timerParaSeite(), 1, 0);
    const int lang = timereintrag::kGroesseLang;
    s.controls().setText(timerpara::kUhrzeit, QStringLiteral("7:5"));
    ASSERT_TRUE(s.waehleKnopf(timerpara::kZeitpunkt, 3));
    const int basis = Parametersatz::modulblockOffset(1) + modulblock::kTimerEintraege;
    EXPECT_EQ(m_ps.byte(basis + timereintrag::kStundeBcd), 0x07);
    EXPECT_EQ(m_ps.byte(basis + timereintrag::kMinuteBcd), 0x05);
    EXPECT_EQ(s.kontext().eintrag, 3);
    s.controls().setText(timerpara::kUhrzeit, QStringLiteral("24:00"));
    EXPECT_FALSE(s.waehleKnopf(timerpara::kZeitpunkt, 0));
    EXPECT_EQ(s.kontext().eintrag, 3);
    EXPECT_EQ(s.controls().selectedRadio(timerpara::kZeitpunkt), 3);
    EXPECT_EQ(m_ps.byte(basis + 3 * lang + timereintrag::kStundeBcd) == 0x24, false);
}

TEST_F(TimerSeite, PreCirculationBoxesStoreTheirOffValuesAndRelaysAreLabelledPerSlot)
{
    m_ps = konfiguration(0x23, modultyp::kPH, modultyp::kFreigabeOderTimer);
    Seitenlauf& s = seite(timerParaSeite(), 1, 0);
    ASSERT_TRUE(s.istSichtbar(timerpara::kStarts));
    const int eintrag = Parametersatz::modulblockOffset(1) + modulblock::kTimerEintraege;
    ASSERT_TRUE(s.ankreuzen(timerpara::kStartsAus, true));
    EXPECT_EQ(m_ps.byte(eintrag + timereintrag::kMaxVorumwaelzStarts), 0);
    ASSERT_TRUE(s.ankreuzen(timerpara::kStartsAus, false));
    EXPECT_EQ(m_ps.byte(eintrag + timereintrag::kMaxVorumwaelzStarts), 1);
    ASSERT_TRUE(s.ankreuzen(timerpara::kVorumwaelzungAus, true));
    EXPECT_EQ(m_ps.byte(eintrag + timereintrag::kVorumwaelzung), 255);
    ASSERT_TRUE(s.waehleKnopf(timerpara::kRelais, 2));
    EXPECT_EQ(m_ps.byte(eintrag + timereintrag::kRelais), 3);
    const auto texte = timerParaSeite().texte(s.kontext());
    ASSERT_EQ(texte.size(), 3u);
    EXPECT_EQ(texte[0].text, QStringLiteral("Relais 4"));
    EXPECT_EQ(texte[2].text, QStringLiteral("Relais 4 und 5"));
}

#include "editing/Felder.h"
#include "model/Reglerwerte.h"

TEST_F(ReglerSeite, AChangeOnTheMeasuringPageRecomputesTheDerivedValuesOfTheController)
{
    // The thresholds and coefficients are on the instrument's scale of the range and kind: a
    // change on the measuring page alone must bring them along, whichever page stored it.
    struct Fall {
        quint8 modul;
        const char* schluessel;
        const char* wert;
        quint8 phBereichVorher = 1;
    };
    const Fall faelle[] = {
        {modultyp::kPH, "1.1.1120", "2 bis 12 pH"},
        {modultyp::kPH, "1.1.1120", "3 bis 8 pH"},
        {modultyp::kPH, "1.1.1120", "0 bis 14 pH", 2}, // every value stays in range: nothing is moved
        {modultyp::kNormsignal, "1.1.1180", "pH-Wert (pH)"},
        {modultyp::kNormsignal, "1.1.1180", "Temperatur (°F)"},
        {modultyp::kLfInduktiv, "1.1.1150", "0 bis 20 mS"},
        {modultyp::kChlor, "1.1.1362", "0 bis 20 mg/l"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(QStringLiteral("%1 = %2").arg(QLatin1String(fall.schluessel), QString::fromUtf8(fall.wert)).toStdString());
        m_ps = konfiguration(0x13, fall.modul, modultyp::kRedox);
        if (fall.modul == modultyp::kPH) {
            m_ps.setModulByte(0, modulblock::kPhMessbereich, fall.phBereichVorher);
            m_ps.setModulWord(0, modulblock::kSchaltpunktabstandLW, 300);
        }
        for (int slot = 0; slot < 2; ++slot)
            berechneReglerwerte(m_ps, slot, reglerartCode(m_ps, slot));
        Bearbeitung bearbeitung(m_ps, true);
        // A pH range moves the switch-point distance into it, with its message.
        m_app.ui().allowUnusedAnswers();
        m_app.ui().answerMessageBox(IDOK);
        ASSERT_EQ(feldSetzen(bearbeitung, QLatin1String(fall.schluessel), QString::fromUtf8(fall.wert)), Setzergebnis::Ok);
        ASSERT_FALSE(inputErrorPending());
        Parametersatz erwartet = m_ps;
        for (int slot = 0; slot < 2; ++slot)
            berechneReglerwerte(erwartet, slot, reglerartCode(erwartet, slot));
        EXPECT_EQ(m_ps, erwartet);
    }
}
