#pragma once
// How many pages a parameter set has on screen, in the export and on paper: the system page
// plus one per module with parameters to show, and a continuation page when a timer has more
// than four entries in use.

#include "model/Parametersatz.h"

namespace hvx {

struct Seitenaufteilung {
    int seitenanzahl = 0;
    bool fortsetzung = false;   // the timer page continues on an extra page
    int teilungsEintrag = -1;   // index of the fifth entry in use: the continuation starts there
    int fortsetzungsSeite = -1; // page index of the continuation (timer slot + 2)
    bool operator==(const Seitenaufteilung&) const = default;
};

Seitenaufteilung seitenaufteilung(const Parametersatz& ps);

// Timer entries in use (weekday byte non-zero) of a timer slot, in the slot's entry layout.
int timerEintraegeInBenutzung(const Parametersatz& ps, int slot);

} // namespace hvx
