#include "model/Modulnamen.h"

#include "model/Codes.h"

#include <algorithm>
#include <iterator>

namespace hvx {

namespace {

// One row per type code; nullptr where the variant has no such module.
struct ModulnameZeile {
    quint8 typ;
    const char* k;
    const char* l;
    const char* m;
    const char* n; // N and N7400
};

constexpr ModulnameZeile kModulnamen[] = {
    {modultyp::kKein, "Kein", "Kein", "Kein", "Kein"},
    {modultyp::kPH, "pH", "pH", "pH", "pH"},
    {modultyp::kRedox, "Redox", "Redox", "Redox", "Redox"},
    {modultyp::kTemperatur, "Temperatur", "Temperatur", "Temperatur", "Temperatur"},
    {modultyp::kNormsignal, "Normsignal", "Normsignal", "Normsignal", "Normsignal"},
    {modultyp::kLfKonduktiv, "LF konduktiv", nullptr, "LF konduktiv", "LF konduktiv"},
    {modultyp::kLfInduktiv, "LF induktiv", nullptr, "LF induktiv", "LF induktiv"},
    {modultyp::kChlor, "Chlor", "Chlor", "Chlordioxid", "Peressigsäure"},
    {modultyp::kFreigabeOderTimer, "Freigabe", "Timer", "Freigabe", "Freigabe"},
    {modultyp::kFluorid, "Fluorid", "Fluorid", "Fluorid", "Fluorid"},
    {modultyp::kRedoxPlusMinus, "Redox (+/-)", "Redox (+/-)", "Redox (+/-)", "Redox (+/-)"},
    {modultyp::kAbsalzInduktiv, nullptr, "Absalz induktiv", nullptr, nullptr},
    {modultyp::kAbsalzKonduktiv, nullptr, "Absalz konduktiv", nullptr, nullptr},
};

const char* spalte(const ModulnameZeile& zeile, int familie)
{
    switch (familie) {
    case static_cast<int>(Variante::L): return zeile.l;
    case static_cast<int>(Variante::M): return zeile.m;
    case static_cast<int>(Variante::N):
    case static_cast<int>(Variante::N7400): return zeile.n;
    default: return zeile.k; // K, and the general names for any other nibble
    }
}

} // namespace

QString modulName(quint8 modultyp, int familie)
{
    const auto it = std::find_if(std::begin(kModulnamen), std::end(kModulnamen),
                                 [&](const ModulnameZeile& z) { return z.typ == modultyp; });
    if (it == std::end(kModulnamen))
        return QString();
    const char* name = spalte(*it, familie);
    return name ? QString::fromUtf8(name) : QString();
}

} // namespace hvx
