// Adapting a parameter set to other revisions of its variant.
#include "model/NeuerParametersatz.h"
#include "model/Versionsanpassung.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace hvx;

namespace {

constexpr ModulWahl kKein{0, 0};

// A timer in slot 2 of variant L with seven 10-byte entries of distinct content.
Parametersatz timerParametersatz(quint8 b0)
{
    Parametersatz ps = neuerParametersatz(b0, {{{1, 3}, {13, 15}, kKein}});
    for (int k = 0; k < 7; ++k)
        for (int i = 0; i < 10; ++i)
            ps.setModulByte(1, 16 + 10 * k + i, quint8(0x10 * (k + 1) + i));
    ps.setModulByte(1, 2, 0xAB);   // outside the entries
    ps.setModulByte(1, 119, 0xCD);
    return ps;
}

} // namespace

TEST(ModelVersionsanpassung, L22ToL24TurnsTenByteTimerEntriesIntoThirteenByteOnes)
{
    Parametersatz ps = timerParametersatz(0x21);
    const Parametersatz vorher = ps;
    ASSERT_TRUE(passeVersionAn(ps, 0x23));
    EXPECT_EQ(ps.geraetekennung(), 0x23);
    EXPECT_EQ(ps.timerEintragGroesse(), 13);
    for (int k = 0; k < 7; ++k) {
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(ps.modulByte(1, 16 + 13 * k + i), 0x10 * (k + 1) + i) << "entry " << k << " byte " << i;
        // The three new fields carry their factory values.
        for (int i = 10; i < 13; ++i)
            EXPECT_EQ(ps.modulByte(1, 16 + 13 * k + i), 0) << "entry " << k << " byte " << i;
    }
    EXPECT_EQ(ps.modulByte(1, 2), 0xAB);
    EXPECT_EQ(ps.modulByte(1, 119), 0xCD);
    // The pH module is no timer and keeps its block.
    EXPECT_TRUE(std::ranges::equal(ps.modulblock(0), vorher.modulblock(0)));
}

TEST(ModelVersionsanpassung, TimerEntriesSurviveTheWayDownAndUpAgain)
{
    Parametersatz ps = timerParametersatz(0x21);
    ASSERT_TRUE(passeVersionAn(ps, 0x23));
    ps.setModulByte(1, 16 + 13 * 6 + 10, 30);  // pre-circulation of the last entry: lost going down
    const Parametersatz lang = ps;
    ASSERT_TRUE(passeVersionAn(ps, 0x20));
    EXPECT_EQ(ps.geraetekennung(), 0x20);
    for (int k = 0; k < 7; ++k)
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(ps.modulByte(1, 16 + 10 * k + i), 0x10 * (k + 1) + i) << "entry " << k << " byte " << i;
    // Bytes behind the short entries keep what the long layout left there.
    EXPECT_EQ(ps.modulByte(1, 16 + 13 * 6 + 10), 30);
    ASSERT_TRUE(passeVersionAn(ps, 0x23));
    EXPECT_EQ(ps.modulByte(1, 16 + 13 * 6 + 10), 0);
    EXPECT_EQ(ps.modulByte(1, 16 + 13 * 6 + 9), lang.modulByte(1, 16 + 13 * 6 + 9));
}

TEST(ModelVersionsanpassung, K54ToK51DropsWhatTheOldRevisionsDoNotKnow)
{
    Parametersatz ps = neuerParametersatz(0x13, {{{7, 3}, {5, 3}, {3, 3}}});
    ps.setKalibrierueberwachung(0, 4);
    ps.setKalibrierueberwachung(1, 8);
    ps.setKalibrierueberwachung(2, 12);  // temperature: no calibration reminder, left alone
    ps.setSystemflags(0xFF);
    ps.setMessdatenintervall(254);
    ps.setAlarmzaehlerAnzeige(1);
    ps.setModulByte(0, 29, 2);

    ASSERT_TRUE(passeVersionAn(ps, 0x10));
    EXPECT_EQ(ps.geraetekennung(), 0x10);
    EXPECT_EQ(ps.kalibrierueberwachung(0), 255);
    EXPECT_EQ(ps.kalibrierueberwachung(1), 255);
    EXPECT_EQ(ps.kalibrierueberwachung(2), 12);
    EXPECT_EQ(ps.systemflags(), 0xFC);
    EXPECT_EQ(ps.messdatenintervall(), 255);
    EXPECT_EQ(ps.alarmzaehlerAnzeige(), 0);
    EXPECT_EQ(ps.modulByte(0, 29), 1);
}

