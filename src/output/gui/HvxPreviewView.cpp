#include "output/gui/HvxPreviewView.h"

#include "base/HelpTopics.h"
#include "base/Language.h"
#include "base/gui/ContextHelp.h"
#include "base/gui/DialogTexts.h"
#include "model/Werttexte.h"
#include "output/AusgabeTexte.h"
#include "output/gui/Druckausgabe.h"

#include <QGraphicsView>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace hvx::gui {

namespace {

constexpr const char* kSection = "PrintPreview-Dialog";
constexpr int kMaxZoom = 3;
constexpr int kDialogId = 30723;

struct Knopf {
    int id;
    const char* deutsch;
};

// The tool bar in its order; the one/two-page button takes its text from the string table.
constexpr Knopf kKnoepfe[] = {
    {CHvxPreviewView::kIdPrint, "&Drucken..."},   {CHvxPreviewView::kIdNext, "&Nächste"},
    {CHvxPreviewView::kIdPrevious, "&Vorherige"}, {CHvxPreviewView::kIdOneTwoPages, ""},
    {CHvxPreviewView::kIdZoomIn, "Ver&größern"},  {CHvxPreviewView::kIdZoomOut, "Ver&kleinern"},
    {CHvxPreviewView::kIdClose, "&Schließen"},
};

// The zoom cursor: a magnifying glass, its hot spot in the middle of the glass.
QCursor lupe()
{
    QPixmap bild(32, 32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    for (const auto& [farbe, breite] : {std::pair{QColor(Qt::white), 4.0}, std::pair{QColor(Qt::black), 2.0}}) {
        p.setPen(QPen(farbe, breite));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(3, 3, 16, 16));
        p.setPen(QPen(farbe, breite + 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17, 17), QPointF(27, 27));
    }
    p.end();
    return QCursor(bild, 11, 11);
}

} // namespace

CHvxPreviewView::CHvxPreviewView(const CHVXDoc& doc, QPrinter& printer, QWidget* parent) : QDialog(parent), m_doc(doc)
{
    SetCtrlId(this, kDialogId);
    auto* layout = new QVBoxLayout(this);
    auto* leiste = new QHBoxLayout;
    for (const Knopf& knopf : kKnoepfe) {
        auto* b = WithCtrlId(new QPushButton(QString::fromUtf8(knopf.deutsch), this), knopf.id);
        b->setAutoDefault(false);
        leiste->addWidget(b);
    }
    m_seitenText = new QLabel(this);
    leiste->addWidget(m_seitenText);
    leiste->addStretch();
    layout->addLayout(leiste);
    m_preview = new QPrintPreviewWidget(&printer, this);
    layout->addWidget(m_preview, 1);
    // A click on a page zooms in one step, and from the largest step back to the whole page.
    m_ansicht = m_preview->findChild<QGraphicsView*>();
    if (m_ansicht) {
        m_ansicht->viewport()->setMouseTracking(true);
        m_ansicht->viewport()->installEventFilter(this);
        m_ansicht->installEventFilter(this);
    }
    for (const Knopf& knopf : kKnoepfe)
        SetDlgItemLanText(this, QLatin1String(kSection), knopf.id);
    setWindowTitle(ausgabe::text(ausgabe::kTitel));
    AddContextHelpKey(this, [] { return helpAnchor(QLatin1String(kSection)); });

    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* geraet) {
        QPainter painter(geraet);
        zeichneSeiten(painter, *geraet, m_doc);
    });
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this, &CHvxPreviewView::updateButtons);
    connect(button(kIdPrint), &QPushButton::clicked, this, [this] {
        Q_EMIT printRequested();
        accept();
    });
    connect(button(kIdNext), &QPushButton::clicked, this, &CHvxPreviewView::next);
    connect(button(kIdPrevious), &QPushButton::clicked, this, &CHvxPreviewView::previous);
    connect(button(kIdOneTwoPages), &QPushButton::clicked, this, &CHvxPreviewView::toggleTwoPages);
    connect(button(kIdZoomIn), &QPushButton::clicked, this, &CHvxPreviewView::zoomIn);
    connect(button(kIdZoomOut), &QPushButton::clicked, this, &CHvxPreviewView::zoomOut);
    connect(button(kIdClose), &QPushButton::clicked, this, &QDialog::reject);
    m_preview->setViewMode(QPrintPreviewWidget::SinglePageView);
    m_preview->updatePreview();
    applyZoom();
}

CHvxPreviewView::~CHvxPreviewView() = default;

QPushButton* CHvxPreviewView::button(int id) const
{
    return qobject_cast<QPushButton*>(FindCtrl(const_cast<CHvxPreviewView*>(this), id));
}

QString CHvxPreviewView::pageText() const
{
    return m_seitenText->text();
}

int CHvxPreviewView::currentPage() const
{
    return m_preview->currentPage();
}

int CHvxPreviewView::pageCount() const
{
    return m_preview->pageCount();
}

