// Port number -> device, and the port object for a device.
#include "link/SerialPortFactory.h"

#include "base/HvxApp.h"
#include "base/Language.h"
#include "link/PosixSerialPort.h"

#include <array>
#include <mutex>

namespace hvx {
namespace {

std::mutex g_factoryMutex;
SerialPortFactory g_simulatedPortFactory;

// Consecutive blocks of 32 port numbers per device family.
struct DeviceFamily {
    int firstPort;
    const char* pathPrefix;
};
constexpr int kPortsPerFamily = 32;
constexpr std::array<DeviceFamily, 3> kLinuxFamilies{{
    {1, "/dev/ttyS"},
    {33, "/dev/ttyUSB"},
    {65, "/dev/ttyACM"},
}};

constexpr int kPortNameTextId = 234;

// Longest device path accepted from the "Ports" section.
constexpr int kMaxMappedPathBytes = 4096;

} // namespace

void SetSimulatedPortFactory(SerialPortFactory factory)
{
    const std::lock_guard lock(g_factoryMutex);
    g_simulatedPortFactory = std::move(factory);
}

QString CurrentPortName()
{
    return PortName(theApp().m_nPort + 1);
}

QString PortUsedText()
{
    constexpr int kTextPortUsed = 3062; // "Schnittstelle: %1"
    return GetStringsText(kTextPortUsed).arg(CurrentPortName());
}

QString PortName(int portNumber)
{
    QString name = GetStringsText(kPortNameTextId);
    if (name.isEmpty())
        name = QStringLiteral("COM%d");
    return name.replace(QLatin1String("%d"), QString::number(portNumber));
}

QString PortDescription(int portNumber)
{
    return PortName(portNumber) + QStringLiteral(": ") + PortDevice(portNumber);
}

QString DefaultPortDevice(int portNumber)
{
#ifdef Q_OS_WIN
    return portNumber >= 1 ? QStringLiteral("\\\\.\\COM%1").arg(portNumber) : QString();
#else
    for (const DeviceFamily& family : kLinuxFamilies) {
        const int index = portNumber - family.firstPort;
        if (index >= 0 && index < kPortsPerFamily)
            return QLatin1String(family.pathPrefix) + QString::number(index);
    }
    return QString();
#endif
}

QString PortDevice(int portNumber)
{
    // Read without writing a default back: unmapped ports (the port search tries all of them)
    // stay out of the settings.
    QByteArray mapped;
    const long status = theApp().GetBinarySetting(QStringLiteral("Ports"), QStringLiteral("COM%1").arg(portNumber),
                                                  mapped, kMaxMappedPathBytes);
    if (status == 0) {
        const QString device = QString::fromUtf8(mapped.constData()).trimmed(); // up to the first NUL
        if (!device.isEmpty())
            return device;
    }
    return DefaultPortDevice(portNumber);
}

std::unique_ptr<ISerialPort> CreateSerialPort(const QString& device)
{
    if (device.compare(QLatin1String(kSimulatedPortDevice), Qt::CaseInsensitive) == 0) {
        const std::lock_guard lock(g_factoryMutex);
        return g_simulatedPortFactory ? g_simulatedPortFactory() : nullptr;
    }
    return std::make_unique<PosixSerialPort>();
}

} // namespace hvx
