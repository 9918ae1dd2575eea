// The measuring page of chlorine-family modules (chlorine, chlorine dioxide, peracetic acid).
#include "editing/MessBausteine.h"

#include "editing/Bindungen.h"
#include "editing/SeitenTexte.h"

namespace hvx {

namespace {

using namespace messparachlor;

// The ranges differ by variant; the first revision of each offers fewer.
AuswahlListe bereiche(const SeitenKontext& k)
{
    using namespace seitentext;
    const bool ersteVersion = k.version() == 0;
    switch (Variante(k.familie())) {
    case Variante::N: return ersteVersion ? auswahlAus({{kMgl2000, 1}}) : auswahlAus({{kMgl200, 1}, {kMgl2000, 2}});
    case Variante::N7400:
        return ersteVersion ? auswahlAus({{kMgl5000, 1}}) : auswahlAus({{kMgl500, 1}, {kMgl5000, 2}});
    case Variante::M: return ersteVersion ? auswahlAus({{kMgl2, 1}}) : auswahlAus({{kMgl2, 2}});
    default: return ersteVersion ? auswahlAus({{kMgl2, 1}}) : auswahlAus({{kMgl2, 1}, {kMgl20, 2}});
    }
}

Seitenbeschreibung beschreibung()
{
    Seitenbeschreibung s;
    s.abschnitt = QStringLiteral("Messparameter-Chlor-Dialog");
    s.vorlage = kVorlage;

    Gruppe bereich;
    bereich.elemente = {
        {.id = kMessbereich, .art = Art::Auswahlliste, .labelId = kTextMessbereich,
         .austausch = alsComboMap(imModulblock(modulblock::kChlorMessbereich)), .kommando = bereichGewechselt(kMessbereich, modulblock::kChlorMessbereich),
         .auswahl = bereiche},
    };

    Gruppe strom{.titelId = kGruppeStromeingang};
    strom.elemente = {
        stromListe(kStrom, kTextStrom),
        stromwert(kWertAnfang, modulblock::kWertBeiAnfangsstrom, kTextWertAnfang, kTextMglAnfang),
        stromwert(kWert20mA, modulblock::kWertBei20mA, kTextWert20mA, kTextMgl20mA),
    };

    s.gruppen = {bereich, strom, kalibrierueberwachung(kKalibrierung)};
    return s;
}

} // namespace

const Seitenbeschreibung& messParaChlorSeite()
{
    static const Seitenbeschreibung seite = beschreibung();
    return seite;
}

} // namespace hvx
