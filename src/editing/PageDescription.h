#pragma once
// A page of the editing view, described as data: its controls in groups, each with its label
// and unit texts (Dialog.lan keys of the page's section), its field exchange, its validator with
// limits, its visibility and enable rules, its choices and the command it runs when clicked.
// One engine (CHvxModelessDlg) runs every page from such a description.

#include "editing/Controls.h"
#include "editing/DataExchange.h"
#include "model/Parametersatz.h"

#include <QString>

#include <functional>
#include <map>
#include <vector>

namespace hvx {

// What a page edits and where it sits in the view.
struct SeitenKontext {
    Parametersatz* ps = nullptr;
    int slot = 0;           // module slot index 0..2 (0 for the system page)
    int tab = 0;            // main tab index reported with input errors
    int subPage = 0;        // sub page reported with input errors
    bool editierbar = true; // false: read-only mode
    int eintrag = 0;        // timer page: the entry shown (0..6)
    std::map<int, AuswahlListe> listen; // text-to-value map per drop-down list

    quint8 modultyp() const { return ps->modultyp(slot); }
    int version() const { return ps->version(); }
    int familie() const { return ps->familie(); }
    quint8* bild() { return ps->bytes().data(); }
};

// What a command may ask of its page, in the order it calls them.
class ISeitenAktionen {
public:
    virtual ~ISeitenAktionen() = default;
    virtual bool speichern() = 0; // save cycle; false when an input error stopped it
    virtual void laden() = 0;     // fields show the record again, enable rules applied
    virtual void aktivRegelnAnwenden() = 0;
    virtual void reglerGeaendert() = 0;   // the module container rebuilds its controller tab
    virtual void bereichGeaendert() = 0;  // the module container re-initialises its pages
    virtual void ansichtenNeuAufbauen() = 0; // all views rebuild their tabs
    // The page fills its lists and shows the record again (a range changed on the page itself).
    virtual void neuInitialisieren() {}
    // Controller values were moved into a new range: the controller page of the slot shows them
    // and saves, so that its derived values follow.
    virtual void reglerAnpassen() {}
};

enum class Art { Auswahlliste, Eingabe, Kontrollkaestchen, Optionsfelder };

using Regel = std::function<bool(const SeitenKontext&, const IControls&)>;
using Austausch = std::function<void(DataExchange&, SeitenKontext&, int id)>;
using Pruefung = std::function<void(IControls&, const SeitenKontext&, int id)>;
using Kommando = std::function<void(SeitenKontext&, IControls&, ISeitenAktionen&)>;
using Auswahlquelle = std::function<AuswahlListe(const SeitenKontext&)>;

struct Steuerelement {
    int id = 0;
    Art art = Art::Eingabe;
    int labelId = 0;           // static text before the control (edits and lists)
    int einheitId = 0;         // static text after an edit
    std::vector<int> knoepfe{};  // radio buttons (the first is id)
    Austausch austausch{};       // none: the field is exchanged by another row
    Pruefung pruefung{};
    Regel sichtbar{};            // none: always shown
    Regel aktiv{};               // none: always enabled while editable
    Kommando kommando{};         // click of a button, selection change of a list
    Auswahlquelle auswahl{};     // choices of a list
    int eingabebreite = 6;     // width of an edit in characters
    bool beschriftungDarueber = false; // label above a list with long choices, not beside it
    bool nebenVorigem = false;         // in the row of the control before it (an "aus" box
                                       // beside its field), not in a row of its own
    bool auchSchreibgeschuetzt = false; // stays enabled in read-only mode: it chooses what the page
                                        // shows (a timer entry) and never writes the record
};

struct Gruppe {
    int titelId = 0; // 0: no frame
    int spalte = 0;  // 0 left, 1 right
    std::vector<Steuerelement> elemente{};
    Regel sichtbar{};
};

// A text of the page that depends on the record (a row label by controller kind, a unit, a
// caption); it replaces the section's text of that control id.
struct Seitentext {
    int id = 0;
    QString text;
};

struct Seitenbeschreibung {
    QString abschnitt; // Dialog.lan section of the control texts
    int vorlage = 0;   // dialog template number (also the help topic)
    std::vector<Gruppe> gruppen;
    std::function<std::vector<Seitentext>(const SeitenKontext&)> texte{};
};

// Whether a control is enabled now: in read-only mode only the ones that choose what is shown.
bool istAktiv(const Steuerelement& element, const SeitenKontext& kontext, const IControls& controls);

// Every control of a description, in exchange and check order.
std::vector<const Steuerelement*> alleSteuerelemente(const Seitenbeschreibung& seite);
// Every control id with a text of the section: captions of groups, labels, units, buttons.
std::vector<int> textIds(const Seitenbeschreibung& seite);

// Whether a control is shown for this record: its group's rule and its own.
bool istSichtbar(const Gruppe& gruppe, const Steuerelement& element, const SeitenKontext& kontext,
                 const IControls& controls);

// Runs the exchange of every control in order. Saving then recomputes the derived controller
// values of every slot, as any page's entry (a range, a kind of signal) may change their scale.
// Returns whether storing the entries changed a byte; derived values alone are no change, since a
// factory set need not hold exactly what the formulas give for its entries.
bool tauscheSeitendaten(const Seitenbeschreibung& seite, DataExchange& dx, SeitenKontext& kontext);
// Fills every list of the page with its choices and keeps the text-to-value map of each.
void fuelleListen(const Seitenbeschreibung& seite, IControls& controls, SeitenKontext& kontext);
// Runs every validator in order; returns whether no error is pending afterwards.
bool pruefeSeite(const Seitenbeschreibung& seite, IControls& controls, const SeitenKontext& kontext);

} // namespace hvx
