#pragma once
// Factory default blocks of the modules and controllers, and the choice of the blocks that a slot
// receives by its module type and the parameter set's byte 0.

#include "model/ParametersatzLayout.h"

#include <QtGlobal>

#include <array>
#include <span>

namespace hvx {

// The 120-byte module default blocks.
enum class Modulvorlage {
    PH,
    Redox, // also "Redox (+/-)"; its byte 0 is 2
    Fluorid,
    Normsignal,
    Temperatur,
    LfKonduktiv,
    LfInduktiv,
    Chlor10und20,
    Chlor11bis13und21bis23,
    Chlor30,
    Chlor31bis33,
    Chlor40,
    Chlor41bis43,
    Chlor51bis53,
    AbsalzInduktiv,
    AbsalzKonduktiv,
    TimerKurz, // timer with 10-byte entries (byte 0 below 0x23)
    TimerLang, // timer with 13-byte entries (byte 0 from 0x23)
};

// The 22-byte controller default blocks.
enum class Reglervorlage {
    PH,
    RedoxArten,
    Fluorid,
    Normsignal,
    Temperatur,
    LfKonduktiv,
    LfInduktiv,
    Chlor, // all but N7400
    ChlorN7400,
    AbsalzInduktivUndTimer,
    AbsalzKonduktiv,
};

using ModulblockBytes = std::array<quint8, layout::kModulblockGroesse>;
using ReglerblockBytes = std::array<quint8, layout::kReglerblockGroesse>;

const ModulblockBytes& modulStandardblock(Modulvorlage vorlage);
const ReglerblockBytes& reglerStandardblock(Reglervorlage vorlage);

// What a slot's block receives from the defaults.
enum class Ladeart {
    Vorlage,      // the default block of the table
    Nullen,       // all zero (empty slot, type without default blocks)
    NichtGeladen, // left as it was
};

template <typename Vorlage>
struct Blockwahl {
    Ladeart art = Ladeart::Nullen;
    Vorlage vorlage{}; // valid for Ladeart::Vorlage
};

struct Standardblockwahl {
    Blockwahl<Modulvorlage> modul;
    Blockwahl<Reglervorlage> regler;
};

Standardblockwahl waehleStandardbloecke(quint8 modultyp, quint8 geraetekennung);

// Further blocks of a present module (an empty slot gets zeros).
inline constexpr std::array<quint8, layout::kAdaptivblockGroesse> kAdaptivblockStandard{0x24, 0x0A, 0, 0, 0};
inline constexpr std::array<quint8, layout::kModulzusatzGroesse> kModulzusatzStandard{0x00, 0x3D, 0x80, 0x3D};

// System block at 472: access code "9157" switched off, controllers of modules 1..3 on, language 0.
inline constexpr std::array<quint8, layout::kSystemblockGroesse> kSystemblockStandard{
    0, 0, 0, 0, '9', '1', '5', '7', 0, 0, 0, 0, 0x15, 0};
inline constexpr std::array<char, layout::kZugangscodeGroesse> kZugangscodeStandard{'9', '1', '5', '7'};

// Alarm block at 514: delay 30 s, repetition 5 min, idle time 5 min, measured-data recording off.
inline constexpr std::array<quint8, layout::kAlarmblockGroesse> kAlarmblockStandard{
    0x00, 0x1E, 5, 5, 0xFF, 0, 0, 0, 0, 0, 0, 0};

} // namespace hvx
