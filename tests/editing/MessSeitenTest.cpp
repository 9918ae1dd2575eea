// The measuring pages, driven as a user would: what they show, accept, refuse and store.
#include "editing/MessSeiten.h"
#include "editing/SeitenFixture.h"
#include "model/Modulnamen.h"

using namespace hvx;
using namespace hvx::test;

namespace {
class MessSeiten : public SeitenTest {};
} // namespace

TEST_F(MessSeiten, PHRangeChangeMovesTheSetPointIntoTheRangeAndSaysSo)
{
    m_ps = konfiguration(0x13, modultyp::kPH);
    m_ps.setModulWord(0, modulblock::kSollwert, 200);
    m_app.ui().answerMessageBox(1, QStringLiteral("Reglerparameter angepasst"));
    Seitenlauf& s = seite(messParaPHSeite(), 0, 1);
    bool angepasst = false;
    s.setMeldungen({.reglerAnpassen = [&] { angepasst = true; }});
    ASSERT_TRUE(s.waehlen(messparaph::kMessbereich, QStringLiteral("3 bis 8 pH")));
    EXPECT_EQ(m_ps.modulByte(0, modulblock::kPhMessbereich), 3);
    EXPECT_EQ(m_ps.modulWord(0, modulblock::kSollwert), 300);
    EXPECT_TRUE(angepasst);
    EXPECT_EQ(m_app.ui().messageTexts().size(), 1);
}

TEST_F(MessSeiten, PHRangeChangeWithAllValuesInsideShowsNoMessage)
{
    m_ps = konfiguration(0x13, modultyp::kPH);
    m_ps.setModulWord(0, modulblock::kSollwert, 700);
    m_ps.setModulWord(0, modulblock::kSchaltpunktabstandLW, 400);
    m_ps.setReglerWord(0, reglerblock::kLimitMinus, 300);
    m_ps.setReglerWord(0, reglerblock::kLimitPlus, 800);
    Seitenlauf& s = seite(messParaPHSeite(), 0, 1);
    ASSERT_TRUE(s.waehlen(messparaph::kMessbereich, QStringLiteral("3 bis 8 pH")));
    EXPECT_TRUE(m_app.ui().messageTexts().isEmpty());
    EXPECT_EQ(m_ps.modulWord(0, modulblock::kSollwert), 700);
}

TEST_F(MessSeiten, OutputCurrentStoresHundredthsAndTheScalingValue)
{
    m_ps = konfiguration(0x13, modultyp::kTemperatur);
    Seitenlauf& s = seite(messParaTempSeite(), 0, 1);
    ASSERT_TRUE(s.eingeben(messparatemp::kAusgangsstrom, QStringLiteral("20.0")));
    EXPECT_EQ(m_ps.modulWord(0, modulblock::kMaxAusgangsstrom), 2000);
    EXPECT_EQ(m_ps.modulWord(0, modulblock::kAusgangsskalierung), 65520);
    EXPECT_FALSE(s.eingeben(messparatemp::kAusgangsstrom, QStringLiteral("20.1")));
    EXPECT_EQ(m_ps.modulWord(0, modulblock::kMaxAusgangsstrom), 2000);
}

TEST_F(MessSeiten, RedoxPlusMinusStoresItsOffsetAndShowsTheFixedRange)
{
    m_ps = konfiguration(0x13, modultyp::kRedoxPlusMinus);
    Seitenlauf& s = seite(messParaRedoxSeite(), 0, 1);
    EXPECT_EQ(s.controls().selectedText(messpararedox::kMessbereich), QStringLiteral("-500 bis 500 mV"));
    EXPECT_FALSE(s.controls().isEnabled(messpararedox::kMessbereich));
    ASSERT_TRUE(s.eingeben(messpararedox::kWertAnfang, QStringLiteral("-200")));
    EXPECT_EQ(m_ps.modulWord(0, modulblock::kWertBeiAnfangsstrom), 300);
    EXPECT_FALSE(s.eingeben(messpararedox::kWertAnfang, QStringLiteral("-501")));
    EXPECT_EQ(inputError().kind, kZahlAusserhalb);
    EXPECT_EQ(inputError().tabIndex, 1);
    EXPECT_EQ(inputError().subPage, 1);
}

TEST_F(MessSeiten, FluorideShowsItsFixedCoefficientOnlyThere)
{
    m_ps = konfiguration(0x13, modultyp::kFluorid, modultyp::kRedox);
    Seitenlauf& fluorid = seite(messParaRedoxSeite(), 0, 1);
    EXPECT_EQ(fluorid.controls().text(messpararedox::kTemperaturkoeffizient), QStringLiteral("0.57"));
    EXPECT_FALSE(fluorid.controls().isEnabled(messpararedox::kTemperaturkoeffizient));
    EXPECT_TRUE(fluorid.istSichtbar(messpararedox::kTemperaturkoeffizient));
    Seitenlauf& redox = seite(messParaRedoxSeite(), 1, 1);
    EXPECT_FALSE(redox.istSichtbar(messpararedox::kTemperaturkoeffizient));
}

