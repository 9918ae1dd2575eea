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

} // namespace hvx