TEST(ModelVersionsanpassung, EachStepStopsAtTheTarget)
{
    Parametersatz ps = neuerParametersatz(0x33, {{{7, 3}, kKein, kKein}});
    ps.setMessdatenintervall(254);
    ps.setAlarmzaehlerAnzeige(1);
    ps.setModulByte(0, 29, 2);
    ASSERT_TRUE(passeVersionAn(ps, 0x32));
    EXPECT_EQ(ps.kalibrierueberwachung(0), 255);
    EXPECT_EQ(ps.messdatenintervall(), 254);  // Profibus exists in version 2
    ASSERT_TRUE(passeVersionAn(ps, 0x31));
    EXPECT_EQ(ps.messdatenintervall(), 255);
    EXPECT_EQ(ps.alarmzaehlerAnzeige(), 1);  // the alarm counter exists in version 1
    EXPECT_EQ(ps.modulByte(0, 29), 2);
}

TEST(ModelVersionsanpassung, UpFromVersion0SetsTheChlorineRangeByVariant)
{
    const std::pair<quint8, quint8> faelle[] = {{0x10, 1}, {0x20, 1}, {0x30, 2}, {0x40, 2}, {0x50, 2}};
    for (const auto& [b0, bereich] : faelle) {
        Parametersatz ps = neuerParametersatz(b0, {{{1, 3}, {7, 3}, kKein}});
        ps.setAlarmzaehlerAnzeige(1);
        ps.setModulByte(0, 29, 9);  // pH: byte 29 is not a range there
        ASSERT_TRUE(passeVersionAn(ps, quint8(b0 + 1)));
        EXPECT_EQ(ps.geraetekennung(), b0 + 1);
        EXPECT_EQ(ps.modulByte(1, 29), bereich) << std::hex << int(b0);
        EXPECT_EQ(ps.modulByte(0, 29), 9);
        EXPECT_EQ(ps.alarmzaehlerAnzeige(), 0);
    }
}

TEST(ModelVersionsanpassung, CurrentRevisionChangesNothingAndBadTargetsAreRefused)
{
    Parametersatz ps = neuerParametersatz(0x42, {{{7, 3}, {1, 3}, kKein}});
    const Parametersatz vorher = ps;
    EXPECT_TRUE(passeVersionAn(ps, 0x42));
    EXPECT_EQ(ps, vorher);
    EXPECT_FALSE(passeVersionAn(ps, 0x32));  // other variant
    EXPECT_FALSE(passeVersionAn(ps, 0x44));  // unsupported version
    EXPECT_EQ(ps, vorher);
    ps.setGeraetekennung(0x45);
    EXPECT_FALSE(passeVersionAn(ps, 0x41));
}

TEST(ModelVersionsanpassung, K54WithExtendedLanguagesLandsOnTheChosenRevision)
{
    // Stepping by the whole byte would run all downward steps from 0x1B and end at K 51.
    Parametersatz ps = neuerParametersatz(0x1B, {{{1, 3}, kKein, kKein}});
    ps.setKalibrierueberwachung(0, 4);
    ASSERT_TRUE(passeVersionAn(ps, 0x13));
    EXPECT_EQ(ps.geraetekennung(), 0x13);
    EXPECT_EQ(ps.kalibrierueberwachung(0), 4);
    ASSERT_TRUE(passeVersionAn(ps, 0x1B));
    EXPECT_EQ(ps.geraetekennung(), 0x1B);
    ASSERT_TRUE(passeVersionAn(ps, 0x12));
    EXPECT_EQ(ps.geraetekennung(), 0x12);
    EXPECT_EQ(ps.kalibrierueberwachung(0), 255);
}
