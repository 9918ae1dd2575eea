#pragma once
// Which device a port number means, and the port object that serves it.
//
// Port n (1 = COM1) resolves in this order:
//   1. settings section "Ports", value "COM<n>": a device path, or "sim" for the simulated
//      instrument inside this process;
//   2. the default rule: on Linux COM1..COM32 -> /dev/ttyS0..31, COM33..COM64 ->
//      /dev/ttyUSB0..31, COM65..COM96 -> /dev/ttyACM0..31; on Windows the port "COM<n>" itself.
// A port number without a device (for example COM97 on Linux) resolves to an empty path.

#include "link/SerialPort.h"

#include <QString>
#include <functional>
#include <memory>

namespace hvx {

// The mapping value that selects the simulated instrument.
inline constexpr const char* kSimulatedPortDevice = "sim";

using SerialPortFactory = std::function<std::unique_ptr<ISerialPort>()>;

// Registers the maker of the simulated port (the simulator library does this; hvx_core knows
// nothing of the simulator). An empty function removes the registration. Thread-safe.
void SetSimulatedPortFactory(SerialPortFactory factory);

// Highest port number the program offers (COM1..COM256).
inline constexpr int kMaxPortNumber = 256;

// The port's name as the user sees it: text 234 ("COM%d") with the number.
QString PortName(int portNumber);
// The name of the port the links use now (the settings' 0-based port).
QString CurrentPortName();
// "Schnittstelle: COMn" for that port, as a batch run and hvxcli report it.
QString PortUsedText();
// "COM5: /dev/ttyUSB0": the port's name and its device, as the link's messages name it.
QString PortDescription(int portNumber);

// The default rule alone (no settings).
QString DefaultPortDevice(int portNumber);

// The device for port n: the "Ports" mapping if present, else the default rule.
QString PortDevice(int portNumber);

// A closed port object for the device: the simulated port for "sim" (nullptr when no simulator
// is registered), else the platform's serial port. open(device) is called by the user.
std::unique_ptr<ISerialPort> CreateSerialPort(const QString& device);

} // namespace hvx
