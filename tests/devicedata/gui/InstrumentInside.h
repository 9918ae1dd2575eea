#pragma once
// The simulated instrument inside the program on COM1, for the device data window tests.

#include "InProcessSimulator.h"
#include "support/TestApp.h"

#include <memory>

namespace hvx::test {

// Configures the instrument (module types as "1,7,0", measured-data interval in seconds, alarm
// records) and builds it; data directories go to the test's folder.
inline std::shared_ptr<hvxsim::Instrument> UseInstrumentInside(TestApp& t, const char* modules, int interval, int alarms)
{
    hvxsim::RegisterInProcessSimulator();
    hvxsim::ResetInProcessInstrument();
    CHVXApp& app = t.app();
    app.WriteProfileString("Ports", "COM1", "sim");
    app.WriteProfileString("Simulator", "Revision", "0x13");
    app.WriteProfileString("Simulator", "Modules", modules);
    app.WriteProfileInt("Simulator", "AccessCodeActive", 0);
    app.WriteProfileInt("Simulator", "MeasuredDataInterval", interval);
    app.WriteProfileInt("Simulator", "Alarms", alarms);
    app.m_nPort = 0;
    app.m_strAlarmdatDir = t.dir();
    app.m_strMessdatDir = t.dir();
    std::string error;
    return hvxsim::InProcessInstrument(&error);
}

} // namespace hvx::test
