#pragma once
// Values derived from the module configuration of a parameter set (never stored).

#include "model/Parametersatz.h"

namespace hvx {

// 0 when slot 1 is empty, else 1 + slot 2 present + slot 3 present (slot 3 counts only when
// slot 2 is present: slots are filled from the first upward).
int modulanzahl(const Parametersatz& ps);

// Slots 1 and 2 both hold pH, in any variant but L.
bool mehrfachPHMoeglich(const Parametersatz& ps);
// In addition slot 3 holds pH.
bool dreifachPHMoeglich(const Parametersatz& ps);

// The timer module of variant L (type 13), whose block holds the timer entries.
bool istTimerSlot(const Parametersatz& ps, int slot);

// A pH module whose values are copies of module 1's under a multiple pH measurement: slot 2
// where multiple pH is possible and `MehrfachPH` is 2 or more, slot 3 where triple pH is
// possible and `MehrfachPH` is 3. It has no pages of its own; saving makes it module 1's copy.
bool istMehrfachPHKopie(const Parametersatz& ps, int slot);

// A fitted module with module configuration, measuring and controller pages of its own: not
// behind an empty slot, no enable input or timer, no copy of a multiple pH measurement.
bool hatEigeneSeiten(const Parametersatz& ps, int slot);

} // namespace hvx
