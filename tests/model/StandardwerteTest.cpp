// Factory defaults, proven byte for byte against the instrument's default tables, which are
// written out here a second time on purpose (not taken from the code's tables).
#include "model/NeuerParametersatz.h"
#include "model/Standardwerte.h"

#include <gtest/gtest.h>

#include <optional>

using namespace hvx;

namespace {

// Module default blocks, 120 bytes each.
const char* const kPh =
    "0103E2FF16F80491FFFF010007D0019002BC010064FFFFF0141600FFFFFF00000000FFFFFFFF2710FFFFFFFFFFFFFFFFFFFFFFFF1B62FFFFFFFFFFFFFFFFFFFF02BC001481467EB60064646DB66B83000003E8000000000042C80000000000000000000042C80000000000000000000003E803020014FFFF";
const char* const kRedox =
    "0203F7FF27CE049100DCFFFF07D0FFFFFFFFFF00FFFFFFF014FF00FFFFFF00000000FFFFFFFF2710FFFFFFFFFFFFFFFFFF0000FF03E8FFFFFFFFFFFFFFFFFFFF0064001419DA1956001464147A1438000003E8000000000042C80000000000000000000042C80000000000000000000003E8006E0014FFFF";
const char* const kFluorid =
    "0E03E2FF27CE049100DCFFFF07D0FFFFFFFFFF00FFFFFFF0141600FFFFFF00000000FFFFFFFF2710FFFFFFFFFFFFFFFFFF0000FF03E8FFFFFFFFFFFFFFFFFFFF0064001419DA1956001464147A1438000003E8000000000042C80000000000000000000042C80000000000000000000003E8006E0014FFFF";
const char* const kNormsignal =
    "04033DBDFFFF049DFFFFFFFF07D0FFFFFFFF01FFFFFFFFFFFFFF00FFFF0100000000FFFFFFFF2710FFFFFFFFFFFFFF02FF0000FF07D0FFFFFFFFFFFFFFFFFFFF03E80014813F7EB00064FF732C70DD0000FFFFFFFFFFFF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF0014FFFF";
const char* const kTemperatur =
    "0303F7FFFFFF0491FFFFFFFF07D0FFFFFFFFFFFFFFFFFFF0FFFF00FFFFFF00000000FFFFFFFF2710FFFFFFFFFFFFFFFFFF0000FF07D0FFFFFFFFFFFFFFFFFFFF01F4001481447EB400646466646457000003E8000000000042C80000000000000000000042C80000000000000000000003E802260014FFFF";
const char* const kLfKonduktiv =
    "0503F7FF00000491FFFFFF0007D0FFFFFFFFFFFFFFFFFFFF14FF00FFFFFF00000000FFFFFFFF27100064FF0000060F02FF0000FF07D0FFFFFFFFFFFFFFFFFFFF025800144D8C4C020064643FFC3EB4000003E8000000000042C80000000000000000000042C80000000000000000000003E802940014FFFF";
const char* const kLfInduktiv =
    "0603F7FF00000491FFFFFF0007D0FFFFFFFFFFFFFFFFFFFF14FF00FFFFFF00000000FFFFFFFF27100064FF0000060F02FF0000FF07D0FFFFFFFFFFFFFFFFFFFF025800144D8C4C020064643FFC3EB4000003E8000000000042C80000000000000000000042C80000000000000000000003E802940014FFFF";
const char* const kChlor10 =
    "070302FF27100480FFFFFFFF07D0FFFFFFFFFFFFFFFFFFFFFFFF0000000100000000FFFFFFFF2710FFFFFFFFFFFFFFFF000000FF07D0FFFFFFFFFFFFFFFFFFFF012C001426C6260000646419981914000003E8000000000042C80000000000000000000042C80000000000000000000003E801780014012C";
const char* const kChlor11 =
    "070302FF27100480FFFFFFFF07D0FFFFFFFFFFFFFFFFFFFFFFFF0000000100000000FFFFFFFF2710FFFFFFFFFFFFFFFF000000FF07D0FFFFFFFFFFFFFFFFFFFF012C001426C6260000646419981914000003E8000000000042C80000000000000000000042C80000000000000000000003E801780014012C";
const char* const kChlor30 =
    "070302FF27100480FFFFFFFF07D0FFFFFFFFFFFFFFFFFFFFFFFF0000000100000000FFFFFFFF2710FFFFFFFFFFFFFFFF000000FF07D0FFFFFFFFFFFFFFFFFFFF012C001426C6260000646419981914000003E8000000000042C80000000000000000000042C80000000000000000000003E801780014012C";
const char* const kChlor31 =
    "070302FF27100480FFFFFFFF07D0FFFFFFFFFFFFFFFFFFFFFFFF0000000200000000FFFFFFFF2710FFFFFFFFFFFFFFFF000000FF07D0FFFFFFFFFFFFFFFFFFFF012C001426C6260000646419981914000003E8000000000042C80000000000000000000042C80000000000000000000003E801780014012C";
const char* const kChlor40 =
    "070302FF27100480FFFFFFFF07D0FFFFFFFFFFFFFFFFFFFFFFFF0000000100000000FF0000322710FFFFFFFFFFFFFFFF000000FF07D0FFFFFFFFFFFFFFFFFFFF012C001426C6260000646419981914000003E8000000000042C80000000000000000000042C80000000000000000000003E801780014012C";
const char* const kChlor41 =
    "070302FF27100480FFFFFFFF07D0FFFFFFFFFFFFFFFFFFFFFFFF0000000200000000FF0000322710FFFFFFFFFFFFFFFF000000FF07D0FFFFFFFFFFFFFFFFFFFF012C001426C6260000646419981914000003E8000000000042C80000000000000000000042C80000000000000000000003E801780014012C";
const char* const kChlor51 =
    "070302FF0FA00480FFFFFFFF07D0FFFFFFFFFFFFFFFFFFFFFFFF0000000200000000FF0000322710FFFFFFFFFFFFFFFF000000FF1388FFFFFFFFFFFFFFFFFFFF02EE001426C626000064642147209D000003E8000000000042C80000000000000000000042C80000000000000000000003E803AD001402EE";
const char* const kAbsalzInduktiv =
    "1008F7FF00CE04B3FFFFFF0007D0FFFFFFFFFFFFFFFFFFFF14FF00FFFFFFFFFFFFFFFFFFFFFF27100064FF0000060F01FF0000FF1388FFFFFFFFFFFFFFFFFFFF0640057851EB47AE03E8644CCC4B43000003E8000000000142C80000000000000000000042C80000000000000000000003E802940014FFFF";
const char* const kAbsalzKonduktiv =
    "1108F7FF00CE04B3FFFFFF0007D0FFFFFFFFFFFFFFFFFFFF14FF00FFFFFF00000000FFFFFFFF27100064FF0000060F02FF0000FF1388FFFFFFFFFFFFFFFFFFFF0640057851EB47AE0064643FFC3EB4000003E8000000000042C80000000000000000000042C80000000000000000000003E802940014FFFF";
const char* const kTimerKurz =
    "0D0F00000000002000000000000000000000000100000000010000000001000000000100000000010000000001000000000100000000010000000001000000000100000000010000000001000000000100000000010000000000000000000000000000000000000000000000000000000000000000000000";
const char* const kTimerLang =
    "0D0F00000000002000000000000000000000000100000000010000000000000001000000000100000000000000010000000001000000000000000100000000010000000000000001000000000100000000000000010000000001000000000000000100000000010000000000000000000000000000000000";

// Controller default blocks, 22 bytes each.
const char* const kRPh = "00C803E8003201F42492254DB332B6DA0014FFFFFFFF";
const char* const kRRedox = "000003E8003201F400000000FADCFFFA0014FFFFFFFF";
const char* const kRFluorid = "000003E8003201F400000000FADCFFFA0014FFFFFFFF";
const char* const kRNormsignal = "000007D0003201F400000000FAD2FFF00014FFFFFFFF";
const char* const kRTemperatur = "000003E8003201F400000000FADCFFFA0014FFFFFFFF";
const char* const kRLfKonduktiv = "000007D0003201F400000000FAD2FFF00014FFFFFFFF";
const char* const kRLfInduktiv = "000007D0003201F400000000FAD2FFF00014FFFFFFFF";
const char* const kRChlor = "000007D0003201F400000000FAD2FFF00014FFFFFFFF";
const char* const kRChlorN7400 = "00001388003201F400000000FAE1FFFF0014FFFFFFFF";
const char* const kRAbsalzInduktivTimer = "00001388003201F400000000FAE1FFFF0014FFFFFFFF";
const char* const kRAbsalzKonduktiv = "00001388003201F400000000FAE1FFFF0014FFFFFFFF";

const quint8 kRevisionen[] = {0x10, 0x11, 0x12, 0x13, 0x1B, 0x20, 0x21, 0x22, 0x23, 0x30, 0x31,
                              0x32, 0x33, 0x40, 0x41, 0x42, 0x43, 0x51, 0x52, 0x53};

bool zwischen(quint8 b, int von, int bis) { return b >= von && b <= bis; }

// nullopt: the block is not loaded; nullptr: all zero.
std::optional<const char*> erwarteterModulblock(int typ, quint8 b0)
{
    switch (typ) {
    case 1: return kPh;
    case 2: case 15: return kRedox;
    case 14: return kFluorid;
    case 3: return kTemperatur;
    case 4: return kNormsignal;
    case 5: return kLfKonduktiv;
    case 6: return kLfInduktiv;
    case 16: return kAbsalzInduktiv;
    case 17: return kAbsalzKonduktiv;
    case 13: return b0 < 0x23 ? kTimerKurz : kTimerLang;
    case 7:
        if (b0 == 0x10 || b0 == 0x20) return kChlor10;
        if (zwischen(b0, 0x11, 0x13) || b0 == 0x1B || zwischen(b0, 0x21, 0x23)) return kChlor11;
        if (b0 == 0x30) return kChlor30;
        if (zwischen(b0, 0x31, 0x33)) return kChlor31;
        if (b0 == 0x40) return kChlor40;
        if (zwischen(b0, 0x41, 0x43)) return kChlor41;
        if (zwischen(b0, 0x51, 0x53)) return kChlor51;
        return std::nullopt;
    default: return nullptr;
    }
}

std::optional<const char*> erwarteterReglerblock(int typ, quint8 b0)
{
    switch (typ) {
    case 1: return kRPh;
    case 2: case 15: return kRRedox;
    case 14: return kRFluorid;
    case 3: return kRTemperatur;
    case 4: return kRNormsignal;
    case 5: return kRLfKonduktiv;
    case 6: return kRLfInduktiv;
    case 13: case 16: return kRAbsalzInduktivTimer;
    case 17: return kRAbsalzKonduktiv;
    case 7:
        if (zwischen(b0, 0x51, 0x53)) return kRChlorN7400;
        if (zwischen(b0, 0x10, 0x13) || b0 == 0x1B || zwischen(b0, 0x20, 0x23) || zwischen(b0, 0x30, 0x33)
            || zwischen(b0, 0x41, 0x43))
            return kRChlor;
        return std::nullopt;  // 0x40 among them
    default: return nullptr;
    }
}

QByteArray bytesVon(std::span<const quint8> s)
{
    return QByteArray(reinterpret_cast<const char*>(s.data()), qsizetype(s.size()));
}

// What a block must hold after the defaults, given what it held before.
QByteArray erwartet(std::optional<const char*> hex, const QByteArray& vorher)
{
    if (!hex)
        return vorher;
    if (*hex == nullptr)
        return QByteArray(vorher.size(), '\0');
    return QByteArray::fromHex(*hex);
}

// A parameter set whose every byte is 0xA5, so that "left as it was" is told apart from zeros.
Parametersatz vorbelegt(quint8 b0)
{
    Parametersatz ps;
    ps.fill(0, 558, 0xA5);
    ps.setGeraetekennung(b0);
    return ps;
}

} // namespace

