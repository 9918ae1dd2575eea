#pragma once
// The values a controller page derives for the instrument: switching thresholds on the
// instrument scale and the PID/FUZZY coefficients. They are recomputed from the entered values
// after every accepted save, in the instrument's order, so they always match what was entered.

#include "model/Parametersatz.h"

#include <array>

namespace hvx {

// Three coefficients of one proportional band, as the instrument uses them, and the two flag
// bits the computation decides (bit 2: reset time in use, bit 3: derivative time in use).
struct Koeffizienten {
    std::array<float, 3> werte{};
    bool mitNachstellzeit = false;
    bool mitVorhaltezeit = false;
};

// band: the stored band (whole % x 10); tv, tn: derivative and reset time in seconds.
Koeffizienten berechneKoeffizienten(quint16 band, quint16 tv, quint16 tn);

// The stored bit pattern of a coefficient: negative zero becomes +0 and the quiet NaN
// FFC00000 becomes negative infinity, as the instrument expects.
quint32 koeffizientMuster(float wert);

// All derived values of the slot's controller for a kind code (see Reglerart.h), in order.
void berechneReglerwerte(Parametersatz& ps, int slot, int reglerart);

// The derived values of every slot that has a controller page (hatEigeneSeiten), each for its
// own controller kind: what the pages store, saving, a transfer and the printout rely on.
void berechneAlleReglerwerte(Parametersatz& ps);

// Whether two parameter sets hold the same entries. Derived values do not count: a factory set
// need not hold exactly what the formulas give, and recomputing them is no change.
bool gleicheEingaben(const Parametersatz& a, const Parametersatz& b);

// After a change of the pH measuring range: the set point, LW and the two limit contacts
// (hundredths of pH) are moved into the new range. True when one of them changed.
bool reglerwerteInMessbereich(Parametersatz& ps, int slot);

} // namespace hvx
