// The standard-signal page: two signals with their kind and range, input and output current.
#include "editing/MessBausteine.h"

#include "base/Language.h"
#include "editing/Bindungen.h"
#include "editing/SeitenTexte.h"
#include "model/Messbereich.h"

namespace hvx {

namespace {

using namespace messparanorm;

constexpr int kArtenAnzahl = 8;
constexpr int kKeinSignalWert = 8;

AuswahlListe arten(bool mitKeinSignal)
{
    AuswahlListe liste;
    if (mitKeinSignal)
        liste.push_back({GetStringsText(seitentext::kKeinSignal), kKeinSignalWert});
    for (int art = 0; art < kArtenAnzahl; ++art)
        liste.push_back({GetStringsText(seitentext::kNormsignalArt + art), art});
    return liste;
}

int art2(const Parametersatz& ps, int slot)
{
    const quint8 b = ps.modulByte(slot, modulblock::kNormsignal2);
    if ((b & modulflags::kNormsignal2KeinSignal) == modulflags::kNormsignal2KeinSignal)
        return kKeinSignalWert;
    return (b & modulflags::kNormsignalArtMaske) >> modulflags::kNormsignalArtShift;
}

// Only the chlorine and conductivity kinds have a range to choose; both signals share its byte.
int bereichsOffset(int art)
{
    if (art == normsignalart::kChlor)
        return modulblock::kChlorMessbereich;
    if (art == normsignalart::kLeitfaehigkeit)
        return modulblock::kLfMessbereich;
    return -1;
}

AuswahlListe bereicheFuer(int art)
{
    using namespace seitentext;
    if (art == normsignalart::kLeitfaehigkeit)
        return auswahlAus({{kMs2, 1}, {kMs2 + 1, 2}, {kMs2 + 2, 3}, {kMs2 + 3, 4}});
    if (art == normsignalart::kChlor)
        return auswahlAus({{kMgl2, 1}, {kMgl20, 2}});
    return {};
}

int artDerListe(const SeitenKontext& k, int id)
{
    return id == kBereich1 ? normsignalArt(*k.ps, k.slot) : art2(*k.ps, k.slot);
}

// The kind of input 1 lies in the flags byte, and so in its copy in the slot's descriptor too.
void tauscheArt1(DataExchange& dx, SeitenKontext& k, int id)
{
    if (dx.laden()) {
        zeigeAuswahl(dx, id, normsignalArt(*k.ps, k.slot), k.listen[id]);
        return;
    }
    const auto art = gewaehlterWert(dx, id, k.listen[id]);
    if (!art)
        return;
    for (quint8* flags : {imModulblock(modulblock::kModulflags).zeiger(k), imModulkopf(modulkopf::kModulflags).zeiger(k)})
        *flags = quint8((*flags & ~modulflags::kNormsignalArtMaske) | (*art << modulflags::kNormsignalArtShift));
}

void tauscheArt2(DataExchange& dx, SeitenKontext& k, int id)
{
    quint8* b = imModulblock(modulblock::kNormsignal2).zeiger(k);
    if (dx.laden()) {
        zeigeAuswahl(dx, id, art2(*k.ps, k.slot), k.listen[id]);
        return;
    }
    const auto art = gewaehlterWert(dx, id, k.listen[id]);
    if (!art)
        return;
    const quint8 rest = *b & ~(modulflags::kNormsignalArtMaske | modulflags::kNormsignal2KeinSignal);
    if (*art == kKeinSignalWert)
        *b = quint8(rest | (normsignalart::kStrom << modulflags::kNormsignalArtShift) | modulflags::kNormsignal2KeinSignal);
    else
        *b = quint8(rest | (*art << modulflags::kNormsignalArtShift));
}

// A range list shows its byte; the byte is written only by choosing a range (below).
void zeigeBereich(DataExchange& dx, SeitenKontext& k, int id)
{
    const int offset = bereichsOffset(artDerListe(k, id));
    if (dx.laden() && offset >= 0)
        zeigeAuswahl(dx, id, k.ps->modulByte(k.slot, offset), k.listen[id]);
}

bool hatBereich(const SeitenKontext& k, const IControls&, int id)
{
    return bereichsOffset(artDerListe(k, id)) >= 0;
}

Kommando bereichGewaehlt(int id, bool meldeBereich)
{
    return [id, meldeBereich](SeitenKontext& k, IControls& c, ISeitenAktionen& seite) {
        const int offset = bereichsOffset(artDerListe(k, id));
        const std::optional<int> wert = gewaehlterWert(DataExchange(c, DataExchange::Richtung::Speichern), id, k.listen[id]);
        if (offset >= 0 && wert)
            k.ps->setModulByte(k.slot, offset, quint8(*wert));
        if (!seite.speichern())
            return;
        seite.laden();
        if (meldeBereich)
            seite.bereichGeaendert();
    };
}

Kommando artGewaehlt(bool signal1)
{
    return [signal1](SeitenKontext&, IControls&, ISeitenAktionen& seite) {
        if (!seite.speichern())
            return;
        seite.neuInitialisieren(); // the range list follows the stored kind
        if (signal1)
            seite.bereichGeaendert();
    };
}

Seitenbeschreibung beschreibung()
{
    Seitenbeschreibung s;
    s.abschnitt = QStringLiteral("Messparameter-Norm-Dialog");
    s.vorlage = kVorlage;

    Gruppe signal1{.titelId = kGruppeSignal1};
    signal1.elemente = {
        {.id = kArt1, .art = Art::Auswahlliste, .labelId = kTextArt1, .austausch = tauscheArt1,
         .kommando = artGewaehlt(true), .auswahl = [](const SeitenKontext&) { return arten(false); }},
        {.id = kBereich1, .art = Art::Auswahlliste, .labelId = kTextBereich1, .austausch = zeigeBereich,
         .aktiv = [](const SeitenKontext& k, const IControls& c) { return hatBereich(k, c, kBereich1); },
         .kommando = bereichGewaehlt(kBereich1, true),
         .auswahl = [](const SeitenKontext& k) { return bereicheFuer(artDerListe(k, kBereich1)); }},
    };

    Gruppe signal2{.titelId = kGruppeSignal2};
    signal2.elemente = {
        {.id = kArt2, .art = Art::Auswahlliste, .labelId = kTextArt2, .austausch = tauscheArt2,
         .kommando = artGewaehlt(false), .auswahl = [](const SeitenKontext&) { return arten(true); }},
        {.id = kBereich2, .art = Art::Auswahlliste, .labelId = kTextBereich2, .austausch = zeigeBereich,
         .aktiv = [](const SeitenKontext& k, const IControls& c) { return hatBereich(k, c, kBereich2); },
         .kommando = bereichGewaehlt(kBereich2, false),
         .auswahl = [](const SeitenKontext& k) { return bereicheFuer(artDerListe(k, kBereich2)); }},
    };

    Gruppe eingang{.titelId = kGruppeEingangsstrom, .spalte = 1};
    eingang.elemente = {
        {.id = kEingang0bis20, .art = Art::Optionsfelder, .knoepfe = {kEingang0bis20, kEingang4bis20},
         .austausch = alsRadioBit(imModulblock(modulblock::kModulflags), modulflags::kNormsignalEingang4bis20mA, false,
                                  imModulkopf(modulkopf::kModulflags))},
    };
    Gruppe ausgang{.titelId = kGruppeAusgangsstrom, .spalte = 1};
    ausgang.elemente = {stromRadio(kAusgang0bis20, kAusgang4bis20)};

    s.gruppen = {signal1, signal2, eingang, ausgang};
    return s;
}

} // namespace

const Seitenbeschreibung& messParaNormSeite()
{
    static const Seitenbeschreibung seite = beschreibung();
    return seite;
}

} // namespace hvx
