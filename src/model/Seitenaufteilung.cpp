#include "model/Seitenaufteilung.h"

#include "model/Bestueckung.h"

namespace hvx {

namespace {

// Entries the timer page shows before it continues on a second page.
constexpr int kEintraegeProSeite = 4;

bool eintragInBenutzung(const Parametersatz& ps, int slot, int k)
{
    return ps.modulByte(slot, ps.timerEintragOffset(k) + timereintrag::kWochentage) != 0;
}

void teileTimerseite(const Parametersatz& ps, int timerSlot, Seitenaufteilung& aufteilung)
{
    int inBenutzung = 0;
    for (int k = 0; k < timereintrag::kAnzahl; ++k) {
        if (eintragInBenutzung(ps, timerSlot, k) && ++inBenutzung == kEintraegeProSeite + 1) {
            aufteilung.fortsetzung = true;
            aufteilung.teilungsEintrag = k;
            aufteilung.fortsetzungsSeite = timerSlot + 2;
            ++aufteilung.seitenanzahl;
            return;
        }
    }
}

} // namespace

int timerEintraegeInBenutzung(const Parametersatz& ps, int slot)
{
    int anzahl = 0;
    for (int k = 0; k < timereintrag::kAnzahl; ++k)
        anzahl += eintragInBenutzung(ps, slot, k) ? 1 : 0;
    return anzahl;
}

Seitenaufteilung seitenaufteilung(const Parametersatz& ps)
{
    const int module = modulanzahl(ps);
    Seitenaufteilung aufteilung;
    aufteilung.seitenanzahl = module + 1;
    if (ps.istVariante(Variante::L)) {
        if (ps.version() < 3)
            return aufteilung;
        for (int slot = 0; slot < module; ++slot) {
            if (istTimerSlot(ps, slot)) {
                teileTimerseite(ps, slot, aufteilung);
                break;
            }
        }
        return aufteilung;
    }
    // "Freigabe" and the pH modules a multiple measurement covers have no page. Only present
    // slots count: a type behind a gap is no module.
    for (int slot = 0; slot < module; ++slot)
        aufteilung.seitenanzahl -= hatEigeneSeiten(ps, slot) ? 0 : 1;
    return aufteilung;
}

} // namespace hvx
