#include "model/NeuerParametersatz.h"

#include "model/Standardwerte.h"

namespace hvx {

void richteNeuEin(Parametersatz& ps, quint8 geraetekennung, const Modulbestueckung& module)
{
    ps.setGeraetekennung(geraetekennung);
    for (int slot = 0; slot < layout::kSlotAnzahl; ++slot) {
        ps.setModultyp(slot, module[slot].modultyp);
        ps.setReglertyp(slot, module[slot].reglertyp);
    }
    ladeStandardwerte(ps, 0);
    for (int slot = 0; slot < layout::kSlotAnzahl; ++slot)
        uebernehmeFlagsInModulkopf(ps, slot);
}

Parametersatz neuerParametersatz(quint8 geraetekennung, const Modulbestueckung& module)
{
    Parametersatz ps;
    richteNeuEin(ps, geraetekennung, module);
    return ps;
}

} // namespace hvx
