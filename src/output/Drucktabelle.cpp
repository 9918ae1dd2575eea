#include "output/Drucktabelle.h"

#include <algorithm>
#include <numeric>

namespace hvx::drucktabelle {

namespace {

constexpr int kRaumZumUnterschreiben = 3; // line heights above a signature line

int breiteVon(const QString& text, bool fett, const Druckmetrik& metrik)
{
    return metrik.textbreite(text, fett, false);
}

// The longest start of word that fits (at least one character, so that the text goes on).
qsizetype passendeLaenge(const QString& wort, int breite, bool fett, const Druckmetrik& metrik)
{
    qsizetype n = 1;
    while (n < wort.size() && breiteVon(wort.left(n + 1), fett, metrik) <= breite)
        ++n;
    return n;
}

void umbrechenAbsatz(const QString& absatz, int breite, bool fett, const Druckmetrik& metrik, QStringList& zeilen)
{
    QString zeile;
    for (QString wort : absatz.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString laenger = zeile.isEmpty() ? wort : zeile + QLatin1Char(' ') + wort;
        if (breiteVon(laenger, fett, metrik) <= breite) {
            zeile = laenger;
            continue;
        }
        if (!zeile.isEmpty())
            zeilen << zeile;
        while (breiteVon(wort, fett, metrik) > breite) {
            const qsizetype n = passendeLaenge(wort, breite, fett, metrik);
            zeilen << wort.left(n);
            wort = wort.mid(n);
        }
        zeile = wort;
    }
    zeilen << zeile;
}

} // namespace

QStringList umbrechen(const QString& text, int breite, bool fett, const Druckmetrik& metrik)
{
    QStringList zeilen;
    for (const QString& absatz : QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(QLatin1Char('\n')))
        umbrechenAbsatz(absatz, std::max(1, breite), fett, metrik, zeilen);
    return zeilen;
}

std::vector<int> spaltenbreiten(std::span<const Ausgabezeile> zeilen, int breite, const Druckmetrik& metrik)
{
    qsizetype anzahl = 0;
    for (const Ausgabezeile& z : zeilen)
        anzahl = std::max(anzahl, z.spalten.size());
    std::vector<int> natuerlich(size_t(anzahl), 0);
    for (const Ausgabezeile& z : zeilen) {
        for (qsizetype c = 0; c < z.spalten.size(); ++c)
            natuerlich[size_t(c)] = std::max(natuerlich[size_t(c)], breiteVon(z.spalten[c], z.fett, metrik));
    }
    const int verfuegbar = std::max(int(anzahl), breite - kSpaltenabstand * int(std::max<qsizetype>(0, anzahl - 1)));
    if (std::accumulate(natuerlich.begin(), natuerlich.end(), 0) <= verfuegbar)
        return natuerlich;
    // Narrow columns keep their width; the space left is shared equally by the wide ones.
    std::vector<bool> fest(natuerlich.size(), false);
    for (bool geaendert = true; geaendert;) {
        geaendert = false;
        int rest = verfuegbar;
        int offen = 0;
        for (size_t c = 0; c < natuerlich.size(); ++c) {
            if (fest[c])
                rest -= natuerlich[c];
            else
                ++offen;
        }
        const int anteil = offen > 0 ? std::max(1, rest / offen) : 0;
        for (size_t c = 0; c < natuerlich.size(); ++c) {
            if (!fest[c] && natuerlich[c] <= anteil) {
                fest[c] = true;
                geaendert = true;
            }
        }
        if (!geaendert) {
            std::vector<int> breiten = natuerlich;
            for (size_t c = 0; c < breiten.size(); ++c) {
                if (!fest[c])
                    breiten[c] = anteil;
            }
            return breiten;
        }
    }
    return natuerlich;
}

int setzeTabelle(std::span<const Ausgabezeile> zeilen, int links, int rechts, int y, const Druckmetrik& metrik,
                 std::vector<Druckelement>& elemente)
{
    const int h = metrik.zeilenhoehe;
    const std::vector<int> breiten = spaltenbreiten(zeilen, rechts - links, metrik);
    for (const Ausgabezeile& zeile : zeilen) {
        int x = links;
        int zeilenzahl = 1;
        for (qsizetype c = 0; c < zeile.spalten.size(); ++c) {
            const int breite = breiten[size_t(c)];
            const QStringList teile = umbrechen(zeile.spalten[c], breite, zeile.fett, metrik);
            for (qsizetype k = 0; k < teile.size(); ++k) {
                if (teile[k].isEmpty())
                    continue;
                Druckelement e;
                e.rechteck = QRect(x, y + int(k) * h, std::max(1, breite), h);
                e.text = teile[k];
                e.fett = zeile.fett;
                elemente.push_back(e);
            }
            zeilenzahl = std::max(zeilenzahl, int(teile.size()));
            x += breite + kSpaltenabstand;
        }
        y += zeilenzahl * h;
        if (zeile.fett) {
            elemente.push_back({Druckelement::Art::Linie, QRect(links, y, rechts - links, 0), {}, false, false, false});
            y += h / 4;
        }
    }
    return y;
}

int setzeUnterschriften(const Ausgabezeile& zeile, int links, int rechts, int y, const Druckmetrik& metrik,
                        std::vector<Druckelement>& elemente)
{
    const int h = metrik.zeilenhoehe;
    const int anzahl = std::max(1, int(zeile.spalten.size()));
    const int breite = (rechts - links - kSpaltenabstand * (anzahl - 1)) / anzahl;
    y += kRaumZumUnterschreiben * h;
    int unten = y;
    for (int i = 0; i < zeile.spalten.size(); ++i) {
        const int x = links + i * (breite + kSpaltenabstand);
        elemente.push_back({Druckelement::Art::Linie, QRect(x, y, breite, 0), {}, false, false, false});
        const QStringList teile = umbrechen(zeile.spalten[i], breite, false, metrik);
        for (qsizetype k = 0; k < teile.size(); ++k) {
            Druckelement e;
            e.rechteck = QRect(x, y + h / 4 + int(k) * h, breite, h);
            e.text = teile[k];
            elemente.push_back(e);
        }
        unten = std::max(unten, y + h / 4 + int(teile.size()) * h);
    }
    return unten;
}

} // namespace hvx::drucktabelle
