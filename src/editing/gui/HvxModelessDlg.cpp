#include "base/gui/DialogTexts.h"
#include "editing/gui/HvxModelessDlg.h"

#include "base/Log.h"
#include "editing/InputError.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace hvx;

CHvxModelessDlg::CHvxModelessDlg(const Seitenbeschreibung& beschreibung, QWidget* parent)
    : QWidget(parent), m_beschreibung(beschreibung), m_controls(this)
{
    gui::SetCtrlId(this, beschreibung.vorlage);
}

CHvxModelessDlg::~CHvxModelessDlg()
{
    // Controls lose the focus while they are destroyed: that must not start an exchange cycle.
    for (QWidget* w : m_controls.all())
        w->removeEventFilter(this);
}

void CHvxModelessDlg::setKontext(Parametersatz* ps, int slot, int tab, int subPage, bool editierbar)
{
    m_kontext.ps = ps;
    m_kontext.slot = slot;
    m_kontext.tab = tab;
    m_kontext.subPage = subPage;
    m_kontext.editierbar = editierbar;
}

// --- building ---

void CHvxModelessDlg::baueSteuerelemente()
{
    auto* spalten = new QHBoxLayout(this);
    // Little room above and below: the tallest page, in its sheet, fits above the view's logo.
    spalten->setContentsMargins(6, 4, 6, 4);
    QVBoxLayout* spalte[2] = {new QVBoxLayout, new QVBoxLayout};
    for (QVBoxLayout* s : spalte) {
        spalten->addLayout(s, 1);
    }
    for (std::size_t i = 0; i < m_beschreibung.gruppen.size(); ++i) {
        const Gruppe& g = m_beschreibung.gruppen[i];
        QWidget* rahmen = baueGruppe(g);
        m_gruppen.insert(int(i), rahmen);
        spalte[g.spalte == 0 ? 0 : 1]->addWidget(rahmen);
    }
    for (QVBoxLayout* s : spalte)
        s->addStretch(1);
    ordneTabReihenfolge();
    m_gebaut = true;
}

void CHvxModelessDlg::ordneTabReihenfolge()
{
    // Tab walks down the left column, then down the right one, as the page is read.
    QWidget* vorige = nullptr;
    for (int s = 0; s < 2; ++s) {
        for (const Gruppe& g : m_beschreibung.gruppen) {
            if ((g.spalte == 0 ? 0 : 1) != s)
                continue;
            for (const Steuerelement& e : g.elemente) {
                const std::vector<int> ids = e.knoepfe.empty() ? std::vector<int>{e.id} : e.knoepfe;
                for (int id : ids) {
                    QWidget* w = m_controls.widget(id);
                    if (!w)
                        continue;
                    if (vorige)
                        setTabOrder(vorige, w);
                    vorige = w;
                }
            }
        }
    }
}

