#include "app/gui/PortAccess.h"

#include "app/Language.h"
#include "link/KelComm.h"

namespace hvx::gui {

namespace {
constexpr int kTextPortName = 234;
}

PortAccess PortAccess::DeviceLink()
{
    PortAccess access;
    access.canOpen = [](int portNumber) {
        CKelComm link;
        if (!link.OpenConnection(portNumber))
            return false;
        link.CloseConnection();
        return true;
    };
    access.instrumentAnswers = [](int portNumber) {
        CKelComm link;
        return link.CheckComPort(portNumber) != 0;
    };
    return access;
}

QString PortName(int portNumber)
{
    QString name = GetStringsText(kTextPortName);
    if (name.isEmpty())
        name = QStringLiteral("COM%d");
    return name.replace(QLatin1String("%d"), QString::number(portNumber));
}

} // namespace hvx::gui
