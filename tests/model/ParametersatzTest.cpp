// The byte image: byte order, slot offsets, the two parts the link handles separately.
#include "model/Parametersatz.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace hvx;

TEST(ModelParametersatz, WordsAreBigEndianInTheImage)
{
    Parametersatz ps;
    ps.setWord(514, 0x1234);
    EXPECT_EQ(ps.byte(514), 0x12);
    EXPECT_EQ(ps.byte(515), 0x34);
    EXPECT_EQ(ps.alarmverzoegerung(), 0x1234);

    ps.setMaxDosierzeit(2, 10000);
    EXPECT_EQ(ps.byte(286 + 38), 0x27);
    EXPECT_EQ(ps.byte(286 + 39), 0x10);
    EXPECT_TRUE(ps.dosierzeitUeberwachungAus(2));
    ps.setMaxDosierzeit(2, 9999);
    EXPECT_FALSE(ps.dosierzeitUeberwachungAus(2));
    EXPECT_EQ(ps.maxDosierzeit(2), 9999);
}

TEST(ModelParametersatz, SlotBlocksLieAtTheirFixedOffsets)
{
    Parametersatz ps;
    // Mark every slot's blocks with the slot number and read the image back by absolute offsets.
    for (int slot = 0; slot < 3; ++slot) {
        ps.setModultyp(slot, quint8(0xA0 + slot));
        ps.setReglerflags(slot, quint8(0xB0 + slot));
        ps.setModulByte(slot, 0, quint8(0xC0 + slot));
        ps.setModulByte(slot, 119, quint8(0xC8 + slot));
        ps.setReglerByte(slot, 21, quint8(0xD0 + slot));
        ps.setAdaptivWert(slot, quint8(0xE0 + slot));
        ps.modulzusatz(slot)[3] = quint8(0xF0 + slot);
    }
    const int modulkopf[] = {2, 6, 10};
    const int modulblock[] = {46, 166, 286};
    const int reglerblock[] = {406, 428, 450};
    const int adaptiv[] = {486, 491, 496};
    const int zusatz[] = {502, 506, 510};
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(ps.byte(modulkopf[slot]), 0xA0 + slot);
        EXPECT_EQ(ps.byte(modulkopf[slot] + 3), 0xB0 + slot);
        EXPECT_EQ(ps.byte(modulblock[slot]), 0xC0 + slot);
        EXPECT_EQ(ps.byte(modulblock[slot] + 119), 0xC8 + slot);
        EXPECT_EQ(ps.byte(reglerblock[slot] + 21), 0xD0 + slot);
        EXPECT_EQ(ps.byte(adaptiv[slot] + 1), 0xE0 + slot);
        EXPECT_EQ(ps.byte(zusatz[slot] + 3), 0xF0 + slot);
    }
}

TEST(ModelParametersatz, PartsAndRawBytesShareTheImage)
{
    Parametersatz ps;
    EXPECT_EQ(ps.konfigurationsteil().size(), 46u);
    EXPECT_EQ(ps.parameterteil().size(), 512u);
    ps.parameterteil()[0] = 0x55;  // first byte of module block 1
    ps.konfigurationsteil()[45] = 0x66;
    EXPECT_EQ(ps.modulByte(0, 0), 0x55);
    EXPECT_EQ(ps.byte(45), 0x66);

    const QByteArray raw = ps.toByteArray();
    ASSERT_EQ(raw.size(), 558);
    const auto back = Parametersatz::fromBytes(raw);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, ps);
    EXPECT_FALSE(Parametersatz::fromBytes(raw.left(557)).has_value());

    // The link receives the two parts separately.
    Parametersatz neu;
    EXPECT_TRUE(neu.setKonfigurationsteil(raw.left(46)));
    EXPECT_TRUE(neu.setParameterteil(raw.mid(46)));
    EXPECT_EQ(neu, ps);
    EXPECT_FALSE(neu.setParameterteil(raw.mid(45)));
    EXPECT_FALSE(neu.setKonfigurationsteil(raw.left(45)));
    EXPECT_EQ(neu, ps);
    EXPECT_FALSE(Parametersatz::fromBytes(QByteArray(raw).append(char(0))).has_value());
}

