// The simulated instrument inside the process: the port object, its settings section, and the
// tool's own link running over it.

#include "InProcessSimulator.h"
#include "SimulatedSerialPort.h"
#include "WireFormat.h"

#include "link/KelComm.h"
#include "link/SerialPortFactory.h"
#include "support/TestApp.h"

#include <QFile>
#include <gtest/gtest.h>
#include <thread>

using namespace hvxsim;
using namespace std::chrono_literals;

namespace {

std::shared_ptr<Instrument> MakeInstrument(Timing timing = {})
{
    std::string error;
    auto state = BuildInstrument(InstrumentSetup{}, &error);
    return state ? std::make_shared<Instrument>(*state, timing) : nullptr;
}

InstrumentSource Fixed(std::shared_ptr<Instrument> instrument)
{
    return [instrument](std::string*) { return instrument; };
}

std::vector<quint8> ReadAll(SimulatedSerialPort& port, std::size_t count, int timeoutMs = 2000)
{
    std::vector<quint8> bytes;
    while (bytes.size() < count && port.waitForReadable(timeoutMs) == hvx::WaitResult::Readable) {
        quint8 buffer[64];
        const qint64 n = port.read(buffer, sizeof buffer);
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    return bytes;
}

} // namespace

TEST(SimInProcessPort, AnswersAfterTheTurnaroundAtLineRate)
{
    Timing timing;
    timing.turnaround = 60ms;
    auto instrument = MakeInstrument(timing);
    SimulatedSerialPort port(Fixed(instrument));
    ASSERT_TRUE(port.open(QStringLiteral("sim")));
    const quint8 connect = kConnect;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port.write(&connect, 1), 1);
    EXPECT_TRUE(port.purge(hvx::PurgeReceive)) << "the tool purges right after the connect byte";
    EXPECT_EQ(port.waitForReadable(20), hvx::WaitResult::TimedOut);
    EXPECT_EQ(ReadAll(port, 1), std::vector<quint8>{kAck});
    EXPECT_GE(std::chrono::steady_clock::now() - start, 60ms);

    const quint8 readParameters = kReadParameters;
    const auto blockStart = std::chrono::steady_clock::now();
    port.write(&readParameters, 1);
    EXPECT_EQ(ReadAll(port, 514).size(), 514u);
    EXPECT_GE(std::chrono::steady_clock::now() - blockStart, 60ms + 514 * std::chrono::nanoseconds(520833) - 2ms);
}

TEST(SimInProcessPort, OnePortAtATimePerInstrument)
{
    auto instrument = MakeInstrument();
    SimulatedSerialPort first(Fixed(instrument));
    SimulatedSerialPort second(Fixed(instrument));
    ASSERT_TRUE(first.open(QStringLiteral("sim")));
    EXPECT_FALSE(second.open(QStringLiteral("sim")));
    EXPECT_EQ(second.lastError(), EBUSY);
    EXPECT_FALSE(first.open(QStringLiteral("sim"))) << "already open";
    first.close();
    EXPECT_TRUE(second.open(QStringLiteral("sim")));
}

TEST(SimInProcessPort, WaitEndsOnCancelAndOnClose)
{
    SimulatedSerialPort port(Fixed(MakeInstrument()));
    ASSERT_TRUE(port.open(QStringLiteral("sim")));
    port.cancelWait(); // before anybody waits: the next wait returns at once
    EXPECT_EQ(port.waitForReadable(-1), hvx::WaitResult::Cancelled);
    EXPECT_EQ(port.waitForReadable(10), hvx::WaitResult::TimedOut);

    std::thread closer([&] {
        std::this_thread::sleep_for(50ms);
        port.close();
    });
    EXPECT_EQ(port.waitForReadable(-1), hvx::WaitResult::Failed);
    closer.join();
    const quint8 byte = kConnect;
    EXPECT_EQ(port.write(&byte, 1), -1);
}

TEST(SimInProcessPort, ClosingDropsAnswersUnderWayAndEndsTheStream)
{
    Timing timing;
    timing.measuredDataPeriod = 50ms;
    auto instrument = MakeInstrument(timing);
    SimulatedSerialPort port(Fixed(instrument));
    ASSERT_TRUE(port.open(QStringLiteral("sim")));
    for (quint8 command : {kConnect, kReadParameters, kDisconnect}) {
        port.write(&command, 1);
        ASSERT_TRUE(instrument->WaitUntilSent(2000ms));
    }
    EXPECT_TRUE(instrument->IsStreaming());
    const quint8 readParameters = kReadParameters;
    port.write(&readParameters, 1);
    port.close();
    EXPECT_FALSE(instrument->IsStreaming());
    EXPECT_TRUE(instrument->WaitUntilSent(100ms)) << "nothing left to send";
}

TEST(SimInProcessPort, OpenFailsWithTheReasonWhenNoInstrumentCanBeBuilt)
{
    SimulatedSerialPort port([](std::string* error) -> std::shared_ptr<Instrument> {
        *error = "[Simulator] Revision must be byte 0";
        return nullptr;
    });
    EXPECT_FALSE(port.open(QStringLiteral("sim")));
    EXPECT_EQ(port.lastError(), ENODEV);
    EXPECT_EQ(port.LastOpenError(), "[Simulator] Revision must be byte 0");
}

