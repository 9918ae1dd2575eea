#pragma once
// hvxcli commands on the instrument, run in this process against the simulated instrument on a
// pseudo-terminal (port COM<n>), with the batch interaction writing its messages to a file.

#include "SimulatedInstrument.h"

#include "base/BatchInteraction.h"
#include "support/CliRun.h"
#include "support/TestApp.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace hvxtest {

template <int PortNumber>
class CliDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim.isRunning()) << sim.error();
        ASSERT_NE(m_messageFile, nullptr);
        UseShortLinkTimeouts(testApp.app());
        testApp.app().WriteProfileInt(QStringLiteral("Communication"), QStringLiteral("TimeBetweenBytes"), 0);
        testApp.app().m_strBackupDir = testApp.dir();
        testApp.app().SetUserInteraction(&batch);
    }
    void TearDown() override
    {
        testApp.app().SetUserInteraction(&testApp.ui());
        std::fclose(m_messageFile);
    }

    int run(const QStringList& arguments)
    {
        const hvx::test::CliOutput output = hvx::test::RunCli(arguments);
        m_out = output.out;
        m_err = output.err;
        return output.status;
    }
    // What the batch interaction wrote in place of message boxes.
    QString messages()
    {
        std::fflush(m_messageFile);
        std::rewind(m_messageFile);
        QByteArray text;
        char chunk[512];
        while (const std::size_t n = std::fread(chunk, 1, sizeof chunk, m_messageFile))
            text.append(chunk, qsizetype(n));
        return QString::fromUtf8(text);
    }

    hvx::test::TestApp testApp;
    SimulatedInstrument sim{testApp.app(), PortNumber};
    std::FILE* m_messageFile = std::tmpfile();
    hvx::BatchInteraction batch{m_messageFile};
    QString m_out;
    QString m_err;
};

} // namespace hvxtest
