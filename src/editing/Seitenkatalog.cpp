#include "editing/Seitenkatalog.h"

#include "base/Language.h"
#include "editing/EditingTexts.h"
#include "editing/MessSeiten.h"
#include "editing/ModulKonfigSeite.h"
#include "editing/ReglerSeite.h"
#include "editing/SystemKonfigSeite.h"
#include "model/Bestueckung.h"

namespace hvx {

QString seitentitel(const Parametersatz& ps, const Seitenplatz& platz)
{
    if (platz.tab == 0)
        return GetStringsText(editingtext::kSystemkonfiguration);
    if (platz.subPage == 2)
        return reglerTabText(ps, platz.slot);
    if (platz.subPage == 1)
        return GetStringsText(editingtext::kMessParameter);
    return GetStringsText(platz.seite == &timerParaSeite() ? editingtext::kBiozidDosierung
                                                           : editingtext::kModulkonfiguration);
}

const Seitenbeschreibung* messParaSeite(Messseite seite)
{
    switch (seite) {
    case Messseite::PH: return &messParaPHSeite();
    case Messseite::Redox: return &messParaRedoxSeite();
    case Messseite::Temperatur: return &messParaTempSeite();
    case Messseite::Norm: return &messParaNormSeite();
    case Messseite::LF: return &messParaLFSeite();
    case Messseite::Chlor: return &messParaChlorSeite();
    case Messseite::Keine: break;
    }
    return nullptr;
}

std::vector<Seitenplatz> seitenDesSlots(const Parametersatz& ps, int slot)
{
    const int tab = slot + 1;
    switch (modulinhalt(ps, slot)) {
    case Modulinhalt::KeineParameter: return {};
    case Modulinhalt::Timer: return {{tab, 0, slot, &timerParaSeite()}};
    case Modulinhalt::Seiten: break;
    }
    std::vector<Seitenplatz> seiten{{tab, 0, slot, &modulKonfigSeite()}};
    if (const Seitenbeschreibung* mess = messParaSeite(messseiteFuer(ps.modultyp(slot))))
        seiten.push_back({tab, 1, slot, mess});
    seiten.push_back({tab, 2, slot, &reglerParaSeite()});
    return seiten;
}

std::vector<Seitenplatz> alleSeiten(const Parametersatz& ps)
{
    // The module count decides which slots are modules: a type behind an empty slot is none.
    std::vector<Seitenplatz> seiten{{0, 0, 0, &systemKonfigSeite()}};
    for (int slot = 0; slot < modulanzahl(ps); ++slot) {
        for (const Seitenplatz& p : seitenDesSlots(ps, slot))
            seiten.push_back(p);
    }
    return seiten;
}

} // namespace hvx
