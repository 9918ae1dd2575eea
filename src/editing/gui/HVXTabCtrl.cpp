#include "editing/gui/HVXTabCtrl.h"

#include <QHBoxLayout>
#include <QLayout>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

bool nimmtEingaben(const QWidget* w, const QWidget* seite)
{
    if (!seite->isAncestorOf(w) || !w->isVisibleTo(seite) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
        return false;
    // Tab bars are no fields; of a group of radio buttons only the one chosen takes the focus.
    if (qobject_cast<const QTabBar*>(w))
        return false;
    const auto* knopf = qobject_cast<const QRadioButton*>(w);
    return !knopf || knopf->isChecked() || !knopf->autoExclusive();
}

// The first field of the page in its tab order (on a module page: of the sub page shown).
void fokusAufErstesFeld(QWidget* seite)
{
    for (QWidget* w = seite->nextInFocusChain(); w && w != seite; w = w->nextInFocusChain()) {
        if (nimmtEingaben(w, seite)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace

CHVXTabCtrl::CHVXTabCtrl(QWidget* parent)
    : QWidget(parent), m_bar(new QTabBar(this)), m_kopf(new QHBoxLayout), m_stack(new QStackedWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_bar->setExpanding(false);
    m_bar->setDrawBase(true);
    m_stack->setFrameShape(QFrame::StyledPanel);
    // Pages are opaque: the view's logo shows only where no tab control lies.
    m_stack->setAutoFillBackground(true);
    m_kopf->setContentsMargins(0, 0, 0, 0);
    m_kopf->addWidget(m_bar, 1);
    layout->addLayout(m_kopf);
    layout->addWidget(m_stack, 1);
    connect(m_bar, &QTabBar::currentChanged, this, &CHVXTabCtrl::onBarChanged);
}

int CHVXTabCtrl::count() const
{
    return m_bar->count();
}

int CHVXTabCtrl::currentIndex() const
{
    return m_bar->currentIndex();
}

QWidget* CHVXTabCtrl::page(int index) const
{
    return index < 0 || index >= count() ? nullptr : m_bar->tabData(index).value<QWidget*>();
}

QString CHVXTabCtrl::tabText(int index) const
{
    return m_bar->tabText(index);
}

int CHVXTabCtrl::indexOf(const QWidget* p) const
{
    for (int i = 0; i < count(); ++i) {
        if (page(i) == p)
            return i;
    }
    return -1;
}

void CHVXTabCtrl::insertTab(int index, QWidget* p, const QString& text)
{
    if (m_stack->indexOf(p) < 0)
        m_stack->addWidget(p);
    p->hide();
    p->setEnabled(false);
    const QSignalBlocker blocker(m_bar);
    const int at = m_bar->insertTab(index, text);
    m_bar->setTabData(at, QVariant::fromValue(p));
    m_current = m_bar->currentIndex();
    barChanged();
    keepLargestPageSize();
    showOnly(m_current);
}

void CHVXTabCtrl::setTabText(int index, const QString& text)
{
    m_bar->setTabText(index, text);
    barChanged();
}

void CHVXTabCtrl::setCornerWidget(QWidget* widget)
{
    widget->setParent(this);
    m_kopf->addWidget(widget, 0, Qt::AlignRight | Qt::AlignVCenter);
}

void CHVXTabCtrl::keepLargestPageSize()
{
    QSize groesste;
    for (int i = 0; i < count(); ++i) {
        QWidget* p = page(i);
        if (!p)
            continue;
        // A module page sizes its own sheet first. A page filled while hidden keeps the sizes its
        // parts had before: they are asked anew.
        for (CHVXTabCtrl* innen : p->findChildren<CHVXTabCtrl*>())
            innen->keepLargestPageSize();
        for (QWidget* teil : p->findChildren<QWidget*>())
            teil->updateGeometry();
        for (QLayout* l : p->findChildren<QLayout*>())
            l->invalidate();
        groesste = groesste.expandedTo(p->sizeHint());
    }
    m_stack->setMinimumSize(groesste.grownBy(m_stack->contentsMargins()));
    updateGeometry();
}

void CHVXTabCtrl::barChanged()
{
    // A tab bar inside a hidden page does not tell the layout its new height by itself: the
    // header would stay at zero height until some later change while visible (a language switch).
    m_bar->updateGeometry();
}

void CHVXTabCtrl::removeTab(int index)
{
    if (QWidget* p = page(index)) {
        p->hide();
        p->setEnabled(false);
        // Out of the stack too: a page without a tab does not size the sheet.
        m_stack->removeWidget(p);
    }
    const QSignalBlocker blocker(m_bar);
    m_bar->removeTab(index);
    m_current = m_bar->currentIndex();
    barChanged();
    showOnly(m_current);
}

void CHVXTabCtrl::select(int index)
{
    {
        const QSignalBlocker blocker(m_bar);
        m_bar->setCurrentIndex(index);
    }
    m_current = m_bar->currentIndex();
    showOnly(m_current);
}

void CHVXTabCtrl::step(int delta)
{
    const int n = count();
    if (n > 1 && m_current >= 0)
        m_bar->setCurrentIndex(((m_current + delta) % n + n) % n);
}

void CHVXTabCtrl::onBarChanged(int index)
{
    if (m_switchCheck && m_current >= 0 && !m_switchCheck(m_current, index)) {
        const QSignalBlocker blocker(m_bar);
        m_bar->setCurrentIndex(m_current);
        return;
    }
    m_current = index;
    showOnly(index);
    if (QWidget* gezeigt = page(index))
        fokusAufErstesFeld(gezeigt);
    Q_EMIT switched(index);
}

void CHVXTabCtrl::showOnly(int index)
{
    QWidget* gezeigt = page(index);
    for (int i = 0; i < count(); ++i) {
        QWidget* p = page(i);
        if (p && p != gezeigt) {
            p->hide();
            p->setEnabled(false);
        }
    }
    keepLargestPageSize();
    if (gezeigt) {
        m_stack->setCurrentWidget(gezeigt);
        gezeigt->setEnabled(true);
        gezeigt->show();
        // A page filled while hidden did not tell its parents its size: every layout up to the
        // window learns it now, so the window never gets narrower than the page.
        for (QWidget* w = gezeigt; w; w = w->parentWidget()) {
            if (w->layout())
                w->layout()->invalidate();
        }
    }
}
