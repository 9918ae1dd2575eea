#pragma once
// The parts a module page is made of (internal to the output folder): each appends its lines.

#include "output/Ausgabe.h"

namespace hvx::modulteile {

// "Modulkonfiguration" and "Reglerkonfiguration" with the controller kind.
void allgemein(Ausgabe& a, const Parametersatz& ps, int slot, bool mitTemperatureinheit);

// "Mess-Parameter" and the measuring lines of the module type.
void messteilPH(Ausgabe& a, const Parametersatz& ps, int slot);
void messteilRedox(Ausgabe& a, const Parametersatz& ps, int slot);
void messteilTemperatur(Ausgabe& a, const Parametersatz& ps, int slot);
void messteilNormsignal(Ausgabe& a, const Parametersatz& ps, int slot);
void messteilLeitfaehigkeit(Ausgabe& a, const Parametersatz& ps, int slot);
void messteilChlor(Ausgabe& a, const Parametersatz& ps, int slot);

// The controller caption with the rows of the controller kind, then the lines every kind has.
void reglerteil(Ausgabe& a, const Parametersatz& ps, int slot);

// Telemetry alarm delay, maintenance dosing, interruption and delay times.
void chlorZusatz(Ausgabe& a, const Parametersatz& ps, int slot);

// "Parameter Biozid-Dosierung" with the timer entries in use.
void timerteil(Ausgabe& a, const Parametersatz& ps, int slot, const Timerauswahl& auswahl);

// Range text "0 bis 14 pH".
QString bereichText(int unten, int oben, const QString& einheit);

} // namespace hvx::modulteile
