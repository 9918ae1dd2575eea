#pragma once
// Building blocks of the export and print lines (internal to the output folder).

#include "output/Ausgabe.h"
#include "output/AusgabeTexte.h"

#include <QString>

namespace hvx::zeilen {

inline Ausgabezeile titel(const QString& text) { return {Zeilenart::Titel, text, {}, {}, false, false}; }
inline Ausgabezeile ueberschrift(const QString& text) { return {Zeilenart::Ueberschrift, text, {}, {}, false, false}; }
inline Ausgabezeile text(const QString& text) { return {Zeilenart::Text, text, {}, {}, false, false}; }
inline Ausgabezeile leer() { return {}; }
inline Ausgabezeile wert(const QString& label, const QString& wert, const QString& druckEinheit = {})
{
    return {Zeilenart::Wert, label, wert, druckEinheit, false, false};
}

// A number format that ends in a blank, followed by its unit: "5 min".
inline QString mitEinheit(const QString& zahlMitBlank, const QString& einheit) { return zahlMitBlank + einheit; }
inline QString ganzzahl(qint64 wert) { return QString::number(wert) + QLatin1Char(' '); }

// "ein" or "aus".
inline QString einAus(bool ein) { return ausgabe::text(ein ? ausgabe::kEin : ausgabe::kAus); }
inline QString aus() { return ausgabe::text(ausgabe::kAus); }
inline QString sec(qint64 wert) { return mitEinheit(ganzzahl(wert), ausgabe::text(ausgabe::kSec)); }
inline QString min(qint64 wert) { return mitEinheit(ganzzahl(wert), ausgabe::text(ausgabe::kMin)); }

// "Modul 1".."Modul 3" for slot 0..2.
inline QString modul(int slot) { return ausgabe::text(ausgabe::kModul1 + slot); }

} // namespace hvx::zeilen
