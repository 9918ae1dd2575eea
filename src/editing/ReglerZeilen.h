#pragma once
// The six rows of the controller page per controller kind, as a table, and the value fields
// (set point, limits, LW) bound to the module's range, decimals and unit.

#include "editing/PageDescription.h"

#include <optional>

namespace hvx {

enum class Zeilenart {
    Wert,         // value field in the module's range
    LW,           // switch-point distance with its sign byte, within -U..+U
    Prozent,      // 16-bit value in tenths of %
    ProzentByte,  // 8-bit value in tenths of %
    Sekunden,     // 8-bit time
    SekundenWort, // 16-bit time
    Band,         // proportional band, whole % stored x 10
    Totzeit,      // dead time of the plain FUZZY kinds (`AdaptivWert`)
};

struct Reglerzeile {
    int text = 0;   // Strings.lan number of the label
    Zeilenart art = Zeilenart::Wert;
    int offset = 0; // module block byte
    int max = 0;    // upper limit (lower limit 0) for rows that are not value fields
};

// The row r (0..5) of a controller kind; nullopt where the kind hides the row.
std::optional<Reglerzeile> reglerzeile(int reglerart, int r);

// Exchange and check of a value field at a byte of the record (module or controller block).
void tauscheWertfeld(DataExchange& dx, SeitenKontext& k, int id, quint8* feld);
void pruefeWertfeld(IControls& c, const SeitenKontext& k, int id);

// A row's exchange, check and unit for the kind the record holds now.
void tauscheZeile(DataExchange& dx, SeitenKontext& k, int r, int id);
void pruefeZeile(IControls& c, const SeitenKontext& k, int r, int id);
QString zeilenEinheit(const SeitenKontext& k, int r);

} // namespace hvx
