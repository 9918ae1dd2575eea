#include "editing/Seitenlauf.h"

#include "editing/InputError.h"

namespace hvx {

Seitenlauf::Seitenlauf(const Seitenbeschreibung& seite, SeitenKontext kontext)
    : m_seite(seite), m_kontext(std::move(kontext))
{
}

void Seitenlauf::initialisieren()
{
    fuelleListen(m_seite, m_controls, m_kontext);
    wendeSichtbarkeitAn();
    DataExchange dx(m_controls, DataExchange::Richtung::Laden);
    tauscheSeitendaten(m_seite, dx, m_kontext);
    aktivRegelnAnwenden();
}

void Seitenlauf::wendeSichtbarkeitAn()
{
    m_controls.versteckt.clear();
    for (const Gruppe& g : m_seite.gruppen) {
        for (const Steuerelement& e : g.elemente) {
            if (hvx::istSichtbar(g, e, m_kontext, m_controls))
                continue;
            m_controls.versteckt.insert(e.id);
            for (int knopf : e.knoepfe)
                m_controls.versteckt.insert(knopf);
        }
    }
}

const Steuerelement* Seitenlauf::element(int id) const
{
    for (const Steuerelement* e : alleSteuerelemente(m_seite)) {
        if (e->id == id)
            return e;
    }
    return nullptr;
}

bool Seitenlauf::eingeben(int id, const QString& text)
{
    m_controls.setText(id, text);
    speichern();
    laden();
    return !inputErrorPending();
}

bool Seitenlauf::klicken(int id)
{
    const Steuerelement* e = element(id);
    if (!e || !(m_kontext.editierbar || e->auchSchreibgeschuetzt))
        return !inputErrorPending();
    if (e->kommando) {
        e->kommando(m_kontext, m_controls, *this);
    } else {
        speichern();
        laden();
    }
    return !inputErrorPending();
}

bool Seitenlauf::ankreuzen(int id, bool an)
{
    m_controls.setChecked(id, an);
    return klicken(id);
}

bool Seitenlauf::waehlen(int id, const QString& text)
{
    m_controls.selectText(id, text);
    return klicken(id);
}

bool Seitenlauf::waehleKnopf(int firstId, int nummer)
{
    m_controls.selectRadio(firstId, nummer);
    return klicken(firstId);
}

bool Seitenlauf::speichern()
{
    inputError().clear();
    if (!pruefeSeite(m_seite, m_controls, m_kontext))
        return false;
    // A read-only page has nothing to store: its fields cannot have been changed.
    if (m_kontext.editierbar) {
        DataExchange dx(m_controls, DataExchange::Richtung::Speichern);
        tauscheSeitendaten(m_seite, dx, m_kontext);
    }
    return true;
}

void Seitenlauf::laden()
{
    if (inputErrorPending())
        return; // the wrong entry stays for correction
    DataExchange dx(m_controls, DataExchange::Richtung::Laden);
    tauscheSeitendaten(m_seite, dx, m_kontext);
    aktivRegelnAnwenden();
}

void Seitenlauf::aktivRegelnAnwenden()
{
    for (const Steuerelement* e : alleSteuerelemente(m_seite)) {
        const bool aktiv = istAktiv(*e, m_kontext, m_controls);
        m_controls.setEnabled(e->id, aktiv);
        for (int knopf : e->knoepfe)
            m_controls.setEnabled(knopf, aktiv);
    }
}

namespace {
void melde(const std::function<void()>& meldung)
{
    if (meldung)
        meldung();
}
} // namespace

void Seitenlauf::reglerGeaendert()
{
    melde(m_meldungen.reglerGeaendert);
}

void Seitenlauf::bereichGeaendert()
{
    melde(m_meldungen.bereichGeaendert);
}

void Seitenlauf::ansichtenNeuAufbauen()
{
    melde(m_meldungen.ansichtenNeuAufbauen);
}

void Seitenlauf::neuInitialisieren()
{
    initialisieren();
}

void Seitenlauf::reglerAnpassen()
{
    melde(m_meldungen.reglerAnpassen);
}

} // namespace hvx
