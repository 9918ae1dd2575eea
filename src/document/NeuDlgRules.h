#pragma once
// The new-configuration dialog without its window: the revision list, the three module lists of
// the chosen variant, which lists are enabled, and whether OK may be pressed. The window (and the
// command-line tool) drive this object and show what it says.

#include "model/Modulauswahl.h"
#include "model/Parametersatz.h"
#include "model/Revisionen.h"

#include <QString>
#include <QStringList>
#include <span>
#include <vector>

namespace hvx {

class NeuDlgRules {
public:
    enum class Mode { New, Change };

    // "new": the first revision is selected, every slot "Kein".
    NeuDlgRules();
    // "change": the document's revision, fixed, and its current module types.
    explicit NeuDlgRules(const Parametersatz& current);

    Mode mode() const { return m_mode; }
    int titleTextNumber() const;

    std::span<const Revision> revisions() const { return revisionen(); }
    int revisionIndex() const { return m_revision; } // -1 when the document's revision is not listed
    bool revisionEnabled() const { return m_mode == Mode::New; }
    quint8 geraetekennung() const { return m_geraetekennung; }
    // Refills the module lists; a slot keeps its module type when the new variant offers it.
    bool selectRevision(int index);

    // The entries of each module list (the same for all three slots), in list order.
    const std::vector<ModulWahl>& choices() const { return m_choices; }
    QStringList moduleNames() const;
    int moduleIndex(int slot) const { return m_selected[slot]; }
    bool selectModule(int slot, int index); // false for a disabled slot or an index out of range
    bool slotEnabled(int slot) const;

    bool okEnabled() const;
    Modulbestueckung bestueckung() const;

    // List index of a name of this variant's list (as shown) or of a type code; -1 if none.
    int findModule(const QString& nameOrCode) const;
    // Index in the revision list of a byte-0 value ("0x13", "19") or a revision text, with or
    // without the word "Revision" ("Revision K 54", "k 54"); -1 if none.
    int findRevision(const QString& nameOrValue) const;

private:
    void fillChoices(const std::vector<ModulWahl>& keep);
    int indexOfType(quint8 modultyp) const;
    void applyEnabling();

    Mode m_mode = Mode::New;
    int m_revision = 0;
    quint8 m_geraetekennung = 0;
    std::vector<ModulWahl> m_choices;
    std::array<int, 3> m_selected{};
};

} // namespace hvx
