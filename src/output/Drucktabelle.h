#pragma once
// Tables and signature lines of a printed page (internal to the output folder). A column is as
// wide as its widest cell while the table fits the text width; otherwise the widest columns give
// way and their cells continue on further lines of the row, so that no text runs into the next
// column or off the paper.

#include "output/Ausgabe.h"
#include "output/Drucklayout.h"

#include <span>
#include <vector>

namespace hvx::drucktabelle {

// Space between two columns and between two signature lines, in tenths of a millimetre.
inline constexpr int kSpaltenabstand = 40;

// The lines of text that fit into breite: words stay whole where they fit, a longer word is
// broken; line breaks in the text are kept. At least one line (empty for an empty text).
QStringList umbrechen(const QString& text, int breite, bool fett, const Druckmetrik& metrik);

// The widths of the columns of these rows (the longest row decides their number) in a text
// width of breite.
std::vector<int> spaltenbreiten(std::span<const Ausgabezeile> zeilen, int breite, const Druckmetrik& metrik);

// Lays out the rows of one table from y between the x positions links and rechts; a heading row
// (fett) is underlined. Returns the y below the last row.
int setzeTabelle(std::span<const Ausgabezeile> zeilen, int links, int rechts, int y, const Druckmetrik& metrik,
                 std::vector<Druckelement>& elemente);

// Signature lines side by side with room to sign above them and their captions below them.
// Returns the y below the captions.
int setzeUnterschriften(const Ausgabezeile& zeile, int links, int rechts, int y, const Druckmetrik& metrik,
                        std::vector<Druckelement>& elemente);

} // namespace hvx::drucktabelle
