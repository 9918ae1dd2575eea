// The controller's value fields: shown counts, limits and stored values.
#include "model/NeuerParametersatz.h"
#include "model/Wertfeld.h"

#include <gtest/gtest.h>

using namespace hvx;

namespace {
Parametersatz modul(quint8 b0, quint8 typ)
{
    return neuerParametersatz(b0, {ModulWahl{typ, reglertyp::kSignalgeraet}, ModulWahl{}, ModulWahl{}});
}
} // namespace

TEST(Wertfeld, NegativeLWStoresItsMagnitudeWithSignByteZero)
{
    Parametersatz ps = modul(0x13, modultyp::kPH);
    setzeLW(ps, 0, -50);
    EXPECT_EQ(ps.modulWord(0, modulblock::kSchaltpunktabstandLW), 50);
    EXPECT_EQ(ps.modulByte(0, modulblock::kVorzeichenLW), 0);
    EXPECT_EQ(lwAnzeige(ps, 0), -50);
    setzeLW(ps, 0, 0);
    EXPECT_EQ(ps.modulByte(0, modulblock::kVorzeichenLW), 1);
}

TEST(Wertfeld, FahrenheitTemperatureModuleShowsConvertedLimitsAndLWAsADifference)
{
    Parametersatz ps = modul(0x13, modultyp::kTemperatur);
    ps.setModulflags(0, ps.modulflags(0) | modulflags::kFahrenheit);
    ASSERT_TRUE(reglerFahrenheit(ps, 0));
    EXPECT_EQ(anzeigeMessbereich(ps, 0), (Messbereich{32, 212}));
    EXPECT_EQ(lwGrenze(ps, 0), 180);
    // 25.0 °C shows as 77.0 °F and is stored back unchanged.
    EXPECT_EQ(wertfeldAnzeige(ps, 0, 250), 770);
    EXPECT_EQ(wertfeldSpeicherwert(ps, 0, 770), 250);
    // An LW of 10.0 K is 18.0 °F of difference, never shifted by 32 °F.
    setzeLW(ps, 0, -180);
    EXPECT_EQ(ps.modulWord(0, modulblock::kSchaltpunktabstandLW), 100);
    EXPECT_EQ(lwAnzeige(ps, 0), -180);
}

TEST(Wertfeld, RedoxPlusMinusOffsetsEveryValueButLW)
{
    Parametersatz ps = modul(0x13, modultyp::kRedoxPlusMinus);
    EXPECT_EQ(wertfeldSpeicherwert(ps, 0, -200), 300);
    EXPECT_EQ(wertfeldAnzeige(ps, 0, 300), -200);
    EXPECT_EQ(lwGrenze(ps, 0), 1000);
    setzeLW(ps, 0, 200);
    EXPECT_EQ(ps.modulWord(0, modulblock::kSchaltpunktabstandLW), 200);
}

TEST(Wertfeld, ChlorineOutsideVariantsNStoresTenTimesFiner)
{
    Parametersatz ps = modul(0x13, modultyp::kChlor);
    EXPECT_EQ(wertfeldSpeicherwert(ps, 0, 150), 1500);
    EXPECT_EQ(wertfeldAnzeige(ps, 0, 1509), 150);
    Parametersatz n = modul(0x43, modultyp::kChlor);
    EXPECT_EQ(wertfeldSpeicherwert(n, 0, 150), 150);
}
