#include "link/PortSearch.h"

#include "link/KelComm.h"
#include "link/SerialPortFactory.h"

#include <QFileInfo>

namespace hvx {
namespace {

// A device path that names no file cannot be opened; skipping it spares reading the link
// settings for each of the many port numbers without hardware.
bool DeviceMayExist(const QString& device)
{
    if (device.isEmpty())
        return false;
    return !device.startsWith(u'/') || QFileInfo::exists(device);
}

} // namespace

QList<PortEntry> OpenablePorts()
{
    QList<PortEntry> ports;
    for (int number = 1; number <= kMaxPortNumber; ++number) {
        const QString device = PortDevice(number);
        CKelComm link;
        if (!DeviceMayExist(device) || !link.OpenConnection(number))
            continue;
        link.CloseConnection();
        ports.append(PortEntry{PortName(number), number - 1, device});
    }
    return ports;
}

QStringList AllPortNames()
{
    QStringList names;
    for (int number = 1; number <= kMaxPortNumber; ++number)
        names << PortName(number);
    return names;
}

PortListSelection SelectPresetPort(const QList<PortEntry>& ports, int presetIndex)
{
    PortListSelection selection;
    if (ports.isEmpty())
        return selection;
    for (qsizetype row = 0; row < ports.size(); ++row) {
        if (ports[row].index == presetIndex) {
            selection.row = int(row);
            selection.chosenIndex = presetIndex;
            return selection;
        }
    }
    selection.row = 0;
    selection.chosenIndex = 0;
    selection.cancelEnabled = false;
    return selection;
}

int SearchInstrument(const QList<PortEntry>& ports)
{
    for (qsizetype i = 0; i < ports.size(); ++i) {
        CKelComm link;
        if (link.CheckComPort(ports[i].index + 1))
            return int(i);
    }
    return -1;
}

} // namespace hvx
