#include "model/MehrfachPH.h"

#include "model/Bestueckung.h"
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
    if (!mehrfachPHMoeglich(ps))
        return;
    if (ps.mehrfachPH() < mehrfachph::kZweifach) {
        ps.setMehrfachPH(mehrfachph::kKeine);
        ps.setModulByte(1, modulblock::kMehrfachPH, mehrfachph::kKeine);
        return;
    }
    // The copies are exactly the modules that have no pages of their own.
    const Parametersatz vorher = ps;
    for (int slot : {1, 2}) {
        if (istMehrfachPHKopie(vorher, slot))
            kopiereModul1(ps, slot, vorher);
    }
    if (ps.modultyp(2) == modultyp::kPH && !istMehrfachPHKopie(vorher, 2))
        ps.setModulByte(2, modulblock::kMehrfachPH, mehrfachph::kKeine);
}

} // namespace hvx
