#pragma once
// What the port dialog asks of the ports: which can be opened now, and on which of them the
// instrument answers. Tests replace both.

#include "link/PortSearch.h"

#include <functional>

namespace hvx::gui {

struct PortAccess {
    std::function<QList<PortEntry>()> openablePorts;
    // The list position of the first port whose instrument answers, or -1.
    std::function<int(const QList<PortEntry>&)> searchInstrument;

    // Through the device link, as every command uses the ports.
    static PortAccess DeviceLink() { return {OpenablePorts, SearchInstrument}; }
};

} // namespace hvx::gui
