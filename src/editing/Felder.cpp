#include "editing/Felder.h"

#include "base/HvxApp.h"
#include "base/Language.h"
#include "editing/InputError.h"
#include "editing/ReglerSeite.h"

#include <QRegularExpression>

namespace hvx {

namespace {

struct Schluessel {
    int tab = 0;
    int sub = 0;
    int id = 0;
    int eintrag = -1; // timer entry 0..6, -1 for other pages
};

std::optional<Schluessel> zerlege(const QString& text)
{
    static const QRegularExpression muster(QStringLiteral("^(\\d)\\.(\\d)\\.(\\d+)(?:#(\\d))?$"));
    const QRegularExpressionMatch m = muster.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    Schluessel s{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()};
    if (m.hasCaptured(4)) {
        const int n = m.captured(4).toInt();
        if (n < 1 || n > timereintrag::kAnzahl)
            return std::nullopt;
        s.eintrag = n - 1;
    }
    return s;
}

bool istTimerseite(const Seitenlauf& lauf)
{
    return &lauf.beschreibung() == &timerParaSeite();
}

// A text of the page as the window shows it: the record's own text where the page gives one,
// else the language file's, else the German one beside the program.
QString seitentext(const Seitenlauf& lauf, int id)
{
    if (id == 0)
        return QString();
    if (lauf.beschreibung().texte) {
        for (const Seitentext& t : lauf.beschreibung().texte(lauf.kontext())) {
            if (t.id == id)
                return t.text;
        }
    }
    const QString text = GetDialogText(lauf.beschreibung().abschnitt, id);
    if (!text.isEmpty())
        return text;
    return GetLanText(lauf.beschreibung().abschnitt, QString::number(id),
                      theApp().m_strProgDir + QStringLiteral("/01-Deutsch/Dialog.lan"));
}

// A check box is labelled by its own text, the other controls by the text before them.
QString feldnameVon(const Seitenlauf& lauf, const Steuerelement& e)
{
    return seitentext(lauf, e.art == Art::Kontrollkaestchen ? e.id : e.labelId);
}

QString beschriftungVon(const Seitenlauf& lauf, const Gruppe& g, const Steuerelement& e)
{
    QStringList teile;
    const QString gruppe = seitentext(lauf, g.titelId);
    if (!gruppe.isEmpty())
        teile << gruppe;
    const QString eigene = feldnameVon(lauf, e);
    if (!eigene.isEmpty())
        teile << eigene;
    return teile.join(QStringLiteral(" "));
}

QStringList knopftexte(const Seitenlauf& lauf, const Steuerelement& e)
{
    QStringList texte;
    for (int knopf : e.knoepfe)
        texte << seitentext(lauf, knopf);
    return texte;
}

QString wertVon(const Seitenlauf& lauf, const Steuerelement& e)
{
    const KartenControls& c = lauf.controls();
    switch (e.art) {
    case Art::Eingabe: return c.text(e.id);
    case Art::Kontrollkaestchen: return QLatin1String(c.isChecked(e.id) ? kAngekreuzt : kNichtAngekreuzt);
    case Art::Auswahlliste: return c.selectedText(e.id);
    case Art::Optionsfelder: {
        const int nummer = c.selectedRadio(e.id);
        const QStringList texte = knopftexte(lauf, e);
        return nummer >= 0 && nummer < texte.size() ? texte[nummer] : QString();
    }
    }
    return QString();
}

void listeSeite(std::vector<Feldangabe>& felder, Bearbeitung& b, const Seitenplatz& p, Seitenlauf& lauf, int eintrag)
{
    for (const Gruppe& g : lauf.beschreibung().gruppen) {
        for (const Steuerelement& e : g.elemente) {
            if (!lauf.istSichtbar(e.id) || (istTimerseite(lauf) && e.id == timerpara::kZeitpunkt))
                continue;
            Feldangabe f;
            f.schluessel = QStringLiteral("%1.%2.%3").arg(p.tab).arg(p.subPage).arg(e.id);
            if (eintrag >= 0)
                f.schluessel += QStringLiteral("#%1").arg(eintrag + 1);
            f.seite = seitentitel(b.parametersatz(), p);
            f.beschriftung = beschriftungVon(lauf, g, e);
            f.feldname = feldnameVon(lauf, e);
            f.wert = wertVon(lauf, e);
            f.einheit = seitentext(lauf, e.einheitId);
            f.istListe = e.art == Art::Auswahlliste || e.art == Art::Optionsfelder;
            if (e.art == Art::Auswahlliste)
                f.auswahl = lauf.controls().listen.value(e.id);
            else if (e.art == Art::Optionsfelder)
                f.auswahl = knopftexte(lauf, e);
            else if (e.art == Art::Kontrollkaestchen)
                f.auswahl = {QLatin1String(kNichtAngekreuzt), QLatin1String(kAngekreuzt)};
            felder.push_back(f);
        }
    }
}

void zeigeEintrag(Seitenlauf& lauf, int eintrag)
{
    if (lauf.kontext().eintrag == eintrag)
        return;
    lauf.kontext().eintrag = eintrag;
    lauf.laden();
}

Setzergebnis bediene(Seitenlauf& lauf, const Steuerelement& e, const QString& wert)
{
    bool ok = true;
    switch (e.art) {
    case Art::Eingabe: ok = lauf.eingeben(e.id, wert); break;
    case Art::Kontrollkaestchen:
        if (wert != QLatin1String(kAngekreuzt) && wert != QLatin1String(kNichtAngekreuzt))
            return Setzergebnis::KeineAuswahl;
        ok = lauf.ankreuzen(e.id, wert == QLatin1String(kAngekreuzt));
        break;
    case Art::Auswahlliste:
        if (!lauf.controls().listen.value(e.id).contains(wert))
            return Setzergebnis::KeineAuswahl;
        ok = lauf.waehlen(e.id, wert);
        break;
    case Art::Optionsfelder: {
        const int nummer = int(knopftexte(lauf, e).indexOf(wert));
        if (nummer < 0)
            return Setzergebnis::KeineAuswahl;
        ok = lauf.waehleKnopf(e.id, nummer);
        break;
    }
    }
    return ok ? Setzergebnis::Ok : Setzergebnis::Eingabefehler;
}

} // namespace

std::vector<Feldangabe> felderAuflisten(Bearbeitung& b)
{
    std::vector<Feldangabe> felder;
    for (const Seitenplatz& p : b.plaetze()) {
        Seitenlauf* lauf = b.seite(p.tab, p.subPage);
        if (!lauf)
            continue;
        if (!istTimerseite(*lauf)) {
            listeSeite(felder, b, p, *lauf, -1);
            continue;
        }
        const int gezeigt = lauf->kontext().eintrag;
        for (int eintrag = 0; eintrag < timereintrag::kAnzahl; ++eintrag) {
            zeigeEintrag(*lauf, eintrag);
            listeSeite(felder, b, p, *lauf, eintrag);
        }
        zeigeEintrag(*lauf, gezeigt);
    }
    return felder;
}

Setzergebnis feldSetzen(Bearbeitung& b, const QString& text, const QString& wert)
{
    const std::optional<Schluessel> s = zerlege(text);
    Seitenlauf* lauf = s ? b.seite(s->tab, s->sub) : nullptr;
    if (!lauf || (s->eintrag >= 0) != istTimerseite(*lauf))
        return Setzergebnis::UnbekannterSchluessel;
    const Steuerelement* e = lauf->element(s->id);
    if (!e || !lauf->istSichtbar(e->id) || (istTimerseite(*lauf) && e->id == timerpara::kZeitpunkt))
        return Setzergebnis::UnbekannterSchluessel;
    if (s->eintrag >= 0)
        zeigeEintrag(*lauf, s->eintrag);
    if (wertVon(*lauf, *e) == wert)
        return Setzergebnis::Ok;
    if (!b.editierbar() || !lauf->controls().isEnabled(e->id))
        return Setzergebnis::Gesperrt;
    b.bearbeitet(s->tab, s->sub);
    const Setzergebnis ergebnis = bediene(*lauf, *e, wert);
    b.nachAktion();
    return ergebnis;
}

std::optional<Ablehnung> felderSetzen(Bearbeitung& b, const std::vector<Zuweisung>& zuweisungen)
{
    std::vector<Zuweisung> offen = zuweisungen;
    while (!offen.empty()) {
        std::vector<Zuweisung> gesperrt;
        for (const Zuweisung& z : offen) {
            const Setzergebnis ergebnis = feldSetzen(b, z.schluessel, z.wert);
            if (ergebnis == Setzergebnis::Gesperrt)
                gesperrt.push_back(z);
            else if (ergebnis != Setzergebnis::Ok)
                return Ablehnung{ergebnis, z};
        }
        // A locked field is refused only when no other value could unlock it.
        if (gesperrt.size() == offen.size())
            return Ablehnung{Setzergebnis::Gesperrt, gesperrt.front()};
        offen = std::move(gesperrt);
    }
    return std::nullopt;
}

} // namespace hvx
