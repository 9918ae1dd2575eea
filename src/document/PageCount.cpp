#include "document/PageCount.h"

namespace hvx {
namespace {

constexpr int kEntriesOnFirstPage = 4;

int firstTimerSlot(const Parametersatz& ps)
{
    for (int slot = 0; slot < layout::kSlotAnzahl; ++slot) {
        if (ps.modultyp(slot) == modultyp::kFreigabeOderTimer)
            return slot;
    }
    return -1;
}

TimerContinuation timerContinuation(const Parametersatz& ps)
{
    const int slot = firstTimerSlot(ps);
    if (ps.version() < 3 || slot < 0)
        return {};
    int inUse = 0;
    for (int k = 0; k < timereintrag::kAnzahl; ++k) {
        if (ps.modulByte(slot, ps.timerEintragOffset(k) + timereintrag::kWochentage) != 0 && ++inUse > kEntriesOnFirstPage)
            return {k, slot + 2, true};
    }
    return {};
}

} // namespace

PageCount CountPages(const Parametersatz& ps, int moduleCount, bool multiplePhPossible, bool triplePhPossible)
{
    PageCount result;
    if (ps.istVariante(Variante::L)) {
        result.continuation = timerContinuation(ps);
        result.pages = moduleCount + (result.continuation.active ? 2 : 1);
        return result;
    }
    result.pages = moduleCount + 1;
    for (int slot = 0; slot < moduleCount; ++slot) { // slots beyond the count are not shown at all
        if (ps.modultyp(slot) == modultyp::kFreigabeOderTimer)
            --result.pages; // "Freigabe" has no page
    }
    if (triplePhPossible && ps.mehrfachPH() == mehrfachph::kDreifach)
        result.pages -= 2;
    else if (multiplePhPossible && ps.mehrfachPH() == mehrfachph::kZweifach)
        result.pages -= 1; // the copied pH modules have no page of their own
    return result;
}

} // namespace hvx
