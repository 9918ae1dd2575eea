#pragma once
// Which content each printed page shows, and which module sections the export writes: the
// system page, then every fitted module that has a page, once, in slot order, with the timer's
// continuation page right after the timer's own page.

#include "model/Parametersatz.h"
#include "output/Ausgabe.h"

#include <vector>

namespace hvx {

struct Seiteninhalt {
    int slot = -1; // -1: the system page
    Timerauswahl timer;
    bool operator==(const Seiteninhalt&) const = default;
};

// The slots with a module section, in order. A "Freigabe" module outside variant L has none,
// and neither have the pH modules that a multiple pH measurement covers.
std::vector<int> seitenSlots(const Parametersatz& ps);

// Every printed page in order; its size is the page count.
std::vector<Seiteninhalt> seitenplan(const Parametersatz& ps);

// The lines of one printed page.
Ausgabe seitenAusgabe(const Ausgabequelle& quelle, const Seiteninhalt& seite);

} // namespace hvx
