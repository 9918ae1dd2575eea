#pragma once
// Measuring range, decimals and unit of a slot's measured value, derived from the module type,
// its range codes and the variant. Pages, export, printing and the display all use these.

#include "model/Parametersatz.h"

#include <QString>

#include <optional>

namespace hvx {

struct Messbereich {
    int unten = 0;
    int oben = 0;
    bool operator==(const Messbereich&) const = default;
};

// nullopt for types without a measured value (no module, "Freigabe"/timer, unused codes).
std::optional<Messbereich> messbereich(const Parametersatz& ps, int slot);

// `Nachkommastellen` of the measured value; -1 for types without a measured value.
int nachkommastellen(const Parametersatz& ps, int slot);

// Unit text of the measured value; "°F" instead of "°C" for a temperature module when the
// caller shows Fahrenheit. No text for types without a measured value.
int messwertEinheitNummer(const Parametersatz& ps, int slot, bool fahrenheit);
QString messwertEinheit(const Parametersatz& ps, int slot, bool fahrenheit);

// "°C" or "°F", the unit of temperatures shown beside a field.
QString temperaturEinheit(bool fahrenheit);

// Kind of signal 1 of a standard-signal module (module block byte 2 bits 4..6).
int normsignalArt(const Parametersatz& ps, int slot);

// A stored measured value (set point, limit, current-signal value) as a count in units of the
// slot's decimals: chlorine-family values outside variants N and N7400 and standard-signal
// values of kind chlorine or current are stored ten times finer and are divided by 10 first
// (integer division); with mitOffset a "Redox (+/-)" value loses its offset of 500.
int messwertZaehlwert(const Parametersatz& ps, int slot, quint16 gespeichert, bool mitOffset);
// The inverse, for storing an entered count.
quint16 messwertSpeicherwert(const Parametersatz& ps, int slot, int zaehlwert, bool mitOffset);

} // namespace hvx
