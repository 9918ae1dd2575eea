#include "base/gui/DialogTexts.h"
#include "editing/gui/HVXView.h"

#include "base/HelpTopics.h"
#include "base/Language.h"
#include "base/HvxApp.h"
#include "base/Log.h"
#include "devicedata/gui/HexDumpDlg.h"
#include "base/SettingsTable.h"
#include "document/HVXDoc.h"
#include "editing/EditingTexts.h"
#include "editing/InputError.h"
#include "editing/ModulSeitenplan.h"
#include "editing/Navigation.h"
#include "editing/ReglerSeite.h"
#include "editing/Zahlentext.h"
#include "editing/gui/HVXTabCtrl.h"
#include "editing/gui/HvxModulParameter.h"
#include "editing/gui/HvxSystemKonfig.h"
#include "editing/gui/ViewLogo.h"
#include "editing/gui/WidgetControls.h"
#include "model/Bestueckung.h"
#include "model/Reglerart.h"
#include "model/Modulnamen.h"
#include "model/Revisionen.h"
#include "model/Standardwerte.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

using namespace hvx;

CHVXView::CHVXView(QWidget* parent)
    : QWidget(parent), m_revision(new QLabel(this)), m_tabs(new CHVXTabCtrl(this)),
      m_systemKonfig(new CHvxSystemKonfig(this)), m_logo(std::make_unique<CViewLogo>())
{
    gui::SetCtrlId(this, kVorlage);
    gui::SetCtrlId(m_revision, kRevisionId);
    gui::SetCtrlId(m_tabs, kTabCtrlId);
    for (int slot = 0; slot < 3; ++slot) {
        m_module[slot] = new CHvxModulParameter(this);
        m_module[slot]->hide();
        connect(m_module[slot], &CHvxModulParameter::rebuildAllViews, this, &CHVXView::alleAnsichtenNeuAufbauen,
                Qt::QueuedConnection);
        connect(m_module[slot], &CHvxModulParameter::statusPrompt, this, &CHVXView::inputErrorChanged);
    }
    m_systemKonfig->hide();
    connect(m_systemKonfig, &CHvxModelessDlg::statusPrompt, this, &CHVXView::inputErrorChanged);
    // The rebuild replaces the lists of the page that asked for it: it runs after that page's
    // command has returned.
    connect(m_systemKonfig, &CHvxModelessDlg::rebuildAllViews, this, &CHVXView::alleAnsichtenNeuAufbauen,
            Qt::QueuedConnection);

    // The sheet keeps the size of its largest page and one place on every tab: at the top, in the
    // middle, so that the logo below it stays free; the revision caption ends the tab row.
    m_tabs->setCornerWidget(m_revision);
    m_revision->setContentsMargins(0, 0, 4, 0);
    m_tabs->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* mitte = new QHBoxLayout;
    mitte->addStretch(1);
    mitte->addWidget(m_tabs);
    mitte->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addLayout(mitte);
    layout->addStretch(1);
    m_tabs->hide();
    // Service mode: Alt+H anywhere in the view or on a page opens the EEPROM hex dump.
    auto* hexDump = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_H), this);
    hexDump->setContext(Qt::WidgetWithChildrenShortcut);
    connect(hexDump, &QShortcut::activated, this, [this] {
        if (!theApp().m_bService)
            return;
        CHexDumpDlg dialog(window());
        dialog.exec();
    });
    // Ctrl+Tab and Ctrl+Shift+Tab step through the main tabs, Ctrl+PgDn and Ctrl+PgUp through the
    // sub tabs of the module shown, from any field of the view.
    const struct {
        QKeySequence taste;
        bool unterseiten;
        int schritt;
    } kTabTasten[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), false, 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), false, -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), false, -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), true, 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), true, -1},
    };
    for (const auto& t : kTabTasten) {
        auto* kurz = new QShortcut(t.taste, this);
        kurz->setContext(Qt::WidgetWithChildrenShortcut);
        connect(kurz, &QShortcut::activated, this, [this, unterseiten = t.unterseiten, schritt = t.schritt] {
            wechsleTab(unterseiten, schritt);
        });
    }
    m_tabs->setSwitchCheck([this](int von, int) { return darfWechseln(von); });
    connect(m_tabs, &CHVXTabCtrl::switched, this, [](int index) { navigation().currentTab = index; });

    m_logo->load();
    setInputErrorPresenter([this](const InputError&) { zeigeFehler(); });
}

CHVXView::~CHVXView()
{
    setInputErrorPresenter(nullptr);
    if (m_doc)
        m_doc->setInputErrorHooks({}, {});
    // The pages die with the view's children, after this object: they must not reach it then.
    m_systemKonfig->disconnect(this);
    for (CHvxModulParameter* modul : m_module)
        modul->disconnect(this);
    delete m_tabs;
    m_tabs = nullptr;
    navigation() = Navigation{};
}

