#include "document/NeuDlgRules.h"

#include "document/DocumentTexts.h"
#include "model/Modulnamen.h"

namespace hvx {

NeuDlgRules::NeuDlgRules()
{
    selectRevision(0);
}

NeuDlgRules::NeuDlgRules(const Parametersatz& current) : m_mode(Mode::Change), m_geraetekennung(current.geraetekennung())
{
    m_revision = -1;
    const auto list = revisions();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].geraetekennung == m_geraetekennung)
            m_revision = int(i);
    }
    std::vector<ModulWahl> keep;
    for (int slot = 0; slot < layout::kSlotAnzahl; ++slot)
        keep.push_back({current.modultyp(slot), current.reglertyp(slot)});
    fillChoices(keep);
}

int NeuDlgRules::titleTextNumber() const
{
    return m_mode == Mode::New ? kTextTitleNew : kTextTitleChange;
}

bool NeuDlgRules::selectRevision(int index)
{
    if (!revisionEnabled() || index < 0 || index >= int(revisions().size()))
        return false;
    std::vector<ModulWahl> keep;
    if (!m_choices.empty()) {
        const Modulbestueckung current = bestueckung();
        keep.assign(current.begin(), current.end());
    }
    m_revision = index;
    m_geraetekennung = revisions()[index].geraetekennung;
    fillChoices(keep);
    return true;
}

void NeuDlgRules::fillChoices(const std::vector<ModulWahl>& keep)
{
    m_choices = modulAuswahl(m_geraetekennung >> 4);
    for (int slot = 0; slot < layout::kSlotAnzahl; ++slot)
        m_selected[slot] = slot < int(keep.size()) ? std::max(0, indexOfType(keep[slot].modultyp)) : 0;
    applyEnabling();
}

int NeuDlgRules::indexOfType(quint8 modultyp) const
{
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        if (m_choices[i].modultyp == modultyp)
            return int(i);
    }
    return -1;
}

QStringList NeuDlgRules::moduleNames() const
{
    QStringList names;
    for (const ModulWahl& wahl : m_choices)
        names << modulName(wahl.modultyp, m_geraetekennung >> 4);
    return names;
}

bool NeuDlgRules::slotEnabled(int slot) const
{
    return slot == 0 || (slot > 0 && slot < layout::kSlotAnzahl && m_choices[m_selected[slot - 1]].modultyp != modultyp::kKein);
}

void NeuDlgRules::applyEnabling()
{
    // A list that becomes disabled falls back to "Kein" (entry 0), which may disable the next one.
    for (int slot = 1; slot < layout::kSlotAnzahl; ++slot) {
        if (!slotEnabled(slot))
            m_selected[slot] = 0;
    }
}

bool NeuDlgRules::selectModule(int slot, int index)
{
    if (slot < 0 || slot >= layout::kSlotAnzahl || !slotEnabled(slot) || index < 0 || index >= int(m_choices.size()))
        return false;
    m_selected[slot] = index;
    applyEnabling();
    return true;
}

Modulbestueckung NeuDlgRules::bestueckung() const
{
    return {m_choices[m_selected[0]], m_choices[m_selected[1]], m_choices[m_selected[2]]};
}

bool NeuDlgRules::okEnabled() const
{
    return istGueltigeBestueckung(m_geraetekennung >> 4, bestueckung());
}

int NeuDlgRules::findModule(const QString& nameOrCode) const
{
    bool isNumber = false;
    const uint code = nameOrCode.trimmed().toUInt(&isNumber, 0);
    if (isNumber)
        return code <= 0xFF ? indexOfType(quint8(code)) : -1;
    const QStringList names = moduleNames();
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (names[i].compare(nameOrCode.trimmed(), Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

int NeuDlgRules::findRevision(const QString& nameOrValue) const
{
    const QString wanted = nameOrValue.trimmed();
    bool isNumber = false;
    const uint value = wanted.toUInt(&isNumber, 0);
    const auto list = revisions();
    for (std::size_t i = 0; i < list.size(); ++i) {
        const QString text = revisionText(list[i].geraetekennung);
        const bool match = isNumber ? value == list[i].geraetekennung
                                    : (text.compare(wanted, Qt::CaseInsensitive) == 0
                                       || text.section(QLatin1Char(' '), 1).compare(wanted, Qt::CaseInsensitive) == 0);
        if (match)
            return int(i);
    }
    return -1;
}

} // namespace hvx