TEST(ModelStandardwerte, EveryRevisionAndModuleTypeGetsTheBytesOfTheTables)
{
    for (quint8 b0 : kRevisionen) {
        for (int typ = 0; typ <= 17; ++typ) {
            for (int welche : {0, 2}) {
                SCOPED_TRACE(testing::Message() << "byte 0 " << std::hex << int(b0) << std::dec << ", type "
                                                << typ << ", defaults(" << welche << ")");
                Parametersatz ps = vorbelegt(b0);
                for (int slot = 0; slot < 3; ++slot)
                    ps.setModultyp(slot, quint8(typ));
                const Parametersatz vorher = ps;
                ASSERT_TRUE(ladeStandardwerte(ps, welche));

                for (int slot = 0; slot < 3; ++slot) {
                    const bool erfasst = welche == 0 || slot == welche - 1;
                    const auto modulErwartet = erfasst ? erwartet(erwarteterModulblock(typ, b0), bytesVon(vorher.modulblock(slot)))
                                                       : bytesVon(vorher.modulblock(slot));
                    const auto reglerErwartet = erfasst ? erwartet(erwarteterReglerblock(typ, b0), bytesVon(vorher.reglerblock(slot)))
                                                        : bytesVon(vorher.reglerblock(slot));
                    EXPECT_EQ(bytesVon(ps.modulblock(slot)).toHex().toUpper(), modulErwartet.toHex().toUpper()) << "slot " << slot;
                    EXPECT_EQ(bytesVon(ps.reglerblock(slot)).toHex().toUpper(), reglerErwartet.toHex().toUpper()) << "slot " << slot;
                    const QByteArray adaptiv = !erfasst ? bytesVon(vorher.adaptivblock(slot))
                                               : typ ? QByteArray::fromHex("240A000000") : QByteArray(5, '\0');
                    const QByteArray zusatz = !erfasst ? bytesVon(vorher.modulzusatz(slot))
                                              : typ ? QByteArray::fromHex("003D803D") : QByteArray(4, '\0');
                    EXPECT_EQ(bytesVon(ps.adaptivblock(slot)), adaptiv) << "slot " << slot;
                    EXPECT_EQ(bytesVon(ps.modulzusatz(slot)), zusatz) << "slot " << slot;
                }
                // The descriptors and the configuration bytes are never touched by the defaults.
                EXPECT_TRUE(std::equal(ps.konfigurationsteil().begin(), ps.konfigurationsteil().end(),
                                       vorher.konfigurationsteil().begin()));
                EXPECT_EQ(ps.byte(501), 0xA5);
            }
        }
    }
}

