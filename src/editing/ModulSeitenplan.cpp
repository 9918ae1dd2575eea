#include "editing/ModulSeitenplan.h"

#include "model/Bestueckung.h"
#include "model/Reglerart.h"

namespace hvx {

Modulinhalt modulinhalt(const Parametersatz& ps, int slot)
{
    if (ps.modultyp(slot) == modultyp::kFreigabeOderTimer)
        return istTimerSlot(ps, slot) ? Modulinhalt::Timer : Modulinhalt::KeineParameter;
    // Slots 2 and 3 of a multiple pH measurement take module 1's values.
    if (istMehrfachPHKopie(ps, slot))
        return Modulinhalt::KeineParameter;
    return Modulinhalt::Seiten;
}

Messseite messseiteFuer(quint8 typ)
{
    switch (typ) {
    case modultyp::kPH: return Messseite::PH;
    case modultyp::kRedox:
    case modultyp::kFluorid:
    case modultyp::kRedoxPlusMinus: return Messseite::Redox;
    case modultyp::kTemperatur: return Messseite::Temperatur;
    case modultyp::kNormsignal: return Messseite::Norm;
    case modultyp::kLfKonduktiv:
    case modultyp::kLfInduktiv:
    case modultyp::kAbsalzInduktiv:
    case modultyp::kAbsalzKonduktiv: return Messseite::LF;
    case modultyp::kChlor: return Messseite::Chlor;
    default: return Messseite::Keine;
    }
}

QString reglerTabText(const Parametersatz& ps, int slot)
{
    return reglerartUeberschrift(reglerartCode(ps, slot));
}

} // namespace hvx