QWidget* CHvxModelessDlg::baueGruppe(const Gruppe& gruppe)
{
    QWidget* rahmen = nullptr;
    if (gruppe.titelId != 0) {
        auto* box = new QGroupBox(this);
        gui::SetCtrlId(box, gruppe.titelId);
        rahmen = box;
    } else {
        rahmen = new QWidget(this);
    }
    auto* raster = new QGridLayout(rahmen);
    if (gruppe.titelId == 0)
        raster->setContentsMargins(0, 0, 0, 0);
    // Edits keep their width and their unit beside them; the free space goes to the right.
    raster->setColumnStretch(3, 1);
    int zeile = 0;
    for (const Steuerelement& e : gruppe.elemente) {
        auto beschriftung = [&](int id, int spanne = 1) {
            if (id == 0)
                return;
            auto* label = new QLabel(rahmen);
            gui::SetCtrlId(label, id);
            raster->addWidget(label, zeile, 0, 1, spanne);
            m_beschriftungen[e.id].append(label);
        };
        // A control beside the one before it goes to the free column of that row.
        const bool daneben = e.nebenVorigem && zeile > 0;
        if (daneben)
            --zeile;
        switch (e.art) {
        case Art::Kontrollkaestchen: {
            auto* box = new QCheckBox(rahmen);
            m_controls.add(e.id, box);
            if (daneben)
                raster->addWidget(box, zeile, 3, Qt::AlignLeft);
            else
                raster->addWidget(box, zeile, 0, 1, 3);
            connect(box, &QAbstractButton::clicked, this, [this, &e] { fuehreKommandoAus(e); });
            break;
        }
        case Art::Optionsfelder: {
            auto* reihe = new QHBoxLayout;
            for (int knopfId : e.knoepfe) {
                auto* knopf = new QRadioButton(rahmen);
                m_controls.add(knopfId, knopf);
                reihe->addWidget(knopf);
                connect(knopf, &QAbstractButton::clicked, this, [this, &e] { fuehreKommandoAus(e); });
            }
            reihe->addStretch(1);
            m_controls.addRadioGroup(e.id, QList<int>(e.knoepfe.begin(), e.knoepfe.end()));
            raster->addLayout(reihe, zeile, 0, 1, 3);
            break;
        }
        case Art::Auswahlliste: {
            auto* liste = new QComboBox(rahmen);
            liste->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            m_controls.add(e.id, liste);
            if (e.beschriftungDarueber && e.labelId != 0) {
                beschriftung(e.labelId, 3);
                ++zeile;
                raster->addWidget(liste, zeile, 0, 1, 3);
            } else {
                beschriftung(e.labelId);
                raster->addWidget(liste, zeile, 1, 1, 2);
            }
            liste->installEventFilter(this);
            connect(liste, &QComboBox::activated, this, [this, &e] { fuehreKommandoAus(e); });
            liste->setFocusPolicy(Qt::StrongFocus);
            break;
        }
        case Art::Eingabe: {
            beschriftung(e.labelId);
            auto* feld = new QLineEdit(rahmen);
            feld->setFixedWidth(feld->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (e.eingabebreite + 2) + 12);
            m_controls.add(e.id, feld);
            feld->installEventFilter(this);
            // The unit stays right beside its field, whatever the width of the other rows.
            auto* reihe = new QHBoxLayout;
            reihe->addWidget(feld);
            if (e.einheitId != 0) {
                auto* einheit = new QLabel(rahmen);
                gui::SetCtrlId(einheit, e.einheitId);
                reihe->addWidget(einheit);
                m_beschriftungen[e.id].append(einheit);
            }
            reihe->addStretch(1);
            raster->addLayout(reihe, zeile, daneben ? 3 : 1, 1, daneben ? 1 : 2);
            break;
        }
        }
        ++zeile;
    }
    return rahmen;
}

void CHvxModelessDlg::haltePlatzFuerBeschriftungen()
{
    // The label column keeps the width of its longest text in the current language, so that a
    // narrow window clips nothing.
    for (QWidget* rahmen : std::as_const(m_gruppen)) {
        auto* raster = qobject_cast<QGridLayout*>(rahmen->layout());
        int breite = 0;
        for (int zeile = 0; zeile < raster->rowCount(); ++zeile) {
            QLayoutItem* item = raster->itemAtPosition(zeile, 0);
            int r = 0, c = 0, zeilen = 0, spalten = 0;
            if (item)
                raster->getItemPosition(raster->indexOf(item), &r, &c, &zeilen, &spalten);
            // A label above its list spans the row and needs no room in the label column.
            if (auto* label = item && spalten == 1 ? qobject_cast<QLabel*>(item->widget()) : nullptr) {
                label->ensurePolished(); // the style's font, not the default one
                breite = std::max(breite, label->sizeHint().width());
            }
        }
        raster->setColumnMinimumWidth(0, breite);
    }
}

