#pragma once
// What the port dialogs ask of the ports: whether one can be opened now, and whether an
// instrument answers on it. Tests replace both.

#include <QString>
#include <functional>

namespace hvx::gui {

struct PortAccess {
    std::function<bool(int portNumber)> canOpen;            // 1 = COM1
    std::function<bool(int portNumber)> instrumentAnswers;  // connect handshake

    // Through the device link, as every command uses the ports.
    static PortAccess DeviceLink();
};

inline constexpr int kHighestPortNumber = 256;

// "COM<n>" (text 234) for port number n.
QString PortName(int portNumber);

} // namespace hvx::gui