TEST_F(MessSeiten, ChlorineOfVariantKShowsTwoDecimalsOfTenfoldStoredValues)
{
    m_ps = konfiguration(0x13, modultyp::kChlor);
    m_ps.setModulByte(0, modulblock::kChlorMessbereich, 1);
    m_ps.setModulWord(0, modulblock::kWertBei20mA, 1500);
    Seitenlauf& s = seite(messParaChlorSeite(), 0, 1);
    EXPECT_EQ(s.controls().text(messparachlor::kWert20mA), QStringLiteral("1.50"));
    EXPECT_EQ(s.controls().listen.value(messparachlor::kMessbereich),
              (QStringList{QStringLiteral("0 bis 2 mg/l"), QStringLiteral("0 bis 20 mg/l")}));
    ASSERT_TRUE(s.eingeben(messparachlor::kWert20mA, QStringLiteral("1.99")));
    EXPECT_EQ(m_ps.modulWord(0, modulblock::kWertBei20mA), 1990);
}

// The stored value is kept, and read with the decimals of the new range: the entry shown
// before the change must be saved with the decimals it was shown with.
TEST_F(MessSeiten, ChlorineRangeChangeKeepsTheStoredValuesAndShowsThemWithTheNewDecimals)
{
    m_ps = konfiguration(0x13, modultyp::kChlor);
    m_ps.setModulByte(0, modulblock::kChlorMessbereich, 2);
    Seitenlauf& s = seite(messParaChlorSeite(), 0, 1);
    ASSERT_TRUE(s.eingeben(messparachlor::kWert20mA, QStringLiteral("15.0")));
    int bereichGemeldet = 0;
    s.setMeldungen({.bereichGeaendert = [&] {
        ++bereichGemeldet;
        s.initialisieren();
    }});
    ASSERT_TRUE(s.waehlen(messparachlor::kMessbereich, QStringLiteral("0 bis 2 mg/l")));
    EXPECT_EQ(bereichGemeldet, 1);
    EXPECT_EQ(m_ps.modulWord(0, modulblock::kWertBei20mA), 1500) << "not clamped";
    EXPECT_EQ(m_ps.modulByte(0, modulblock::kChlorMessbereich), 1);
    EXPECT_EQ(s.controls().text(messparachlor::kWert20mA), QStringLiteral("1.50"));
}

TEST_F(MessSeiten, BlowDownModuleHasOneDisabledRangeAndWholeNumbers)
{
    m_ps = konfiguration(0x13, modultyp::kAbsalzInduktiv);
    m_ps.setModulWord(0, modulblock::kWertBei20mA, 4000);
    Seitenlauf& s = seite(messParaLFSeite(), 0, 1);
    EXPECT_EQ(s.controls().listen.value(messparalf::kMessbereich), QStringList{QStringLiteral("0 bis 5000 uS")});
    EXPECT_FALSE(s.controls().isEnabled(messparalf::kMessbereich));
    EXPECT_EQ(s.controls().text(messparalf::kWert20mA), QStringLiteral("4000"));
}

TEST_F(MessSeiten, FahrenheitManualTemperatureIsShownInTenthsAndStoredInCelsius)
{
    m_ps = konfiguration(0x13, modultyp::kPH);
    m_ps.setModulflags(0, quint8(m_ps.modulflags(0) | modulflags::kFahrenheit) & ~modulflags::kTemperaturkompensationAutomatisch);
    m_ps.setModulByte(0, modulblock::kManuelleTemperatur, 25);
    Seitenlauf& s = seite(messParaPHSeite(), 0, 1);
    EXPECT_EQ(s.controls().text(messparaph::kManuelleTemperatur), QStringLiteral("77.0"));
    ASSERT_TRUE(s.eingeben(messparaph::kManuelleTemperatur, QStringLiteral("32.0")));
    EXPECT_EQ(m_ps.modulByte(0, modulblock::kManuelleTemperatur), 0);
    ASSERT_TRUE(s.eingeben(messparaph::kManuelleTemperatur, QStringLiteral("212.0")));
    EXPECT_EQ(m_ps.modulByte(0, modulblock::kManuelleTemperatur), 100);
    ASSERT_TRUE(s.eingeben(messparaph::kManuelleTemperatur, QStringLiteral("77.0")));
    EXPECT_EQ(m_ps.modulByte(0, modulblock::kManuelleTemperatur), 25);
    EXPECT_FALSE(s.eingeben(messparaph::kManuelleTemperatur, QStringLiteral("31.9")));
    EXPECT_EQ(m_ps.modulByte(0, modulblock::kManuelleTemperatur), 25);
}

