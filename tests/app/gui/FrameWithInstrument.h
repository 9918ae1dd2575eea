#pragma once
// The main frame with its Remote commands and the simulated instrument inside the test
// (port COM1 = sim, revision 0x13, modules pH, chlorine, redox, no access code).

#include "InProcessSimulator.h"
#include "app/gui/HvxDocManager.h"
#include "app/gui/MainFrame.h"
#include "app/gui/RemoteCommands.h"
#include "document/HVXDoc.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

namespace hvx::test {

class FrameWithInstrument : public ::testing::Test {
protected:
    FrameWithInstrument()
    {
        hvxsim::RegisterInProcessSimulator();
        hvxsim::ResetInProcessInstrument();
        CHVXApp& app = t.app();
        app.WriteProfileString("Ports", "COM1", "sim");
        app.WriteProfileString("Simulator", "Revision", "0x13");
        app.WriteProfileString("Simulator", "Modules", "1,7,2");
        app.WriteProfileInt("Simulator", "AccessCodeActive", 0);
        app.m_nPort = 0;
        app.m_strWorkDir = t.dir();
        app.m_strBackupDir = t.dir();
        hvx::gui::RegisterRemoteCommands(frame, manager);
    }
    ~FrameWithInstrument() override { hvxsim::ResetInProcessInstrument(); }

    TestApp t;
    CHVXDoc doc;
    CMainFrame frame;
    CHvxDocManager manager{doc, frame};
};

} // namespace hvx::test
