#include "model/Kalibrierung.h"

#include <iterator>

namespace hvx {

namespace {

using namespace modulblock;

constexpr Kalibrierfeld kPH[] = {
    {kSteilheit, 2}, {kPhKalibrierwert1, 2}, {kPhKalibrierwert2, 2}, {kWertBei20mA, 2},
    {kKalibrierbyte, 1}, {kPhKalibrierbyte, 1}};
constexpr Kalibrierfeld kRedoxArten[] = {{kSteilheit, 2}, {kRedoxKalibrierwert, 2}, {kKalibrierbyte, 1}};
constexpr Kalibrierfeld kLeitfaehigkeit[] = {{kLfKalibrierwert1, 2}, {kLfKalibrierwert2, 2}, {kLfMessbereich, 1}};
constexpr Kalibrierfeld kChlor[] = {{kSteilheit, 2}, {kChlorKalibrierbyte, 1}};

} // namespace

std::span<const Kalibrierfeld> kalibrierfelder(quint8 typ)
{
    switch (typ) {
    case modultyp::kPH:
        return kPH;
    case modultyp::kRedox:
    case modultyp::kFluorid:
    case modultyp::kRedoxPlusMinus:
        return kRedoxArten;
    case modultyp::kLfKonduktiv:
    case modultyp::kLfInduktiv:
    case modultyp::kAbsalzInduktiv:
    case modultyp::kAbsalzKonduktiv:
        return kLeitfaehigkeit;
    case modultyp::kChlor:
        return kChlor;
    default:
        return {};
    }
}

void kopiereKalibrierfelder(Parametersatz& ziel, int slot, const Parametersatz& quelle)
{
    for (const Kalibrierfeld& feld : kalibrierfelder(ziel.modultyp(slot))) {
        for (int i = 0; i < feld.breite; ++i)
            ziel.setModulByte(slot, feld.offset + i, quelle.modulByte(slot, feld.offset + i));
    }
}

bool adaptivWertWirdErhalten(const Parametersatz& ps, int slot)
{
    const quint8 typ = ps.reglertyp(slot);
    const quint8 flags = ps.reglerflags(slot);
    return ps.version() >= 3 && (typ == reglertyp::kZweipunkt || typ == reglertyp::kDreipunkt)
        && !(flags & reglerflags::kPID) && (flags & reglerflags::kAdaptiv);
}

void erhalteKalibrierung(Parametersatz& ziel, int slot, const Parametersatz& quelle)
{
    kopiereKalibrierfelder(ziel, slot, quelle);
    if (adaptivWertWirdErhalten(ziel, slot))
        ziel.setAdaptivWert(slot, quelle.adaptivWert(slot));
}

void erhalteKalibrierung(Parametersatz& ziel, const Parametersatz& quelle)
{
    for (int slot = 0; slot < layout::kSlotAnzahl; ++slot)
        erhalteKalibrierung(ziel, slot, quelle);
}

} // namespace hvx
