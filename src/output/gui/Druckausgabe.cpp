#include "output/gui/Druckausgabe.h"

#include "base/HvxApp.h"
#include "base/Log.h"
#include "document/HVXDoc.h"
#include "editing/gui/ViewLogo.h"
#include "output/Drucklayout.h"
#include "output/Seitenplan.h"
#include "output/TextExport.h"

#include <QGuiApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cmath>
#include <functional>

namespace hvx::gui {

namespace {

constexpr int kFontTextGroesse = 512;
// The printable area of a sheet in the PDF file, as a printer leaves it.
constexpr double kPdfRandMm = 5.0;
constexpr int kPdfAufloesung = 600;

// Device pixels per tenth of a millimetre.
double masstab(const QPaintDevice& geraet)
{
    return geraet.widthMM() > 0 ? geraet.width() / (geraet.widthMM() * 10.0) : 1.0;
}

QFont variante(const QFont& basis, bool fett, bool doppelt)
{
    QFont schrift = basis;
    if (fett)
        schrift.setWeight(QFont::Bold);
    if (doppelt)
        schrift.setPointSizeF(basis.pointSizeF() * 2);
    return schrift;
}

class Seitenmaler {
public:
    Seitenmaler(QPainter& painter, QPaintDevice& geraet, const QFont& schrift)
        : m_painter(painter), m_geraet(geraet), m_schrift(schrift), m_masstab(masstab(geraet))
    {
        CViewLogo logo;
        logo.load();
        if (logo.isLoaded()) {
            m_logo = std::make_unique<QSvgRenderer>(logo.filePath());
            const QRectF box = m_logo->viewBoxF();
            if (m_logo->isValid() && box.height() > 0)
                m_logoVerhaeltnis = box.width() / box.height();
        }
    }

    Druckmetrik metrik() const
    {
        Druckmetrik m;
        m.breite = m_geraet.widthMM() * 10;
        m.hoehe = m_geraet.heightMM() * 10;
        m.zeilenhoehe = int(std::ceil(QFontMetricsF(m_schrift, &m_geraet).height() / m_masstab));
        m.textbreite = [this](const QString& text, bool fett, bool doppelt) {
            return int(std::ceil(QFontMetricsF(variante(m_schrift, fett, doppelt), &m_geraet).horizontalAdvance(text) / m_masstab));
        };
        return m;
    }

    double logoVerhaeltnis() const { return m_logoVerhaeltnis; }

