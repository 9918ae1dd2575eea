#pragma once
// Which page descriptions a configuration shows where: the system page on tab 0 and, per
// module tab, the sub pages of its container. The window and hvxcli both go by this.

#include "editing/ModulSeitenplan.h"
#include "editing/PageDescription.h"

#include <vector>

namespace hvx {

struct Seitenplatz {
    int tab = 0;     // 0 system page, 1..3 module slot
    int subPage = 0; // 0 module configuration or timer, 1 measuring, 2 controller
    int slot = 0;
    const Seitenbeschreibung* seite = nullptr;
};

// The measuring page of a kind; nullptr for Messseite::Keine.
const Seitenbeschreibung* messParaSeite(Messseite seite);

// The sub pages of a module slot, in tab order (none for "Keine Parameter einstellbar!").
std::vector<Seitenplatz> seitenDesSlots(const Parametersatz& ps, int slot);
// Every page of the configuration, in the view's order.
std::vector<Seitenplatz> alleSeiten(const Parametersatz& ps);
// The tab title of a page: "Systemkonfiguration", the controller's own text, "Mess-Parameter",
// the timer's or the module configuration's title.
QString seitentitel(const Parametersatz& ps, const Seitenplatz& platz);

} // namespace hvx