TEST(ModelStandardwerte, SystemValuesAreSetOnlyByTheDefaultsOfAllModules)
{
    for (quint8 b0 : kRevisionen) {
        SCOPED_TRACE(testing::Message() << "byte 0 " << std::hex << int(b0));
        Parametersatz ps = vorbelegt(b0);
        ASSERT_TRUE(ladeStandardwerte(ps, 1));
        EXPECT_EQ(ps.byte(472), 0xA5);
        EXPECT_EQ(ps.byte(557), 0xA5);

        ASSERT_TRUE(ladeStandardwerte(ps, 0));
        EXPECT_EQ(ps.toByteArray().mid(472, 14), QByteArray::fromHex("00000000393135370000000015 00"));
        EXPECT_EQ(ps.toByteArray().mid(514, 12), QByteArray::fromHex("001E0505FF00000000000000"));
        const bool peressig = (b0 >> 4) == 4 || (b0 >> 4) == 5;
        EXPECT_EQ(ps.toByteArray().mid(526, 16), QByteArray(16, peressig ? '\x00' : '\xFF'));
        EXPECT_EQ(ps.toByteArray().mid(542, 16), QByteArray(16, '\xFF'));
        // A new parameter set has the access code "9157", switched off.
        EXPECT_EQ(ps.zugangscode(), (std::array<char, 4>{'9', '1', '5', '7'}));
        EXPECT_EQ(ps.zugangscodeAktiv(), 0);
        EXPECT_EQ(ps.messdatenintervall(), 255);
        EXPECT_EQ(ps.byte(501), 0xA5);
    }
}

