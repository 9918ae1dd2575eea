#include "editing/PageDescription.h"

#include "editing/InputError.h"
#include "model/Reglerwerte.h"

#include <optional>

namespace hvx {

std::vector<const Steuerelement*> alleSteuerelemente(const Seitenbeschreibung& seite)
{
    std::vector<const Steuerelement*> alle;
    for (const Gruppe& g : seite.gruppen) {
        for (const Steuerelement& s : g.elemente)
            alle.push_back(&s);
    }
    return alle;
}

std::vector<int> textIds(const Seitenbeschreibung& seite)
{
    std::vector<int> ids;
    auto dazu = [&ids](int id) {
        if (id != 0)
            ids.push_back(id);
    };
    for (const Gruppe& g : seite.gruppen) {
        dazu(g.titelId);
        for (const Steuerelement& s : g.elemente) {
            dazu(s.labelId);
            dazu(s.einheitId);
            if (s.art == Art::Kontrollkaestchen)
                dazu(s.id);
            for (int knopf : s.knoepfe)
                dazu(knopf);
        }
    }
    return ids;
}

bool tauscheSeitendaten(const Seitenbeschreibung& seite, DataExchange& dx, SeitenKontext& kontext)
{
    const std::optional<Parametersatz> vorher =
        dx.speichern() && kontext.ps ? std::optional<Parametersatz>(*kontext.ps) : std::nullopt;
    for (const Steuerelement* s : alleSteuerelemente(seite)) {
        if (s->austausch)
            s->austausch(dx, kontext, s->id);
    }
    const bool eintraegeGeaendert = vorher && *kontext.ps != *vorher;
    if (dx.speichern() && kontext.ps)
        berechneAlleReglerwerte(*kontext.ps);
    return eintraegeGeaendert;
}

bool istAktiv(const Steuerelement& element, const SeitenKontext& kontext, const IControls& controls)
{
    if (!kontext.editierbar)
        return element.auchSchreibgeschuetzt;
    return !element.aktiv || element.aktiv(kontext, controls);
}

bool istSichtbar(const Gruppe& gruppe, const Steuerelement& element, const SeitenKontext& kontext,
                 const IControls& controls)
{
    if (gruppe.sichtbar && !gruppe.sichtbar(kontext, controls))
        return false;
    return !element.sichtbar || element.sichtbar(kontext, controls);
}

void fuelleListen(const Seitenbeschreibung& seite, IControls& controls, SeitenKontext& kontext)
{
    for (const Steuerelement* e : alleSteuerelemente(seite)) {
        if (!e->auswahl)
            continue;
        AuswahlListe liste = e->auswahl(kontext);
        QStringList texte;
        for (const Auswahl& a : liste)
            texte << a.text;
        controls.setItems(e->id, texte);
        kontext.listen[e->id] = std::move(liste);
    }
}

bool pruefeSeite(const Seitenbeschreibung& seite, IControls& controls, const SeitenKontext& kontext)
{
    for (const Steuerelement* s : alleSteuerelemente(seite)) {
        if (s->pruefung)
            s->pruefung(controls, kontext, s->id);
    }
    return !inputErrorPending();
}

} // namespace hvx
