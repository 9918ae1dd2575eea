#include "model/Standardbloecke.h"

#include "model/Codes.h"
#include "model/HexBlock.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace hvx {

namespace {

struct ModulvorlageZeile {
    Modulvorlage vorlage;
    ModulblockBytes bytes;
};

struct ReglervorlageZeile {
    Reglervorlage vorlage;
    ReglerblockBytes bytes;
};

// One row per default block, bytes 0-39, 40-79 and 80-119.
constexpr ModulvorlageZeile kModulvorlagen[] = {
    {Modulvorlage::PH, // pH (1)
     hexBlock<120>("0103E2FF16F80491FFFF010007D0019002BC010064FFFFF0141600FFFFFF00000000FFFFFFFF2710"
                   "FFFFFFFFFFFFFFFFFFFFFFFF1B62FFFFFFFFFFFFFFFFFFFF02BC001481467EB60064646DB66B8300"
                   "0003E8000000000042C80000000000000000000042C80000000000000000000003E803020014FFFF")},
    {Modulvorlage::Redox, // Redox, Redox (+/-) (2, 15)
     hexBlock<120>("0203F7FF27CE049100DCFFFF07D0FFFFFFFFFF00FFFFFFF014FF00FFFFFF00000000FFFFFFFF2710"
                   "FFFFFFFFFFFFFFFFFF0000FF03E8FFFFFFFFFFFFFFFFFFFF0064001419DA1956001464147A143800"
                   "0003E8000000000042C80000000000000000000042C80000000000000000000003E8006E0014FFFF")},
    {Modulvorlage::Fluorid, // Fluorid (14)
     hexBlock<120>("0E03E2FF27CE049100DCFFFF07D0FFFFFFFFFF00FFFFFFF0141600FFFFFF00000000FFFFFFFF2710"
                   "FFFFFFFFFFFFFFFFFF0000FF03E8FFFFFFFFFFFFFFFFFFFF0064001419DA1956001464147A143800"
                   "0003E8000000000042C80000000000000000000042C80000000000000000000003E8006E0014FFFF")},
    {Modulvorlage::Normsignal, // Normsignal (4)
     hexBlock<120>("04033DBDFFFF049DFFFFFFFF07D0FFFFFFFF01FFFFFFFFFFFFFF00FFFF0100000000FFFFFFFF2710"
                   "FFFFFFFFFFFFFF02FF0000FF07D0FFFFFFFFFFFFFFFFFFFF03E80014813F7EB00064FF732C70DD00"
                   "00FFFFFFFFFFFF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF0014FFFF")},
    {Modulvorlage::Temperatur, // Temperatur (3)
     hexBlock<120>("0303F7FFFFFF0491FFFFFFFF07D0FFFFFFFFFFFFFFFFFFF0FFFF00FFFFFF00000000FFFFFFFF2710"
                   "FFFFFFFFFFFFFFFFFF0000FF07D0FFFFFFFFFFFFFFFFFFFF01F4001481447EB40064646664645700"
                   "0003E8000000000042C80000000000000000000042C80000000000000000000003E802260014FFFF")},
    {Modulvorlage::LfKonduktiv, // LF konduktiv (5)
     hexBlock<120>("0503F7FF00000491FFFFFF0007D0FFFFFFFFFFFFFFFFFFFF14FF00FFFFFF00000000FFFFFFFF2710"
                   "0064FF0000060F02FF0000FF07D0FFFFFFFFFFFFFFFFFFFF025800144D8C4C020064643FFC3EB400"
                   "0003E8000000000042C80000000000000000000042C80000000000000000000003E802940014FFFF")},
    {Modulvorlage::LfInduktiv, // LF induktiv (6)
     hexBlock<120>("0603F7FF00000491FFFFFF0007D0FFFFFFFFFFFFFFFFFFFF14FF00FFFFFF00000000FFFFFFFF2710"
                   "0064FF0000060F02FF0000FF07D0FFFFFFFFFFFFFFFFFFFF025800144D8C4C020064643FFC3EB400"
                   "0003E8000000000042C80000000000000000000042C80000000000000000000003E802940014FFFF")},
    {Modulvorlage::Chlor10und20, // chlorine, 0x10 and 0x20
     hexBlock<120>("070302FF27100480FFFFFFFF07D0FFFFFFFFFFFFFFFFFFFFFFFF0000000100000000FFFFFFFF2710"
                   "FFFFFFFFFFFFFFFF000000FF07D0FFFFFFFFFFFFFFFFFFFF012C001426C626000064641998191400"
                   "0003E8000000000042C80000000000000000000042C80000000000000000000003E801780014012C")},
    {Modulvorlage::Chlor11bis13und21bis23, // chlorine, 0x11..0x13 and 0x21..0x23
     hexBlock<120>("070302FF27100480FFFFFFFF07D0FFFFFFFFFFFFFFFFFFFFFFFF0000000100000000FFFFFFFF2710"
                   "FFFFFFFFFFFFFFFF000000FF07D0FFFFFFFFFFFFFFFFFFFF012C001426C626000064641998191400"
                   "0003E8000000000042C80000000000000000000042C80000000000000000000003E801780014012C")},
    {Modulvorlage::Chlor30, // chlorine, 0x30
     hexBlock<120>("070302FF27100480FFFFFFFF07D0FFFFFFFFFFFFFFFFFFFFFFFF0000000100000000FFFFFFFF2710"
                   "FFFFFFFFFFFFFFFF000000FF07D0FFFFFFFFFFFFFFFFFFFF012C001426C626000064641998191400"
                   "0003E8000000000042C80000000000000000000042C80000000000000000000003E801780014012C")},
    {Modulvorlage::Chlor31bis33, // chlorine, 0x31..0x33
     hexBlock<120>("070302FF27100480FFFFFFFF07D0FFFFFFFFFFFFFFFFFFFFFFFF0000000200000000FFFFFFFF2710"
                   "FFFFFFFFFFFFFFFF000000FF07D0FFFFFFFFFFFFFFFFFFFF012C001426C626000064641998191400"
                   "0003E8000000000042C80000000000000000000042C80000000000000000000003E801780014012C")},
    {Modulvorlage::Chlor40, // chlorine, 0x40
     hexBlock<120>("070302FF27100480FFFFFFFF07D0FFFFFFFFFFFFFFFFFFFFFFFF0000000100000000FF0000322710"
                   "FFFFFFFFFFFFFFFF000000FF07D0FFFFFFFFFFFFFFFFFFFF012C001426C626000064641998191400"
                   "0003E8000000000042C80000000000000000000042C80000000000000000000003E801780014012C")},
    {Modulvorlage::Chlor41bis43, // chlorine, 0x41..0x43
     hexBlock<120>("070302FF27100480FFFFFFFF07D0FFFFFFFFFFFFFFFFFFFFFFFF0000000200000000FF0000322710"
                   "FFFFFFFFFFFFFFFF000000FF07D0FFFFFFFFFFFFFFFFFFFF012C001426C626000064641998191400"
                   "0003E8000000000042C80000000000000000000042C80000000000000000000003E801780014012C")},
    {Modulvorlage::Chlor51bis53, // chlorine, 0x51..0x53
     hexBlock<120>("070302FF0FA00480FFFFFFFF07D0FFFFFFFFFFFFFFFFFFFFFFFF0000000200000000FF0000322710"
                   "FFFFFFFFFFFFFFFF000000FF1388FFFFFFFFFFFFFFFFFFFF02EE001426C626000064642147209D00"
                   "0003E8000000000042C80000000000000000000042C80000000000000000000003E803AD001402EE")},
    {Modulvorlage::AbsalzInduktiv, // Absalz induktiv (16)
     hexBlock<120>("1008F7FF00CE04B3FFFFFF0007D0FFFFFFFFFFFFFFFFFFFF14FF00FFFFFFFFFFFFFFFFFFFFFF2710"
                   "0064FF0000060F01FF0000FF1388FFFFFFFFFFFFFFFFFFFF0640057851EB47AE03E8644CCC4B4300"
                   "0003E8000000000142C80000000000000000000042C80000000000000000000003E802940014FFFF")},
    {Modulvorlage::AbsalzKonduktiv, // Absalz konduktiv (17)
     hexBlock<120>("1108F7FF00CE04B3FFFFFF0007D0FFFFFFFFFFFFFFFFFFFF14FF00FFFFFF00000000FFFFFFFF2710"
                   "0064FF0000060F02FF0000FF1388FFFFFFFFFFFFFFFFFFFF0640057851EB47AE0064643FFC3EB400"
                   "0003E8000000000042C80000000000000000000042C80000000000000000000003E802940014FFFF")},
    {Modulvorlage::TimerKurz, // timer, byte 0 below 0x23
     hexBlock<120>("0D0F0000000000200000000000000000000000010000000001000000000100000000010000000001"
                   "00000000010000000001000000000100000000010000000001000000000100000000010000000001"
                   "00000000010000000000000000000000000000000000000000000000000000000000000000000000")},
    {Modulvorlage::TimerLang, // timer, byte 0 from 0x23
     hexBlock<120>("0D0F0000000000200000000000000000000000010000000001000000000000000100000000010000"
                   "00000000000100000000010000000000000001000000000100000000000000010000000001000000"
                   "00000000010000000001000000000000000100000000010000000000000000000000000000000000")},
};

constexpr ReglervorlageZeile kReglervorlagen[] = {
    {Reglervorlage::PH, hexBlock<22>("00C803E8003201F42492254DB332B6DA0014FFFFFFFF")}, // pH
    {Reglervorlage::RedoxArten, hexBlock<22>("000003E8003201F400000000FADCFFFA0014FFFFFFFF")}, // redox kinds
    {Reglervorlage::Fluorid, hexBlock<22>("000003E8003201F400000000FADCFFFA0014FFFFFFFF")}, // Fluorid
    {Reglervorlage::Normsignal, hexBlock<22>("000007D0003201F400000000FAD2FFF00014FFFFFFFF")}, // Normsignal
    {Reglervorlage::Temperatur, hexBlock<22>("000003E8003201F400000000FADCFFFA0014FFFFFFFF")}, // Temperatur
    {Reglervorlage::LfKonduktiv, hexBlock<22>("000007D0003201F400000000FAD2FFF00014FFFFFFFF")}, // LF konduktiv
    {Reglervorlage::LfInduktiv, hexBlock<22>("000007D0003201F400000000FAD2FFF00014FFFFFFFF")}, // LF induktiv
    {Reglervorlage::Chlor, hexBlock<22>("000007D0003201F400000000FAD2FFF00014FFFFFFFF")}, // chlorine (all but N7400)
    {Reglervorlage::ChlorN7400, hexBlock<22>("00001388003201F400000000FAE1FFFF0014FFFFFFFF")}, // chlorine N7400
    {Reglervorlage::AbsalzInduktivUndTimer, hexBlock<22>("00001388003201F400000000FAE1FFFF0014FFFFFFFF")}, // Absalz induktiv, timer
    {Reglervorlage::AbsalzKonduktiv, hexBlock<22>("00001388003201F400000000FAE1FFFF0014FFFFFFFF")}, // Absalz konduktiv
};

// Choice of the blocks by module type and a range of byte 0; the first matching row wins.
// A type without a row gets zeros.
struct Auswahlzeile {
    quint8 modultyp;
    quint8 kennungVon;
    quint8 kennungBis;
    Blockwahl<Modulvorlage> modul;
    Blockwahl<Reglervorlage> regler;
};

constexpr Blockwahl<Modulvorlage> modul(Modulvorlage v) { return {Ladeart::Vorlage, v}; }
constexpr Blockwahl<Reglervorlage> regler(Reglervorlage v) { return {Ladeart::Vorlage, v}; }
constexpr Blockwahl<Modulvorlage> kModulNichtGeladen{Ladeart::NichtGeladen, {}};
constexpr Blockwahl<Reglervorlage> kReglerNichtGeladen{Ladeart::NichtGeladen, {}};

using namespace modultyp;
constexpr Auswahlzeile kAuswahl[] = {
    {kPH, 0x00, 0xFF, modul(Modulvorlage::PH), regler(Reglervorlage::PH)},
    {kRedox, 0x00, 0xFF, modul(Modulvorlage::Redox), regler(Reglervorlage::RedoxArten)},
    {kRedoxPlusMinus, 0x00, 0xFF, modul(Modulvorlage::Redox), regler(Reglervorlage::RedoxArten)},
    {kFluorid, 0x00, 0xFF, modul(Modulvorlage::Fluorid), regler(Reglervorlage::Fluorid)},
    {kTemperatur, 0x00, 0xFF, modul(Modulvorlage::Temperatur), regler(Reglervorlage::Temperatur)},
    {kNormsignal, 0x00, 0xFF, modul(Modulvorlage::Normsignal), regler(Reglervorlage::Normsignal)},
    {kLfKonduktiv, 0x00, 0xFF, modul(Modulvorlage::LfKonduktiv), regler(Reglervorlage::LfKonduktiv)},
    {kLfInduktiv, 0x00, 0xFF, modul(Modulvorlage::LfInduktiv), regler(Reglervorlage::LfInduktiv)},
    {kChlor, 0x10, 0x10, modul(Modulvorlage::Chlor10und20), regler(Reglervorlage::Chlor)},
    {kChlor, 0x20, 0x20, modul(Modulvorlage::Chlor10und20), regler(Reglervorlage::Chlor)},
    {kChlor, 0x11, 0x13, modul(Modulvorlage::Chlor11bis13und21bis23), regler(Reglervorlage::Chlor)},
    // K 54 (E, I, S) is K 54 with other dialog languages: its chlorine module gets K 54's blocks,
    // not zeros that its own pages would refuse (a dosing time of 0 s) in a new configuration.
    {kChlor, 0x1B, 0x1B, modul(Modulvorlage::Chlor11bis13und21bis23), regler(Reglervorlage::Chlor)},
    {kChlor, 0x21, 0x23, modul(Modulvorlage::Chlor11bis13und21bis23), regler(Reglervorlage::Chlor)},
    {kChlor, 0x30, 0x30, modul(Modulvorlage::Chlor30), regler(Reglervorlage::Chlor)},
    {kChlor, 0x31, 0x33, modul(Modulvorlage::Chlor31bis33), regler(Reglervorlage::Chlor)},
    {kChlor, 0x40, 0x40, modul(Modulvorlage::Chlor40), kReglerNichtGeladen},
    {kChlor, 0x41, 0x43, modul(Modulvorlage::Chlor41bis43), regler(Reglervorlage::Chlor)},
    {kChlor, 0x51, 0x53, modul(Modulvorlage::Chlor51bis53), regler(Reglervorlage::ChlorN7400)},
    {kChlor, 0x00, 0xFF, kModulNichtGeladen, kReglerNichtGeladen}, // an unknown revision: no defaults known
    {kFreigabeOderTimer, 0x00, 0x22, modul(Modulvorlage::TimerKurz), regler(Reglervorlage::AbsalzInduktivUndTimer)},
    {kFreigabeOderTimer, 0x23, 0xFF, modul(Modulvorlage::TimerLang), regler(Reglervorlage::AbsalzInduktivUndTimer)},
    {kAbsalzInduktiv, 0x00, 0xFF, modul(Modulvorlage::AbsalzInduktiv), regler(Reglervorlage::AbsalzInduktivUndTimer)},
    {kAbsalzKonduktiv, 0x00, 0xFF, modul(Modulvorlage::AbsalzKonduktiv), regler(Reglervorlage::AbsalzKonduktiv)},
};

template <typename Zeilen, typename Vorlage>
const auto& findeVorlage(const Zeilen& zeilen, Vorlage vorlage)
{
    const auto it = std::find_if(std::begin(zeilen), std::end(zeilen),
                                 [vorlage](const auto& zeile) { return zeile.vorlage == vorlage; });
    if (it == std::end(zeilen))
        throw std::out_of_range("default block not in the table");
    return it->bytes;
}

} // namespace

const ModulblockBytes& modulStandardblock(Modulvorlage vorlage)
{
    return findeVorlage(kModulvorlagen, vorlage);
}

const ReglerblockBytes& reglerStandardblock(Reglervorlage vorlage)
{
    return findeVorlage(kReglervorlagen, vorlage);
}

Standardblockwahl waehleStandardbloecke(quint8 modultyp, quint8 geraetekennung)
{
    for (const Auswahlzeile& zeile : kAuswahl) {
        if (zeile.modultyp == modultyp && geraetekennung >= zeile.kennungVon && geraetekennung <= zeile.kennungBis)
            return {zeile.modul, zeile.regler};
    }
    return {};
}

} // namespace hvx