void CHVXView::setDocument(CHVXDoc* doc)
{
    if (m_doc)
        disconnect(m_doc, nullptr, this, nullptr);
    m_doc = doc;
    if (!doc)
        return;
    connect(doc, &CHVXDoc::updateAllViews, this, &CHVXView::OnUpdate);
    // Before the document saves, the page shown stores what the user typed (a shortcut saves
    // without the field losing the focus); an error in it stops the save.
    doc->setInputErrorHooks([this] { return !CommitCurrentPage(); }, [] { inputError().clear(); });
}

bool CHVXView::editierbar() const
{
    return m_doc && m_doc->accessGranted() != 0;
}

void CHVXView::alleAnsichtenNeuAufbauen()
{
    if (m_doc)
        Q_EMIT m_doc->updateAllViews(kHintRebuild);
}

QString CHVXView::revisionCaption() const
{
    return m_revision->text();
}

// --- building the tabs ---

void CHVXView::OnUpdate(int hint)
{
    if (!m_doc)
        return;
    if (hint == CHVXDoc::kHintReload) {
        m_systemKonfig->OnInitDialog();
        for (int slot = 0; slot < modulanzahl(m_doc->parametersatz()); ++slot)
            m_module[slot]->ReloadPages();
        return;
    }
    if (hint != kHintRebuild)
        return;
    LogEntry(1, QStringLiteral("CHVXView::OnUpdate"));
    baueTabs();
}

void CHVXView::baueTabs()
{
    Parametersatz* ps = &m_doc->parametersatz();
    const bool mitSchreibrecht = editierbar();
    CHVXDoc* doc = m_doc;
    const auto geaendert = [doc] { doc->recordChanged(); };
    m_revision->setText(revisionText(ps->geraetekennung()));
    while (m_tabs->count() > 0)
        m_tabs->removeTab(m_tabs->count() - 1);

    m_systemKonfig->setKontext(ps, 0, 0, 0, mitSchreibrecht);
    m_systemKonfig->setModifiedHook(geaendert);
    m_systemKonfig->OnInitDialog();
    m_tabs->insertTab(0, m_systemKonfig, GetStringsText(editingtext::kSystemkonfiguration));

    // The module count decides which slots are modules: a type behind an empty slot is none.
    for (int slot = 0; slot < modulanzahl(*ps); ++slot) {
        CHvxModulParameter* modul = m_module[slot];
        modul->setKontext(ps, slot, mitSchreibrecht, geaendert);
        modul->OnInitDialog();
        m_tabs->insertTab(m_tabs->count(), modul, tabCaption(slot));
    }
    m_tabs->show();
    m_tabs->keepLargestPageSize();
    m_tabs->select(0);
    navigation().currentTab = 0;
    navigation().currentSubPage = {0, 0, 0};
    m_systemKonfig->setFocus();
    update();
}

QString CHVXView::tabCaption(int slot) const
{
    // Two modules of one kind are told apart by their slot number.
    const Parametersatz& ps = m_doc->parametersatz();
    const QString name = modulName(ps.modultyp(slot), ps.familie());
    for (int other = 0; other < modulanzahl(ps); ++other) {
        if (other != slot && modulName(ps.modultyp(other), ps.familie()) == name)
            return QStringLiteral("%1 %2").arg(name).arg(slot + 1);
    }
    return name;
}

// --- page switching and error presentation ---

CHvxModelessDlg* CHVXView::seiteVonTab(int tab, int subPage) const
{
    if (tab == 0)
        return m_systemKonfig;
    auto* modul = qobject_cast<CHvxModulParameter*>(m_tabs->page(tab));
    return modul ? modul->page(subPage) : nullptr;
}

CHvxModelessDlg* CHVXView::currentPage() const
{
    const int tab = navigation().currentTab;
    if (tab < 0)
        return nullptr;
    return seiteVonTab(tab, tab == 0 ? 0 : navigation().currentSubPage[tab - 1]);
}

void CHVXView::wechsleTab(bool unterseiten, int schritt)
{
    if (m_tabs->isHidden())
        return;
    if (!unterseiten) {
        m_tabs->step(schritt);
        return;
    }
    if (auto* modul = qobject_cast<CHvxModulParameter*>(m_tabs->page(m_tabs->currentIndex())))
        modul->tabCtrl()->step(schritt);
}

QString CHVXView::helpTopic() const
{
    if (m_doc == nullptr || m_doc->parametersatz().geraetekennung() == 0)
        return helpAnchor(QString());
    const CHvxModelessDlg* seite = currentPage();
    if (seite == nullptr) // a module tab with nothing to set
        return helpAnchor(QLatin1String(CHvxModulParameter::kAbschnitt));
    const SeitenKontext& kontext = seite->kontext();
    const int variante = seite->beschreibung().vorlage == reglerpara::kVorlage
                             ? reglerartCode(*kontext.ps, kontext.slot)
                             : kAnyVariant;
    return helpAnchor(seite->beschreibung().abschnitt, variante);
}

