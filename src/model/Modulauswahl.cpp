#include "model/Modulauswahl.h"

#include <span>

namespace hvx {

namespace {

bool istVarianteL(int familie)
{
    return familie == static_cast<int>(Variante::L);
}

// List order of the new-configuration dialog; the conductivity entries are the blow-down kinds
// in variant L.
constexpr quint8 kListeAllgemein[] = {
    modultyp::kKein,     modultyp::kLfInduktiv,      modultyp::kLfKonduktiv, modultyp::kPH,
    modultyp::kRedox,    modultyp::kRedoxPlusMinus, modultyp::kTemperatur,  modultyp::kNormsignal,
    modultyp::kChlor,    modultyp::kFluorid,        modultyp::kFreigabeOderTimer};
constexpr quint8 kListeL[] = {
    modultyp::kKein,     modultyp::kAbsalzInduktiv, modultyp::kAbsalzKonduktiv, modultyp::kPH,
    modultyp::kRedox,    modultyp::kRedoxPlusMinus, modultyp::kTemperatur,      modultyp::kNormsignal,
    modultyp::kChlor,    modultyp::kFluorid,        modultyp::kFreigabeOderTimer};

enum class Slotart { Leer, Messmodul, Sonder }; // Sonder: "Freigabe" or timer (both type 13)

Slotart slotart(const ModulWahl& wahl)
{
    if (wahl.modultyp == modultyp::kKein)
        return Slotart::Leer;
    return wahl.modultyp == modultyp::kFreigabeOderTimer ? Slotart::Sonder : Slotart::Messmodul;
}

} // namespace

quint8 anfangsReglertyp(quint8 modultyp, int familie)
{
    switch (modultyp) {
    case modultyp::kKein:
        return reglertyp::kKein;
    case modultyp::kFreigabeOderTimer:
        return istVarianteL(familie) ? reglertyp::kTimer : reglertyp::kKein;
    case modultyp::kAbsalzInduktiv:
    case modultyp::kAbsalzKonduktiv:
        return reglertyp::kAbsalzgeraet;
    default:
        return reglertyp::kSignalgeraet;
    }
}

std::vector<ModulWahl> modulAuswahl(int familie)
{
    std::vector<ModulWahl> liste;
    for (quint8 typ : istVarianteL(familie) ? std::span<const quint8>(kListeL) : std::span<const quint8>(kListeAllgemein))
        liste.push_back({typ, anfangsReglertyp(typ, familie)});
    return liste;
}

bool istGueltigeBestueckung(int familie, const Modulbestueckung& module)
{
    const Slotart a1 = slotart(module[0]), a2 = slotart(module[1]), a3 = slotart(module[2]);
    if (a1 == Slotart::Leer || a1 == Slotart::Sonder)
        return false;
    if (a2 == Slotart::Leer && a3 != Slotart::Leer)
        return false;
    if (istVarianteL(familie))
        return !(a2 == Slotart::Sonder && a3 == Slotart::Sonder);
    return !(a2 == Slotart::Sonder && a3 == Slotart::Messmodul);
}

} // namespace hvx