class SimInProcessSettings : public ::testing::Test {
protected:
    void SetUp() override { ResetInProcessInstrument(); }
    void TearDown() override
    {
        ResetInProcessInstrument();
        hvx::SetSimulatedPortFactory({});
    }
    void Set(const char* name, const QString& value)
    {
        testApp.app().WriteProfileString(QStringLiteral("Simulator"), QLatin1String(name), value);
    }
    hvx::test::TestApp testApp;
};

TEST_F(SimInProcessSettings, DefaultsAreWrittenBackAndGiveTheDefaultInstrument)
{
    std::string error;
    const auto instrument = InProcessInstrument(&error);
    ASSERT_TRUE(instrument) << error;
    EXPECT_EQ(instrument->State().Revision(), 0x13);
    EXPECT_EQ(instrument->State().ModuleType(1), 7);
    EXPECT_EQ(instrument->State().MeasuredDataInterval(), kDefaultMeasuredDataInterval);
    EXPECT_EQ(InProcessInstrument(&error), instrument) << "one instrument for the whole process";
    QFile settings(testApp.settingsPath());
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QByteArray text = settings.readAll();
    EXPECT_TRUE(text.contains("[Simulator]"));
    EXPECT_TRUE(text.contains("Modules=\"1,7,2\"") || text.contains("Modules=1,7,2")) << text.toStdString();
}

TEST_F(SimInProcessSettings, SettingsChooseTheInstrument)
{
    Set("Revision", QStringLiteral("0x20"));
    Set("Modules", QStringLiteral("1,13"));
    Set("AccessCode", QStringLiteral("4711"));
    testApp.app().WriteProfileInt(QStringLiteral("Simulator"), QStringLiteral("AccessCodeActive"), 1);
    testApp.app().WriteProfileInt(QStringLiteral("Simulator"), QStringLiteral("MeasuredDataInterval"), 255);
    testApp.app().WriteProfileInt(QStringLiteral("Simulator"), QStringLiteral("LineRate"), 0);
    std::string error;
    const auto instrument = InProcessInstrument(&error);
    ASSERT_TRUE(instrument) << error;
    const InstrumentState state = instrument->State();
    EXPECT_EQ(state.Revision(), 0x20);
    EXPECT_EQ(state.ModuleType(1), 13);
    EXPECT_EQ(state.AccessCode(), "4711");
    EXPECT_TRUE(state.AccessCodeActive());
    EXPECT_EQ(state.MeasuredDataInterval(), kIntervalOff);
    EXPECT_FALSE(instrument->GetTiming().lineRate);
}

TEST_F(SimInProcessSettings, BadSettingsAreNamedInTheError)
{
    const std::pair<const char*, QString> bad[] = {
        {"Revision", QStringLiteral("K54")},
        {"Revision", QStringLiteral("0x14")},
        {"Modules", QStringLiteral("pH,Xyz")}, // names are taken, unknown ones are not
        {"AccessCode", QStringLiteral("12")},
        {"ParameterFile", QStringLiteral("/nonexistent/x.hxd")},
    };
    for (const auto& [name, value] : bad) {
        Set("Revision", QStringLiteral("0x13"));
        Set("Modules", QStringLiteral("1,7,2"));
        Set("AccessCode", QString());
        Set("ParameterFile", QString());
        Set(name, value);
        std::string error;
        EXPECT_FALSE(InProcessInstrument(&error)) << name;
        EXPECT_FALSE(error.empty()) << name;
    }
}

TEST_F(SimInProcessSettings, TheToolsLinkRunsOverTheSimPort)
{
    constexpr int kPort = 9;
    RegisterInProcessSimulator();
    testApp.app().WriteProfileString(QStringLiteral("Ports"), QStringLiteral("COM%1").arg(kPort), QStringLiteral("sim"));
    testApp.app().m_nPort = kPort - 1;

    std::vector<quint8> parameters(512);
    {
        CKelComm link;
        ASSERT_EQ(link.Open(), 1);
        std::vector<quint8> configuration(46);
        EXPECT_EQ(link.ReadConfiguration(configuration.data()), 1);
        EXPECT_EQ(configuration[0], 0x13);
        EXPECT_EQ(link.ReadParameters(parameters.data()), 1);
        parameters[518 - 46] = 30; // measured-data interval
        EXPECT_EQ(link.WriteParameters(parameters.data()), 1);
        EXPECT_EQ(link.Close(1), 1);
    }
    {
        // The instrument keeps what was written for the next operation.
        CKelComm link;
        ASSERT_EQ(link.Open(), 1);
        std::vector<quint8> again(512);
        EXPECT_EQ(link.ReadParameters(again.data()), 1);
        EXPECT_EQ(again, parameters);
        EXPECT_EQ(link.Close(1), 1);
    }
    std::string error;
    EXPECT_EQ(InProcessInstrument(&error)->State().MeasuredDataInterval(), 30);
}
