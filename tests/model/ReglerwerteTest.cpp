// The instrument scale and the derived controller values: the bytes the instrument works with.
#include "model/Instrumentskala.h"
#include "model/NeuerParametersatz.h"
#include "model/Reglerart.h"
#include "model/Reglerwerte.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>

using namespace hvx;

namespace {

Parametersatz modul(quint8 b0, quint8 typ, quint8 regler = reglertyp::kSignalgeraet)
{
    return neuerParametersatz(b0, {ModulWahl{typ, regler}, ModulWahl{}, ModulWahl{}});
}

quint32 koeffizient(const Parametersatz& ps, int offset)
{
    const int basis = Parametersatz::modulblockOffset(0) + offset;
    return (quint32(ps.byte(basis)) << 24) | (quint32(ps.byte(basis + 1)) << 16) | (quint32(ps.byte(basis + 2)) << 8)
        | ps.byte(basis + 3);
}

} // namespace

TEST(Instrumentskala, PHRangeOneMapsSevenToHalfTheScale)
{
    Parametersatz ps = modul(0x13, modultyp::kPH);
    ps.setModulByte(0, modulblock::kPhMessbereich, 1);
    EXPECT_EQ(instrumentskala(ps, 0, 700), 32767);
    EXPECT_EQ(instrumentskala(ps, 0, 1400), 65534);
}

TEST(Instrumentskala, EachModuleFamilyUsesItsOwnFactor)
{
    Parametersatz ps = modul(0x13, modultyp::kPH);
    ps.setModulByte(0, modulblock::kPhMessbereich, 2);
    EXPECT_EQ(instrumentskala(ps, 0, 1200), 65530); // (1200 - 200) x 65.53
    ps.setModulByte(0, modulblock::kPhMessbereich, 3);
    EXPECT_EQ(instrumentskala(ps, 0, 800), 65535); // (800 - 300) x 131.07
    ps.setModulByte(0, modulblock::kPhMessbereich, 9);
    EXPECT_EQ(instrumentskala(ps, 0, 812), 812);

    EXPECT_EQ(instrumentskala(modul(0x13, modultyp::kRedox), 0, 1000), 65530);
    EXPECT_EQ(instrumentskala(modul(0x13, modultyp::kLfKonduktiv), 0, 2000), 65520);
    EXPECT_EQ(instrumentskala(modul(0x13, modultyp::kChlor), 0, 2000), 65520);
    // Peracetic acid of N7400 and blow-down modules: x 65536 / 5000 by a shift.
    EXPECT_EQ(instrumentskala(modul(0x53, modultyp::kChlor), 0, 5000), 65535);
    EXPECT_EQ(instrumentskala(modul(0x13, modultyp::kAbsalzInduktiv, reglertyp::kAbsalzgeraet), 0, 2500), 32767);
}

TEST(Instrumentskala, StandardSignalScalesAsTheKindItStandsFor)
{
    Parametersatz ps = modul(0x13, modultyp::kNormsignal);
    const auto art = [&](int a) {
        ps.setModulByte(0, modulblock::kModulflags, quint8(a << modulflags::kNormsignalArtShift));
    };
    art(normsignalart::kTemperaturFahrenheit);
    EXPECT_EQ(instrumentskala(ps, 0, 1000), 65530);
    art(normsignalart::kStrom);
    EXPECT_EQ(instrumentskala(ps, 0, 2000), 65520);
    art(normsignalart::kSpannung);
    EXPECT_EQ(instrumentskala(ps, 0, 1000), 65530);
}

TEST(Reglerwerte, SignalDeviceThresholdsLieHalfTheSwitchingDifferenceAroundTheSetPoint)
{
    Parametersatz ps = modul(0x13, modultyp::kPH);
    ps.setModulByte(0, modulblock::kPhMessbereich, 1);
    ps.setModulWord(0, modulblock::kSollwert, 700);
    ps.setModulWord(0, modulblock::kSchaltdifferenzXSD, 50);
    berechneReglerwerte(ps, 0, reglerart::kSignalgeraet);
    EXPECT_EQ(ps.modulWord(0, modulblock::kObereSchaltschwelle), instrumentskala(ps, 0, 717));
    EXPECT_EQ(ps.modulWord(0, modulblock::kUntereSchaltschwelle), instrumentskala(ps, 0, 683));
}

