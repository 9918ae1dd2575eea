#pragma once
// The values the instrument determines by calibration. A transfer that keeps the instrument's
// calibration takes them from the instrument's image into the parameter set before writing it.

#include "model/Parametersatz.h"

#include <span>

namespace hvx {

struct Kalibrierfeld {
    int offset; // within the module block
    int breite; // 1 or 2 bytes
};

// Calibration fields of a module type (empty for types without calibration).
std::span<const Kalibrierfeld> kalibrierfelder(quint8 modultyp);

// Copies the calibration fields of the slot's module type (by ziel's descriptor) from quelle.
void kopiereKalibrierfelder(Parametersatz& ziel, int slot, const Parametersatz& quelle);

// Whether the learned dead time (`AdaptivWert`) of the slot is kept as well: version 3 or more,
// a 2- or 3-point controller, FUZZY (PID bit clear) and adaptive.
bool adaptivWertWirdErhalten(const Parametersatz& ps, int slot);

// Keeping calibration data of one slot: its calibration fields and, under its condition, the
// learned dead time, from the instrument's image quelle into ziel.
void erhalteKalibrierung(Parametersatz& ziel, int slot, const Parametersatz& quelle);
// The same for all three slots.
void erhalteKalibrierung(Parametersatz& ziel, const Parametersatz& quelle);

} // namespace hvx