void CHvxModelessDlg::wendeSichtbarkeitAn()
{
    for (std::size_t i = 0; i < m_beschreibung.gruppen.size(); ++i) {
        const Gruppe& g = m_beschreibung.gruppen[i];
        m_gruppen.value(int(i))->setVisible(!g.sichtbar || g.sichtbar(m_kontext, m_controls));
        for (const Steuerelement& e : g.elemente) {
            const bool sichtbar = !e.sichtbar || e.sichtbar(m_kontext, m_controls);
            QList<QWidget*> teile = m_beschriftungen.value(e.id);
            for (int knopf : e.knoepfe)
                teile.append(m_controls.widget(knopf));
            if (QWidget* w = m_controls.widget(e.id))
                teile.append(w);
            for (QWidget* w : teile)
                w->setVisible(sichtbar);
        }
    }
}

void CHvxModelessDlg::wendeSeitentexteAn()
{
    if (!m_beschreibung.texte)
        return;
    const QList<QWidget*> widgets = findChildren<QWidget*>();
    for (const Seitentext& t : m_beschreibung.texte(m_kontext)) {
        for (QWidget* w : widgets) {
            if (gui::CtrlId(w) != t.id)
                continue;
            if (auto* label = qobject_cast<QLabel*>(w))
                label->setText(t.text);
            else if (auto* button = qobject_cast<QAbstractButton*>(w))
                button->setText(t.text);
            else if (auto* group = qobject_cast<QGroupBox*>(w))
                group->setTitle(t.text);
        }
    }
}

// --- initialisation and read-only mode ---

void CHvxModelessDlg::OnInitDialog()
{
    LogEntry(1, QStringLiteral("CHvxModelessDlg::OnInitDialog"), m_beschreibung.abschnitt);
    if (!m_gebaut)
        baueSteuerelemente();
    hvx::fuelleListen(m_beschreibung, m_controls, m_kontext);
    applyPageTexts(this, m_beschreibung.abschnitt);
    wendeSeitentexteAn();
    haltePlatzFuerBeschriftungen();
    wendeSichtbarkeitAn();
    DataExchange dx(m_controls, DataExchange::Richtung::Laden);
    DoDataExchange(dx);
    aktivRegelnAnwenden();
    markiereFehler();
}

void CHvxModelessDlg::sperreAlles()
{
    for (QWidget* w : m_controls.all())
        w->setEnabled(false);
}

void CHvxModelessDlg::aktivRegelnAnwenden()
{
    if (!m_kontext.editierbar)
        sperreAlles();
    for (const Steuerelement* e : alleSteuerelemente(m_beschreibung)) {
        if (m_kontext.editierbar || e->auchSchreibgeschuetzt)
            m_controls.setEnabled(e->id, istAktiv(*e, m_kontext, m_controls));
    }
}

// --- exchange cycle ---

void CHvxModelessDlg::DoDataExchange(DataExchange& dx)
{
    // Only an entry that changed a byte is a change: storing what the fields already show must not
    // make the save question appear for a document nobody touched.
    if (tauscheSeitendaten(m_beschreibung, dx, m_kontext) && m_modified)
        m_modified();
}

bool CHvxModelessDlg::CheckPage()
{
    const bool ok = pruefeSeite(m_beschreibung, m_controls, m_kontext);
    Q_EMIT statusPrompt(!ok);
    return ok;
}

void CHvxModelessDlg::ExchangePageData(bool speichern)
{
    if (m_imAustausch)
        return; // focus moves made by the cycle itself do not start another one
    m_imAustausch = true;
    if (m_abbrechend)
        inputError().clear();
    else if (!speichern && inputErrorPending()) {
        m_imAustausch = false;
        return;
    }
    bool tauschen = true;
    if (speichern) {
        inputError().clear();
        tauschen = CheckPage();
    }
    // A read-only page has nothing to store: its fields cannot have been changed.
    if (tauschen && !(speichern && !m_kontext.editierbar)) {
        DataExchange dx(m_controls, speichern ? DataExchange::Richtung::Speichern : DataExchange::Richtung::Laden);
        DoDataExchange(dx);
    }
    if (inputErrorPending())
        fokussiereFehler();
    markiereFehler();
    m_imAustausch = false;
}

