#pragma once
// The module choices of a new configuration: which module types a variant offers, in the order
// the choice lists show them, the controller type a freshly chosen module starts with, and
// which combinations of the three slots the instrument accepts.

#include "model/Codes.h"

#include <QtGlobal>

#include <array>
#include <vector>

namespace hvx {

struct ModulWahl {
    quint8 modultyp = modultyp::kKein;
    quint8 reglertyp = reglertyp::kKein;
    bool operator==(const ModulWahl&) const = default;
};

using Modulbestueckung = std::array<ModulWahl, 3>;

// Initial `Reglertyp` of a module type in a variant (familie = high nibble of byte 0):
// none for no module and for "Freigabe", the timer for type 13 in variant L, the blow-down
// device for the blow-down modules, the signal device for all measuring modules.
quint8 anfangsReglertyp(quint8 modultyp, int familie);

// The choices of one slot's list for a variant, in list order, starting with "Kein".
std::vector<ModulWahl> modulAuswahl(int familie);

// False when the instrument cannot be built that way: slot 1 empty; in variant L a timer in
// slot 1 or timers in both slots 2 and 3; elsewhere "Freigabe" in slot 1, or in slot 2 while slot
// 3 holds a measuring module. Slots are filled from 1 upward: a module after an empty slot is
// refused as well.
bool istGueltigeBestueckung(int familie, const Modulbestueckung& module);

} // namespace hvx
