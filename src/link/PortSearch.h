#pragma once
// Which ports can be used, and on which of them the instrument answers.

#include <QList>
#include <QString>

namespace hvx {

struct PortEntry {
    QString name;   // "COM4"
    int index = 0;  // 0-based port index (the item data of the port list)
    QString device; // the device it stands for
};

// Every port 1..256 that can be opened at this moment, in number order. A port is listed because
// it exists and is free, not because an instrument answers: nothing is sent.
QList<PortEntry> OpenablePorts();

// Asks each port in list order whether the instrument answers (connect and disconnect
// handshakes); the position of the first that does, or -1.
int SearchInstrument(const QList<PortEntry>& ports);

} // namespace hvx