    void male(const std::vector<Druckelement>& elemente)
    {
        for (const Druckelement& e : elemente) {
            const QRectF r(e.rechteck.x() * m_masstab, e.rechteck.y() * m_masstab, e.rechteck.width() * m_masstab,
                           e.rechteck.height() * m_masstab);
            switch (e.art) {
            case Druckelement::Art::Linie: m_painter.drawLine(r.topLeft(), r.topRight()); break;
            case Druckelement::Art::Logo:
                if (m_logo)
                    m_logo->render(&m_painter, r);
                break;
            case Druckelement::Art::Text:
                m_painter.setFont(variante(m_schrift, e.fett, e.doppelt));
                m_painter.drawText(r, Qt::TextSingleLine | Qt::AlignTop | (e.rechtsbuendig ? Qt::AlignRight : Qt::AlignLeft), e.text);
                break;
            case Druckelement::Art::Textblock:
                m_painter.setFont(m_schrift);
                m_painter.save();
                m_painter.setClipRect(r);
                m_painter.drawText(r, Qt::AlignTop | Qt::AlignLeft | Qt::TextWordWrap, e.text);
                m_painter.restore();
                break;
            }
        }
    }

private:
    QPainter& m_painter;
    QPaintDevice& m_geraet;
    QFont m_schrift;
    double m_masstab;
    std::unique_ptr<QSvgRenderer> m_logo;
    double m_logoVerhaeltnis = 0;
};

} // namespace

QFont druckschrift()
{
    QByteArray gespeichert;
    QFont schrift = QGuiApplication::font();
    if (theApp().GetBinarySetting(QLatin1String(settings::kPrintFontSection), QLatin1String(settings::kPrintFontName),
                                  gespeichert, kFontTextGroesse) == 0) {
        QFont gelesen;
        if (gelesen.fromString(QString::fromUtf8(gespeichert.left(gespeichert.indexOf('\0')))))
            schrift = gelesen;
    }
    if (schrift.pointSizeF() <= 0)
        schrift.setPointSizeF(10);
    return schrift;
}

void speichereDruckschrift(const QFont& schrift)
{
    theApp().WriteProfileString(QLatin1String(settings::kPrintFontSection), QLatin1String(settings::kPrintFontName),
                                schrift.toString());
}

int druckSeitenanzahl(const CHVXDoc& doc)
{
    return int(seitenplan(doc.parametersatz()).size());
}

void zeichneSeiten(QPainter& painter, QPagedPaintDevice& geraet, const CHVXDoc& doc, int von, int bis)
{
    const std::vector<Seiteninhalt> plan = seitenplan(doc.parametersatz());
    const int anzahl = int(plan.size());
    bis = bis <= 0 ? anzahl : qMin(bis, anzahl);
    const QFont schrift = druckschrift();
    LogEntry(2, QStringLiteral("OnPrint: pOldFont"), schrift.toString());
    Seitenmaler maler(painter, geraet, schrift);
    const Druckmetrik metrik = maler.metrik();
    const Druckraster raster = leseDruckraster();
    const Ausgabequelle quelle{doc.parametersatz(), doc.infoTexts(), doc.accessGranted() != 0};
    const QString zeitpunkt = ausgabeZeitpunkt(QDateTime::currentDateTime());
    const QString pfad = doc.pathName().isEmpty() ? doc.title() : QFileInfo(doc.pathName()).absoluteFilePath();
    for (int seite = qMax(1, von); seite <= bis; ++seite) {
        if (seite > qMax(1, von))
            geraet.newPage();
        const Seiteninhalt& inhalt = plan[size_t(seite - 1)];
        const Kopfzeile kopf{seite, anzahl, pfad, zeitpunkt, maler.logoVerhaeltnis()};
        maler.male(druckseite(seitenAusgabe(quelle, inhalt), inhalt.slot < 0, kopf, raster, metrik));
    }
}

namespace {

// A PDF file (A4, the printable area a printer leaves) written through a temporary file: male
// paints its pages.
bool schreibePdf(const QString& pfad, const QString& titel, QString* fehler,
                 const std::function<void(QPainter&, QPagedPaintDevice&)>& male)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) {
        if (fehler != nullptr)
            *fehler = datei.errorString();
        return false;
    }
    {
        QPdfWriter pdf(&datei);
        pdf.setResolution(kPdfAufloesung);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(kPdfRandMm, kPdfRandMm, kPdfRandMm, kPdfRandMm), QPageLayout::Millimeter);
        pdf.setTitle(titel);
        QPainter painter(&pdf);
        male(painter, pdf);
    }
    if (!datei.commit()) {
        if (fehler != nullptr)
            *fehler = datei.errorString();
        return false;
    }
    return true;
}

} // namespace

bool druckePdf(const CHVXDoc& doc, const QString& pfad, QString* fehler)
{
    return schreibePdf(pfad, doc.title(), fehler, [&doc](QPainter& painter, QPagedPaintDevice& pdf) { zeichneSeiten(painter, pdf, doc); });
}

void zeichneAusgabe(QPainter& painter, QPagedPaintDevice& geraet, const Ausgabe& inhalt, const QString& fusspfad,
                    const QString& zeitpunkt)
{
    Seitenmaler maler(painter, geraet, druckschrift());
    const Druckmetrik metrik = maler.metrik();
    const Druckraster raster = leseDruckraster();
    const std::vector<Ausgabe> seiten = seitenweise(inhalt, raster, metrik);
    for (size_t i = 0; i < seiten.size(); ++i) {
        if (i > 0)
            geraet.newPage();
        const Kopfzeile kopf{int(i) + 1, int(seiten.size()), fusspfad, zeitpunkt, maler.logoVerhaeltnis()};
        maler.male(druckseite(seiten[i], false, kopf, raster, metrik));
    }
}

bool druckeAusgabePdf(const Ausgabe& inhalt, const QString& titel, const QString& fusspfad, const QString& zeitpunkt,
                      const QString& pfad, QString* fehler)
{
    return schreibePdf(pfad, titel, fehler, [&](QPainter& painter, QPagedPaintDevice& pdf) {
        zeichneAusgabe(painter, pdf, inhalt, fusspfad, zeitpunkt);
    });
}

} // namespace hvx::gui
