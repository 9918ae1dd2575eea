#pragma once
// The layout of a printed page, in tenths of a millimetre with y growing downwards from the top
// of the printable area: the header (title, page number, logo), the footer (path, date and time)
// and the body lines of the export with their labels, values and text blocks. The window part
// only paints what this computes, so page layout is tested without a printer.

#include "base/SettingsTable.h"
#include "output/Ausgabe.h"

#include <QRect>
#include <QString>

#include <functional>
#include <vector>

namespace hvx {

// Margins and indents of the [Print] settings, in tenths of a millimetre.
struct Druckraster {
    int links = settings::kPrintLeft.defaultValue;
    int rechts = settings::kPrintRightForPrinting.defaultValue;
    int einzug1 = settings::kPrintIndent1.defaultValue;
    int einzug2 = settings::kPrintIndent2.defaultValue;
    int einzug3 = settings::kPrintIndent3ForPrinting.defaultValue;
    int logoBreite = settings::kPrintLogoWidth.defaultValue;
    bool operator==(const Druckraster&) const = default;
};

// Reads the [Print] section, writing missing values back with the printing defaults.
Druckraster leseDruckraster();

// Measures of the device and the font: sizes in tenths of a millimetre.
struct Druckmetrik {
    int breite = 0;      // printable width W
    int hoehe = 0;       // printable height H
    int zeilenhoehe = 0; // h, the text height of the print font
    // Width of a text in the print font (bold and at twice the height where asked).
    std::function<int(const QString& text, bool fett, bool doppelt)> textbreite;
};

struct Druckelement {
    enum class Art { Text, Textblock, Linie, Logo };
    Art art = Art::Text;
    QRect rechteck; // Linie: from the top left to the top right corner
    QString text;
    bool fett = false;
    bool doppelt = false;       // twice the font height
    bool rechtsbuendig = false; // right edge of the text at the rectangle's right edge
    bool operator==(const Druckelement&) const = default;
};

struct Kopfzeile {
    int seite = 1;              // 1-based
    int seitenanzahl = 1;
    QString pfad;               // the document's full path
    QString zeitpunkt;          // date and time of the printout
    double logoVerhaeltnis = 0; // width / height of the logo; 0 when there is none
};

// The page: header, footer and the body lines. systemseite places "Modulbestückung" as the
// system page has it, well below the text blocks.
std::vector<Druckelement> druckseite(const Ausgabe& inhalt, bool systemseite, const Kopfzeile& kopf,
                                     const Druckraster& raster, const Druckmetrik& metrik);

// A long body (a report) split into pages: each page's lines end above its footer. A caption
// moves to the page of the lines it heads, and a table broken across pages begins the next page
// with its heading row again.
std::vector<Ausgabe> seitenweise(const Ausgabe& inhalt, const Druckraster& raster, const Druckmetrik& metrik);

// The path as the footer shows it: while it does not fit, the folders after its first folder give
// way to "...", one at a time ("/home/.../anlagen/kunde.hxd"); the file name always stays.
QString gekuerzterPfad(const QString& pfad, const std::function<bool(const QString&)>& passt);

} // namespace hvx
