#pragma once
// The controller kind of a slot: one code that combines `Reglertyp` with the PID/FUZZY and
// adaptive bits of `Reglerflags`. Pages, export, printing and the display all name the
// controller from this code.

#include "model/Parametersatz.h"

#include <QString>
#include <QtGlobal>

#include <vector>

namespace hvx {

namespace reglerart {
inline constexpr int kSignalgeraet = 0x03;
inline constexpr int kAbsalzgeraet = 0x08;
inline constexpr int kTimer = 0x0F;
inline constexpr int kPid2 = 0x14;
inline constexpr int kPid3 = 0x15;
inline constexpr int kFuzzy2 = 0x24;
inline constexpr int kFuzzy3 = 0x25;
inline constexpr int kAdaptivAsymptotisch2 = 0x34;
inline constexpr int kAdaptivAsymptotisch3 = 0x35;
inline constexpr int kAdaptivSchnell2 = 0x44;
inline constexpr int kAdaptivSchnell3 = 0x45;
} // namespace reglerart

// Kind code: for types 4 and 5 the PID bit decides first; below version 3 the kind is plain
// FUZZY; from version 3 the adaptive bit gives the fast or asymptotic kind by bit 0. Any other
// type is its own code.
int reglerartCode(quint8 reglertyp, quint8 reglerflags, int version);
int reglerartCode(const Parametersatz& ps, int slot);

// Stores a kind code in both copies (descriptor bytes 1 and 3, module block bytes 1 and 7),
// keeping the flag bits that do not belong to the kind.
void setzeReglerart(Parametersatz& ps, int slot, int code);

// Texts of a kind code: numbers (kKeinText for codes without a controller kind) and texts.
int reglerartNameNummer(int code);         // "PID-2-Punkt"
int reglerartUeberschriftNummer(int code); // caption of the controller page
int reglerartKurznameNummer(int code);     // instrument display: "2-Pkt-PID"
QString reglerartName(int code);
QString reglerartUeberschrift(int code);
QString reglerartKurzname(int code);

// The kinds offered for a module type: only the blow-down device for the blow-down modules;
// otherwise the signal device, PID and FUZZY kinds and, from version 3, the adaptive kinds.
std::vector<int> reglerartAuswahl(quint8 modultyp, int version);

} // namespace hvx