void CHvxModelessDlg::markiereFehler()
{
    // The field of a pending error carries a red frame and the message as its tool tip, so the
    // user sees which entry the status bar means; any other field of the page is shown plain.
    QWidget* fehlerhaft = inputErrorPending() ? m_controls.widget(inputError().controlId) : nullptr;
    if (m_markiert && m_markiert != fehlerhaft) {
        m_markiert->setStyleSheet(QString());
        m_markiert->setToolTip(QString());
        m_markiert = nullptr;
    }
    if (fehlerhaft) {
        fehlerhaft->setStyleSheet(QStringLiteral("border: 2px solid #d01010;"));
        fehlerhaft->setToolTip(InputErrorText(inputError()));
        m_markiert = fehlerhaft;
    }
}

void CHvxModelessDlg::fokussiereFehler()
{
    QWidget* w = m_controls.widget(inputError().controlId);
    if (!w || !w->isVisibleTo(this))
        return;
    w->setFocus(Qt::OtherFocusReason);
    if (auto* feld = qobject_cast<QLineEdit*>(w))
        feld->selectAll();
}

void CHvxModelessDlg::OnOK()
{
    LogEntry(1, QStringLiteral("CHvxModelessDlg::OnOK"));
    ExchangePageData(true);
    ExchangePageData(false);
    if (!inputErrorPending())
        focusNextChild();
}

void CHvxModelessDlg::OnCancel()
{
    LogEntry(1, QStringLiteral("CHvxModelessDlg::OnCancel"));
    m_abbrechend = true;
    inputError().clear();
    ExchangePageData(false);
    CheckPage();
    m_abbrechend = false;
}

// --- ISeitenAktionen ---

bool CHvxModelessDlg::speichern()
{
    ExchangePageData(true);
    return !inputErrorPending();
}

void CHvxModelessDlg::laden()
{
    ExchangePageData(false);
    aktivRegelnAnwenden();
}

void CHvxModelessDlg::reglerGeaendert()
{
    Q_EMIT controllerChanged();
}

void CHvxModelessDlg::bereichGeaendert()
{
    Q_EMIT rangeChanged();
}

void CHvxModelessDlg::ansichtenNeuAufbauen()
{
    Q_EMIT rebuildAllViews();
}

void CHvxModelessDlg::neuInitialisieren()
{
    OnInitDialog();
}

void CHvxModelessDlg::reglerAnpassen()
{
    Q_EMIT controllerAdjusted();
}

void CHvxModelessDlg::fuehreKommandoAus(const Steuerelement& element)
{
    if (!m_kontext.editierbar && !element.auchSchreibgeschuetzt)
        return;
    if (!element.kommando) {
        // A button without a command of its own is stored at once, so that a save of the
        // document right after the click cannot miss it.
        ExchangePageData(true);
        ExchangePageData(false);
        return;
    }
    LogEntry(1, QStringLiteral("CHvxModelessDlg::OnCommand"), QString::number(element.id));
    element.kommando(m_kontext, m_controls, *this);
    // Commands write the record themselves ("aus" boxes, the access code, the online output).
    if (m_modified)
        m_modified();
}

// --- keyboard and focus ---

bool CHvxModelessDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && isVisible()) {
        ExchangePageData(true);
        ExchangePageData(false);
    } else if (event->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(event)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            OnOK();
            return true;
        }
        if (taste == Qt::Key_Escape) {
            OnCancel();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CHvxModelessDlg::showEvent(QShowEvent* event)
{
    haltePlatzFuerBeschriftungen();
    QWidget::showEvent(event);
}

void CHvxModelessDlg::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: OnOK(); break;
    case Qt::Key_Escape: OnCancel(); break;
    default: QWidget::keyPressEvent(event);
    }
}
