#include "model/MehrfachPH.h"

#include "model/Kalibrierung.h"

#include <algorithm>

namespace hvx {

namespace {

// Module 1's block and descriptor over the slot's, then the slot's own calibration back.
void kopiereModul1(Parametersatz& ps, int slot, const Parametersatz& vorher)
{
    const auto block1 = ps.modulblock(0);
    std::copy(block1.begin(), block1.end(), ps.modulblock(slot).begin());
    const auto kopf1 = ps.modulkopf(0);
    std::copy(kopf1.begin(), kopf1.end(), ps.modulkopf(slot).begin());
    kopiereKalibrierfelder(ps, slot, vorher);
}

} // namespace

void wendeMehrfachPHRegelAn(Parametersatz& ps)
{
    if (ps.modultyp(0) != modultyp::kPH || ps.modultyp(1) != modultyp::kPH)
        return;
    if (ps.mehrfachPH() < mehrfachph::kZweifach) {
        ps.setMehrfachPH(mehrfachph::kKeine);
        ps.setModulByte(1, modulblock::kMehrfachPH, mehrfachph::kKeine);
        return;
    }
    const Parametersatz vorher = ps;
    kopiereModul1(ps, 1, vorher);
    if (ps.modultyp(2) != modultyp::kPH)
        return;
    if (ps.mehrfachPH() == mehrfachph::kDreifach)
        kopiereModul1(ps, 2, vorher);
    else
        ps.setModulByte(2, modulblock::kMehrfachPH, mehrfachph::kKeine);
}

} // namespace hvx