TEST(ModelStandardwerte, OneEmptySlotIsZeroedAndTheOthersAreLeftAlone)
{
    Parametersatz ps = neuerParametersatz(0x13, {{{1, 3}, {0, 0}, {0, 0}}});
    ps.setModultyp(2, 2);  // a stray type after the gap must not be reached by defaults(2)
    ps.fill(166, 120, 0x11);
    ps.fill(428, 22, 0x22);
    ps.fill(491, 5, 0x33);
    ps.fill(506, 4, 0x44);
    const Parametersatz vorher = ps;
    ASSERT_TRUE(ladeStandardwerte(ps, 2));
    EXPECT_EQ(bytesVon(ps.modulblock(1)), QByteArray(120, '\0'));
    EXPECT_EQ(bytesVon(ps.reglerblock(1)), QByteArray(22, '\0'));
    EXPECT_EQ(bytesVon(ps.adaptivblock(1)), QByteArray(5, '\0'));
    EXPECT_EQ(bytesVon(ps.modulzusatz(1)), QByteArray(4, '\0'));
    for (int slot : {0, 2}) {
        EXPECT_EQ(bytesVon(ps.modulblock(slot)), bytesVon(vorher.modulblock(slot)));
        EXPECT_EQ(bytesVon(ps.reglerblock(slot)), bytesVon(vorher.reglerblock(slot)));
    }
    EXPECT_FALSE(ladeStandardwerte(ps, 4));
    EXPECT_FALSE(ladeStandardwerte(ps, -1));
}

