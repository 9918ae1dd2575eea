#include "editing/Nachbau.h"

#include "editing/InputError.h"
#include "model/NeuerParametersatz.h"

#include <algorithm>

namespace hvx {

namespace {

// The set the new-configuration command makes for the revision and the modules of ps.
Parametersatz werkssatz(const Parametersatz& ps)
{
    Modulbestueckung module{};
    for (int slot = 0; slot < layout::kSlotAnzahl; ++slot)
        module[size_t(slot)] = {ps.modultyp(slot), anfangsReglertyp(ps.modultyp(slot), ps.familie())};
    return neuerParametersatz(ps.geraetekennung(), module);
}

} // namespace

Parametersatz nachbau(const Parametersatz& ps, const std::vector<Feldangabe>& felder)
{
    std::vector<Zuweisung> werte;
    for (const Feldangabe& f : felder)
        werte.push_back({f.schluessel, f.wert});
    const InputError vorher = inputError();
    for (;;) {
        Parametersatz satz = werkssatz(ps);
        Bearbeitung bearbeitung(satz, true);
        const std::optional<Ablehnung> ablehnung = felderSetzen(bearbeitung, werte);
        inputError().clear();
        if (!ablehnung) {
            bearbeitung.speichereBearbeitete();
            inputError() = vorher;
            return satz;
        }
        // Start over without the refused value: what was entered before it may depend on it.
        const auto it = std::find_if(werte.begin(), werte.end(), [&](const Zuweisung& z) {
            return z.schluessel == ablehnung->zuweisung.schluessel && z.wert == ablehnung->zuweisung.wert;
        });
        werte.erase(it == werte.end() ? werte.begin() : it);
    }
}

std::vector<Unterschied> bytesOhneSeite(const Parametersatz& ps, const std::vector<Feldangabe>& felder)
{
    std::vector<Unterschied> zeilen = vergleiche(nachbau(ps, felder), ps).unterschiede;
    std::erase_if(zeilen, [](const Unterschied& u) { return u.offset < 0; });
    return zeilen;
}

} // namespace hvx