TEST(Reglerwerte, SecondSwitchPointFollowsTheSignOfLW)
{
    Parametersatz ps = modul(0x13, modultyp::kRedox);
    ps.setModulWord(0, modulblock::kSollwert, 500);
    ps.setModulWord(0, modulblock::kSchaltpunktabstandLW, 100);
    ps.setModulWord(0, modulblock::kSchaltdifferenzX2SD, 100); // 10.0 %
    ps.setModulByte(0, modulblock::kVorzeichenLW, 0);
    berechneReglerwerte(ps, 0, reglerart::kSignalgeraet);
    EXPECT_EQ(ps.modulWord(0, modulblock::kZweiterSchaltpunkt), instrumentskala(ps, 0, 400));
    EXPECT_EQ(ps.modulWord(0, modulblock::kZweiterSchaltpunktOhneX2SD), instrumentskala(ps, 0, 360));
    ps.setModulByte(0, modulblock::kVorzeichenLW, 1);
    berechneReglerwerte(ps, 0, reglerart::kSignalgeraet);
    EXPECT_EQ(ps.modulWord(0, modulblock::kZweiterSchaltpunkt), instrumentskala(ps, 0, 600));
    EXPECT_EQ(ps.modulWord(0, modulblock::kZweiterSchaltpunktOhneX2SD), instrumentskala(ps, 0, 540));
}

TEST(Reglerwerte, LimitThresholdsWidenByTheirSwitchingDifferenceOrCollapseWithoutIt)
{
    Parametersatz ps = modul(0x13, modultyp::kRedox, reglertyp::kZweipunkt);
    ps.setReglerWord(0, reglerblock::kLimitMinus, 200);
    ps.setReglerWord(0, reglerblock::kLimitPlus, 800);
    ps.setReglerWord(0, reglerblock::kLimitHystereseX2SD, 50);
    berechneReglerwerte(ps, 0, reglerart::kFuzzy2);
    const quint32 a = instrumentskala(ps, 0, 200);
    const quint32 b = instrumentskala(ps, 0, 800);
    EXPECT_EQ(ps.reglerWord(0, 8), a);
    EXPECT_EQ(ps.reglerWord(0, 10), a + a * 50 / 1000);
    EXPECT_EQ(ps.reglerWord(0, 12), b - b * 50 / 1000);
    EXPECT_EQ(ps.reglerWord(0, 14), b);
    ps.setReglerWord(0, reglerblock::kLimitHystereseX2SD, 0);
    berechneReglerwerte(ps, 0, reglerart::kFuzzy2);
    EXPECT_EQ(ps.reglerWord(0, 10), a);
    EXPECT_EQ(ps.reglerWord(0, 12), b);
}

TEST(Reglerwerte, PidWithoutTimesClearsBothFlagBitsInBothCopiesAndStoresPlusZero)
{
    Parametersatz ps = modul(0x13, modultyp::kRedox, reglertyp::kZweipunkt);
    setzeReglerart(ps, 0, reglerart::kPid2);
    const quint8 bits = reglerflags::kKoeffizientBit2 | reglerflags::kKoeffizientBit3;
    ps.setReglerflags(0, ps.reglerflags(0) | bits);
    ps.setModulByte(0, modulblock::kReglerflags, ps.modulByte(0, modulblock::kReglerflags) | bits);
    ps.setModulWord(0, modulblock::kProportionalbereichXP1, 100); // 10 %
    ps.setModulWord(0, modulblock::kVorhaltezeit, 0);
    ps.setModulWord(0, modulblock::kNachstellzeit, 0);
    berechneReglerwerte(ps, 0, reglerart::kPid2);
    EXPECT_EQ(ps.reglerflags(0) & bits, 0);
    EXPECT_EQ(ps.modulByte(0, modulblock::kReglerflags) & bits, 0);
    EXPECT_EQ(koeffizient(ps, 88), std::bit_cast<quint32>(1000.0f));
    EXPECT_EQ(koeffizient(ps, 92), 0u); // -0 x k is stored as +0
    EXPECT_EQ(koeffizient(ps, 96), 0u);
}

TEST(Reglerwerte, CoefficientsWithBothTimesSetBothBits)
{
    const Koeffizienten k = berechneKoeffizienten(200, 24, 120);
    const float kp = 100.0f / 200.0f;
    EXPECT_TRUE(k.mitNachstellzeit);
    EXPECT_TRUE(k.mitVorhaltezeit);
    EXPECT_EQ(k.werte[0], kp * (24.0f / 0.24f + 1.0f) * 1000.0f);
    EXPECT_EQ(k.werte[1], (0.24f / 120.0f - 2.0f * 24.0f / 0.24f - 1.0f) * kp * 1000.0f);
    EXPECT_EQ(k.werte[2], 24.0f / 0.24f * kp * 1000.0f);
}

