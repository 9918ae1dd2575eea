#include "editing/MessBausteine.h"

#include "base/Language.h"
#include "editing/Bindungen.h"
#include "editing/SeitenTexte.h"
#include "editing/Zahlentext.h"
#include "model/Ausgangsstrom.h"
#include "model/Messbereich.h"
#include "model/Temperatur.h"

namespace hvx {

namespace {

constexpr int kManuelleTemperaturMax = 100; // °C
constexpr int kKalibrierWochenMax = 52;
constexpr int kKennungMitKalibrierueberwachung = 3;

void tauscheStromliste(DataExchange& dx, SeitenKontext& k, int id)
{
    quint8* flags = imModulblock(modulblock::kModulflags).zeiger(k);
    if (dx.laden()) {
        zeigeAuswahl(dx, id, (*flags & modulflags::kStrom4bis20mA) ? 1 : 0, k.listen[id]);
        return;
    }
    const auto wert = gewaehlterWert(dx, id, k.listen[id]);
    if (!wert)
        return;
    for (quint8* b : {flags, imModulkopf(modulkopf::kModulflags).zeiger(k)})
        *b = *wert ? quint8(*b | modulflags::kStrom4bis20mA) : quint8(*b & ~modulflags::kStrom4bis20mA);
}

void tauscheManuelleTemperatur(DataExchange& dx, SeitenKontext& k, int id)
{
    quint8* grad = imModulblock(modulblock::kManuelleTemperatur).zeiger(k);
    const bool fahrenheit = modulInFahrenheit(k);
    if (dx.laden()) {
        dx.controls().setText(id, fahrenheit ? festkomma(zehntelFahrenheit(*grad * 10), 1) : festkomma(*grad, 0));
        return;
    }
    const qint64 eingabe = skalierterWert(dx.controls().text(id), fahrenheit ? 1 : 0);
    *grad = quint8(fahrenheit ? celsiusAusZehntelFahrenheit(int(eingabe)) : eingabe);
}

void pruefeManuelleTemperatur(IControls& c, const SeitenKontext& k, int id)
{
    if (modulInFahrenheit(k))
        DDV_Number(c, id, float(fahrenheitAusCelsius(0)), float(fahrenheitAusCelsius(kManuelleTemperaturMax)), 1, k.tab,
                   k.subPage);
    else
        DDV_Number(c, id, 0, kManuelleTemperaturMax, 0, k.tab, k.subPage);
}

bool kompensationManuell(const SeitenKontext& k, const IControls&)
{
    return !(k.ps->modulflags(k.slot) & modulflags::kTemperaturkompensationAutomatisch);
}

void kompensationGeklickt(SeitenKontext&, IControls&, ISeitenAktionen& seite)
{
    if (seite.speichern())
        seite.aktivRegelnAnwenden();
}

void tauscheAusgangsstrom(DataExchange& dx, SeitenKontext& k, int id)
{
    if (dx.laden()) {
        dx.controls().setText(id, festkomma(k.ps->modulWord(k.slot, modulblock::kMaxAusgangsstrom) / 10, 1));
        return;
    }
    setzeMaxAusgangsstrom(*k.ps, k.slot, quint16(skalierterWert(dx.controls().text(id), 1) * 10));
}

} // namespace

bool modulInFahrenheit(const SeitenKontext& k)
{
    return k.ps->modulflags(k.slot) & modulflags::kFahrenheit;
}

Steuerelement stromRadio(int ersterKnopf, int zweiterKnopf)
{
    return {.id = ersterKnopf, .art = Art::Optionsfelder, .knoepfe = {ersterKnopf, zweiterKnopf},
            .austausch = alsRadioBit(imModulblock(modulblock::kModulflags), modulflags::kStrom4bis20mA, false,
                                     imModulkopf(modulkopf::kModulflags))};
}

Steuerelement stromListe(int id, int labelId)
{
    return {.id = id, .art = Art::Auswahlliste, .labelId = labelId, .austausch = tauscheStromliste,
            .auswahl = [](const SeitenKontext&) {
                return auswahlAus({{seitentext::kStrom0, 0}, {seitentext::kStrom4, 1}});
            }};
}

std::vector<Steuerelement> kompensation(int automatischId, int manuellId, int temperaturId, int labelId, int einheitId)
{
    return {
        {.id = automatischId, .art = Art::Optionsfelder, .knoepfe = {automatischId, manuellId},
         .austausch = alsRadioBit(imModulblock(modulblock::kModulflags), modulflags::kTemperaturkompensationAutomatisch,
                                  true, imModulkopf(modulkopf::kModulflags)),
         .kommando = kompensationGeklickt},
        {.id = temperaturId, .labelId = labelId, .einheitId = einheitId, .austausch = tauscheManuelleTemperatur,
         .pruefung = pruefeManuelleTemperatur, .aktiv = kompensationManuell},
    };
}

Seitentext temperatureinheit(const SeitenKontext& k, int einheitId)
{
    return {einheitId, temperaturEinheit(modulInFahrenheit(k))};
}

Gruppe kalibrierueberwachung(const messpara::Kalibrierids& ids)
{
    const Feld wochen = imModulblock(modulblock::kKalibrierueberwachung);
    Gruppe g{.titelId = ids.rahmen, .spalte = 1, .sichtbar = [](const SeitenKontext& k, const IControls&) {
                 return (k.ps->geraetekennung() & 0x0F) >= kKennungMitKalibrierueberwachung;
             }};
    g.elemente = {
        {.id = ids.aus, .art = Art::Kontrollkaestchen, .austausch = alsOffOrByte(ids.wochen, wochen, kByteAus),
         .kommando = alsAusSchalterByte(ids.aus, wochen, kByteAus, 1)},
        {.id = ids.wochen, .labelId = ids.alle, .einheitId = ids.einheit, .pruefung = alsZahl(1, kKalibrierWochenMax, 0),
         .aktiv = wennNichtAngekreuzt(ids.aus)},
    };
    return g;
}

Steuerelement ausgangsstrom(int id, int labelId, int einheitId)
{
    return {.id = id, .labelId = labelId, .einheitId = einheitId, .austausch = tauscheAusgangsstrom,
            .pruefung = alsZahl(0, 20, 1)};
}

Steuerelement stromwert(int id, int offset, int labelId, int einheitId)
{
    return {.id = id, .labelId = labelId, .einheitId = einheitId,
            .austausch = [offset](DataExchange& dx, SeitenKontext& k, int i) {
                const int stellen = nachkommastellen(*k.ps, k.slot);
                if (dx.laden()) {
                    const int wert = messwertZaehlwert(*k.ps, k.slot, k.ps->modulWord(k.slot, offset), true);
                    dx.controls().setText(i, festkomma(wert, stellen));
                } else {
                    const qint64 wert = skalierterWert(dx.controls().text(i), stellen);
                    k.ps->setModulWord(k.slot, offset, messwertSpeicherwert(*k.ps, k.slot, int(wert), true));
                }
            },
            .pruefung = alsMesswert()};
}

Pruefung alsMesswert()
{
    return [](IControls& c, const SeitenKontext& k, int id) {
        const Messbereich b = messbereich(*k.ps, k.slot).value_or(Messbereich{});
        DDV_Number(c, id, float(b.unten), float(b.oben), nachkommastellen(*k.ps, k.slot), k.tab, k.subPage);
    };
}

AuswahlListe auswahlAus(std::initializer_list<Listenwahl> wahl)
{
    AuswahlListe liste;
    for (const Listenwahl& w : wahl)
        liste.push_back({GetStringsText(w.text), w.wert});
    return liste;
}

Kommando bereichGewechselt(int listId, int offset)
{
    return [listId, offset](SeitenKontext& k, IControls& c, ISeitenAktionen& seite) {
        DataExchange dx(c, DataExchange::Richtung::Speichern);
        const std::optional<int> neu = gewaehlterWert(dx, listId, k.listen[listId]);
        zeigeAuswahl(dx, listId, k.ps->modulByte(k.slot, offset), k.listen[listId]);
        if (!seite.speichern() || !neu)
            return;
        k.ps->setModulByte(k.slot, offset, quint8(*neu));
        seite.bereichGeaendert();
    };
}

} // namespace hvx
