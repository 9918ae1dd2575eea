// The measuring page of redox, fluoride and redox (+/-) modules.
#include "editing/MessBausteine.h"

#include "base/Language.h"
#include "editing/SeitenTexte.h"

namespace hvx {

namespace {

using namespace messpararedox;

bool istFluorid(const SeitenKontext& k, const IControls&)
{
    return k.modultyp() == modultyp::kFluorid;
}

bool nie(const SeitenKontext&, const IControls&)
{
    return false;
}

// The range is fixed by the module type: shown, never chosen.
void zeigeMessbereich(DataExchange& dx, SeitenKontext& k, int id)
{
    if (dx.laden() && !k.listen[id].empty())
        dx.controls().selectText(id, k.listen[id].front().text);
}

// Fluoride compensates with a fixed coefficient; it is shown, not stored.
void zeigeTemperaturkoeffizient(DataExchange& dx, SeitenKontext&, int id)
{
    if (dx.laden())
        dx.controls().setText(id, GetStringsText(seitentext::kTemperaturkoeffizientFluorid));
}

Seitenbeschreibung beschreibung()
{
    Seitenbeschreibung s;
    s.abschnitt = QStringLiteral("Messparameter-Redox-Dialog");
    s.vorlage = kVorlage;

    Gruppe bereich;
    bereich.elemente = {
        {.id = kMessbereich, .art = Art::Auswahlliste, .labelId = kTextMessbereich, .austausch = zeigeMessbereich,
         .aktiv = nie, .auswahl = [](const SeitenKontext& k) {
             const bool plusMinus = k.modultyp() == modultyp::kRedoxPlusMinus;
             return auswahlAus({{plusMinus ? seitentext::kRedoxPlusMinus : seitentext::kRedox, 0}});
         }},
    };

    Gruppe strom{.titelId = kGruppeStromeingang};
    strom.elemente = {
        stromListe(kStrom, kTextStrom),
        stromwert(kWertAnfang, modulblock::kWertBeiAnfangsstrom, kTextWertAnfang, kTextMVAnfang),
        stromwert(kWert20mA, modulblock::kWertBei20mA, kTextWert20mA, kTextMV20mA),
    };

    Gruppe kompensationsgruppe{.titelId = kGruppeKompensation, .spalte = 1};
    kompensationsgruppe.elemente =
        kompensation(kAutomatisch, kManuell, kManuelleTemperatur, kTextManuelleTemperatur, kTextTemperatureinheit);
    kompensationsgruppe.elemente.push_back({.id = kTemperaturkoeffizient, .labelId = kTextTemperaturkoeffizient,
                                            .einheitId = kTextMVK, .austausch = zeigeTemperaturkoeffizient,
                                            .sichtbar = istFluorid, .aktiv = nie});

    s.gruppen = {bereich, strom, kompensationsgruppe, kalibrierueberwachung(kKalibrierung)};
    s.texte = [](const SeitenKontext& k) { return std::vector<Seitentext>{temperatureinheit(k, kTextTemperatureinheit)}; };
    return s;
}

} // namespace

const Seitenbeschreibung& messParaRedoxSeite()
{
    static const Seitenbeschreibung seite = beschreibung();
    return seite;
}

} // namespace hvx
