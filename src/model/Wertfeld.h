#pragma once
// The controller's value fields (set point, W+, W-, LW, L-, L+): what a stored value shows as,
// in which limits an entry is accepted, and what an entry stores. One place for page, export,
// printing and the display.

#include "model/Messbereich.h"

#include <QString>

namespace hvx {

// Values of the slot's controller are shown in Fahrenheit: a temperature module set to
// Fahrenheit, or a standard signal of kind "Temperatur (°F)".
bool reglerFahrenheit(const Parametersatz& ps, int slot);

// The measuring range in the unit the controller shows (Fahrenheit converted).
std::optional<Messbereich> anzeigeMessbereich(const Parametersatz& ps, int slot);
// Upper limit of the switch-point distance LW (entries lie within -limit..+limit): the upper
// measuring limit (1000 for "Redox (+/-)"), as a Fahrenheit difference where shown so.
int lwGrenze(const Parametersatz& ps, int slot);

// A stored value field as a count in units of the slot's decimals; LW is negative when its
// sign byte says so.
int wertfeldAnzeige(const Parametersatz& ps, int slot, quint16 gespeichert);
int lwAnzeige(const Parametersatz& ps, int slot);

// The same as text, with the slot's decimals: one formatting for the controller page, the
// printout, the export and hvxcli.
QString wertfeldText(const Parametersatz& ps, int slot, quint16 gespeichert);
QString lwText(const Parametersatz& ps, int slot);
// The unit beside the value fields: the measured-value unit, "°F" where they show Fahrenheit.
QString wertfeldEinheit(const Parametersatz& ps, int slot);

// An entered count (units of the decimals) as stored.
quint16 wertfeldSpeicherwert(const Parametersatz& ps, int slot, int anzeige);
// Stores LW: its magnitude and the sign byte.
void setzeLW(Parametersatz& ps, int slot, int anzeige);

} // namespace hvx
