// Page count of a parameter set and the continuation of a long timer page.
#include "model/NeuerParametersatz.h"
#include "model/Bestueckung.h"
#include "model/Seitenaufteilung.h"

#include <gtest/gtest.h>

using namespace hvx;

namespace {

constexpr ModulWahl kKein{0, 0}, kPH{1, 3}, kRedox{2, 3}, kFreigabe{13, 0}, kTimer{13, 15};

Parametersatz timerMitEintraegen(quint8 b0, std::initializer_list<int> benutzt)
{
    Parametersatz ps = neuerParametersatz(b0, {{kPH, kTimer, kKein}});
    for (int k : benutzt)
        ps.setModulByte(1, ps.timerEintragOffset(k) + 9, 0x1F);  // Monday to Friday
    return ps;
}

} // namespace

TEST(ModelSeitenaufteilung, TimerPageContinuesAfterFourEntriesInUseFromVersion3)
{
    EXPECT_EQ(seitenaufteilung(timerMitEintraegen(0x23, {0, 1, 2, 3})), (Seitenaufteilung{3, false, -1, -1}));
    // The fifth entry in use (index 5, entry 4 is unused) starts the continuation page.
    const Parametersatz ps = timerMitEintraegen(0x23, {0, 1, 2, 3, 5, 6});
    EXPECT_EQ(timerEintraegeInBenutzung(ps, 1), 6);
    EXPECT_EQ(seitenaufteilung(ps), (Seitenaufteilung{4, true, 5, 3}));
    // Before L 24 the timer page never continues.
    EXPECT_EQ(seitenaufteilung(timerMitEintraegen(0x22, {0, 1, 2, 3, 4, 5, 6})).seitenanzahl, 3);
}

TEST(ModelSeitenaufteilung, EnableModulesAndCheckingPHModulesHaveNoPage)
{
    EXPECT_EQ(seitenaufteilung(neuerParametersatz(0x13, {{kPH, kFreigabe, kFreigabe}})).seitenanzahl, 2);
    EXPECT_EQ(seitenaufteilung(neuerParametersatz(0x13, {{kRedox, kKein, kKein}})).seitenanzahl, 2);

    Parametersatz ps = neuerParametersatz(0x13, {{kPH, kPH, kPH}});
    EXPECT_EQ(seitenaufteilung(ps).seitenanzahl, 4);
    ps.setMehrfachPH(2);
    EXPECT_EQ(seitenaufteilung(ps).seitenanzahl, 3);
    EXPECT_TRUE(istMehrfachPHKopie(ps, 1));
    EXPECT_FALSE(istMehrfachPHKopie(ps, 2));
    ps.setMehrfachPH(3);
    EXPECT_EQ(seitenaufteilung(ps).seitenanzahl, 2);
    EXPECT_TRUE(istMehrfachPHKopie(ps, 2));
    EXPECT_FALSE(istMehrfachPHKopie(ps, 0));

    // A type behind an empty slot is no module and takes no page away.
    Parametersatz luecke = neuerParametersatz(0x13, {{kPH, kKein, kKein}});
    luecke.setModultyp(2, 13);
    EXPECT_EQ(seitenaufteilung(luecke).seitenanzahl, 2);
}
