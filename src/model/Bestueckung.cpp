#include "model/Bestueckung.h"

namespace hvx {

int modulanzahl(const Parametersatz& ps)
{
    if (ps.modultyp(0) == modultyp::kKein)
        return 0;
    if (ps.modultyp(1) == modultyp::kKein)
        return 1;
    return ps.modultyp(2) == modultyp::kKein ? 2 : 3;
}

bool mehrfachPHMoeglich(const Parametersatz& ps)
{
    return !ps.istVariante(Variante::L) && modulanzahl(ps) >= 2 && ps.modultyp(0) == modultyp::kPH
        && ps.modultyp(1) == modultyp::kPH;
}

bool dreifachPHMoeglich(const Parametersatz& ps)
{
    return mehrfachPHMoeglich(ps) && ps.modultyp(2) == modultyp::kPH;
}

bool istTimerSlot(const Parametersatz& ps, int slot)
{
    return ps.istVariante(Variante::L) && ps.modultyp(slot) == modultyp::kFreigabeOderTimer;
}

bool istMehrfachPHKopie(const Parametersatz& ps, int slot)
{
    switch (slot) {
    case 1: return mehrfachPHMoeglich(ps) && ps.mehrfachPH() >= mehrfachph::kZweifach;
    case 2: return dreifachPHMoeglich(ps) && ps.mehrfachPH() == mehrfachph::kDreifach;
    default: return false;
    }
}

bool hatEigeneSeiten(const Parametersatz& ps, int slot)
{
    return slot < modulanzahl(ps) && ps.modultyp(slot) != modultyp::kFreigabeOderTimer && !istMehrfachPHKopie(ps, slot);
}

} // namespace hvx