TEST_F(MessSeiten, AutomaticCompensationDisablesTheManualTemperature)
{
    m_ps = konfiguration(0x13, modultyp::kLfKonduktiv);
    Seitenlauf& s = seite(messParaLFSeite(), 0, 1);
    ASSERT_TRUE(s.waehleKnopf(messparalf::kAutomatisch, 1)); // "manuell"
    EXPECT_TRUE(s.controls().isEnabled(messparalf::kManuelleTemperatur));
    EXPECT_FALSE(m_ps.modulflags(0) & modulflags::kTemperaturkompensationAutomatisch);
    ASSERT_TRUE(s.waehleKnopf(messparalf::kAutomatisch, 0));
    EXPECT_FALSE(s.controls().isEnabled(messparalf::kManuelleTemperatur));
    EXPECT_TRUE(m_ps.modulByte(0, modulblock::kModulflags) & modulflags::kTemperaturkompensationAutomatisch);
}

TEST_F(MessSeiten, CalibrationMonitoringExistsFromRevisionThreeAndItsOffBoxDrivesTheWeeks)
{
    m_ps = konfiguration(0x12, modultyp::kPH);
    EXPECT_FALSE(seite(messParaPHSeite(), 0, 1).istSichtbar(messparaph::kKalibrierung.wochen));
    m_ps = konfiguration(0x13, modultyp::kPH);
    Seitenlauf& s = seite(messParaPHSeite(), 0, 1);
    ASSERT_TRUE(s.istSichtbar(messparaph::kKalibrierung.wochen));
    ASSERT_TRUE(s.ankreuzen(messparaph::kKalibrierung.aus, true));
    EXPECT_EQ(m_ps.kalibrierueberwachung(0), 255);
    EXPECT_FALSE(s.controls().isEnabled(messparaph::kKalibrierung.wochen));
    ASSERT_TRUE(s.ankreuzen(messparaph::kKalibrierung.aus, false));
    EXPECT_EQ(m_ps.kalibrierueberwachung(0), 1);
    EXPECT_TRUE(s.controls().isEnabled(messparaph::kKalibrierung.wochen));
    EXPECT_FALSE(s.eingeben(messparaph::kKalibrierung.wochen, QStringLiteral("53")));
}

TEST_F(MessSeiten, StandardSignalKindDecidesTheRangeListAndNoSignalIsCodedInBitsTwoAndThree)
{
    m_ps = konfiguration(0x13, modultyp::kNormsignal);
    Seitenlauf& s = seite(messParaNormSeite(), 0, 1);
    ASSERT_TRUE(s.waehlen(messparanorm::kArt1, QStringLiteral("Leitfähigkeit (mS)")));
    EXPECT_EQ(s.controls().listen.value(messparanorm::kBereich1).size(), 4);
    EXPECT_TRUE(s.controls().isEnabled(messparanorm::kBereich1));
    ASSERT_TRUE(s.waehlen(messparanorm::kBereich1, QStringLiteral("0 bis 200 mS")));
    EXPECT_EQ(m_ps.modulByte(0, modulblock::kLfMessbereich), 3);
    ASSERT_TRUE(s.waehlen(messparanorm::kArt2, QStringLiteral("kein Signal")));
    EXPECT_EQ(m_ps.modulByte(0, modulblock::kNormsignal2) & 0x7C, 0x3C);
    EXPECT_TRUE(s.controls().listen.value(messparanorm::kBereich2).isEmpty());
    EXPECT_FALSE(s.controls().isEnabled(messparanorm::kBereich2));
    ASSERT_TRUE(s.waehlen(messparanorm::kArt2, QStringLiteral("Redox (mV)")));
    EXPECT_EQ(m_ps.modulByte(0, modulblock::kNormsignal2) & 0x7C, 0x10);
}

TEST_F(MessSeiten, MaximumDeviationOnlyOnModuleOneOfAMultiplePHMeasurement)
{
    m_ps = konfiguration(0x13, modultyp::kPH, modultyp::kPH);
    EXPECT_FALSE(seite(messParaPHSeite(), 0, 1).istSichtbar(messparaph::kMaxAbweichung));
    m_ps.setMehrfachPH(mehrfachph::kZweifach);
    Seitenlauf& s = seite(messParaPHSeite(), 0, 1);
    ASSERT_TRUE(s.istSichtbar(messparaph::kMaxAbweichung));
    ASSERT_TRUE(s.eingeben(messparaph::kMaxAbweichung, QStringLiteral("0.29")));
    EXPECT_EQ(m_ps.modulByte(0, modulblock::kMaxAbweichung), 29);
    EXPECT_FALSE(s.eingeben(messparaph::kMaxAbweichung, QStringLiteral("2.01")));
}
