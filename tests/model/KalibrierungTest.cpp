// Keeping the instrument's calibration, and the multiple pH rule that relies on it.
#include "model/Kalibrierung.h"
#include "model/MehrfachPH.h"
#include "model/NeuerParametersatz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace hvx;

namespace {

// Module block bytes the instrument calibrates, per module type.
std::set<int> kalibrierbytes(int typ)
{
    switch (typ) {
    case 1: return {4, 5, 14, 15, 16, 17, 52, 53, 19, 25};
    case 2: case 14: case 15: return {4, 5, 8, 9, 19};
    case 5: case 6: case 16: case 17: return {43, 44, 45, 46, 47};
    case 7: return {4, 5, 119};
    default: return {};
    }
}

// An image that differs from ps in every byte.
Parametersatz gegenbild(const Parametersatz& ps)
{
    Parametersatz anders;
    for (int i = 0; i < Parametersatz::kGroesse; ++i)
        anders.setByte(i, quint8(~ps.byte(i)));
    return anders;
}

std::set<int> geaenderteBytes(const Parametersatz& a, const Parametersatz& b)
{
    std::set<int> offsets;
    for (int i = 0; i < Parametersatz::kGroesse; ++i)
        if (a.byte(i) != b.byte(i))
            offsets.insert(i);
    return offsets;
}

} // namespace

TEST(ModelKalibrierung, EveryModuleTypeKeepsExactlyItsCalibrationBytes)
{
    for (int typ = 0; typ <= 17; ++typ) {
        for (int slot = 0; slot < 3; ++slot) {
            SCOPED_TRACE(testing::Message() << "type " << typ << ", slot " << slot);
            Parametersatz ziel = neuerParametersatz(0x23, {{{1, 3}, {1, 3}, {1, 3}}});
            ziel.setModultyp(slot, quint8(typ));
            const Parametersatz instrument = gegenbild(ziel);
            const Parametersatz vorher = ziel;
            erhalteKalibrierung(ziel, slot, instrument);

            std::set<int> erwartet;
            for (int b : kalibrierbytes(typ))
                erwartet.insert(46 + 120 * slot + b);
            EXPECT_EQ(geaenderteBytes(vorher, ziel), erwartet);
            for (int offset : erwartet)
                EXPECT_EQ(ziel.byte(offset), instrument.byte(offset));
        }
    }
}

TEST(ModelKalibrierung, LearnedDeadTimeIsKeptOnlyForAdaptiveFuzzyFromVersion3)
{
    struct Fall {
        quint8 b0, reglertyp, flags;
        bool erhalten;
    };
    const Fall faelle[] = {
        {0x13, 4, 0x80, true},   // adaptive asymptotic 2-point
        {0x13, 5, 0x81, true},   // adaptive fast 3-point
        {0x1B, 4, 0x80, true},   // version 3 with the extended language set
        {0x13, 4, 0xC0, false},  // PID bit wins over the adaptive bit
        {0x13, 4, 0x00, false},  // plain FUZZY
        {0x12, 4, 0x80, false},  // version 2 has no adaptive controllers
        {0x13, 3, 0x80, false},  // signal device
        {0x13, 8, 0x80, false},  // blow-down device
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << std::hex << "byte 0 " << int(f.b0) << ", type " << int(f.reglertyp)
                                        << ", flags " << int(f.flags));
        Parametersatz ziel = neuerParametersatz(f.b0, {{{3, 3}, {3, 3}, {0, 0}}});
        ziel.setReglertyp(1, f.reglertyp);
        ziel.setReglerflags(1, f.flags);
        Parametersatz instrument = ziel;
        instrument.setAdaptivWert(0, 0x33);
        instrument.setAdaptivWert(1, 0x44);
        erhalteKalibrierung(ziel, instrument);
        EXPECT_EQ(ziel.adaptivWert(1), f.erhalten ? 0x44 : 0x0A);
        EXPECT_EQ(ziel.adaptivWert(0), 0x0A);  // slot 1 is a plain signal device
        EXPECT_EQ(ziel.byte(486 + 5 * 1 + 1), ziel.adaptivWert(1));
    }
}

TEST(ModelMehrfachPH, WithoutMultipleMeasurementTheCheckBytesAreSetToNone)
{
    Parametersatz ps = neuerParametersatz(0x13, {{{1, 3}, {1, 3}, {1, 3}}});
    ps.setMehrfachPH(0);
    ps.setModulByte(1, 10, 3);
    ps.setModulByte(2, 10, 3);
    ps.setModulByte(0, 64, 0x55);
    const Parametersatz vorher = ps;
    wendeMehrfachPHRegelAn(ps);
    EXPECT_EQ(ps.mehrfachPH(), 1);
    EXPECT_EQ(ps.modulByte(1, 10), 1);
    EXPECT_EQ(ps.modulByte(2, 10), 3);  // step 1 ends the rule
    EXPECT_EQ(geaenderteBytes(vorher, ps), (std::set<int>{46 + 10, 166 + 10}));
}

TEST(ModelMehrfachPH, CheckModulesBecomeCopiesOfModule1WithTheirOwnCalibration)
{
    for (quint8 art : {2, 3}) {
        SCOPED_TRACE(testing::Message() << "MehrfachPH " << int(art));
        Parametersatz ps = neuerParametersatz(0x13, {{{1, 3}, {1, 3}, {1, 3}}});
        ps.setMehrfachPH(art);
        // Module 1 edited; every module with calibration values of its own.
        ps.setModulWord(0, 64, 720);
        ps.setReglertyp(0, 4);
        ps.setReglerflags(0, 0x40);
        for (int slot = 0; slot < 3; ++slot)
            for (int b : kalibrierbytes(1))
                ps.setModulByte(slot, b, quint8(0x20 * (slot + 1) + b));
        ps.setReglerByte(1, 0, 0x99);  // controller blocks are not part of the copy
        const Parametersatz vorher = ps;
        wendeMehrfachPHRegelAn(ps);

        const int letzteKopie = art == 3 ? 2 : 1;
        for (int slot = 1; slot <= letzteKopie; ++slot) {
            for (int b = 0; b < 120; ++b) {
                const int erwartet = kalibrierbytes(1).count(b) ? vorher.modulByte(slot, b) : vorher.modulByte(0, b);
                EXPECT_EQ(ps.modulByte(slot, b), erwartet) << "slot " << slot << " byte " << b;
            }
            EXPECT_TRUE(std::ranges::equal(ps.modulkopf(slot), vorher.modulkopf(0)));
        }
        if (art == 2) {
            EXPECT_EQ(ps.modulByte(2, 10), 1);
            EXPECT_EQ(ps.modulWord(2, 64), vorher.modulWord(2, 64));
        }
        EXPECT_EQ(ps.reglerByte(1, 0), 0x99);
    }
}

TEST(ModelMehrfachPH, OnlyAppliesWhenSlots1And2HoldPH)
{
    Parametersatz ps = neuerParametersatz(0x13, {{{1, 3}, {2, 3}, {1, 3}}});
    ps.setMehrfachPH(3);
    const Parametersatz vorher = ps;
    wendeMehrfachPHRegelAn(ps);
    EXPECT_EQ(ps, vorher);
}
