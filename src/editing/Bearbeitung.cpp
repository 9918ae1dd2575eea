#include "editing/Bearbeitung.h"

#include "editing/InputError.h"

namespace hvx {

Bearbeitung::Bearbeitung(Parametersatz& ps, bool editierbar, Aufbau aufbau) : m_ps(ps), m_editierbar(editierbar)
{
    if (aufbau == Aufbau::alleSeiten)
        alleAufbauen();
}

void Bearbeitung::alleAufbauen()
{
    for (const Seitenplatz& platz : plaetze())
        seite(platz);
}

std::unique_ptr<Seitenlauf> Bearbeitung::erzeuge(const Seitenplatz& platz)
{
    SeitenKontext k;
    k.ps = &m_ps;
    k.slot = platz.slot;
    k.tab = platz.tab;
    k.subPage = platz.subPage;
    k.editierbar = m_editierbar;
    auto lauf = std::make_unique<Seitenlauf>(*platz.seite, k);
    const int slot = platz.slot;
    lauf->setMeldungen({
        .reglerGeaendert = [this, slot] { initialisiereSlot(slot, {2}); },
        .bereichGeaendert = [this, slot] { initialisiereSlot(slot, {1, 2}); },
        .ansichtenNeuAufbauen = [this] { m_neuAufbauen = true; },
        .reglerAnpassen =
            [this, slot] {
                if (Seitenlauf* regler = seite(slot + 1, 2)) {
                    regler->initialisieren();
                    regler->speichern();
                }
            },
    });
    lauf->initialisieren();
    return lauf;
}

Seitenlauf* Bearbeitung::seite(int tab, int subPage)
{
    const Schluessel schluessel{tab, subPage};
    if (auto it = m_seiten.find(schluessel); it != m_seiten.end())
        return it->second.get();
    for (const Seitenplatz& platz : plaetze()) {
        if (platz.tab == tab && platz.subPage == subPage)
            return seite(platz);
    }
    return nullptr;
}

Seitenlauf* Bearbeitung::seite(const Seitenplatz& platz)
{
    const Schluessel schluessel{platz.tab, platz.subPage};
    if (auto it = m_seiten.find(schluessel); it != m_seiten.end())
        return it->second.get();
    return (m_seiten[schluessel] = erzeuge(platz)).get();
}

void Bearbeitung::initialisiereSlot(int slot, std::initializer_list<int> subPages)
{
    for (int sub : subPages) {
        if (auto it = m_seiten.find({slot + 1, sub}); it != m_seiten.end())
            it->second->initialisieren();
    }
}

void Bearbeitung::nachAktion()
{
    if (!m_neuAufbauen)
        return;
    m_neuAufbauen = false;
    m_seiten.clear();
    alleAufbauen();
    std::set<Schluessel> bleiben;
    for (const Seitenplatz& platz : plaetze()) {
        if (m_bearbeitet.count({platz.tab, platz.subPage}))
            bleiben.insert({platz.tab, platz.subPage});
    }
    m_bearbeitet = bleiben;
}

bool Bearbeitung::speichereBearbeitete()
{
    for (const Schluessel& s : m_bearbeitet) {
        Seitenlauf* lauf = seite(s.first, s.second);
        if (lauf && !lauf->speichern())
            return false;
    }
    return !inputErrorPending();
}

} // namespace hvx
