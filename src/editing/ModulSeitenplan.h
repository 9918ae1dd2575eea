#pragma once
// What a module container shows for its slot, and which page serves which sub page.

#include "model/Parametersatz.h"

#include <QString>

namespace hvx {

enum class Modulinhalt {
    KeineParameter, // "Keine Parameter einstellbar!": enable input, or a pH module that a multiple
                    // pH measurement covers
    Timer,          // the timer page of variant L
    Seiten,         // module configuration, measuring and controller pages
};

enum class Messseite { Keine, PH, Redox, Temperatur, Norm, LF, Chlor };

Modulinhalt modulinhalt(const Parametersatz& ps, int slot);
Messseite messseiteFuer(quint8 modultyp);

// Caption of the controller tab (language text; empty for kinds without one).
QString reglerTabText(const Parametersatz& ps, int slot);

} // namespace hvx
