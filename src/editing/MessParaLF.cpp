// The measuring page of conductivity and blow-down conductivity modules.
#include "editing/MessBausteine.h"

#include "editing/Bindungen.h"
#include "editing/SeitenTexte.h"
#include "model/Messbereich.h"

namespace hvx {

namespace {

using namespace messparalf;

AuswahlListe bereiche(const SeitenKontext& k)
{
    using namespace seitentext;
    switch (k.modultyp()) {
    case modultyp::kLfKonduktiv: return auswahlAus({{kUs2, 1}, {kUs2 + 1, 2}, {kUs2 + 2, 3}});
    case modultyp::kLfInduktiv: return auswahlAus({{kMs2, 1}, {kMs2 + 1, 2}, {kMs2 + 2, 3}, {kMs2 + 3, 4}});
    case modultyp::kAbsalzInduktiv: return auswahlAus({{kUs5000, 1}});
    case modultyp::kAbsalzKonduktiv: return auswahlAus({{kUs5, 1}, {kUs5 + 1, 2}, {kUs5 + 2, 3}});
    default: return {};
    }
}

bool bereichWaehlbar(const SeitenKontext& k, const IControls&)
{
    return k.modultyp() != modultyp::kAbsalzInduktiv;
}

Seitenbeschreibung beschreibung()
{
    Seitenbeschreibung s;
    s.abschnitt = QStringLiteral("Messparameter-LF-Dialog");
    s.vorlage = kVorlage;

    Gruppe bereich;
    bereich.elemente = {
        {.id = kMessbereich, .art = Art::Auswahlliste, .labelId = kTextMessbereich,
         .austausch = alsComboMap(imModulblock(modulblock::kLfMessbereich)), .aktiv = bereichWaehlbar,
         .kommando = bereichGewechselt(kMessbereich, modulblock::kLfMessbereich), .auswahl = bereiche},
    };

    Gruppe strom{.titelId = kGruppeStromeingang};
    strom.elemente = {
        stromListe(kStrom, kTextStrom),
        stromwert(kWertAnfang, modulblock::kWertBeiAnfangsstrom, kTextWertAnfang, kTextEinheitAnfang),
        stromwert(kWert20mA, modulblock::kWertBei20mA, kTextWert20mA, kTextEinheit20mA),
    };

    Gruppe sensor;
    sensor.elemente = {
        {.id = kEinbaufaktor, .labelId = kTextEinbaufaktor,
         .austausch = alsScaledWord(imModulblock(modulblock::kEinbaufaktor), 2), .pruefung = alsZahl(0.5f, 1.5f, 2)},
    };

    Gruppe kompensationsgruppe{.titelId = kGruppeKompensation, .spalte = 1};
    kompensationsgruppe.elemente =
        kompensation(kAutomatisch, kManuell, kManuelleTemperatur, kTextManuelleTemperatur, kTextTemperatureinheit);
    kompensationsgruppe.elemente.push_back(
        {.id = kTemperaturkoeffizient, .labelId = kTextTemperaturkoeffizient, .einheitId = kTextProzentK,
         .austausch = alsScaledWord(imModulblock(modulblock::kTemperaturkoeffizient), 2), .pruefung = alsZahl(0, 5, 2)});

    s.gruppen = {bereich, strom, sensor, kompensationsgruppe, kalibrierueberwachung(kKalibrierung)};
    s.texte = [](const SeitenKontext& k) {
        const QString einheit = messwertEinheit(*k.ps, k.slot, false);
        return std::vector<Seitentext>{temperatureinheit(k, kTextTemperatureinheit), {kTextEinheitAnfang, einheit},
                                       {kTextEinheit20mA, einheit}};
    };
    return s;
}

} // namespace

const Seitenbeschreibung& messParaLFSeite()
{
    static const Seitenbeschreibung seite = beschreibung();
    return seite;
}

} // namespace hvx