void CHvxPreviewView::next()
{
    m_preview->setCurrentPage(qMin(currentPage() + 1, pageCount()));
    updateButtons();
}

void CHvxPreviewView::previous()
{
    m_preview->setCurrentPage(qMax(currentPage() - 1, 1));
    updateButtons();
}

void CHvxPreviewView::toggleTwoPages()
{
    m_twoPages = !m_twoPages;
    applyZoom();
}

void CHvxPreviewView::zoomIn()
{
    m_zoom = qMin(m_zoom + 1, kMaxZoom);
    applyZoom();
}

void CHvxPreviewView::zoomOut()
{
    m_zoom = qMax(m_zoom - 1, 0);
    applyZoom();
}

QWidget* CHvxPreviewView::pageArea() const
{
    return m_ansicht ? m_ansicht->viewport() : nullptr;
}

bool CHvxPreviewView::ueberSeite(QPoint stelle) const
{
    return m_ansicht && m_ansicht->itemAt(stelle) != nullptr;
}

void CHvxPreviewView::zoomAt(QPoint stelle)
{
    const QPointF punkt = m_ansicht->mapToScene(stelle);
    m_zoom = m_zoom < kMaxZoom ? m_zoom + 1 : 0;
    applyZoom();
    if (m_zoom > 0)
        m_ansicht->centerOn(punkt);
}

bool CHvxPreviewView::blaettere(int taste)
{
    switch (taste) {
    case Qt::Key_PageDown: next(); return true;
    case Qt::Key_PageUp: previous(); return true;
    case Qt::Key_Home: m_preview->setCurrentPage(1); break;
    case Qt::Key_End: m_preview->setCurrentPage(pageCount()); break;
    default: return false;
    }
    updateButtons();
    return true;
}

void CHvxPreviewView::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::AltModifier | Qt::ShiftModifier) || !blaettere(event->key()))
        QDialog::keyPressEvent(event);
}

bool CHvxPreviewView::eventFilter(QObject* watched, QEvent* event)
{
    // The whole pages turn with the keys; a zoomed page scrolls with them instead.
    if (watched == m_ansicht && event->type() == QEvent::KeyPress && m_zoom == 0) {
        const auto* taste = static_cast<QKeyEvent*>(event);
        if (!(taste->modifiers() & (Qt::AltModifier | Qt::ShiftModifier)) && blaettere(taste->key()))
            return true;
    }
    if (m_ansicht && watched == m_ansicht->viewport()) {
        if (event->type() == QEvent::MouseMove) {
            const QPoint stelle = static_cast<QMouseEvent*>(event)->position().toPoint();
            m_ansicht->viewport()->setCursor(ueberSeite(stelle) ? lupe() : QCursor(Qt::ArrowCursor));
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* maus = static_cast<QMouseEvent*>(event);
            if (maus->button() == Qt::LeftButton && ueberSeite(maus->position().toPoint())) {
                zoomAt(maus->position().toPoint());
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CHvxPreviewView::applyZoom()
{
    // Zoomed, the preview shows one page; whole pages show one or two side by side.
    const bool zwei = m_twoPages && m_zoom == 0 && pageCount() > 1;
    m_preview->setViewMode(zwei ? QPrintPreviewWidget::FacingPagesView : QPrintPreviewWidget::SinglePageView);
    if (m_zoom == 0) {
        m_preview->fitInView();
    } else {
        m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
        m_preview->setZoomFactor(m_zoom);
    }
    updateButtons();
}

void CHvxPreviewView::updateButtons()
{
    const int seite = currentPage();
    button(kIdNext)->setEnabled(seite < pageCount());
    button(kIdPrevious)->setEnabled(seite > 1);
    button(kIdZoomIn)->setEnabled(m_zoom < kMaxZoom);
    button(kIdZoomOut)->setEnabled(m_zoom > 0);
    QPushButton* seiten = button(kIdOneTwoPages);
    // The button offers the other view: "Zwei Seiten" while one page is shown.
    seiten->setText(ausgabe::text(m_twoPages && pageCount() > 1 ? ausgabe::kEineSeite : ausgabe::kZweiSeiten));
    seiten->setEnabled(m_zoom == 0 && pageCount() > 1);
    // "Seite %u" for one page, "Seiten %u-%u" for two side by side.
    const QStringList beschreibung = ausgabe::text(ausgabe::kSeitenbeschreibung).split(QLatin1Char('\n'));
    const bool zwei = m_preview->viewMode() == QPrintPreviewWidget::FacingPagesView;
    const QString vorlage = beschreibung.value(zwei ? 1 : 0);
    // Facing pages show the odd page on the right: 1, then 2-3, 4-5, ...
    const int erste = zwei ? qMax(1, seite - (seite % 2 == 1 ? 1 : 0)) : seite;
    m_seitenText->setText(formatiere(vorlage, {qint64(erste), qint64(qMin(erste + 1, pageCount()))}));
}

} // namespace hvx::gui
