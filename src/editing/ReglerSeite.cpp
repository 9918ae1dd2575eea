// The controller page: six rows by controller kind, direction, on/off, limit contacts,
// shut-off and the chlorine-family extras (the page engine recomputes the derived values).
#include "editing/ReglerSeite.h"

#include "base/Language.h"
#include "editing/Bindungen.h"
#include "editing/ReglerZeilen.h"
#include "model/Auswahltexte.h"
#include "model/Bestueckung.h"
#include "model/Modulnamen.h"
#include "model/Reglerart.h"
#include "model/Reglerwerte.h"
#include "model/Wertfeld.h"

namespace hvx {

namespace {

using namespace reglerpara;

constexpr int kDfueMax = 240;
constexpr int kChlorMinutenMax = 60;

bool zeileSichtbar(const SeitenKontext& k, int r)
{
    return reglerzeile(reglerartCode(*k.ps, k.slot), r).has_value();
}

bool istChlor(const SeitenKontext& k, const IControls&)
{
    return k.modultyp() == modultyp::kChlor;
}

void tauscheReglerEin(DataExchange& dx, SeitenKontext& k, int id)
{
    if (dx.laden()) {
        dx.controls().selectRadio(id, k.ps->reglerEin(k.slot) ? 0 : 1);
        return;
    }
    const int gewaehlt = dx.controls().selectedRadio(id);
    if (gewaehlt >= 0)
        k.ps->setReglerEin(k.slot, gewaehlt == 0);
}

void tauscheReglerabschaltung(DataExchange& dx, SeitenKontext& k, int id)
{
    if (dx.laden())
        zeigeAuswahl(dx, id, k.ps->reglerabschaltung(k.slot), k.listen[id]);
    else if (const auto wert = gewaehlterWert(dx, id, k.listen[id]))
        k.ps->setReglerabschaltung(k.slot, *wert);
}

// Offered only when there is another module to shut the controller off by.
AuswahlListe reglerabschaltungen(const SeitenKontext& k)
{
    AuswahlListe liste;
    const int anzahl = modulanzahl(*k.ps);
    if (anzahl <= 1)
        return liste;
    for (int wert : zusatzFreigabeAuswahl(k.slot, anzahl))
        liste.push_back({zusatzFreigabeText(wert, k.slot), wert});
    return liste;
}

AuswahlListe erhaltungsdosierungen(const SeitenKontext& k)
{
    AuswahlListe liste;
    for (int wert : erhaltungsdosierungAuswahl(k.slot, modulanzahl(*k.ps)))
        liste.push_back({erhaltungsdosierungText(wert), wert});
    return liste;
}

Austausch alsWertfeld(Feld f)
{
    return [f](DataExchange& dx, SeitenKontext& k, int id) { tauscheWertfeld(dx, k, id, f.zeiger(k)); };
}

// The "aus" box of a limit: its click writes its own bit at once, so that an export or a save
// right after it cannot miss it, and enables the value field beside it; the other fields keep
// what is typed in them until the page is stored.
Steuerelement limitAus(int id, quint8 bit)
{
    const Austausch austausch = alsCheckBit(imReglerblock(reglerblock::kFlags), bit, true);
    return {.id = id, .art = Art::Kontrollkaestchen, .austausch = austausch,
            .kommando =
                [austausch, id](SeitenKontext& k, IControls& c, ISeitenAktionen& seite) {
                    DataExchange dx(c, DataExchange::Richtung::Speichern);
                    austausch(dx, k, id);
                    seite.aktivRegelnAnwenden();
                },
            .nebenVorigem = true};
}

Gruppe zeilen()
{
    Gruppe g{.titelId = kGruppeRegler};
    for (int r = 0; r < kZeilen; ++r) {
        g.elemente.push_back(
            {.id = kEingabe[r], .labelId = kBeschriftung[r], .einheitId = kEinheit[r],
             .austausch = [r](DataExchange& dx, SeitenKontext& k, int id) { tauscheZeile(dx, k, r, id); },
             .pruefung = [r](IControls& c, const SeitenKontext& k, int id) { pruefeZeile(c, k, r, id); },
             .sichtbar = [r](const SeitenKontext& k, const IControls&) { return zeileSichtbar(k, r); }});
    }
    return g;
}

std::vector<Seitentext> texte(const SeitenKontext& k)
{
    const int art = reglerartCode(*k.ps, k.slot);
    std::vector<Seitentext> t{{kGruppeRegler, reglerartName(art)},
                              {kGruppeChlor, modulName(modultyp::kChlor, k.familie())},
                              {kEinheitLimitMinus, wertfeldEinheit(*k.ps, k.slot)},
                              {kEinheitLimitPlus, wertfeldEinheit(*k.ps, k.slot)}};
    for (int r = 0; r < kZeilen; ++r) {
        if (const auto z = reglerzeile(art, r)) {
            t.push_back({kBeschriftung[r], GetStringsText(z->text)});
            t.push_back({kEinheit[r], zeilenEinheit(k, r)});
        }
    }
    return t;
}

Seitenbeschreibung beschreibung()
{
    Seitenbeschreibung s;
    s.abschnitt = QStringLiteral("Reglerparameter-Dialog");
    s.vorlage = kVorlage;

    Gruppe wirksinn{.titelId = kGruppeWirksinn};
    wirksinn.elemente = {
        {.id = kPositiv, .art = Art::Optionsfelder, .knoepfe = {kPositiv, kNegativ},
         .austausch = alsRadioBit(imModulblock(modulblock::kReglerflags), reglerflags::kWirksinnNegativ, false,
                                  imModulkopf(modulkopf::kReglerflags))},
    };
    Gruppe einAus{.titelId = kGruppeEinAus};
    einAus.elemente = {{.id = kEin, .art = Art::Optionsfelder, .knoepfe = {kEin, kAus}, .austausch = tauscheReglerEin}};

    Gruppe limit{.titelId = kGruppeLimit, .spalte = 1};
    limit.elemente = {
        {.id = kLimitMinus, .labelId = kTextLimitMinus, .einheitId = kEinheitLimitMinus,
         .austausch = alsWertfeld(imReglerblock(reglerblock::kLimitMinus)), .pruefung = pruefeWertfeld,
         .aktiv = wennNichtAngekreuzt(kLimitMinusAus)},
        limitAus(kLimitMinusAus, reglerblockflags::kLimitMinusEin),
        {.id = kLimitPlus, .labelId = kTextLimitPlus, .einheitId = kEinheitLimitPlus,
         .austausch = alsWertfeld(imReglerblock(reglerblock::kLimitPlus)), .pruefung = pruefeWertfeld,
         .aktiv = wennNichtAngekreuzt(kLimitPlusAus)},
        limitAus(kLimitPlusAus, reglerblockflags::kLimitPlusEin),
        {.id = kLimitX2SD, .labelId = kTextLimitX2SD, .einheitId = kEinheitLimitX2SD,
         .austausch = alsScaledWord(imReglerblock(reglerblock::kLimitHystereseX2SD), 1), .pruefung = alsZahl(0, 30, 1)},
    };
    Gruppe abschaltung;
    abschaltung.elemente = {
        {.id = kReglerabschaltung, .art = Art::Auswahlliste, .labelId = kTextReglerabschaltung,
         .austausch = tauscheReglerabschaltung, .aktiv = mehrereModule, .auswahl = reglerabschaltungen},
    };

    Gruppe chlor{.titelId = kGruppeChlor, .spalte = 1, .sichtbar = istChlor};
    chlor.elemente = {
        {.id = kUnterbrechungszeit, .labelId = kTextUnterbrechung, .einheitId = kEinheitUnterbrechung,
         .austausch = alsWordNumber(imModulblock(modulblock::kUnterbrechungszeit)),
         .pruefung = alsZahl(0, kChlorMinutenMax, 0)},
        {.id = kVerzoegerungszeit, .labelId = kTextVerzoegerung, .einheitId = kEinheitVerzoegerung,
         .austausch = alsWordNumber(imModulblock(modulblock::kVerzoegerungszeit)),
         .pruefung = alsZahl(0, kChlorMinutenMax, 0)},
    };
    const Feld dfue = imModulblock(modulblock::kDfueAlarmverzoegerung);
    Gruppe dfueGruppe{.titelId = kGruppeDfue, .spalte = 1, .sichtbar = istChlor};
    dfueGruppe.elemente = {
        {.id = kDfueVerzoegerung, .einheitId = kEinheitDfue, .pruefung = alsZahl(0, kDfueMax, 0),
         .aktiv = wennNichtAngekreuzt(kDfueAus)},
        {.id = kDfueAus, .art = Art::Kontrollkaestchen,
         .austausch = alsOffOrByte(kDfueVerzoegerung, dfue, kDfueAlarmverzoegerungAus),
         .kommando = alsAusSchalterByte(kDfueAus, dfue, kDfueAlarmverzoegerungAus, 0), .nebenVorigem = true},
    };
    Gruppe erhaltung{.titelId = kGruppeErhaltung, .spalte = 1, .sichtbar = istChlor};
    erhaltung.elemente = {
        {.id = kErhaltungsdosierung, .art = Art::Auswahlliste,
         .austausch = alsComboMap(imModulblock(modulblock::kErhaltungsdosierung)), .aktiv = mehrereModule,
         .auswahl = erhaltungsdosierungen},
        {.id = kErhaltungsanteil, .einheitId = kEinheitErhaltung,
         .austausch = alsScaledWord(imModulblock(modulblock::kProzentErhaltung), 1), .pruefung = alsZahl(0, 99.9f, 1),
         .aktiv = mehrereModule, .nebenVorigem = true},
    };

    s.gruppen = {zeilen(), wirksinn, einAus, limit, abschaltung, chlor, dfueGruppe, erhaltung};
    s.texte = texte;
    return s;
}

} // namespace

const Seitenbeschreibung& reglerParaSeite()
{
    static const Seitenbeschreibung seite = beschreibung();
    return seite;
}

} // namespace hvx
