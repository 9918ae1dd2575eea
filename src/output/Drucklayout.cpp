#include "output/Drucklayout.h"

#include "base/CompactPath.h"
#include "base/HvxApp.h"
#include "output/AusgabeTexte.h"
#include "output/Drucktabelle.h"

#include <optional>
#include <span>

namespace hvx {

namespace {

constexpr int kKoerperStart = 5;       // the body starts five line heights below the top
constexpr int kModulbestueckungZeile = 28; // on the system page, lines below the body start
constexpr int kTextblockZeilen = 4;
constexpr int kTextblockAbstand = 5;
constexpr int kRandRechts = 10;        // page number and date stay 1 mm inside the right edge
constexpr int kLinieUnterKopf = 2;
constexpr int kLogoOben = 3;

class Seitensetzer {
public:
    Seitensetzer(const Druckraster& raster, const Druckmetrik& metrik, std::vector<Druckelement>& elemente)
        : m_raster(raster), m_metrik(metrik), m_elemente(elemente), m_y(kKoerperStart * metrik.zeilenhoehe)
    {
    }

    void setze(const Ausgabe& inhalt, bool systemseite)
    {
        Zeilenart vorher = Zeilenart::Leer;
        int titel = 0;
        for (size_t i = 0; i < inhalt.size(); ++i) {
            const Ausgabezeile& zeile = inhalt[i];
            switch (zeile.art) {
            case Zeilenart::Titel:
                // The system page's second heading sits at a fixed place below the text blocks.
                if (systemseite && titel++ == 1)
                    m_y = qMax(m_y, (kKoerperStart + kModulbestueckungZeile) * h());
                text(x(m_raster.einzug1), zeile.label, true, true);
                m_y += 2 * h();
                break;
            case Zeilenart::Ueberschrift:
                if (vorher == Zeilenart::Wert || vorher == Zeilenart::Text)
                    m_y += h() / 2;
                text(x(m_raster.einzug1), zeile.label, true, false);
                m_y += h();
                break;
            case Zeilenart::Text:
                text(x(m_raster.einzug1), zeile.label, false, false);
                m_y += h();
                break;
            case Zeilenart::Wert:
                if (zeile.absatz && vorher == Zeilenart::Wert)
                    m_y += h() / 2;
                wert(zeile);
                break;
            case Zeilenart::Leer: m_y += h(); break;
            case Zeilenart::Tabelle: {
                // The rows that follow share the columns.
                size_t ende = i + 1;
                while (ende < inhalt.size() && inhalt[ende].art == Zeilenart::Tabelle)
                    ++ende;
                m_y = drucktabelle::setzeTabelle(std::span(inhalt).subspan(i, ende - i), x(m_raster.einzug1), rechterRand(), m_y,
                                                 m_metrik, m_elemente);
                i = ende - 1;
                break;
            }
            case Zeilenart::Unterschriften:
                m_y = drucktabelle::setzeUnterschriften(zeile, x(m_raster.einzug1), rechterRand(), m_y, m_metrik, m_elemente);
                break;
            }
            vorher = zeile.art;
        }
    }

    // Below the last line set.
    int y() const { return m_y; }

private:
    int h() const { return m_metrik.zeilenhoehe; }
    int x(int einzug) const { return m_raster.links + einzug; }
    int rechterRand() const { return m_metrik.breite - m_raster.rechts; }

    void text(int links, const QString& inhalt, bool fett, bool doppelt)
    {
        if (inhalt.isEmpty())
            return;
        Druckelement e;
        e.rechteck = QRect(links, m_y, qMax(0, m_metrik.breite - links), doppelt ? 2 * h() : h());
        e.text = inhalt;
        e.fett = fett;
        e.doppelt = doppelt;
        m_elemente.push_back(e);
    }

    void wert(const Ausgabezeile& zeile)
    {
        text(x(m_raster.einzug1), zeile.label, false, false);
        if (zeile.mehrzeilig) {
            Druckelement e;
            e.art = Druckelement::Art::Textblock;
            e.rechteck = QRect(x(m_raster.einzug3), m_y, qMax(0, rechterRand() - x(m_raster.einzug3)), kTextblockZeilen * h());
            e.text = zeile.wert;
            m_elemente.push_back(e);
            m_y += kTextblockAbstand * h();
            return;
        }
        text(x(m_raster.einzug3), zeile.wert + zeile.druckEinheit, false, false);
        m_y += h();
    }

