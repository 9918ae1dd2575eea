#include "output/gui/DruckBefehle.h"

#include "base/Log.h"
#include "document/HVXDoc.h"
#include "output/AusgabeTexte.h"
#include "output/gui/Druckausgabe.h"
#include "output/gui/HvxPreviewView.h"

#include <QFontDialog>
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
    if (!direkt) {
        QPrintDialog dialog(&printer, parent);
        dialog.setMinMax(1, druckSeitenanzahl(doc));
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
