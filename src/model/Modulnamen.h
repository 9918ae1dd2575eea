#pragma once
// Names of the module types per device variant.

#include <QString>
#include <QtGlobal>

namespace hvx {

// Name of a module type in a variant (familie = high nibble of byte 0); "Kein" for type 0.
// The chlorine family is "Chlordioxid" in variant M, "Peressigsäure" in N and N7400 and
// "Chlor" everywhere else; type 13 is the "Timer" in variant L and "Freigabe" elsewhere.
// No text (kKeinText, an empty name) for codes that name no module in that variant.
int modulNameNummer(quint8 modultyp, int familie);
QString modulName(quint8 modultyp, int familie);

} // namespace hvx
