#pragma once
// Two parameter sets compared in the technician's terms: the fields the pages show (the same
// listing as hvxcli get), the calibration values that a transfer with calibration keeping
// preserves in their own group, and every other differing byte that no page shows, summarised
// by offset, so that no difference hides. The window's comparison dialog, hvxcli diff and the
// check after a transfer all use this.

#include "model/Parametersatz.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace hvx {

enum class Unterschiedsgruppe {
    Feld,        // a field of a page
    Kalibrierung, // a value kept by a transfer with calibration keeping
    Byte,        // bytes no page shows (derived values, reserved bytes)
};

struct Unterschied {
    Unterschiedsgruppe gruppe = Unterschiedsgruppe::Feld;
    QString schluessel;   // field key as hvxcli get lists it; "@OFFSET" for bytes
    QString seite;        // page title; the block for bytes
    QString beschriftung; // field label; "Byte N" or "Byte N-M" for bytes
    QString wertA;        // as shown (empty: the field is not shown for A); hex for bytes
    QString wertB;
    QString einheit;
    int offset = -1;      // bytes only: first offset in the image and count
    int laenge = 0;
};

struct Vergleich {
    std::vector<Unterschied> unterschiede; // fields, then calibration, then bytes
    bool gleich() const { return unterschiede.empty(); }
    std::vector<Unterschied> gruppe(Unterschiedsgruppe g) const;
};

Vergleich vergleiche(const Parametersatz& a, const Parametersatz& b);

// One line per difference, for messages: "page, label: A -> B unit".
QStringList unterschiedsZeilen(const Vergleich& vergleich);
// The same for a transfer's check: what was sent against what was read back.
QStringList unterschiedsZeilen(const Parametersatz& gesendet, const Parametersatz& gelesen);
// The title of a group as the table and the dialog show it.
QString gruppenTitel(Unterschiedsgruppe g);
// The differences as tab-separated rows under their group titles, as hvxcli diff prints them
// and the dialog copies them; nameA and nameB head the value columns.
QString vergleichsTabelle(const Vergleich& vergleich, const QString& nameA, const QString& nameB);
// The name of the instrument's side in a comparison.
QString geraeteseite();

} // namespace hvx
