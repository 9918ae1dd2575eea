#include "app/gui/GeraetevergleichDlg.h"

#include "base/Language.h"
#include "base/gui/DialogTexts.h"
#include "editing/EditingTexts.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using hvx::gui::WithCtrlId;

namespace {

constexpr const char* kAbschnitt = "Vergleich-Dialog";
constexpr int kVorlage = 190;
constexpr int kIdHinweis = 1760;
constexpr int kIdTabelle = 1761;
constexpr int kIdKopieren = 1768;
constexpr int kIdMit = 1769;
constexpr int kIdOhne = 1770;
constexpr int kIdSchliessen = 1771;

// Column heads: Dialog.lan id and built-in German text; the document's column takes its name.
struct Spalte {
    int id;
    const char* text;
};
constexpr Spalte kSpalten[] = {{1762, "Seite"}, {1763, "Feld"}, {1764, "Gerät"}, {0, ""}, {1766, "Einheit"}, {1767, "Schlüssel"}};
constexpr int kSpalteDokument = 3;

// Groups keep their order whatever column the rows are sorted by.
class Gruppenzeile : public QTreeWidgetItem {
public:
    Gruppenzeile(QTreeWidget* tabelle, int rang) : QTreeWidgetItem(tabelle), m_rang(rang) {}
    bool operator<(const QTreeWidgetItem& other) const override
    {
        if (const auto* gruppe = dynamic_cast<const Gruppenzeile*>(&other))
            return m_rang < gruppe->m_rang;
        return QTreeWidgetItem::operator<(other);
    }

private:
    int m_rang;
};

QString spaltentext(const Spalte& spalte)
{
    return GetDialogTextOr(QString::fromUtf8(kAbschnitt), spalte.id, QString::fromUtf8(spalte.text));
}

} // namespace

CGeraetevergleichDlg::CGeraetevergleichDlg(hvx::Vergleich vergleich, const QString& dokumentName, bool mitErlaubt,
                                           bool ohneErlaubt, QWidget* parent)
    : LanDialog("CGeraetevergleichDlg", kAbschnitt, kVorlage, parent)
    , m_vergleich(std::move(vergleich))
    , m_dokumentName(dokumentName)
    , m_tabelle(WithCtrlId(new QTreeWidget(this), kIdTabelle))
    , m_kopieren(WithCtrlId(new QPushButton(QStringLiteral("Kopieren"), this), kIdKopieren))
    , m_mit(WithCtrlId(new QPushButton(QStringLiteral("Übertragen (mit Kalibrierdatenerhalt)"), this), kIdMit))
    , m_ohne(WithCtrlId(new QPushButton(QStringLiteral("Übertragen (ohne Kalibrierdatenerhalt)"), this), kIdOhne))
    , m_schliessen(WithCtrlId(new QPushButton(QStringLiteral("Schließen"), this), kIdSchliessen))
{
    setWindowTitle(QStringLiteral("Mit Gerät vergleichen"));
    auto* layout = new QVBoxLayout(this);
    auto* hinweis = WithCtrlId(
        new QLabel(QStringLiteral("Unterschiede zwischen dem Gerät und der Konfiguration (Gruppen aufklappen, "
                                  "Spaltenkopf klicken zum Sortieren):"),
                   this),
        kIdHinweis);
    hinweis->setWordWrap(true);
    layout->addWidget(hinweis);
    layout->addWidget(m_tabelle, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_kopieren);
    knoepfe->addStretch(1);
    knoepfe->addWidget(m_mit);
    knoepfe->addWidget(m_ohne);
    knoepfe->addWidget(m_schliessen);
    layout->addLayout(knoepfe);
    buttonBox()->hide();

    m_mit->setEnabled(mitErlaubt && !m_vergleich.gleich());
    m_ohne->setEnabled(ohneErlaubt && !m_vergleich.gleich());
    connect(m_mit, &QPushButton::clicked, this, [this] { waehle(Wahl::UebertragenMitKalibrierung); });
    connect(m_ohne, &QPushButton::clicked, this, [this] { waehle(Wahl::UebertragenOhneKalibrierung); });
    connect(m_schliessen, &QPushButton::clicked, this, [this] { waehle(Wahl::Schliessen); });
    connect(m_kopieren, &QPushButton::clicked, this, [this] {
        QGuiApplication::clipboard()->setText(hvx::vergleichsTabelle(m_vergleich, hvx::geraeteseite(), m_dokumentName));
    });
    m_schliessen->setDefault(true);
    // Room for six columns; the layout's own size hint would squeeze the table.
    setMinimumSize(860, 420);
}

void CGeraetevergleichDlg::onInitDialog()
{
    fuelleTabelle();
}

void CGeraetevergleichDlg::fuelleTabelle()
{
    QStringList koepfe;
    for (const Spalte& s : kSpalten)
        koepfe << (s.id == 0 ? m_dokumentName : spaltentext(s));
    m_tabelle->clear();
    m_tabelle->setColumnCount(int(koepfe.size()));
    m_tabelle->setHeaderLabels(koepfe);
    m_tabelle->setRootIsDecorated(true);
    m_tabelle->setAlternatingRowColors(true);
    if (m_vergleich.gleich()) {
        auto* zeile = new QTreeWidgetItem(m_tabelle, QStringList{GetStringsText(hvx::editingtext::kKeineUnterschiede)});
        zeile->setFirstColumnSpanned(true);
        return;
    }
    int rang = 0;
    for (const hvx::Unterschiedsgruppe g :
         {hvx::Unterschiedsgruppe::Feld, hvx::Unterschiedsgruppe::Kalibrierung, hvx::Unterschiedsgruppe::Byte}) {
        const std::vector<hvx::Unterschied> zeilen = m_vergleich.gruppe(g);
        if (zeilen.empty())
            continue;
        auto* gruppe = new Gruppenzeile(m_tabelle, rang++);
        gruppe->setText(0, QStringLiteral("%1 (%2)").arg(hvx::gruppenTitel(g)).arg(zeilen.size()));
        gruppe->setFirstColumnSpanned(true);
        QFont fett = gruppe->font(0);
        fett.setBold(true);
        gruppe->setFont(0, fett);
        for (const hvx::Unterschied& u : zeilen)
            new QTreeWidgetItem(gruppe, {u.seite, u.beschriftung, u.wertA, u.wertB, u.einheit, u.schluessel});
        gruppe->setExpanded(g != hvx::Unterschiedsgruppe::Kalibrierung);
    }
    m_tabelle->header()->setSortIndicator(-1, Qt::AscendingOrder);
    m_tabelle->setSortingEnabled(true);
    for (int spalte = 0; spalte < m_tabelle->columnCount(); ++spalte)
        m_tabelle->resizeColumnToContents(spalte);
}

void CGeraetevergleichDlg::waehle(Wahl wahl)
{
    m_wahl = wahl;
    logMarker(wahl == Wahl::Schliessen ? "OnClose" : "OnTransfer");
    if (wahl == Wahl::Schliessen)
        reject();
    else
        QDialog::accept();
}
