#pragma once
// Printing of the document: the print font, the pages drawn onto any paged device (printer,
// preview, PDF file) from the computed page layout.

#include "output/Ausgabe.h"

#include <QFont>
#include <QString>

class CHVXDoc;
class QPagedPaintDevice;
class QPainter;

namespace hvx::gui {

// The print font of [Print] Font (a font description in text form), or the application's font.
QFont druckschrift();
void speichereDruckschrift(const QFont& schrift);

int druckSeitenanzahl(const CHVXDoc& doc);

// Draws the pages von..bis (1-based, inclusive; bis 0 = the last page) with painter, which is
// active on geraet; a new device page is started before every page but the first.
void zeichneSeiten(QPainter& painter, QPagedPaintDevice& geraet, const CHVXDoc& doc, int von = 1, int bis = 0);

// Writes every page into a PDF file (A4) through a temporary file. On failure fehler holds the
// cause.
bool druckePdf(const CHVXDoc& doc, const QString& pfad, QString* fehler = nullptr);

// A long body (a report) with the printout's frame, font and margins, page by page; fusspfad and
// zeitpunkt stand in every footer.
void zeichneAusgabe(QPainter& painter, QPagedPaintDevice& geraet, const Ausgabe& inhalt, const QString& fusspfad,
                    const QString& zeitpunkt);
// The same into a PDF file (A4) through a temporary file; fits ProtokollPdfSchreiber.
bool druckeAusgabePdf(const Ausgabe& inhalt, const QString& titel, const QString& fusspfad, const QString& zeitpunkt,
                      const QString& pfad, QString* fehler);

} // namespace hvx::gui
