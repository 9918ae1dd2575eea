#pragma once
// Which ports can be used, and on which of them the instrument answers.

#include <QList>
#include <QString>
#include <QStringList>

namespace hvx {

struct PortEntry {
    QString name;   // "COM4"
    int index = 0;  // 0-based port index (the item data of the port list)
    QString device; // the device it stands for
};

// Every port 1..256 that can be opened at this moment, in number order. A port is listed because
// it exists and is free, not because an instrument answers: nothing is sent.
QList<PortEntry> OpenablePorts();

// The names of all ports 1..256 without probing (the extended communication options list them all).
QStringList AllPortNames();

// What the port list shows first: the entry of the preset index; without one, the first entry,
// with the chosen index set to 0 and Cancel disabled, so that the user confirms a port.
struct PortListSelection {
    int row = -1;         // -1: the list is empty
    int chosenIndex = 0;
    bool cancelEnabled = true;
};
PortListSelection SelectPresetPort(const QList<PortEntry>& ports, int presetIndex);

// Asks each port in list order whether the instrument answers (connect and disconnect
// handshakes); the position of the first that does, or -1.
int SearchInstrument(const QList<PortEntry>& ports);

} // namespace hvx
