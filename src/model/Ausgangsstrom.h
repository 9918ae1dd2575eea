#pragma once
// Maximum output current of a pH or temperature module and the output scaling the instrument
// derives from it (module block bytes 12..13 and 22..23).

#include "model/Parametersatz.h"

namespace hvx {

// Scaling value for a current in hundredths of mA: current x 32.76 in the instrument's integer
// arithmetic, kept to 16 bits (20.00 mA gives 65520).
quint16 ausgangsskalierung(quint16 hundertstelMilliampere);

// Stores the current and its scaling value together, so the two never disagree.
void setzeMaxAusgangsstrom(Parametersatz& ps, int slot, quint16 hundertstelMilliampere);

} // namespace hvx
