#include "base/gui/DialogTexts.h"
#include "editing/gui/HvxModulParameter.h"

#include "editing/InputError.h"
#include "editing/Navigation.h"
#include "editing/Seitenkatalog.h"
#include "editing/gui/HVXTabCtrl.h"
#include "editing/gui/HvxModulKonfig.h"
#include "editing/gui/WidgetControls.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

using namespace hvx;

namespace {
constexpr const char* kSubPageProperty = "hvxSubPage";
} // namespace

CHvxModulParameter::CHvxModulParameter(QWidget* parent)
    : QWidget(parent), m_tabs(new CHVXTabCtrl(this)), m_rahmen(new QGroupBox(this))
{
    gui::SetCtrlId(this, kVorlage);
    gui::SetCtrlId(m_tabs, kTabCtrlId);
    gui::SetCtrlId(m_rahmen, kRahmenId);
    auto* hinweis = new QLabel(m_rahmen);
    gui::SetCtrlId(hinweis, kKeineParameterId);
    hinweis->setAlignment(Qt::AlignCenter);
    (new QVBoxLayout(m_rahmen))->addWidget(hinweis);

    auto* layout = new QVBoxLayout(this);
    // Narrow: the sheet with its largest sub page fits above the view's logo.
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_tabs);
    layout->addWidget(m_rahmen);
    m_tabs->setSwitchCheck([this](int von, int nach) { return darfWechseln(von, nach); });
    connect(m_tabs, &CHVXTabCtrl::switched, this, [this](int index) {
        if (CHvxModelessDlg* p = qobject_cast<CHvxModelessDlg*>(m_tabs->page(index)))
            navigation().currentSubPage[m_slot] = p->property(kSubPageProperty).toInt();
    });
}

void CHvxModulParameter::setKontext(Parametersatz* ps, int slot, bool editierbar, std::function<void()> modified)
{
    m_ps = ps;
    m_slot = slot;
    m_editierbar = editierbar;
    m_modified = std::move(modified);
}

void CHvxModulParameter::zeigeHinweis(bool hinweis)
{
    m_tabs->setVisible(!hinweis);
    m_rahmen->setVisible(hinweis);
}

void CHvxModulParameter::verbinde(CHvxModelessDlg* seite)
{
    connect(seite, &CHvxModelessDlg::controllerChanged, this, &CHvxModulParameter::OnControllerChanged);
    connect(seite, &CHvxModelessDlg::rangeChanged, this, &CHvxModulParameter::OnRangeChanged);
    connect(seite, &CHvxModelessDlg::rebuildAllViews, this, &CHvxModulParameter::rebuildAllViews);
    connect(seite, &CHvxModelessDlg::statusPrompt, this, &CHvxModulParameter::statusPrompt);
    connect(seite, &CHvxModelessDlg::controllerAdjusted, this, &CHvxModulParameter::reglerSeiteSpeichern);
}

CHvxModelessDlg* CHvxModulParameter::seiteFuer(const Seitenbeschreibung* beschreibung)
{
    CHvxModelessDlg*& seite = m_seiten[beschreibung];
    if (!seite) {
        seite = new CHvxModelessDlg(*beschreibung, this);
        verbinde(seite);
    }
    return seite;
}

void CHvxModulParameter::richteSeiteEin(CHvxModelessDlg* seite, int subPage)
{
    seite->setProperty(kSubPageProperty, subPage);
    seite->setKontext(m_ps, m_slot, m_slot + 1, subPage, m_editierbar);
    seite->setModifiedHook(m_modified);
    seite->OnInitDialog();
}