TEST(ModelStandardwerte, ChlorineOfRevisionN21KeepsItsControllerBlockAndOfAnUnknownRevisionGetsNothing)
{
    // N 21: module block loaded, controller block left as it was.
    Parametersatz ps;
    ps.fill(0, 558, 0x5A);  // what a previously opened file left
    richteNeuEin(ps, 0x40, {{{7, 3}, {0, 0}, {0, 0}}});
    EXPECT_EQ(ps.toByteArray().mid(14, 32), QByteArray(32, '\0'));  // zero in every new parameter set
    EXPECT_EQ(ps.byte(1), 0x5A);                                    // reserved: carried
    EXPECT_EQ(bytesVon(ps.modulblock(0)).toHex().toUpper(), QByteArray(kChlor40));
    EXPECT_EQ(bytesVon(ps.reglerblock(0)), QByteArray(22, '\x5A'));
    // Right after program start the image is all zero, and so stays the controller block.
    EXPECT_EQ(bytesVon(neuerParametersatz(0x40, {{{7, 3}, {0, 0}, {0, 0}}}).reglerblock(0)), QByteArray(22, '\0'));

    // A revision no table knows (0x14): neither block is loaded.
    Parametersatz fremd;
    fremd.fill(46, 120, 0x77);
    fremd.fill(406, 22, 0x66);
    richteNeuEin(fremd, 0x14, {{{1, 3}, {7, 3}, {0, 0}}});
    EXPECT_EQ(bytesVon(fremd.modulblock(0)).toHex().toUpper(), QByteArray(kPh));
    EXPECT_EQ(bytesVon(fremd.modulblock(1)), QByteArray(120, '\0'));  // slot 2 blocks were zero before
    fremd.fill(166, 120, 0x77);
    ladeStandardwerte(fremd, 2);
    EXPECT_EQ(bytesVon(fremd.modulblock(1)), QByteArray(120, '\x77'));
    // The adaptive and extra blocks of the present module are set all the same.
    EXPECT_EQ(bytesVon(fremd.adaptivblock(1)), QByteArray::fromHex("240A000000"));
}

TEST(ModelStandardwerte, NewParameterSetTakesTypesAndFlagCopiesIntoTheDescriptors)
{
    const Parametersatz ps = neuerParametersatz(0x23, {{{16, 8}, {13, 15}, {1, 3}}});
    EXPECT_EQ(ps.geraetekennung(), 0x23);
    const quint8 typen[] = {16, 13, 1};
    const quint8 regler[] = {8, 15, 3};
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(ps.modultyp(slot), typen[slot]);
        EXPECT_EQ(ps.reglertyp(slot), regler[slot]);
        EXPECT_EQ(ps.modulflags(slot), ps.modulByte(slot, 2));
        EXPECT_EQ(ps.reglerflags(slot), ps.modulByte(slot, 7));
    }
    EXPECT_EQ(ps.modulflags(0), 0xF7);
    EXPECT_EQ(ps.reglerflags(2), 0x91);
    EXPECT_EQ(ps.byte(1), 0);
    EXPECT_EQ(ps.toByteArray().mid(14, 32), QByteArray(32, '\0'));
    EXPECT_EQ(bytesVon(ps.modulblock(1)).toHex().toUpper(), QByteArray(kTimerLang));
}

