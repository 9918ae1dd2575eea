#pragma once
// Editing a whole configuration without a window: every page the view shows, run by
// Seitenlauf, with the module container's part (controller kind or range changed, controller
// adjusted, all tabs rebuilt) played here.

#include "editing/Seitenkatalog.h"
#include "editing/Seitenlauf.h"

#include <map>
#include <memory>
#include <set>

namespace hvx {

// When the pages are composed: all at the start, as the view does, or each at its first use,
// for a read-only look that may stop at the first page it needs.
enum class Aufbau { alleSeiten, beiBedarf };

class Bearbeitung {
public:
    Bearbeitung(Parametersatz& ps, bool editierbar, Aufbau aufbau = Aufbau::alleSeiten);

    Parametersatz& parametersatz() { return m_ps; }
    bool editierbar() const { return m_editierbar; }

    // The pages of the configuration as it is now.
    std::vector<Seitenplatz> plaetze() const { return alleSeiten(m_ps); }
    // The page at a tab and sub page, initialised on first need; nullptr where there is none.
    Seitenlauf* seite(int tab, int subPage);
    // The same for a place of plaetze(), without looking for it again.
    Seitenlauf* seite(const Seitenplatz& platz);

    // Marks a page as edited; speichereBearbeitete() runs its save cycle as a tab switch does.
    void bearbeitet(int tab, int subPage) { m_bearbeitet.insert({tab, subPage}); }
    // False after the first page whose check reports an input error.
    bool speichereBearbeitete();
    bool hatBearbeitete() const { return !m_bearbeitet.empty(); }

    // Tabs were rebuilt (multiple pH changed): pages are composed anew at their next use.
    void nachAktion();

private:
    using Schluessel = std::pair<int, int>;
    std::unique_ptr<Seitenlauf> erzeuge(const Seitenplatz& platz);
    // As the view does: every page is composed (and shows the record) from the start.
    void alleAufbauen();
    void initialisiereSlot(int slot, std::initializer_list<int> subPages);

    Parametersatz& m_ps;
    bool m_editierbar;
    std::map<Schluessel, std::unique_ptr<Seitenlauf>> m_seiten;
    std::set<Schluessel> m_bearbeitet;
    bool m_neuAufbauen = false;
};

} // namespace hvx
