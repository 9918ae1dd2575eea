#pragma once
// The service report of a transfer: what a technician hands the customer after programming an
// instrument. When and over which port which file went to which instrument, whether its
// calibration data were kept, how the check after writing ended, every value that changed from
// the instrument's previous parameter set to the one sent (the comparison's groups, the access
// code masked), and lines for the technician's and the customer's signatures. The same lines
// are laid out on paper as the printout (PDF) or written as a text file like the export.

#include "document/TransferRecord.h"
#include "output/Ausgabe.h"

#include <QString>

#include <functional>

namespace hvx {

Ausgabe protokollZeilen(const TransferRecord& transfer);
// The report's title (the PDF's title too).
QString protokollTitel();

enum class Protokollart { Pdf, Text, Unbekannt };
// By the name's extension: ".pdf" or ".txt" (in any case).
Protokollart protokollartVon(const QString& pfad);

// Writes the report to pfad, as PDF or text by its extension; the text in Windows-1252 with CR LF
// like the export. False with the cause in fehler when it could not be written, or when there is
// no PDF writer (a program without the window library).
bool schreibeProtokoll(const TransferRecord& transfer, const QString& pfad, QString* fehler = nullptr);

// Why a report cannot be written to pfad, asked before the transfer so that nothing is sent when
// it cannot be kept: an extension other than .pdf and .txt, a folder that does not exist or
// cannot be written. Empty when it can.
QString protokollpfadFehler(const QString& pfad);

// The window's "Protokoll speichern…": the save dialog in the export directory with a name made
// of the file's and the transfer's, the report, and the message that says where it went or why
// not. False when cancelled or failed.
bool speichereProtokollMitDialog(const TransferRecord& transfer);
// Writes the report to pfad and says where it went, or why not (the batch run's /Report:).
bool schreibeProtokollMitMeldung(const TransferRecord& transfer, const QString& pfad);

// Lays out and writes pages of lines as a PDF (installed by the programs that paint: printing
// belongs to the window library). fusspfad and zeitpunkt go into every page's footer.
using ProtokollPdfSchreiber = std::function<bool(const Ausgabe& inhalt, const QString& titel, const QString& fusspfad,
                                                 const QString& zeitpunkt, const QString& pfad, QString* fehler)>;
void setzeProtokollPdfSchreiber(ProtokollPdfSchreiber schreiber);

} // namespace hvx