TEST(Reglerwerte, ZeroBandGivesInfinityAndTheQuietNaNIsStoredAsMinusInfinity)
{
    const Koeffizienten k = berechneKoeffizienten(0, 0, 0);
    EXPECT_TRUE(std::isinf(k.werte[0]));
    EXPECT_TRUE(std::isnan(k.werte[1]));
    EXPECT_EQ(koeffizientMuster(std::bit_cast<float>(0xFFC00000u)), 0xFF800000u);
    EXPECT_EQ(koeffizientMuster(-0.0f), 0u);
    EXPECT_EQ(koeffizientMuster(1.5f), std::bit_cast<quint32>(1.5f));
}

TEST(Reglerwerte, ThreePointKindsStoreTheXSHShareAndBothBands)
{
    Parametersatz ps = modul(0x13, modultyp::kRedox, reglertyp::kDreipunkt);
    setzeReglerart(ps, 0, reglerart::kPid3);
    ps.setModulWord(0, modulblock::kSollwert, 600);
    ps.setModulByte(0, modulblock::kSchaltpunktabstandXSH, 55); // 5.5 %
    ps.setModulWord(0, modulblock::kProportionalbereichXP1, 100);
    ps.setModulWord(0, modulblock::kProportionalbereichXP2, 400);
    berechneReglerwerte(ps, 0, reglerart::kPid3);
    EXPECT_EQ(ps.modulWord(0, modulblock::kSollwertPlusXSH), 600 + 600 * 55 / 1000);
    EXPECT_EQ(koeffizient(ps, 88), std::bit_cast<quint32>(1000.0f));
    EXPECT_EQ(koeffizient(ps, 100), std::bit_cast<quint32>(250.0f));
}

TEST(Reglerwerte, APHRangeChangeMovesOnlyValuesOutsideTheNewRange)
{
    Parametersatz ps = modul(0x13, modultyp::kPH);
    ps.setModulByte(0, modulblock::kPhMessbereich, 3);
    ps.setModulWord(0, modulblock::kSollwert, 200);
    ps.setModulWord(0, modulblock::kSchaltpunktabstandLW, 50);
    ps.setReglerWord(0, reglerblock::kLimitMinus, 400);
    ps.setReglerWord(0, reglerblock::kLimitPlus, 1300);
    EXPECT_TRUE(reglerwerteInMessbereich(ps, 0));
    EXPECT_EQ(ps.modulWord(0, modulblock::kSollwert), 300);
    EXPECT_EQ(ps.modulWord(0, modulblock::kSchaltpunktabstandLW), 300);
    EXPECT_EQ(ps.reglerWord(0, reglerblock::kLimitMinus), 400);
    EXPECT_EQ(ps.reglerWord(0, reglerblock::kLimitPlus), 800);
    EXPECT_FALSE(reglerwerteInMessbereich(ps, 0));
}

TEST(Reglerwerte, APHRangeClampComparesTheExactValueNotItsWholePart)
{
    // Hundredths of pH just above a new top (or just below a new bottom) are out of range too.
    struct Fall {
        quint8 bereich;   // pH range code
        quint16 wert;     // set point, LW and both limits, hundredths of pH
        quint16 erwartet;
    };
    const Fall faelle[] = {
        {3, 801, 800},  {3, 850, 800},   {3, 899, 800},   {3, 800, 800},   {3, 300, 300}, {3, 299, 300},
        {2, 1201, 1200}, {2, 1299, 1200}, {2, 1200, 1200}, {2, 199, 200},   {2, 150, 200},
        {1, 1401, 1400}, {1, 1499, 1400}, {1, 1400, 1400}, {1, 0, 0},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(testing::Message() << "range " << int(fall.bereich) << ", value " << fall.wert);
        Parametersatz ps = modul(0x13, modultyp::kPH);
        ps.setModulByte(0, modulblock::kPhMessbereich, fall.bereich);
        ps.setModulWord(0, modulblock::kSollwert, fall.wert);
        ps.setModulWord(0, modulblock::kSchaltpunktabstandLW, fall.wert);
        ps.setReglerWord(0, reglerblock::kLimitMinus, fall.wert);
        ps.setReglerWord(0, reglerblock::kLimitPlus, fall.wert);
        EXPECT_EQ(reglerwerteInMessbereich(ps, 0), fall.wert != fall.erwartet);
        EXPECT_EQ(ps.modulWord(0, modulblock::kSollwert), fall.erwartet);
        EXPECT_EQ(ps.modulWord(0, modulblock::kSchaltpunktabstandLW), fall.erwartet);
        EXPECT_EQ(ps.reglerWord(0, reglerblock::kLimitMinus), fall.erwartet);
        EXPECT_EQ(ps.reglerWord(0, reglerblock::kLimitPlus), fall.erwartet);
    }
}
