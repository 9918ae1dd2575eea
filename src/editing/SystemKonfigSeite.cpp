#include "editing/SystemKonfigSeite.h"

#include "editing/Bindungen.h"
#include "model/Auswahltexte.h"
#include "model/Bestueckung.h"
#include "model/MehrfachPH.h"
#include "model/Standardbloecke.h"

namespace hvx {

namespace {

using namespace systemkonfig;

AuswahlListe sprachen(const SeitenKontext& k)
{
    AuswahlListe liste;
    for (int code : dialogspracheAuswahl(k.version()))
        liste.push_back({dialogspracheName(code, k.ps->erweiterteSprachen()), code});
    return liste;
}

AuswahlListe mehrfachPH(const SeitenKontext& k)
{
    AuswahlListe liste;
    if (!mehrfachPHMoeglich(*k.ps))
        return liste;
    for (int wert : {int(mehrfachph::kKeine), int(mehrfachph::kZweifach)})
        liste.push_back({mehrfachPHText(wert), wert});
    if (dreifachPHMoeglich(*k.ps))
        liste.push_back({mehrfachPHText(mehrfachph::kDreifach), mehrfachph::kDreifach});
    return liste;
}

AuswahlListe temperaturkompensation(const SeitenKontext& k)
{
    AuswahlListe liste;
    for (int wert : temperaturkompensationAuswahl(modulanzahl(*k.ps)))
        liste.push_back({temperaturkompensationText(wert), wert});
    return liste;
}

Regel abVersion(int version)
{
    return [version](const SeitenKontext& k, const IControls&) { return k.version() >= version; };
}

// The online output is one setting shown by three controls: "über Profibus" (254), "Aus" (255)
// and the interval.
void tauscheMessdatenausgabe(DataExchange& dx, SeitenKontext& k, int id)
{
    quint8* wert = k.bild() + layout::kMessdatenintervall;
    if (dx.laden()) {
        const bool profibus = *wert == kMessdatenintervallProfibus;
        dx.controls().setChecked(id, profibus);
        if (profibus) {
            dx.controls().setChecked(kMessdatenAus, true);
            dx.controls().setText(kMessdatenintervall, QString());
            return;
        }
    } else if (dx.controls().isChecked(id)) {
        *wert = kMessdatenintervallProfibus;
        return;
    }
    DDX_OffOrByte(dx, kMessdatenAus, kMessdatenintervall, wert, kByteAus);
}

// The code is exchanged only while the parameters may be edited; read-only shows a mask.
void tauscheZugangscode(DataExchange& dx, SeitenKontext& k, int id)
{
    if (k.editierbar)
        DDX_FixedText(dx, id, k.bild() + layout::kZugangscode, layout::kZugangscodeGroesse);
    else if (dx.laden())
        dx.controls().setText(id, QString::fromLatin1(kMaskierterZugangscode));
}

void zugangscodeGeklickt(SeitenKontext& k, IControls& c, ISeitenAktionen& seite)
{
    if (c.isChecked(kZugangscodeAktiv)) {
        k.ps->setZugangscodeAktiv(1);
    } else {
        k.ps->setZugangscode(kZugangscodeStandard);
        k.ps->setZugangscodeAktiv(0);
    }
    seite.laden();
}

void messdatenAusGeklickt(SeitenKontext& k, IControls& c, ISeitenAktionen& seite)
{
    if (c.isChecked(kMessdatenAus)) {
        c.setChecked(kProfibus, false);
        k.ps->setMessdatenintervall(kByteAus);
    } else {
        k.ps->setMessdatenintervall(1);
    }
    seite.laden();
}

void profibusGeklickt(SeitenKontext& k, IControls& c, ISeitenAktionen& seite)
{
    k.ps->setMessdatenintervall(c.isChecked(kProfibus) ? kMessdatenintervallProfibus : kByteAus);
    seite.laden();
}

void mehrfachPHGewaehlt(SeitenKontext& k, IControls&, ISeitenAktionen& seite)
{
    if (!seite.speichern())
        return;
    wendeMehrfachPHRegelAn(*k.ps);
    seite.ansichtenNeuAufbauen();
}

Seitenbeschreibung beschreibung()
{
    Seitenbeschreibung s;
    s.abschnitt = QStringLiteral("Systemkonfigurations-Dialog");
    s.vorlage = kVorlage;

    Gruppe allgemein;
    allgemein.elemente = {
        {.id = kDialogsprache, .art = Art::Auswahlliste, .labelId = kTextDialogsprache,
         .austausch = alsComboMap(imBild(layout::kDialogsprache)), .auswahl = sprachen},
        {.id = kMehrfachPH, .art = Art::Auswahlliste, .labelId = kTextMehrfachPH,
         .austausch = alsComboMap(imModulblock(modulblock::kMehrfachPH)),
         .aktiv = [](const SeitenKontext& k, const IControls&) { return mehrfachPHMoeglich(*k.ps); },
         .kommando = mehrfachPHGewaehlt, .auswahl = mehrfachPH},
        {.id = kLeerlaufzeit, .labelId = kTextLeerlaufzeit, .einheitId = kTextMin,
         .austausch = alsByteNumber(imBild(layout::kLeerlaufzeit)), .pruefung = alsZahl(1, 60, 0)},
        {.id = kTemperaturkompensation, .art = Art::Auswahlliste, .labelId = kTextTemperaturkompensation,
         .austausch = alsComboMap(imModulblock(modulblock::kTemperaturkompensation)),
         .auswahl = temperaturkompensation, .beschriftungDarueber = true},
        {.id = kAlarmzaehler, .art = Art::Kontrollkaestchen,
         .austausch = alsSwitchByte(imBild(layout::kAlarmzaehlerAnzeige), 1, 0), .sichtbar = abVersion(1)},
        {.id = kAlarmrelaisInvertieren, .art = Art::Kontrollkaestchen,
         .austausch = alsCheckBit(imBild(layout::kSystemflags), systemflags::kAlarmrelaisInvertieren),
         .sichtbar = abVersion(3)},
    };

    Gruppe messdaten{.titelId = kGruppeMessdaten, .spalte = 1};
    messdaten.elemente = {
        {.id = kMessdatenAus, .art = Art::Kontrollkaestchen, .aktiv = wennNichtAngekreuzt(kProfibus),
         .kommando = messdatenAusGeklickt},
        {.id = kMessdatenintervall, .labelId = kTextAlle, .einheitId = kTextSec, .pruefung = alsZahl(1, 240, 0),
         .aktiv = wennNichtAngekreuzt(kMessdatenAus)},
        {.id = kProfibus, .art = Art::Kontrollkaestchen, .austausch = tauscheMessdatenausgabe,
         .sichtbar = abVersion(2), .aktiv = wennAngekreuzt(kMessdatenAus), .kommando = profibusGeklickt},
    };

    Gruppe zugangscode{.titelId = kGruppeZugangscode, .spalte = 1};
    zugangscode.elemente = {
        {.id = kZugangscodeAktiv, .art = Art::Kontrollkaestchen,
         .austausch = alsSwitchByte(imBild(layout::kZugangscodeAktiv), 1, 0), .kommando = zugangscodeGeklickt},
        {.id = kZugangscode, .labelId = kTextZugangscode, .austausch = tauscheZugangscode,
         .pruefung = alsZugangscode(layout::kZugangscodeGroesse),
         .aktiv = wennAngekreuzt(kZugangscodeAktiv), .eingabebreite = 10},
        {.id = kKalibrierungNichtSchuetzen, .art = Art::Kontrollkaestchen,
         .austausch = alsCheckBit(imBild(layout::kSystemflags), systemflags::kZugangscodeSchuetztKalibrierung, true),
         .sichtbar = abVersion(3), .aktiv = wennAngekreuzt(kZugangscodeAktiv)},
    };

    Gruppe limitAlarm{.titelId = kGruppeLimitAlarm};
    limitAlarm.elemente = {
        {.id = kAlarmverzoegerung, .labelId = kTextVerzoegerung, .einheitId = kTextSecAlarm,
         .austausch = alsWordNumber(imBild(layout::kAlarmverzoegerung)), .pruefung = alsZahl(0, 600, 0)},
    };

    Gruppe wiederholung{.titelId = kGruppeAlarmwiederholung};
    wiederholung.elemente = {
        {.id = kAlarmwiederholungAus, .art = Art::Kontrollkaestchen,
         .austausch = alsOffOrByte(kAlarmwiederholung, imBild(layout::kAlarmwiederholung), kByteAus),
         .kommando = alsAusSchalterByte(kAlarmwiederholungAus, imBild(layout::kAlarmwiederholung), kByteAus, 1)},
        {.id = kAlarmwiederholung, .labelId = kTextNach, .einheitId = kTextMinWiederholung,
         .pruefung = alsZahl(1, 240, 0), .aktiv = wennNichtAngekreuzt(kAlarmwiederholungAus)},
    };

    s.gruppen = {allgemein, messdaten, zugangscode, limitAlarm, wiederholung};
    return s;
}

} // namespace

const Seitenbeschreibung& systemKonfigSeite()
{
    static const Seitenbeschreibung seite = beschreibung();
    return seite;
}

} // namespace hvx
