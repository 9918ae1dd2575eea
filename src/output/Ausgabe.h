#pragma once
// What the export and the printout show of a parameter set, as one list of lines per page:
// headings and labelled values with their value texts already formatted. The text export writes
// these lines; printing lays out the same lines, so no value is formatted twice.

#include "document/InfoBlock.h"
#include "model/Parametersatz.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace hvx {

enum class Zeilenart {
    Titel,        // page heading, printed bold at twice the height
    Ueberschrift, // section caption, printed bold
    Text,         // a line of its own without a label
    Wert,         // label and value
    Leer,         // an empty line
    Tabelle,      // a row of a table, its cells in spalten; consecutive rows share their columns
    Unterschriften, // lines to sign on side by side, their captions in spalten
};

struct Ausgabezeile {
    Zeilenart art = Zeilenart::Leer;
    QString label; // the text of a line without a value
    QString wert;
    QString druckEinheit;    // the unit the printout adds after a measured value
    bool mehrzeilig = false; // a text block of up to four lines (customer, site, remark)
    bool absatz = false;     // starts a group of lines (a timer entry): the printout sets it apart
    QStringList spalten{};   // the cells of a table row, the captions of signature lines
    bool fett = false;       // a table's heading row
    bool operator==(const Ausgabezeile&) const = default;
};

using Ausgabe = std::vector<Ausgabezeile>;

// What the access code line may show: the code itself only to whoever has access.
struct Ausgabequelle {
    const Parametersatz& ps;
    const InfoTexts& texte;
    bool zugangErlaubt = false;
};

// The system page: "Allgemeine Angaben" with the four texts, the fitted modules and the system
// settings.
Ausgabe systemteil(const Ausgabequelle& quelle);

// The timer entries a module page shows: all of them, or the entries before or from the entry
// where a long list continues on a second page.
struct Timerauswahl {
    int von = 0;
    int bis = 7;
    bool fortsetzung = false;
    bool operator==(const Timerauswahl&) const = default;
};

// A module's page: the heading "Modul n: name", an empty line and the parts of its type.
// Empty for a slot without a page ("Freigabe" outside variant L, no module).
Ausgabe modulteil(const Parametersatz& ps, int slot, const Timerauswahl& timer = {});

} // namespace hvx
