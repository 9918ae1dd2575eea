#pragma once
// What the imitation of the instrument's display shows, without any painting: per module slot
// the text items (name, measured value, unit, second value and unit, controller, set point,
// relay line) placed in character cells, the alarm line and the background state. The recording
// dialog sets it up from the instrument's parameter set and feeds it every received line.

#include "model/Parametersatz.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace hvx {

struct DisplayItem {
    QString text;
    int column = 0; // character cells of the small font
    int row = 0;
    bool rightAligned = false;
    bool large = false; // the measured value, in the large font
};

// The items of one module block; an item that the module does not have stays empty.
struct DisplayBlock {
    std::optional<DisplayItem> name, value, unit, second, secondUnit, controller, setPoint, relay;
    // Modules without a measured value show "---" as unit: only name and relay line are drawn.
    bool showsValues() const { return !unit || unit->text != QLatin1String("---"); }
};

class DisplayLayout {
public:
    static constexpr int kSlots = 3;
    static constexpr int kAlarmRow = 7;

    // Takes a copy of the parameter set and builds the items of all three slots.
    void SetLayout(const Parametersatz& ps);
    // The first and second value texts, the enable text and the relay-state bits of one slot.
    void UpdateModule(int slot, const QString& first, const QString& second, const QString& enable, unsigned relays);
    // Fields 2 to 12 of a measured-data line: three times first value, second value, enable;
    // then the relay state (hexadecimal) and the error number (decimal). Bit 0 of the relay
    // state with an error number other than 0 is an alarm.
    void UpdateAll(const QStringList& fields);
    // Clears the alarm state.
    void Reset();

    int moduleCount() const { return m_nModules; }
    const DisplayBlock& block(int slot) const { return m_blocks.at(std::size_t(slot)); }
    bool alarm() const { return m_bAlarm; }
    QString alarmText() const { return m_strAlarm; }
    const Parametersatz& parametersatz() const { return m_ps; }

    // Left edge of a module block: blocks are a third of the width each, centred as a group.
    static int BlockStart(int moduleIndex, int moduleCount, int width);

private:
    DisplayBlock BuildBlock(int slot) const;

    Parametersatz m_ps;
    int m_nModules = 0;
    std::array<DisplayBlock, kSlots> m_blocks{};
    bool m_bAlarm = false;
    QString m_strAlarm;
};

} // namespace hvx
