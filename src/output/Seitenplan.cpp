#include "output/Seitenplan.h"

#include "model/Bestueckung.h"
#include "model/Seitenaufteilung.h"

namespace hvx {

namespace {

// The same modules as on screen: those with pages of their own, and the timer.
bool hatSeite(const Parametersatz& ps, int slot)
{
    return hatEigeneSeiten(ps, slot) || istTimerSlot(ps, slot);
}

} // namespace

std::vector<int> seitenSlots(const Parametersatz& ps)
{
    std::vector<int> slots;
    for (int slot = 0; slot < modulanzahl(ps); ++slot) {
        if (hatSeite(ps, slot))
            slots.push_back(slot);
    }
    return slots;
}

std::vector<Seiteninhalt> seitenplan(const Parametersatz& ps)
{
    const Seitenaufteilung aufteilung = seitenaufteilung(ps);
    std::vector<Seiteninhalt> seiten{Seiteninhalt{}};
    for (const int slot : seitenSlots(ps)) {
        if (aufteilung.fortsetzung && istTimerSlot(ps, slot)) {
            seiten.push_back({slot, {0, aufteilung.teilungsEintrag, false}});
            seiten.push_back({slot, {aufteilung.teilungsEintrag, timereintrag::kAnzahl, true}});
        } else {
            seiten.push_back({slot, {}});
        }
    }
    return seiten;
}

Ausgabe seitenAusgabe(const Ausgabequelle& quelle, const Seiteninhalt& seite)
{
    if (seite.slot < 0)
        return systemteil(quelle);
    return modulteil(quelle.ps, seite.slot, seite.timer);
}

} // namespace hvx
