#pragma once
// A technician's session as a sequence of steps on the real window, with the invariants checked
// after every step: shown = saved = sent = printed, the modified flag follows the record, the
// derived controller values follow their inputs, and comparisons list only real differences.
//
// A sequence is made of a start (revision, modules, what is special about the file) and steps.
// A step is its kind and three raw numbers; the numbers pick what it acts on in the window as it
// stands when the step runs, so a sequence with steps left out still replays (shrinking).

#include "WorkflowInteraction.h"
#include "WorkflowSession.h"

#include "model/Parametersatz.h"

#include <QPointer>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>
#include <random>
#include <vector>

class QLineEdit;

class CHVXApp;

namespace hvx::test {
class TestApp;
}

namespace hvx::test::workflow {

enum class Besonderheit {
    Keine,
    Zugangscode,        // a code in force, typed right when the file is opened
    Schreibgeschuetzt,  // a code in force, typed wrong: the pages are read-only
    LueckeVorSlot3,     // slot 2 empty, a module in slot 3 (a file from elsewhere)
    DreifachMitZweiPH,  // `MehrfachPH` 3 with pH in slots 1 and 2 only
};

struct Anfang {
    quint8 kennung = 0x13;
    std::array<quint8, 3> module{};
    Besonderheit besonderheit = Besonderheit::Keine;
    bool pruefenNachSchreiben = false; // [Communication] VerifyAfterWrite
};

enum class Art {
    Tippen,          // type a value; b picks it, c: 0 Enter, 1 leave the field, 2 stay in it
    Ankreuzen,       // click a check box
    Liste,           // choose a list entry
    Knopf,           // click a radio button
    Tab,             // choose a main tab
    Unterseite,      // choose a sub page of the module shown
    Timereintrag,    // choose a timer entry ("Zeitpunkt")
    StandardAktuell, // "Standard für aktuelle Parameter"
    StandardAlle,    // "Standard für alle Parameter"
    Modulwechsel,    // another module in one slot
    Speichern,       // b: tool bar or menu
    Schliessen,      // c: Yes, No or Cancel to the save question
    Uebertragen,     // b: tool bar or menu, c: keeping the calibration or not
    Vergleichen,     // "Mit Gerät vergleichen..."
    Ausgabe,         // the text export
};

struct Zug {
    Art art = Art::Tab;
    quint32 a = 0, b = 0, c = 0;
};

struct Befund {
    QString invariante;
    QString text;
};

// The simulated instrument inside the test carries the parameter set of this file; it answers
// without line timing, after a short pause as a real one does.
bool richteGeraetEin(CHVXApp& app, const QString& pfad, bool pruefenNachSchreiben, QString* fehler);

Anfang zieheAnfang(std::mt19937& zufall);
std::vector<Zug> zieheZuege(std::mt19937& zufall, int anzahl);
QString beschreibe(const Anfang& anfang);

class Lauf {
public:
    Lauf(TestApp& app, Interaktion& ui, const Anfang& anfang);
    ~Lauf();

    // Opens the start file; a finding when the start already breaks an invariant.
    std::optional<Befund> beginne();
    std::optional<Befund> schritt(const Zug& zug);
    // What each step did, for the report of a failing sequence.
    const QStringList& protokoll() const { return m_protokoll; }

private:
    struct Eingabe {
        QString schluessel;
        QString text;
        QPointer<QLineEdit> feld;
    };

    // --- acting ---
    void tippen(const Zug& z);
    void klicken(const Zug& z, int art);
    void tab(const Zug& z, bool unterseite);
    bool timereintrag(const Zug& z, int& gewaehlt);
    void menue();
    std::optional<Befund> speichern(const Zug& z);
    std::optional<Befund> schliessen(const Zug& z);
    std::optional<Befund> uebertragen(const Zug& z);
    std::optional<Befund> vergleichen();
    std::optional<Befund> ausgabe();
    std::optional<Befund> standardAktuell();
    void modulwechsel(const Zug& z);
    void neueSitzung();
    void fuelleUngesetzteAus();

    // --- the model ---
    QString schluessel(int id) const;
    // The record with the entry the technician typed and has not left applied.
    Parametersatz gezeigt() const;
    Parametersatz datei() const;
    Parametersatz geraet() const;
    std::optional<Befund> invarianten(const Parametersatz& vorher, bool neuGeoeffnet);

    void notiere(const QString& text) { m_protokoll << text; }

    TestApp& m_app;
    Interaktion& m_ui;
    Anfang m_anfang;
    QString m_pfad;
    QString m_code;
    std::unique_ptr<Sitzung> m_sitzung;
    std::optional<Eingabe> m_offen; // typed, not left
    QStringList m_protokoll;
};

// Runs one sequence; the first finding, with the step (0: the start) where it came.
struct Ergebnis {
    std::optional<Befund> befund;
    int schritt = -1;
    QStringList protokoll;
};
Ergebnis fuehreAus(TestApp& app, const Anfang& anfang, const std::vector<Zug>& zuege);

} // namespace hvx::test::workflow
