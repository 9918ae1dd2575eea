#include "editing/ReglerZeilen.h"

#include "base/Language.h"
#include "editing/Bindungen.h"
#include "editing/SeitenTexte.h"
#include "editing/Validators.h"
#include "editing/Zahlentext.h"
#include "model/Reglerart.h"
#include "model/Wertfeld.h"

#include <algorithm>
#include <array>

namespace hvx {

namespace {

using namespace seitentext;
using Z = Zeilenart;
using Zeilen = std::array<std::optional<Reglerzeile>, 6>;

constexpr Reglerzeile kSoll{kSollwert, Z::Wert, modulblock::kSollwert};
constexpr Reglerzeile kAbstandLW{kLW, Z::LW, modulblock::kSchaltpunktabstandLW};
constexpr Reglerzeile kDifferenzX2SD{kX2SD, Z::Prozent, modulblock::kSchaltdifferenzX2SD, 30};
constexpr Reglerzeile kAbstandXSH{kXSH, Z::ProzentByte, modulblock::kSchaltpunktabstandXSH, 20};
constexpr Reglerzeile kEinVerz{kEinschaltverzoegerung, Z::Sekunden, modulblock::kEinschaltverzoegerung, 240};
constexpr Reglerzeile kAusVerz{kAusschaltverzoegerung, Z::Sekunden, modulblock::kAusschaltverzoegerung, 240};
constexpr Reglerzeile kBand1{kXP1, Z::Band, modulblock::kProportionalbereichXP1, 999};
constexpr Reglerzeile kBand2{kXP2, Z::Band, modulblock::kProportionalbereichXP2, 999};
constexpr Reglerzeile kVorhalt{kTv, Z::SekundenWort, modulblock::kVorhaltezeit, 1200};
constexpr Reglerzeile kNachstell{kTn, Z::SekundenWort, modulblock::kNachstellzeit, 3600};
constexpr Reglerzeile kTot{kTotzeit, Z::Totzeit, 0, 60};

struct Reglerzeilen {
    int art;
    Zeilen zeilen;
};

const Reglerzeilen kTabelle[] = {
    {reglerart::kSignalgeraet,
     {kSoll, Reglerzeile{kXSD, Z::Prozent, modulblock::kSchaltdifferenzXSD, 30}, kEinVerz, kAusVerz, kAbstandLW,
      kDifferenzX2SD}},
    {reglerart::kPid2, {kSoll, kBand1, kVorhalt, kNachstell, kAbstandLW, kDifferenzX2SD}},
    {reglerart::kPid3, {kSoll, kBand1, kBand2, kVorhalt, kNachstell, kAbstandXSH}},
    {reglerart::kFuzzy2, {kSoll, kTot, std::nullopt, std::nullopt, kAbstandLW, kDifferenzX2SD}},
    {reglerart::kAdaptivAsymptotisch2, {kSoll, std::nullopt, std::nullopt, std::nullopt, kAbstandLW, kDifferenzX2SD}},
    {reglerart::kAdaptivSchnell2, {kSoll, std::nullopt, std::nullopt, std::nullopt, kAbstandLW, kDifferenzX2SD}},
    {reglerart::kFuzzy3, {kSoll, kTot, std::nullopt, std::nullopt, std::nullopt, kAbstandXSH}},
    {reglerart::kAdaptivAsymptotisch3, {kSoll, std::nullopt, std::nullopt, std::nullopt, std::nullopt, kAbstandXSH}},
    {reglerart::kAdaptivSchnell3, {kSoll, std::nullopt, std::nullopt, std::nullopt, std::nullopt, kAbstandXSH}},
    {reglerart::kAbsalzgeraet,
     {Reglerzeile{kWPlus, Z::Wert, modulblock::kSollwert}, Reglerzeile{kWMinus, Z::Wert, modulblock::kSchaltdifferenzXSD},
      kEinVerz, kAusVerz, kAbstandLW, kDifferenzX2SD}},
};

int stellen(const SeitenKontext& k)
{
    return std::max(0, nachkommastellen(*k.ps, k.slot));
}

void tauscheLW(DataExchange& dx, SeitenKontext& k, int id)
{
    const QString gezeigt = lwText(*k.ps, k.slot);
    if (dx.laden())
        dx.controls().setText(id, gezeigt);
    // The value as shown stays as stored: a factory zero with sign byte 0 is no change.
    else if (dx.controls().text(id) != gezeigt)
        setzeLW(*k.ps, k.slot, int(skalierterWert(dx.controls().text(id), stellen(k))));
}

} // namespace

std::optional<Reglerzeile> reglerzeile(int art, int r)
{
    const auto it = std::find_if(std::begin(kTabelle), std::end(kTabelle), [art](const Reglerzeilen& z) { return z.art == art; });
    if (it == std::end(kTabelle) || r < 0 || r >= 6)
        return std::nullopt;
    return it->zeilen[std::size_t(r)];
}

void tauscheWertfeld(DataExchange& dx, SeitenKontext& k, int id, quint8* feld)
{
    if (dx.laden())
        dx.controls().setText(id, wertfeldText(*k.ps, k.slot, leseWort(feld)));
    else
        schreibeWort(feld, wertfeldSpeicherwert(*k.ps, k.slot, int(skalierterWert(dx.controls().text(id), stellen(k)))));
}

void pruefeWertfeld(IControls& c, const SeitenKontext& k, int id)
{
    const Messbereich b = anzeigeMessbereich(*k.ps, k.slot).value_or(Messbereich{});
    DDV_Number(c, id, float(b.unten), float(b.oben), stellen(k), k.tab, k.subPage);
}

void tauscheZeile(DataExchange& dx, SeitenKontext& k, int r, int id)
{
    const std::optional<Reglerzeile> z = reglerzeile(reglerartCode(*k.ps, k.slot), r);
    if (!z)
        return;
    quint8* feld = imModulblock(z->offset).zeiger(k);
    switch (z->art) {
    case Z::Wert: tauscheWertfeld(dx, k, id, feld); break;
    case Z::LW: tauscheLW(dx, k, id); break;
    case Z::Prozent: DDX_ScaledWord(dx, id, feld, 1); break;
    case Z::ProzentByte: DDX_ScaledByte(dx, id, feld, 1); break;
    case Z::Sekunden: DDX_ByteNumber(dx, id, feld); break;
    case Z::SekundenWort: DDX_WordNumber(dx, id, feld); break;
    case Z::Band:
        if (dx.laden())
            dx.controls().setText(id, QString::number(leseWort(feld) / 10));
        else
            schreibeWort(feld, quint16(skalierterWert(dx.controls().text(id), 0) * 10));
        break;
    case Z::Totzeit:
        DDX_ByteNumber(dx, id, k.bild() + Parametersatz::adaptivblockOffset(k.slot) + adaptivblock::kAdaptivWert);
        break;
    }
}

void pruefeZeile(IControls& c, const SeitenKontext& k, int r, int id)
{
    const std::optional<Reglerzeile> z = reglerzeile(reglerartCode(*k.ps, k.slot), r);
    if (!z)
        return;
    switch (z->art) {
    case Z::Wert: pruefeWertfeld(c, k, id); break;
    case Z::LW: {
        const int grenze = lwGrenze(*k.ps, k.slot);
        DDV_Number(c, id, float(-grenze), float(grenze), stellen(k), k.tab, k.subPage);
        break;
    }
    case Z::Prozent:
    case Z::ProzentByte: DDV_Number(c, id, 0, float(z->max), 1, k.tab, k.subPage); break;
    default: DDV_Number(c, id, 0, float(z->max), 0, k.tab, k.subPage); break;
    }
}

QString zeilenEinheit(const SeitenKontext& k, int r)
{
    const std::optional<Reglerzeile> z = reglerzeile(reglerartCode(*k.ps, k.slot), r);
    if (!z)
        return QString();
    switch (z->art) {
    case Z::Wert:
    case Z::LW: return wertfeldEinheit(*k.ps, k.slot);
    case Z::Prozent:
    case Z::ProzentByte:
    case Z::Band: return GetStringsText(kProzent);
    default: return GetStringsText(kSec);
    }
}

} // namespace hvx
