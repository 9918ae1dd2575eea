#include "editing/Felder.h"

#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/ProfileReader.h"
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

// The texts of a page as the window shows them: the record's own text where the page gives one,
// else the language file's, else the German one beside the program. A page's own texts depend
// on the whole record, so they are made once per look at the page, not once per label.
class Seitentexte {
public:
    explicit Seitentexte(const Seitenlauf& lauf)
        : m_lauf(lauf), m_deutsch(theApp().m_strProgDir + QStringLiteral("/01-Deutsch/Dialog.lan"))
    {
        if (lauf.beschreibung().texte)
            m_eigene = lauf.beschreibung().texte(lauf.kontext());
    }

    QString text(int id) const
    {
        if (id == 0)
            return QString();
        for (const Seitentext& t : m_eigene) {
            if (t.id == id)
                return t.text;
        }
        const QString& abschnitt = m_lauf.beschreibung().abschnitt;
        const QString text = GetDialogText(abschnitt, id);
        return text.isEmpty() ? ReadLanText(m_deutsch, abschnitt, id) : text;
    }

    // A check box is labelled by its own text, the other controls by the text before them.
    QString feldname(const Steuerelement& e) const
    {
        return text(e.art == Art::Kontrollkaestchen ? e.id : e.labelId);
    }

    QStringList knopftexte(const Steuerelement& e) const
    {
        QStringList texte;
        for (int knopf : e.knoepfe)
            texte << text(knopf);
        return texte;
    }

private:
    const Seitenlauf& m_lauf;
    const QString m_deutsch; // the German texts beside the program, where the language has none
    std::vector<Seitentext> m_eigene;
};

// A field's label: its group's caption, then its own label.
QString beschriftungVon(const QString& gruppe, const QString& feldname)
{
    if (gruppe.isEmpty() || feldname.isEmpty())
        return gruppe.isEmpty() ? feldname : gruppe;
    return gruppe + QLatin1Char(' ') + feldname;
}

QString wertVon(const Seitenlauf& lauf, const Seitentexte& texte, const Steuerelement& e)
{
    const KartenControls& c = lauf.controls();
    switch (e.art) {
    case Art::Eingabe: return c.text(e.id);
    case Art::Kontrollkaestchen: return QLatin1String(c.isChecked(e.id) ? kAngekreuzt : kNichtAngekreuzt);
    case Art::Auswahlliste: return c.selectedText(e.id);
    case Art::Optionsfelder: {
        const int nummer = c.selectedRadio(e.id);
        const QStringList knoepfe = texte.knopftexte(e);
        return nummer >= 0 && nummer < knoepfe.size() ? knoepfe[nummer] : QString();
    }
    }
    return QString();
}

void listeSeite(std::vector<Feldangabe>& felder, Bearbeitung& b, const Seitenplatz& p, Seitenlauf& lauf, int eintrag)
{
    const Seitentexte texte(lauf);
    const QString seite = seitentitel(b.parametersatz(), p);
    const QString seitenschluessel = QString::number(p.tab) + QLatin1Char('.') + QString::number(p.subPage) + QLatin1Char('.');
    const QString eintragsschluessel = eintrag >= 0 ? QLatin1Char('#') + QString::number(eintrag + 1) : QString();
    for (const Gruppe& g : lauf.beschreibung().gruppen) {
        const QString gruppe = texte.text(g.titelId);
        for (const Steuerelement& e : g.elemente) {
            if (!lauf.istSichtbar(e.id) || (istTimerseite(lauf) && e.id == timerpara::kZeitpunkt))
                continue;
            Feldangabe f;
            f.schluessel = seitenschluessel + QString::number(e.id) + eintragsschluessel;
            f.seite = seite;
            f.feldname = texte.feldname(e);
            f.beschriftung = beschriftungVon(gruppe, f.feldname);
            f.wert = wertVon(lauf, texte, e);
            f.einheit = texte.text(e.einheitId);
            f.istListe = e.art == Art::Auswahlliste || e.art == Art::Optionsfelder;
            if (e.art == Art::Auswahlliste)
                f.auswahl = lauf.controls().listen.value(e.id);
            else if (e.art == Art::Optionsfelder)
                f.auswahl = texte.knopftexte(e);
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
        const int nummer = int(Seitentexte(lauf).knopftexte(e).indexOf(wert));
        if (nummer < 0)
            return Setzergebnis::KeineAuswahl;
        ok = lauf.waehleKnopf(e.id, nummer);
        break;
    }
    }
    return ok ? Setzergebnis::Ok : Setzergebnis::Eingabefehler;
}

} // namespace

void felderJeSeite(Bearbeitung& b, const std::function<bool(std::span<const Feldangabe>)>& weiter)
{
    std::vector<Feldangabe> felder;
    for (const Seitenplatz& p : b.plaetze()) {
        Seitenlauf* lauf = b.seite(p);
        felder.clear();
        if (!istTimerseite(*lauf)) {
            listeSeite(felder, b, p, *lauf, -1);
        } else {
            const int gezeigt = lauf->kontext().eintrag;
            for (int eintrag = 0; eintrag < timereintrag::kAnzahl; ++eintrag) {
                zeigeEintrag(*lauf, eintrag);
                listeSeite(felder, b, p, *lauf, eintrag);
            }
            zeigeEintrag(*lauf, gezeigt);
        }
        if (!weiter(felder))
            return;
    }
}

std::vector<Feldangabe> felderAuflisten(Bearbeitung& b)
{
    std::vector<Feldangabe> alle;
    felderJeSeite(b, [&alle](std::span<const Feldangabe> seite) {
        alle.insert(alle.end(), seite.begin(), seite.end());
        return true;
    });
    return alle;
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
    if (wertVon(*lauf, Seitentexte(*lauf), *e) == wert)
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
