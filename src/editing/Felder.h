#pragma once
// The fields of a configuration addressed by key, for editing without a window: every field
// the pages show (key, page, label, value as shown, unit, choices), and a value applied as if
// typed into its field and the field left, through the page's own exchange, checks and commands.
//
// Key: TAB.SUB.ID. TAB 0 is the system page, 1..3 the module slot; SUB 0 module configuration
// (or the timer page), 1 measuring, 2 controller parameters; ID the control id (a radio group by
// its first button). Fields of the timer page name their entry: TAB.0.ID#N, N = 1..7.

#include "editing/Bearbeitung.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace hvx {

struct Feldangabe {
    QString schluessel;
    QString seite;
    QString beschriftung; // with the caption of the field's group
    QString feldname;     // the field's own label: with the key, what makes it the same field
    QString wert;
    QString einheit;
    QStringList auswahl; // choices of lists, radio groups and check boxes
    bool istListe = false;
};

// The shown fields of every page, in page and control order.
std::vector<Feldangabe> felderAuflisten(Bearbeitung& bearbeitung);
// The same fields handed over page by page (a timer page with all its entries); the listing
// stops when `weiter` returns false.
void felderJeSeite(Bearbeitung& bearbeitung, const std::function<bool(std::span<const Feldangabe>)>& weiter);

enum class Setzergebnis {
    Ok,
    UnbekannterSchluessel, // no such field, or not shown for this configuration
    Gesperrt,              // the field cannot be edited (disabled or read-only)
    KeineAuswahl,          // the value is not one of the choices
    Eingabefehler,         // the page's check refused it: see inputError()
};

// Applies one value; an unchanged value does nothing (a click that changes nothing is not made).
Setzergebnis feldSetzen(Bearbeitung& bearbeitung, const QString& schluessel, const QString& wert);

// Applies values in the order given; a value whose field is locked is tried again after the
// others (as a user would first clear the "aus" box beside it). Returns the first refusal with
// its key and value, or nothing when all were applied.
struct Zuweisung {
    QString schluessel;
    QString wert;
};
struct Ablehnung {
    Setzergebnis ergebnis = Setzergebnis::Ok;
    Zuweisung zuweisung;
};
std::optional<Ablehnung> felderSetzen(Bearbeitung& bearbeitung, const std::vector<Zuweisung>& zuweisungen);

// The values a check box takes and shows.
inline constexpr const char* kAngekreuzt = "1";
inline constexpr const char* kNichtAngekreuzt = "0";

} // namespace hvx
