// Module count, multiple pH and the module choices of a new configuration.
#include "model/Bestueckung.h"
#include "model/Modulauswahl.h"
#include "model/NeuerParametersatz.h"

#include <gtest/gtest.h>

using namespace hvx;

namespace {
Parametersatz mitTypen(quint8 b0, quint8 t1, quint8 t2, quint8 t3)
{
    Parametersatz ps;
    ps.setGeraetekennung(b0);
    ps.setModultyp(0, t1);
    ps.setModultyp(1, t2);
    ps.setModultyp(2, t3);
    return ps;
}
} // namespace

TEST(ModelBestueckung, ModuleCountStopsAtTheFirstGap)
{
    EXPECT_EQ(modulanzahl(mitTypen(0x13, 0, 1, 1)), 0);
    EXPECT_EQ(modulanzahl(mitTypen(0x13, 1, 0, 0)), 1);
    EXPECT_EQ(modulanzahl(mitTypen(0x13, 1, 0, 2)), 1);  // slot 2 empty, a type in slot 3
    EXPECT_EQ(modulanzahl(mitTypen(0x13, 1, 2, 0)), 2);
    EXPECT_EQ(modulanzahl(mitTypen(0x13, 1, 2, 13)), 3);
}

TEST(ModelBestueckung, MultiplePHNeedsPHInTheFirstSlotsOutsideVariantL)
{
    EXPECT_TRUE(mehrfachPHMoeglich(mitTypen(0x13, 1, 1, 0)));
    EXPECT_FALSE(dreifachPHMoeglich(mitTypen(0x13, 1, 1, 0)));
    EXPECT_TRUE(dreifachPHMoeglich(mitTypen(0x40, 1, 1, 1)));
    EXPECT_FALSE(mehrfachPHMoeglich(mitTypen(0x23, 1, 1, 1)));
    EXPECT_FALSE(mehrfachPHMoeglich(mitTypen(0x13, 1, 2, 1)));
    EXPECT_FALSE(dreifachPHMoeglich(mitTypen(0x13, 2, 1, 1)));
}

TEST(ModelBestueckung, TimerOnlyInVariantL)
{
    EXPECT_TRUE(istTimerSlot(mitTypen(0x21, 1, 13, 0), 1));
    EXPECT_FALSE(istTimerSlot(mitTypen(0x13, 1, 13, 0), 1));
}

TEST(ModelBestueckung, ChoiceListsAndInitialControllerTypes)
{
    const auto k = modulAuswahl(1);
    ASSERT_EQ(k.size(), 11u);
    EXPECT_EQ(k[0], (ModulWahl{0, 0}));
    EXPECT_EQ(k[1], (ModulWahl{6, 3}));
    EXPECT_EQ(k[2], (ModulWahl{5, 3}));
    EXPECT_EQ(k[8], (ModulWahl{7, 3}));
    EXPECT_EQ(k[10], (ModulWahl{13, 0}));
    const auto l = modulAuswahl(2);
    ASSERT_EQ(l.size(), 11u);
    EXPECT_EQ(l[1], (ModulWahl{16, 8}));
    EXPECT_EQ(l[2], (ModulWahl{17, 8}));
    EXPECT_EQ(l[10], (ModulWahl{13, 15}));
}

TEST(ModelBestueckung, InvalidCombinationsAreRefused)
{
    const ModulWahl kein{0, 0}, ph{1, 3}, freigabe{13, 0}, timer{13, 15};
    EXPECT_TRUE(istGueltigeBestueckung(1, {{ph, kein, kein}}));
    EXPECT_FALSE(istGueltigeBestueckung(1, {{kein, ph, kein}}));
    EXPECT_FALSE(istGueltigeBestueckung(1, {{freigabe, ph, kein}}));
    EXPECT_FALSE(istGueltigeBestueckung(1, {{ph, freigabe, ph}}));
    EXPECT_TRUE(istGueltigeBestueckung(1, {{ph, ph, freigabe}}));
    EXPECT_TRUE(istGueltigeBestueckung(1, {{ph, freigabe, freigabe}}));
    EXPECT_FALSE(istGueltigeBestueckung(1, {{ph, kein, ph}}));
    // Variant L: the timer may not be first, nor in both later slots.
    EXPECT_FALSE(istGueltigeBestueckung(2, {{timer, ph, kein}}));
    EXPECT_TRUE(istGueltigeBestueckung(2, {{ph, timer, ph}}));
    EXPECT_FALSE(istGueltigeBestueckung(2, {{ph, timer, timer}}));
}
