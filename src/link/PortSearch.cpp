#include "link/PortSearch.h"

#include "link/KelComm.h"
#include "link/SerialPortFactory.h"

namespace hvx {

QList<PortEntry> OpenablePorts()
{
    QList<PortEntry> ports;
    for (int number = 1; number <= kMaxPortNumber; ++number) {
        CKelComm link;
        if (!link.OpenConnection(number))
            continue;
        link.CloseConnection();
        ports.append(PortEntry{PortName(number), number - 1, PortDevice(number)});
    }
    return ports;
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