void CHvxModulParameter::OnInitDialog()
{
    applyPageTexts(this, QLatin1String(kAbschnitt));
    while (m_tabs->count() > 0)
        m_tabs->removeTab(m_tabs->count() - 1);
    m_inhalt = modulinhalt(*m_ps, m_slot);
    m_reglerUeberschrift = reglerTabText(*m_ps, m_slot);
    zeigeHinweis(m_inhalt == Modulinhalt::KeineParameter);
    for (const Seitenplatz& platz : seitenDesSlots(*m_ps, m_slot)) {
        CHvxModelessDlg* seite = nullptr;
        if (platz.seite == &modulKonfigSeite()) {
            if (!m_modulKonfig) {
                m_modulKonfig = new CHvxModulKonfig(this);
                verbinde(m_modulKonfig);
            }
            seite = m_modulKonfig;
        } else {
            seite = seiteFuer(platz.seite);
        }
        richteSeiteEin(seite, platz.subPage);
        m_tabs->insertTab(m_tabs->count(), seite, seitentitel(*m_ps, platz));
    }
    if (m_tabs->count() > 0)
        m_tabs->select(0);
}

void CHvxModulParameter::baueReglerTab()
{
    m_reglerUeberschrift = reglerTabText(*m_ps, m_slot);
    CHvxModelessDlg* regler = page(2);
    if (!regler)
        return;
    richteSeiteEin(regler, 2);
    m_tabs->setTabText(m_tabs->indexOf(regler), m_reglerUeberschrift);
}

void CHvxModulParameter::OnControllerChanged()
{
    baueReglerTab();
    update();
}

void CHvxModulParameter::OnRangeChanged()
{
    // Measuring and controller pages show their values in the module's new range and unit.
    for (int sub : {1, 2}) {
        if (CHvxModelessDlg* seite = page(sub))
            seite->OnInitDialog();
    }
    update();
}

void CHvxModulParameter::ReloadPages()
{
    if (CHvxModelessDlg* seite = page(0))
        seite->OnInitDialog();
    OnRangeChanged();
}

void CHvxModulParameter::reglerSeiteSpeichern()
{
    if (CHvxModelessDlg* regler = page(2)) {
        regler->OnInitDialog();
        regler->ExchangePageData(true);
    }
}

void CHvxModulParameter::ReinitialisePages()
{
    // The controller page is set up again by OnControllerChanged.
    for (int sub : {0, 1}) {
        if (CHvxModelessDlg* seite = page(sub))
            seite->OnInitDialog();
    }
    OnControllerChanged();
}

void CHvxModulParameter::OnLanguageChanged()
{
    applyPageTexts(this, QLatin1String(kAbschnitt));
    // The controller's tab gets its text when ReinitialisePages sets it up again.
    for (const Seitenplatz& platz : seitenDesSlots(*m_ps, m_slot)) {
        CHvxModelessDlg* seite = page(platz.subPage);
        if (seite && platz.subPage != 2)
            m_tabs->setTabText(m_tabs->indexOf(seite), seitentitel(*m_ps, platz));
    }
    ReinitialisePages();
}

CHvxModelessDlg* CHvxModulParameter::page(int subPage) const
{
    for (int i = 0; i < m_tabs->count(); ++i) {
        auto* p = qobject_cast<CHvxModelessDlg*>(m_tabs->page(i));
        if (p && p->property(kSubPageProperty).toInt() == subPage)
            return p;
    }
    return nullptr;
}

CHvxModelessDlg* CHvxModulParameter::currentPage() const
{
    return qobject_cast<CHvxModelessDlg*>(m_tabs->page(m_tabs->currentIndex()));
}

void CHvxModulParameter::showSubPage(int subPage)
{
    if (CHvxModelessDlg* p = page(subPage)) {
        m_tabs->select(m_tabs->indexOf(p));
        navigation().currentSubPage[m_slot] = subPage;
    }
}

bool CHvxModulParameter::darfWechseln(int von, int)
{
    // The field that loses the focus is checked first; a pending error keeps the page.
    if (auto* p = qobject_cast<CHvxModelessDlg*>(m_tabs->page(von)))
        p->ExchangePageData(true);
    if (inputErrorPending()) {
        presentInputError();
        return false;
    }
    return true;
}
