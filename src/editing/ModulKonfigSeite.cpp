#include "editing/ModulKonfigSeite.h"

#include "editing/Bindungen.h"
#include "editing/Zahlentext.h"
#include "model/Auswahltexte.h"
#include "model/Bestueckung.h"
#include "model/Reglerart.h"

namespace hvx {

namespace {

using namespace modulkonfig;

AuswahlListe reglerarten(const SeitenKontext& k)
{
    AuswahlListe liste;
    for (int code : reglerartAuswahl(k.modultyp(), k.version()))
        liste.push_back({reglerartName(code), code});
    return liste;
}

AuswahlListe zusatzFreigaben(const SeitenKontext& k)
{
    AuswahlListe liste;
    for (int wert : zusatzFreigabeAuswahl(k.slot, modulanzahl(*k.ps)))
        liste.push_back({zusatzFreigabeText(wert, k.slot), wert});
    return liste;
}

bool mitTemperatureinheit(const SeitenKontext& k, const IControls&)
{
    return k.modultyp() != modultyp::kNormsignal && k.modultyp() != modultyp::kChlor;
}

// The product name group exists for peracetic acid only (chlorine family in variants N, N7400).
bool mitProduktname(const SeitenKontext& k, const IControls&)
{
    return k.modultyp() == modultyp::kChlor && k.ps->istPeressigFamilie();
}

void tauscheReglerart(DataExchange& dx, SeitenKontext& k, int id)
{
    if (dx.laden())
        zeigeAuswahl(dx, id, reglerartCode(*k.ps, k.slot), k.listen[id]);
    else if (const auto code = gewaehlterWert(dx, id, k.listen[id]))
        setzeReglerart(*k.ps, k.slot, *code);
}

void tauscheZusatzFreigabe(DataExchange& dx, SeitenKontext& k, int id)
{
    if (dx.laden())
        zeigeAuswahl(dx, id, k.ps->zusatzFreigabe(k.slot), k.listen[id]);
    else if (const auto wert = gewaehlterWert(dx, id, k.listen[id]))
        k.ps->setZusatzFreigabe(k.slot, *wert);
}

Austausch alsReglerzeit(int offset)
{
    return [offset](DataExchange& dx, SeitenKontext& k, int id) {
        DDX_Reglerzeit(dx, id, k.bild() + Parametersatz::reglerblockOffset(k.slot) + offset);
    };
}

void reglerartGewaehlt(SeitenKontext&, IControls&, ISeitenAktionen& seite)
{
    if (seite.speichern())
        seite.reglerGeaendert();
}

void temperatureinheitGeklickt(SeitenKontext&, IControls&, ISeitenAktionen& seite)
{
    if (seite.speichern())
        seite.bereichGeaendert();
}

void produktAnzeigeGeklickt(SeitenKontext&, IControls&, ISeitenAktionen& seite)
{
    seite.aktivRegelnAnwenden();
}

Seitenbeschreibung beschreibung()
{
    Seitenbeschreibung s;
    s.abschnitt = QStringLiteral("Modulkonfigurations-Dialog");
    s.vorlage = kVorlage;

    Gruppe temperatureinheit{.titelId = kGruppeTemperatureinheit, .sichtbar = mitTemperatureinheit};
    temperatureinheit.elemente = {
        {.id = kCelsius, .art = Art::Optionsfelder, .knoepfe = {kCelsius, kFahrenheit},
         .austausch = alsRadioBit(imModulblock(modulblock::kModulflags), modulflags::kFahrenheit, false,
                                  imModulkopf(modulkopf::kModulflags)),
         .sichtbar = mitTemperatureinheit, .kommando = temperatureinheitGeklickt},
    };

    Gruppe quittierung{.titelId = kGruppeLimitquittierung};
    quittierung.elemente = {
        {.id = kQuittierungManuell, .art = Art::Optionsfelder, .knoepfe = {kQuittierungManuell, kQuittierungAutomatisch},
         .austausch = alsRadioBit(imReglerblock(reglerblock::kFlags), reglerblockflags::kLimitquittierungManuell, true)},
    };

    Gruppe dosierzeit{.titelId = kGruppeDosierzeit};
    dosierzeit.elemente = {
        {.id = kDosierzeitAus, .art = Art::Kontrollkaestchen,
         .austausch = alsOffOrWord(kMaxDosierzeit, imModulblock(modulblock::kMaxDosierzeit), kMaxDosierzeitAus),
         .kommando = alsAusSchalterWord(kDosierzeitAus, imModulblock(modulblock::kMaxDosierzeit), kMaxDosierzeitAus, 10)},
        {.id = kMaxDosierzeit, .labelId = kTextMaxDosierzeit, .einheitId = kTextSecDosierzeit,
         .pruefung = alsZahl(10, 9999, 0), .aktiv = wennNichtAngekreuzt(kDosierzeitAus)},
    };

    Gruppe regler{.titelId = kGruppeReglerkonfiguration, .spalte = 1};
    regler.elemente = {
        {.id = kReglermodul, .art = Art::Auswahlliste, .labelId = kTextReglermodul, .austausch = tauscheReglerart,
         .kommando = reglerartGewaehlt, .auswahl = reglerarten, .beschriftungDarueber = true},
        {.id = kExterneFreigabe, .art = Art::Kontrollkaestchen,
         .austausch = alsCheckBit(imModulblock(modulblock::kReglerflags), reglerflags::kExterneFreigabe, false,
                                  imModulkopf(modulkopf::kReglerflags))},
        {.id = kZusatzFreigabe, .art = Art::Auswahlliste, .labelId = kTextZusatzFreigabe,
         .austausch = tauscheZusatzFreigabe, .aktiv = mehrereModule, .auswahl = zusatzFreigaben},
        {.id = kEinschaltzeit, .labelId = kTextEinschaltzeit, .einheitId = kTextSecEinschaltzeit,
         .austausch = alsReglerzeit(reglerblock::kMinEinschaltzeit), .pruefung = alsZahl(0.1f, 30, 1)},
        {.id = kZykluszeit, .labelId = kTextZykluszeit, .einheitId = kTextSecZykluszeit,
         .austausch = alsReglerzeit(reglerblock::kZykluszeit), .pruefung = alsZahl(1, 300, 1)},
    };

    Gruppe pes{.titelId = kGruppePES, .spalte = 1, .sichtbar = mitProduktname};
    pes.elemente = {
        {.id = kProduktAnzeige, .art = Art::Kontrollkaestchen,
         .austausch = alsSwitchByte(imModulblock(modulblock::kProduktAnzeige), 1, 0), .sichtbar = mitProduktname,
         .kommando = produktAnzeigeGeklickt},
        {.id = kProduktname, .labelId = kTextProduktname, .austausch = alsFixedText(imBild(layout::kProduktname), 13),
         .pruefung = alsText(13, Zeichensatz::Druckbar), .sichtbar = mitProduktname,
         .aktiv = wennAngekreuzt(kProduktAnzeige), .eingabebreite = 16},
        {.id = kProzentPES, .labelId = kTextProzentPES, .einheitId = kTextProzent,
         .austausch = alsScaledWord(imModulblock(modulblock::kProzentPES), 1), .pruefung = alsZahl(0, 100, 1),
         .sichtbar = mitProduktname, .aktiv = wennAngekreuzt(kProduktAnzeige)},
    };

    s.gruppen = {temperatureinheit, quittierung, dosierzeit, regler, pes};
    return s;
}

} // namespace

void DDX_Reglerzeit(DataExchange& dx, int id, quint8* wort)
{
    if (dx.laden())
        dx.controls().setText(id, festkomma(leseWort(wort) / 10, 1));
    else
        schreibeWort(wort, quint16(skalierterWert(dx.controls().text(id), 1) * 10));
}

const Seitenbeschreibung& modulKonfigSeite()
{
    static const Seitenbeschreibung seite = beschreibung();
    return seite;
}

} // namespace hvx
