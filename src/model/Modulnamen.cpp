#include "model/Modulnamen.h"

#include "model/Codes.h"
#include "model/Texte.h"

#include <algorithm>
#include <iterator>

namespace hvx {

namespace {

// One row per type code: the text number per variant column; 0 where the variant has no such
// module.
struct ModulnameZeile {
    quint8 typ;
    int k;
    int l;
    int m;
    int n; // N and N7400
};

constexpr ModulnameZeile kModulnamen[] = {
    {modultyp::kKein, 3120, 3120, 3120, 3120},                   // "Kein"
    {modultyp::kPH, 3121, 3121, 3121, 3121},                     // "pH"
    {modultyp::kRedox, 3122, 3122, 3122, 3122},                  // "Redox"
    {modultyp::kTemperatur, 3123, 3123, 3123, 3123},             // "Temperatur"
    {modultyp::kNormsignal, 3124, 3124, 3124, 3124},             // "Normsignal"
    {modultyp::kLfKonduktiv, 3125, 0, 3125, 3125},               // "LF konduktiv"
    {modultyp::kLfInduktiv, 3126, 0, 3126, 3126},                // "LF induktiv"
    {modultyp::kChlor, 3127, 3127, 3128, 3129},                  // "Chlor", "Chlordioxid", "Peressigsäure"
    {modultyp::kFreigabeOderTimer, 3130, 3131, 3130, 3130},      // "Freigabe", "Timer"
    {modultyp::kFluorid, 3132, 3132, 3132, 3132},                // "Fluorid"
    {modultyp::kRedoxPlusMinus, 3133, 3133, 3133, 3133},         // "Redox (+/-)"
    {modultyp::kAbsalzInduktiv, 0, 3134, 0, 0},                  // "Absalz induktiv"
    {modultyp::kAbsalzKonduktiv, 0, 3135, 0, 0},                 // "Absalz konduktiv"
};

int spalte(const ModulnameZeile& zeile, int familie)
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

int modulNameNummer(quint8 modultyp, int familie)
{
    const auto it = std::find_if(std::begin(kModulnamen), std::end(kModulnamen),
                                 [&](const ModulnameZeile& z) { return z.typ == modultyp; });
    return it == std::end(kModulnamen) ? kKeinText : spalte(*it, familie);
}

QString modulName(quint8 modultyp, int familie)
{
    return modellText(modulNameNummer(modultyp, familie));
}

} // namespace hvx