TEST(ModelStandardwerte, StandardCommandRefreshesDescriptorsButKeepsTheModuleKind)
{
    Parametersatz ps = neuerParametersatz(0x13, {{{15, 3}, {1, 3}, {7, 3}}});
    // The user has chosen a PID controller and changed flags in both copies.
    for (int slot = 0; slot < 3; ++slot) {
        ps.setReglertyp(slot, 4);
        ps.setReglerflags(slot, 0x40);
        ps.setModulByte(slot, 1, 4);
        ps.setModulByte(slot, 7, 0x40);
    }
    ASSERT_TRUE(setzeStandardeinstellung(ps, 0));
    // "Redox (+/-)" shares the redox block (byte 0 = 2) but stays type 15: the type is part of
    // the fixed configuration compared with the instrument's.
    EXPECT_EQ(ps.modultyp(0), 15);
    EXPECT_EQ(ps.modulByte(0, 0), 2);
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(ps.reglertyp(slot), 3) << slot;
        EXPECT_EQ(ps.modulflags(slot), ps.modulByte(slot, 2)) << slot;
        EXPECT_EQ(ps.reglerflags(slot), ps.modulByte(slot, 7)) << slot;
    }
    EXPECT_EQ(ps.modultyp(1), 1);

    // A chlorine module of a revision without defaults: its descriptor must survive, not be
    // overwritten by a block that was never loaded.
    Parametersatz fremd = neuerParametersatz(0x14, {{{7, 3}, {0, 0}, {0, 0}}});
    fremd.setReglertyp(0, 4);
    ASSERT_TRUE(setzeStandardeinstellung(fremd, 1));
    EXPECT_EQ(fremd.modultyp(0), 7);
    EXPECT_EQ(fremd.reglertyp(0), 4);
}

TEST(ModelStandardwerte, ModuleChangeResetsOnlyTheChangedSlot)
{
    Parametersatz ps = neuerParametersatz(0x13, {{{1, 3}, {1, 3}, {7, 3}}});
    ps.setMehrfachPH(2);
    ps.setTemperaturkompensation(2);
    for (int slot = 0; slot < 3; ++slot) {
        ps.setModulWord(slot, 64, quint16(700 + slot));
        ps.setReglerblockFlags(slot, 0x03);  // L- and L+ on, additional enable module 2 and 3
        ps.setModulByte(slot, 26, 1);
    }
    const Parametersatz vorher = ps;
    ASSERT_TRUE(aendereModulbestueckung(ps, {{{1, 3}, {2, 3}, {7, 3}}}));
    EXPECT_EQ(ps.modultyp(1), 2);
    EXPECT_EQ(ps.modulWord(1, 64), QByteArray::fromHex(kRedox).mid(64, 2).toHex().toUShort(nullptr, 16));
    EXPECT_EQ(ps.modulflags(1), ps.modulByte(1, 2));
    EXPECT_EQ(ps.modulWord(0, 64), 700);  // unchanged slots keep their values
    EXPECT_EQ(ps.modulWord(2, 64), 702);
    EXPECT_EQ(ps.mehrfachPH(), 1);
    EXPECT_EQ(ps.temperaturkompensation(), 4);
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(ps.reglerblockFlags(slot) & 0xDB, 0xDB) << slot;  // enable and switch-off "aus", limits kept
        EXPECT_EQ(ps.modulByte(slot, 26), 0) << slot;
    }

    // The same choice again changes nothing at all.
    const Parametersatz danach = ps;
    EXPECT_FALSE(aendereModulbestueckung(ps, {{{1, 3}, {2, 3}, {7, 3}}}));
    EXPECT_EQ(ps, danach);
    EXPECT_NE(vorher, danach);
}
