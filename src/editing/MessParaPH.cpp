// The pH measuring page.
#include "editing/MessBausteine.h"

#include "base/Log.h"
#include "editing/Bindungen.h"
#include "editing/SeitenTexte.h"
#include "model/Reglerwerte.h"

namespace hvx {

namespace {

using namespace messparaph;

// A new range moves the controller's values into it; the technician is told to look at them.
void messbereichGewaehlt(SeitenKontext& k, IControls&, ISeitenAktionen& seite)
{
    if (!seite.speichern())
        return;
    if (reglerwerteInMessbereich(*k.ps, k.slot)) {
        seite.reglerAnpassen();
        LogMessageBoxId(seitentext::kReglerAngepasst);
    }
}

// Module 1 of a multiple pH measurement checks how far the modules may differ.
bool mitMaxAbweichung(const SeitenKontext& k, const IControls&)
{
    return k.ps->modulByte(k.slot, modulblock::kMehrfachPH) >= mehrfachph::kZweifach;
}

Seitenbeschreibung beschreibung()
{
    Seitenbeschreibung s;
    s.abschnitt = QStringLiteral("Messparameter-pH-Dialog");
    s.vorlage = kVorlage;

    Gruppe bereich;
    bereich.elemente = {
        {.id = kMessbereich, .art = Art::Auswahlliste, .labelId = kTextMessbereich,
         .austausch = alsComboMap(imModulblock(modulblock::kPhMessbereich)), .kommando = messbereichGewaehlt,
         .auswahl = [](const SeitenKontext&) {
             return auswahlAus({{seitentext::kPh0bis14, 1}, {seitentext::kPh2bis12, 2}, {seitentext::kPh3bis8, 3}});
         }},
    };

    Gruppe strom{.titelId = kGruppeStromsignal};
    strom.elemente = {stromRadio(kStrom0bis20, kStrom4bis20), ausgangsstrom(kAusgangsstrom, kTextAusgangsstrom, kTextMA)};

    Gruppe abweichung{.titelId = kGruppeMaxAbweichung, .sichtbar = mitMaxAbweichung};
    abweichung.elemente = {
        {.id = kMaxAbweichung, .labelId = kTextMaxAbweichung, .einheitId = kTextPH,
         .austausch = alsScaledByte(imModulblock(modulblock::kMaxAbweichung), 2), .pruefung = alsZahl(0, 2, 2),
         .sichtbar = mitMaxAbweichung},
    };

    Gruppe kompensationsgruppe{.titelId = kGruppeKompensation, .spalte = 1};
    kompensationsgruppe.elemente =
        kompensation(kAutomatisch, kManuell, kManuelleTemperatur, kTextManuelleTemperatur, kTextTemperatureinheit);

    s.gruppen = {bereich, strom, abweichung, kompensationsgruppe, kalibrierueberwachung(kKalibrierung)};
    s.texte = [](const SeitenKontext& k) { return std::vector<Seitentext>{temperatureinheit(k, kTextTemperatureinheit)}; };
    return s;
}

} // namespace

const Seitenbeschreibung& messParaPHSeite()
{
    static const Seitenbeschreibung seite = beschreibung();
    return seite;
}

} // namespace hvx
