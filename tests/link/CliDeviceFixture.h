#pragma once
// hvxcli commands on the instrument, run in this process against the simulated instrument on a
// pseudo-terminal (port COM<n>), with the batch interaction writing its messages to a file.

#include "SimulatedInstrument.h"

#include "support/CapturedBatch.h"
#include "support/CliRun.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

namespace hvxtest {

template <int PortNumber>
class CliDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim.isRunning()) << sim.error();
        ASSERT_TRUE(captured.isValid());
        UseShortLinkTimeouts(testApp.app());
        testApp.app().WriteProfileInt(QStringLiteral("Communication"), QStringLiteral("TimeBetweenBytes"), 0);
        testApp.app().m_strBackupDir = testApp.dir();
        testApp.app().SetUserInteraction(&captured.interaction());
    }
    void TearDown() override
    {
        testApp.app().SetUserInteraction(&testApp.ui());
    }

    int run(const QStringList& arguments)
    {
        const hvx::test::CliOutput output = hvx::test::RunCli(arguments);
        m_out = output.out;
        m_err = output.err;
        return output.status;
    }
    // What the batch interaction wrote in place of message boxes.
    QString messages() { return captured.messages(); }

    hvx::test::TestApp testApp;
    SimulatedInstrument sim{testApp.app(), PortNumber};
    hvx::test::CapturedBatch captured;
    QString m_out;
    QString m_err;
};

} // namespace hvxtest
