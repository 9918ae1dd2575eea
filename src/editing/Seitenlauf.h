#pragma once
// A page run without a window: the same description, exchange, validators, rules and commands
// as in the editing view, over controls held in maps. hvxcli edits a configuration with it, and
// tests drive pages through it as a user would.

#include "editing/KartenControls.h"
#include "editing/PageDescription.h"

#include <functional>

namespace hvx {

class Seitenlauf : public ISeitenAktionen {
public:
    // What the page reports to whoever holds it (the module container's part in the window).
    struct Meldungen {
        std::function<void()> reglerGeaendert{};
        std::function<void()> bereichGeaendert{};
        std::function<void()> ansichtenNeuAufbauen{};
        std::function<void()> reglerAnpassen{};
    };

    Seitenlauf(const Seitenbeschreibung& seite, SeitenKontext kontext);

    void setMeldungen(Meldungen meldungen) { m_meldungen = std::move(meldungen); }

    // Lists, visibility, fields from the record, enable rules (or all disabled when read-only).
    void initialisieren();

    const Seitenbeschreibung& beschreibung() const { return m_seite; }
    SeitenKontext& kontext() { return m_kontext; }
    const SeitenKontext& kontext() const { return m_kontext; }
    KartenControls& controls() { return m_controls; }
    const KartenControls& controls() const { return m_controls; }

    // The control with this id (a radio group by its first button), nullptr when the page has none.
    const Steuerelement* element(int id) const;
    bool istSichtbar(int id) const { return m_controls.isVisible(id); }

    // --- as a user would ---
    // Types into an edit and leaves it; false when the page reports an input error.
    bool eingeben(int id, const QString& text);
    // Sets a check box, chooses a list entry by its text or a radio button by number, and runs
    // what a click runs; false when an input error is pending afterwards.
    bool ankreuzen(int id, bool an);
    bool waehlen(int id, const QString& text);
    bool waehleKnopf(int firstId, int nummer);

    // ISeitenAktionen
    bool speichern() override;
    void laden() override;
    void aktivRegelnAnwenden() override;
    void reglerGeaendert() override;
    void bereichGeaendert() override;
    void ansichtenNeuAufbauen() override;
    void neuInitialisieren() override;
    void reglerAnpassen() override;

private:
    void wendeSichtbarkeitAn();
    bool klicken(int id);

    const Seitenbeschreibung& m_seite;
    SeitenKontext m_kontext;
    KartenControls m_controls;
    Meldungen m_meldungen;
};

} // namespace hvx
