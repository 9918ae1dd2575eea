#include "model/NeuerParametersatz.h"

#include "model/Bestueckung.h"
#include "model/Standardwerte.h"

namespace hvx {

void richteNeuEin(Parametersatz& ps, quint8 geraetekennung, const Modulbestueckung& module)
{
    ps.setGeraetekennung(geraetekennung);
    for (int slot = 0; slot < layout::kSlotAnzahl; ++slot) {
        ps.setModultyp(slot, module[slot].modultyp);
        ps.setReglertyp(slot, module[slot].reglertyp);
    }
    // What the instrument keeps there belongs to the instrument the bytes were read from.
    ps.fill(layout::kKonfigurationsbytes, layout::kKonfigurationsbytesGroesse, 0);
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

bool aendereModulbestueckung(Parametersatz& ps, const Modulbestueckung& module)
{
    bool geaendert = false;
    for (int slot = 0; slot < layout::kSlotAnzahl; ++slot) {
        if (ps.modultyp(slot) == module[slot].modultyp)
            continue;
        ps.setModultyp(slot, module[slot].modultyp);
        ps.setReglertyp(slot, module[slot].reglertyp);
        ladeStandardwerte(ps, slot + 1);
        uebernehmeFlagsInModulkopf(ps, slot);
        geaendert = true;
    }
    if (!geaendert)
        return false;
    ps.setMehrfachPH(mehrfachph::kKeine);
    ps.setTemperaturkompensation(temperaturkompensation::kJedesModulEinzeln);
    const quint8 alleAus = reglerblockflags::kZusatzFreigabeMaske | reglerblockflags::kReglerabschaltungMaske;
    for (int slot = 0; slot < modulanzahl(ps); ++slot) {
        ps.setReglerblockFlags(slot, quint8(ps.reglerblockFlags(slot) | alleAus));
        ps.setModulByte(slot, modulblock::kErhaltungsdosierung, 0);
    }
    return true;
}

} // namespace hvx