TEST(ModelParametersatz, OutOfRangeAccessIsRefused)
{
    Parametersatz ps;
    EXPECT_THROW(ps.word(557), std::out_of_range);
    EXPECT_THROW(ps.setByte(558, 0), std::out_of_range);
    EXPECT_THROW(ps.byte(-1), std::out_of_range);
    EXPECT_THROW(ps.modultyp(3), std::out_of_range);
    EXPECT_THROW(ps.modulblock(-1), std::out_of_range);
    EXPECT_THROW(ps.fill(550, 9, 0), std::out_of_range);
    EXPECT_NO_THROW(ps.fill(550, 8, 0));
}

TEST(ModelParametersatz, GeraetekennungSplitsIntoVariantVersionAndLanguageSet)
{
    Parametersatz ps;
    ps.setGeraetekennung(0x1B);
    EXPECT_EQ(ps.familie(), 1);
    EXPECT_TRUE(ps.istVariante(Variante::K));
    EXPECT_EQ(ps.version(), 3);
    EXPECT_TRUE(ps.erweiterteSprachen());
    EXPECT_TRUE(ps.versionUnterstuetzt());
    ps.setGeraetekennung(0x53);
    EXPECT_TRUE(ps.istVariante(Variante::N7400));
    EXPECT_FALSE(ps.erweiterteSprachen());
    // Versions 4..7 are not supported by this program.
    for (quint8 b : {0x14, 0x25, 0x36, 0x47}) {
        ps.setGeraetekennung(b);
        EXPECT_FALSE(ps.versionUnterstuetzt()) << int(b);
    }
}

TEST(ModelParametersatz, ControllerBlockFlagFieldsKeepTheOtherBits)
{
    Parametersatz ps;
    ps.setReglerblockFlags(1, 0x03);  // L- and L+ on
    ps.setZusatzFreigabe(1, 3);
    ps.setReglerabschaltung(1, 2);
    ps.setLimitquittierungManuell(1, true);
    EXPECT_EQ(ps.reglerblockFlags(1), 0x03 | 0x18 | 0x80 | 0x04);
    EXPECT_EQ(ps.zusatzFreigabe(1), 3);
    EXPECT_EQ(ps.reglerabschaltung(1), 2);
    ps.setZusatzFreigabe(1, 0);
    ps.setLimitquittierungManuell(1, false);
    EXPECT_EQ(ps.reglerblockFlags(1), 0x03 | 0x80);

    ps.setByte(484, 0xFF);
    ps.setReglerEin(1, false);
    EXPECT_EQ(ps.byte(484), 0xFB);  // only bit 2 cleared; the others are carried
    EXPECT_TRUE(ps.reglerEin(0));
    EXPECT_FALSE(ps.reglerEin(1));
    EXPECT_TRUE(ps.reglerEin(2));
}

TEST(ModelParametersatz, ProduktnameStopsAtZeroAndCopesWithAFullField)
{
    Parametersatz ps;
    const char name[] = "PES-15";
    std::copy(name, name + sizeof name, ps.produktname().begin());
    EXPECT_EQ(ps.produktnameText(), QStringLiteral("PES-15"));
    ps.fill(526, 16, 'A');
    EXPECT_EQ(ps.produktnameText(), QString(16, QChar('A')));
    EXPECT_EQ(ps.byte(542), 0);  // nothing read or written beyond the field
}

TEST(ModelParametersatz, TimerEntriesAreShortBeforeRevisionL24)
{
    Parametersatz ps;
    ps.setGeraetekennung(0x22);
    EXPECT_EQ(ps.timerEintragGroesse(), 10);
    EXPECT_EQ(ps.timerEintragOffset(6), 16 + 60);
    ps.setGeraetekennung(0x23);
    EXPECT_EQ(ps.timerEintragGroesse(), 13);
    EXPECT_EQ(ps.timerEintragOffset(6), 16 + 78);
    EXPECT_THROW(ps.timerEintragOffset(7), std::out_of_range);
}

TEST(ModelParametersatz, MeasuredDataInterval254IsProfibusNotSeconds)
{
    Parametersatz ps;
    ps.setMessdatenintervall(254);
    EXPECT_TRUE(ps.messdatenUeberProfibus());
    EXPECT_EQ(ps.byte(518), 254);
    ps.setMessdatenintervall(240);
    EXPECT_FALSE(ps.messdatenUeberProfibus());
    ps.setMessdatenintervall(255);
    EXPECT_FALSE(ps.messdatenUeberProfibus());
}