bool CHVXView::darfWechseln(int von)
{
    // The field that loses the focus is checked first; a pending error keeps the page.
    CHvxModelessDlg* seite = seiteVonTab(von, von == 0 ? 0 : navigation().currentSubPage[von - 1]);
    if (seite)
        seite->ExchangePageData(true);
    if (inputErrorPending()) {
        zeigeFehler();
        return false;
    }
    return true;
}

void CHVXView::zeigeFehler()
{
    const InputError& fehler = inputError();
    if (fehler.tabIndex != navigation().currentTab && fehler.tabIndex < m_tabs->count()) {
        m_tabs->select(fehler.tabIndex);
        navigation().currentTab = fehler.tabIndex;
    }
    if (fehler.tabIndex > 0) {
        auto* modul = qobject_cast<CHvxModulParameter*>(m_tabs->page(fehler.tabIndex));
        if (modul && fehler.subPage != navigation().currentSubPage[fehler.tabIndex - 1])
            modul->showSubPage(fehler.subPage);
    }
    update();
    Q_EMIT inputErrorChanged(true);
}

bool CHVXView::IsInputErrorPending() const
{
    return inputErrorPending();
}

bool CHVXView::CommitCurrentPage()
{
    if (CHvxModelessDlg* seite = currentPage(); seite && !inputErrorPending())
        seite->ExchangePageData(true);
    return !inputErrorPending();
}

// --- commands ---

void CHVXView::CheckCurrentPage()
{
    LogEntry(1, QStringLiteral("CHVXView::OnCheckCurrentPage"));
    const int tab = navigation().currentTab;
    if (tab < 0)
        return;
    const int subPage = tab == 0 ? 0 : navigation().currentSubPage[tab - 1];
    if (CHvxModelessDlg* seite = seiteVonTab(tab, subPage))
        seite->ExchangePageData(true);
    if (inputErrorPending())
        return; // the status bar shows the error
    LogMessageBox(ersetzeGanzzahlen(GetStringsText(editingtext::kSeiteOhneFehler), {tab, subPage}),
                  MB_OK | MB_ICONINFORMATION);
}

bool CHVXView::CanSetDefaultsCurrent() const
{
    return !m_tabs->isHidden() && navigation().currentTab > 0 && editierbar();
}

bool CHVXView::CanSetDefaultsAll() const
{
    return !m_tabs->isHidden() && editierbar();
}

void CHVXView::OnDefaultsCurrent()
{
    LogEntry(1, QStringLiteral("CHVXView::OnStandardAktuell"));
    if (!CanSetDefaultsCurrent())
        return;
    const int slot = navigation().currentTab - 1;
    const Parametersatz& ps = m_doc->parametersatz();
    const bool kopienVorher[] = {istMehrfachPHKopie(ps, 1), istMehrfachPHKopie(ps, 2)};
    setzeStandardeinstellung(m_doc->parametersatz(), slot + 1);
    m_doc->recordChanged();
    inputError().clear();
    m_module[slot]->ReinitialisePages();
    // Module 1's defaults end a multiple pH measurement: the covered modules get their pages.
    if (kopienVorher[0] != istMehrfachPHKopie(ps, 1) || kopienVorher[1] != istMehrfachPHKopie(ps, 2))
        alleAnsichtenNeuAufbauen();
    Q_EMIT inputErrorChanged(false);
}

void CHVXView::OnDefaultsAll()
{
    LogEntry(1, QStringLiteral("CHVXView::OnStandardAlle"));
    if (!CanSetDefaultsAll())
        return;
    setzeStandardeinstellung(m_doc->parametersatz(), 0);
    m_doc->recordChanged();
    inputError().clear();
    m_systemKonfig->OnInitDialog();
    if (mehrfachPHMoeglich(m_doc->parametersatz()))
        alleAnsichtenNeuAufbauen();
    for (CHvxModulParameter* modul : m_module) {
        if (m_tabs->indexOf(modul) >= 0)
            modul->ReinitialisePages();
    }
    Q_EMIT inputErrorChanged(false);
}

void CHVXView::OnLanguageChanged()
{
    if (!m_doc || m_tabs->count() == 0)
        return;
    // What the user typed is kept when it is valid; the pages are filled again from the record.
    CommitCurrentPage();
    const Parametersatz& ps = m_doc->parametersatz();
    m_revision->setText(revisionText(ps.geraetekennung()));
    m_tabs->setTabText(0, GetStringsText(editingtext::kSystemkonfiguration));
    m_systemKonfig->OnInitDialog();
    for (int i = 1; i < m_tabs->count(); ++i) {
        auto* modul = qobject_cast<CHvxModulParameter*>(m_tabs->page(i));
        m_tabs->setTabText(i, tabCaption(modul->slot()));
        modul->OnLanguageChanged();
    }
}

// --- background ---

void CHVXView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    // The logo keeps its place relative to the bottom-right corner of a window larger than
    // the designed one.
    const QSize designed(settings::kFrameWidth.defaultValue, settings::kFrameHeight.defaultValue);
    const QSize mehr = window()->size() - designed;
    m_logo->paint(painter, QPointF(std::max(0, mehr.width()), std::max(0, mehr.height())));
}
