#include "output/gui/DruckBefehle.h"

#include "base/FileDialogLan.h"
#include "base/HvxApp.h"
#include "base/Log.h"
#include "document/HVXDoc.h"
#include "output/AusgabeTexte.h"
#include "output/gui/Druckausgabe.h"
#include "output/gui/HvxPreviewView.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDialog>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace hvx::gui {

namespace {

// The printer of this session: page set-up, print and preview share its choice of printer and
// paper.
QPrinter& drucker()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

// Printing into a file proposes the document's name in the work directory, or in the folder the
// user printed into before in this session.
QString pdfZiel(const QPrinter& printer, const CHVXDoc& doc)
{
    const QString frueher = printer.outputFileName();
    const QString ordner = frueher.isEmpty() ? theApp().m_strWorkDir : QFileInfo(frueher).absolutePath();
    return QDir(ordner).filePath(ProposedFileName(doc.pathName(), QStringLiteral("pdf")));
}

// The print dialog's file field takes the proposal, whichever printer it starts with.
void schlageDateiVor(QPrintDialog& dialog, const QString& ziel)
{
    if (auto* feld = dialog.findChild<QLineEdit*>(QStringLiteral("filename")))
        feld->setText(ziel);
}

void drucke(QPrinter& printer, const CHVXDoc& doc)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        LogEntry(0, QStringLiteral("CHVXView::OnPrint"), QStringLiteral("QPainter::begin"));
        return;
    }
    const bool bereich = printer.printRange() == QPrinter::PageRange;
    zeichneSeiten(painter, printer, doc, bereich ? printer.fromPage() : 1, bereich ? printer.toPage() : 0);
}

} // namespace

void OnFilePrint(QWidget* parent, const CHVXDoc& doc, bool direkt)
{
    LogEntry(1, direkt ? QStringLiteral("CHVXView::OnFilePrintDirect") : QStringLiteral("CHVXView::OnFilePrint"));
    QPrinter& printer = drucker();
    printer.setPrintRange(QPrinter::AllPages);
    printer.setDocName(doc.title());
    const QString ziel = pdfZiel(printer, doc);
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setOutputFileName(ziel);
    if (!direkt) {
        QPrintDialog dialog(&printer, parent);
        dialog.setMinMax(1, druckSeitenanzahl(doc));
        schlageDateiVor(dialog, ziel);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    drucke(printer, doc);
}

void OnFilePrintSetup(QWidget* parent)
{
    LogEntry(1, QStringLiteral("CHVXApp::OnFilePrintSetup"));
    QPageSetupDialog dialog(&drucker(), parent);
    dialog.exec();
}

void OnFilePrintPreview(QWidget* parent, const CHVXDoc& doc)
{
    LogEntry(1, QStringLiteral("CHVXView::OnFilePrintPreview"));
    CHvxPreviewView preview(doc, drucker(), parent);
    if (preview.pageCount() < 1) {
        LogMessageBox(ausgabe::text(ausgabe::kVorschauFehler), MB_OK | MB_ICONWARNING);
        return;
    }
    bool drucken = false;
    QObject::connect(&preview, &CHvxPreviewView::printRequested, &preview, [&drucken] { drucken = true; });
    preview.resize(parent != nullptr ? parent->size() : QSize(800, 900));
    preview.exec();
    if (drucken)
        OnFilePrint(parent, doc, false);
}

void OnPrinterFont(QWidget* parent)
{
    LogEntry(1, QStringLiteral("CHVXView::OnPrinterFont"));
    bool ok = false;
    const QFont schrift = QFontDialog::getFont(&ok, druckschrift(), parent);
    if (ok)
        speichereDruckschrift(schrift);
}

} // namespace hvx::gui
