// The timer page of variant L: seven biocide dosing times, one shown at a time.
#include "editing/ReglerSeite.h"

#include "base/Language.h"
#include "editing/Bindungen.h"
#include "editing/SeitenTexte.h"
#include "editing/Zahlentext.h"

namespace hvx {

namespace {

using namespace timerpara;

constexpr int kWochentage = 7;
// Pre-circulation exists from identification nibble 3 on, its bytes only in 13-byte entries.
constexpr int kKennungMitVorumwaelzung = 3;

bool mitVorumwaelzung(const SeitenKontext& k, const IControls&)
{
    return (k.ps->geraetekennung() & 0x0F) >= kKennungMitVorumwaelzung;
}

bool langeEintraege(const SeitenKontext& k)
{
    return k.ps->timerEintragGroesse() == timereintrag::kGroesseLang;
}

Austausch nurLang(Austausch austausch)
{
    return [austausch](DataExchange& dx, SeitenKontext& k, int id) {
        if (langeEintraege(k))
            austausch(dx, k, id);
    };
}

Pruefung nurLang(Pruefung pruefung)
{
    return [pruefung](IControls& c, const SeitenKontext& k, int id) {
        if (langeEintraege(k))
            pruefung(c, k, id);
    };
}

void tauscheZeitpunkt(DataExchange& dx, SeitenKontext& k, int id)
{
    if (dx.laden())
        dx.controls().selectRadio(id, k.eintrag);
}

// The shown entry is saved before another one is shown; an error keeps the shown one.
void zeitpunktGewaehlt(SeitenKontext& k, IControls& c, ISeitenAktionen& seite)
{
    const int gewaehlt = c.selectedRadio(kZeitpunkt);
    if (!seite.speichern()) {
        c.selectRadio(kZeitpunkt, k.eintrag);
        return;
    }
    if (gewaehlt >= 0 && gewaehlt < timereintrag::kAnzahl)
        k.eintrag = gewaehlt;
    seite.laden();
}

void tauscheRelais(DataExchange& dx, SeitenKontext& k, int id)
{
    quint8* relais = imTimereintrag(timereintrag::kRelais).zeiger(k);
    if (dx.laden()) {
        dx.controls().selectRadio(id, *relais - 1);
        return;
    }
    const int gewaehlt = dx.controls().selectedRadio(id);
    if (gewaehlt >= 0)
        *relais = quint8(gewaehlt + 1);
}

Gruppe offOrByte(int titel, int ausId, int editId, int labelId, int einheitId, int offset, quint8 aus, quint8 start,
                 float min, int spalte)
{
    const Feld f = imTimereintrag(offset);
    Gruppe g{.titelId = titel, .spalte = spalte, .sichtbar = mitVorumwaelzung};
    g.elemente = {
        {.id = editId, .labelId = labelId, .einheitId = einheitId, .pruefung = nurLang(alsZahl(min, 99, 0)),
         .sichtbar = mitVorumwaelzung, .aktiv = wennNichtAngekreuzt(ausId)},
        {.id = ausId, .art = Art::Kontrollkaestchen, .austausch = nurLang(alsOffOrByte(editId, f, aus)),
         .sichtbar = mitVorumwaelzung, .kommando = alsAusSchalterByte(ausId, f, aus, start), .nebenVorigem = true},
    };
    return g;
}

std::vector<Seitentext> relaisTexte(const SeitenKontext& k)
{
    const int erstes = 2 * k.slot + 2;
    const int zweites = erstes + 1;
    return {{kRelais, ersetzeGanzzahlen(GetStringsText(seitentext::kRelais), {erstes})},
            {kRelais + 1, ersetzeGanzzahlen(GetStringsText(seitentext::kRelais), {zweites})},
            {kRelais + 2, ersetzeGanzzahlen(GetStringsText(seitentext::kRelaisUnd), {erstes, zweites})}};
}

Seitenbeschreibung beschreibung()
{
    Seitenbeschreibung s;
    s.abschnitt = QStringLiteral("Timerparameter-Dialog");
    s.vorlage = kVorlage;

    std::vector<int> zeitpunkte;
    for (int i = 0; i < timereintrag::kAnzahl; ++i)
        zeitpunkte.push_back(kZeitpunkt + i);
    Gruppe zeitpunkt{.titelId = kGruppeZeitpunkt};
    zeitpunkt.elemente = {{.id = kZeitpunkt, .art = Art::Optionsfelder, .knoepfe = zeitpunkte,
                           .austausch = tauscheZeitpunkt, .kommando = zeitpunktGewaehlt,
                           .auchSchreibgeschuetzt = true}};

    Gruppe eintrag{.titelId = kGruppeEintrag};
    eintrag.elemente = {
        {.id = kUhrzeit, .labelId = kTextUhrzeit,
         .austausch = alsTimeHHMM(imTimereintrag(timereintrag::kStundeBcd), imTimereintrag(timereintrag::kMinuteBcd)),
         .pruefung = alsZeit()},
        {.id = kDosierzeit, .labelId = kTextDosierzeit, .einheitId = kEinheitDosierzeit,
         .austausch = alsWordNumber(imTimereintrag(timereintrag::kDosierzeit)), .pruefung = alsZahl(1, 600, 0)},
        {.id = kEinwirkzeit, .labelId = kTextEinwirkzeit, .einheitId = kEinheitEinwirkzeit,
         .austausch = alsWordNumber(imTimereintrag(timereintrag::kEinwirkzeit)), .pruefung = alsZahl(0, 600, 0)},
        {.id = kAbsalzschwelle, .labelId = kTextAbsalzschwelle, .einheitId = kEinheitAbsalzschwelle,
         .austausch = alsScaledWord(imTimereintrag(timereintrag::kAbsalzschwelle), 1), .pruefung = alsZahl(0, 99.9f, 1)},
    };

    Gruppe relais{.titelId = kGruppeRelais};
    relais.elemente = {{.id = kRelais, .art = Art::Optionsfelder, .knoepfe = {kRelais, kRelais + 1, kRelais + 2},
                        .austausch = tauscheRelais}};

    Gruppe tage{.titelId = kGruppeWochentage, .spalte = 1};
    for (int tag = 0; tag < kWochentage; ++tag)
        tage.elemente.push_back({.id = kMontag + tag, .art = Art::Kontrollkaestchen,
                                 .austausch = alsCheckBit(imTimereintrag(timereintrag::kWochentage), quint8(1u << tag))});

    s.gruppen = {zeitpunkt,
                 eintrag,
                 relais,
                 tage,
                 // The pre-circulation below the relays: both columns about as tall, so that the
                 // page fits above the view's logo.
                 offOrByte(kGruppeVorumwaelzung, kVorumwaelzungAus, kVorumwaelzung, 0, kEinheitVorumwaelzung,
                           timereintrag::kVorumwaelzung, kByteAus, 0, 0, 0),
                 offOrByte(kGruppeUeberwachung, kStartsAus, kStarts, kTextStarts, kEinheitStarts,
                           timereintrag::kMaxVorumwaelzStarts, 0, 1, 1, 1),
                 offOrByte(kGruppeUnterbrechung, kUnterbrechungAus, kUnterbrechung, kTextUnterbrechung,
                           kEinheitUnterbrechung, timereintrag::kMaxUnterbrechung, kByteAus, 0, 0, 1)};
    s.texte = relaisTexte;
    return s;
}

} // namespace

const Seitenbeschreibung& timerParaSeite()
{
    static const Seitenbeschreibung seite = beschreibung();
    return seite;
}

} // namespace hvx