    const Druckraster& m_raster;
    const Druckmetrik& m_metrik;
    std::vector<Druckelement>& m_elemente;
    int m_y;
};

void kopfUndFuss(std::vector<Druckelement>& elemente, const Kopfzeile& kopf, const Druckraster& raster,
                 const Druckmetrik& metrik)
{
    const int w = metrik.breite;
    const int h = metrik.zeilenhoehe;
    const int fuss = metrik.hoehe - h;
    elemente.push_back({Druckelement::Art::Text, QRect(0, 0, w, h), ausgabe::text(ausgabe::kTitel), false, false, false});
    const QString seite = QStringLiteral("%1/%2").arg(kopf.seite).arg(kopf.seitenanzahl);
    elemente.push_back({Druckelement::Art::Text, QRect(0, 0, w - kRandRechts, h), seite, false, false, true});
    elemente.push_back({Druckelement::Art::Linie, QRect(0, kLinieUnterKopf * h, w, 0), {}, false, false, false});
    if (kopf.logoVerhaeltnis > 0) {
        const int logoHoehe = int(raster.logoBreite / kopf.logoVerhaeltnis);
        elemente.push_back({Druckelement::Art::Logo, QRect(w - raster.logoBreite, kLogoOben * h, raster.logoBreite, logoHoehe),
                            {}, false, false, false});
    }
    const int zeitBreite = metrik.textbreite(kopf.zeitpunkt, false, false);
    const QString pfad = gekuerzterPfad(kopf.pfad, [&](const QString& p) {
        return metrik.textbreite(p, false, false) + zeitBreite <= w;
    });
    elemente.push_back({Druckelement::Art::Text, QRect(0, fuss, w, h), pfad, false, false, false});
    elemente.push_back({Druckelement::Art::Text, QRect(0, fuss, w - kRandRechts, h), kopf.zeitpunkt, false, false, true});
    elemente.push_back({Druckelement::Art::Linie, QRect(0, fuss, w, 0), {}, false, false, false});
}

} // namespace

Druckraster leseDruckraster()
{
    CHVXApp& app = theApp();
    Druckraster raster;
    raster.links = app.GetIntSetting(settings::kPrintLeft);
    raster.rechts = app.GetIntSetting(settings::kPrintRightForPrinting);
    raster.einzug1 = app.GetIntSetting(settings::kPrintIndent1);
    raster.einzug2 = app.GetIntSetting(settings::kPrintIndent2);
    raster.einzug3 = app.GetIntSetting(settings::kPrintIndent3ForPrinting);
    raster.logoBreite = app.GetIntSetting(settings::kPrintLogoWidth);
    return raster;
}

std::vector<Druckelement> druckseite(const Ausgabe& inhalt, bool systemseite, const Kopfzeile& kopf,
                                     const Druckraster& raster, const Druckmetrik& metrik)
{
    std::vector<Druckelement> elemente;
    kopfUndFuss(elemente, kopf, raster, metrik);
    Seitensetzer(raster, metrik, elemente).setze(inhalt, systemseite);
    return elemente;
}

std::vector<Ausgabe> seitenweise(const Ausgabe& inhalt, const Druckraster& raster, const Druckmetrik& metrik)
{
    // The body ends a line above the footer.
    const int ende = metrik.hoehe - 2 * metrik.zeilenhoehe;
    const auto passt = [&](const Ausgabe& seite) {
        std::vector<Druckelement> elemente;
        Seitensetzer setzer(raster, metrik, elemente);
        setzer.setze(seite, false);
        return setzer.y() <= ende;
    };
    // Captions stay with what follows them; a table's heading row begins its next page again.
    const auto istKopf = [](const Ausgabezeile& z) {
        return z.art == Zeilenart::Titel || z.art == Zeilenart::Ueberschrift || z.art == Zeilenart::Leer
            || (z.art == Zeilenart::Tabelle && z.fett);
    };
    std::vector<Ausgabe> seiten;
    Ausgabe seite;
    std::optional<Ausgabezeile> tabellenkopf;
    for (const Ausgabezeile& zeile : inhalt) {
        if (zeile.art != Zeilenart::Tabelle)
            tabellenkopf.reset();
        else if (zeile.fett)
            tabellenkopf = zeile;
        Ausgabe mit = seite;
        mit.push_back(zeile);
        if (seite.empty() || passt(mit)) {
            seite = std::move(mit);
            continue;
        }
        Ausgabe naechste;
        while (seite.size() > 1 && istKopf(seite.back())) {
            naechste.insert(naechste.begin(), seite.back());
            seite.pop_back();
        }
        if (zeile.art == Zeilenart::Tabelle && !zeile.fett && tabellenkopf && (naechste.empty() || naechste.back() != *tabellenkopf))
            naechste.push_back(*tabellenkopf);
        naechste.push_back(zeile);
        // A page never begins with an empty line, also when the break falls on one.
        while (!naechste.empty() && naechste.front().art == Zeilenart::Leer)
            naechste.erase(naechste.begin());
        seiten.push_back(std::move(seite));
        seite = std::move(naechste);
    }
    if (!seite.empty() || seiten.empty())
        seiten.push_back(std::move(seite));
    return seiten;
}

QString gekuerzterPfad(const QString& pfad, const std::function<bool(const QString&)>& passt)
{
    // The shortest form when none fits: the footer keeps at least the first folder and the name.
    const QString text = CompactPathText(pfad, passt);
    const QStringList formen = CompactPathCandidates(pfad);
    return passt(text) || formen.isEmpty() ? text : formen.constLast();
}

} // namespace hvx
