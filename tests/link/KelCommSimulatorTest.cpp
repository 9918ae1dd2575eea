// The link against the simulated instrument over a real pseudo-terminal, with its faults.
#include "link/KelComm.h"
#include "link/LinkChecksum.h"
#include "link/PosixSerialPort.h"
#include "support/LinkPty.h"
#include "support/TestApp.h"

#include "InstrumentSetup.h"
#include "PtySimulator.h"
#include "ServiceCommands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <ctime>
#include <functional>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kPortNumber = 5;
constexpr int kConfigurationSize = 46;
constexpr int kParameterPartSize = 512;
const QString kDataTimeout = QStringLiteral("Timeout beim Empfang von Daten!");
const QString kNoInstrument = QStringLiteral("Konnte Verbindung zum HYDROVANT nicht aufbauen!");
const QString kNoPort = QStringLiteral("Konnte Schnittstelle für die Übertragung nicht öffnen!");

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double processCpuMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

class LinkSimulator : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        const auto state = hvxsim::BuildInstrument(hvxsim::InstrumentSetup{}, &error);
        ASSERT_TRUE(state) << error;
        instrument = std::make_shared<hvxsim::Instrument>(*state, hvxsim::Timing{});
        sim = std::make_unique<hvxsim::PtySimulator>(instrument);
        ASSERT_TRUE(sim->Start(&error)) << error;
        app().WriteProfileString(QStringLiteral("Ports"), QStringLiteral("COM%1").arg(kPortNumber),
                                 QString::fromStdString(sim->SlavePath()));
        app().m_nPort = kPortNumber - 1;
        setTimeout("ResponseTO1", 300);
        setTimeout("ResponseTO2", 400);
        setTimeout("NoDeviceSendTO", 30);
    }

    CHVXApp& app() { return testApp.app(); }
    void setTimeout(const char* key, int value)
    {
        app().WriteProfileInt(QStringLiteral("Communication"), QLatin1String(key), value);
    }
    void expectMessage(const QString& text) { testApp.ui().answerMessageBox(hvx::IDOK, text); }
    void fault(hvxsim::FaultKind kind, std::uint8_t command, int argument = 0)
    {
        instrument->AddFault(hvxsim::FaultRule{kind, command, 1, argument, hvxsim::ReplyPhase::Final});
    }
    // What the instrument received, once it has stopped arriving.
    QByteArray received()
    {
        std::this_thread::sleep_for(30ms);
        const std::vector<std::uint8_t> bytes = instrument->ReceivedBytes();
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    }
    // True when nobody holds the port any more.
    bool portIsFree()
    {
        hvx::PosixSerialPort probe;
        return probe.open(QString::fromStdString(sim->SlavePath()));
    }

    hvx::test::TestApp testApp;
    std::shared_ptr<hvxsim::Instrument> instrument;
    std::unique_ptr<hvxsim::PtySimulator> sim;
};

} // namespace

TEST_F(LinkSimulator, ConnectTakesTheLastOfSeveralBytesAsTheAnswer)
{
    fault(hvxsim::FaultKind::BytesBeforeAck, hvxsim::kConnect, 3);
    CKelComm link;
    ASSERT_EQ(link.Open(), 1);
    EXPECT_EQ(link.m_nStatus.load(), CKelComm::StatusOk);
    EXPECT_EQ(link.m_bConnected.load(), 1);
    // The noise before the ACK does not leak into the next answer.
    quint8 configuration[kConfigurationSize];
    EXPECT_EQ(link.ReadConfiguration(configuration), 1);
    EXPECT_EQ(link.Close(1), 1);

    fault(hvxsim::FaultKind::UnknownReply, hvxsim::kConnect);
    ASSERT_EQ(link.OpenConnection(kPortNumber), 1);
    EXPECT_EQ(link.Connect(), 0);
    EXPECT_EQ(link.m_nStatus.load(), CKelComm::StatusNoAck);
    EXPECT_EQ(link.m_bConnected.load(), 0);
    link.CloseConnection();

    fault(hvxsim::FaultKind::UnknownReply, hvxsim::kConnect);
    expectMessage(kNoInstrument);
    EXPECT_EQ(link.Open(), 0);
    EXPECT_EQ(link.m_nStatus.load(), CKelComm::StatusNoInstrument);
    EXPECT_TRUE(portIsFree());
}

TEST_F(LinkSimulator, ANoisyLineEndsTheHandshakeWhileItStillBabblesAsNoInstrument)
{
    // A byte every 70 ms for 7 s: each one restarts the quiet time of 100 ms. The handshake ends
    // long before the line falls quiet.
    setTimeout("NoDeviceSendTO", 100);
    fault(hvxsim::FaultKind::Babble, hvxsim::kConnect, 100);
    CKelComm link;
    expectMessage(kNoInstrument);
    EXPECT_EQ(link.Open(), 0);
    EXPECT_LT(instrument->BytesSent(), 100u) << "the link waited for the end of the noise";
    EXPECT_EQ(link.m_nStatus.load(), CKelComm::StatusNoInstrument);
    EXPECT_TRUE(portIsFree());
}

TEST_F(LinkSimulator, ALongQuietTimeStillConnects)
{
    // The instrument's answer is only complete after the quiet time, however long it is set.
    struct Case {
        int responseTO1;
        int noDeviceSendTO;
    };
    for (const Case c : {Case{300, 1000}, Case{100, 700}, Case{40, 400}}) {
        SCOPED_TRACE(testing::Message() << "ResponseTO1 " << c.responseTO1 << ", NoDeviceSendTO " << c.noDeviceSendTO);
        setTimeout("ResponseTO1", c.responseTO1);
        setTimeout("NoDeviceSendTO", c.noDeviceSendTO);
        CKelComm link;
        EXPECT_EQ(link.Open(), 1);
        EXPECT_EQ(link.m_nStatus.load(), CKelComm::StatusOk);
        link.Close(1);
    }
}

TEST_F(LinkSimulator, SilentInstrumentFailsTheOpenAfterResponseTO1AndReleasesThePort)
{
    fault(hvxsim::FaultKind::NoAnswer, hvxsim::kConnect);
    CKelComm link;
    ASSERT_EQ(link.OpenConnection(kPortNumber), 1);
    const auto start = Clock::now();
    EXPECT_EQ(link.Connect(), 0);
    EXPECT_GE(millisecondsSince(start), 295.0);
    EXPECT_EQ(link.m_nStatus.load(), CKelComm::StatusTimeout);
    link.CloseConnection();

    fault(hvxsim::FaultKind::NoAnswer, hvxsim::kConnect);
    expectMessage(kNoInstrument);
    EXPECT_EQ(link.Open(), 0);
    EXPECT_EQ(link.m_nStatus.load(), CKelComm::StatusNoInstrument);
    EXPECT_EQ(link.m_bOpen.load(), 0);
    EXPECT_TRUE(portIsFree());
    EXPECT_EQ(received(), QByteArray("\x10\x10"));
}

TEST(LinkNoisyLine, ARawServiceCommandEndsWhileTheLineStillBabblesAsNoAnswer)
{
    hvx::test::TestApp testApp;
    hvxtest::LinkPty pty;
    ASSERT_TRUE(pty.isValid());
    testApp.app().WriteProfileString(QStringLiteral("Ports"), QStringLiteral("COM%1").arg(kPortNumber), pty.slavePath());
    testApp.app().WriteProfileInt(QStringLiteral("Communication"), QStringLiteral("ResponseTO1"), 300);
    testApp.app().WriteProfileInt(QStringLiteral("Communication"), QStringLiteral("NoDeviceSendTO"), 30);
    std::atomic<bool> babbling{true};
    std::atomic<bool> stop{false};
    std::thread noise([&] {
        // A byte every 20 ms for 6 s: the quiet time of 5 x 30 ms never comes.
        for (int i = 0; i < 300 && !stop; ++i) {
            pty.send("~");
            std::this_thread::sleep_for(20ms);
        }
        babbling = false;
    });
    CKelComm link;
    ASSERT_EQ(link.OpenConnection(kPortNumber), 1);
    std::vector<quint8> answer(CKelComm::kRxBufferSize);
    int length = -1;
    EXPECT_EQ(link.ServiceCommand(0x01, answer.data(), length), 1);
    EXPECT_TRUE(babbling) << "the command waited for the end of the noise";
    EXPECT_EQ(length, -1) << "no answer was taken";
    link.CloseConnection();
    stop = true;
    noise.join();
}

TEST_F(LinkSimulator, ParameterSetIsTheConfigurationPartFollowedByTheParameterPart)
{
    CKelComm link;
    ASSERT_EQ(link.Open(), 1);
    std::vector<quint8> set(kConfigurationSize + kParameterPartSize);
    EXPECT_EQ(link.ReadConfiguration(set.data()), 1);
    EXPECT_EQ(link.ReadParameters(set.data() + kConfigurationSize), 1);
    EXPECT_EQ(link.Close(1), 1);
    const auto expected = instrument->State().parameterSet.bild();
    EXPECT_TRUE(std::equal(set.begin(), set.end(), expected.begin(), expected.end()));
    EXPECT_EQ(received(), QByteArray("\x10\x12\x13\x11"));
}

TEST_F(LinkSimulator, ReplyOneByteShortEndsInADataTimeoutAfterResponseTO2)
{
    fault(hvxsim::FaultKind::ShortReply, hvxsim::kReadParameters);
    CKelComm link;
    ASSERT_EQ(link.Open(), 1);
    std::vector<quint8> parameters(kParameterPartSize, 0);
    expectMessage(kDataTimeout);
    const auto start = Clock::now();
    EXPECT_EQ(link.ReadParameters(parameters.data()), 0);
    EXPECT_GE(millisecondsSince(start), 395.0);
    EXPECT_EQ(link.m_nStatus.load(), CKelComm::StatusTimeout);
    EXPECT_EQ(link.m_nRxCount.load(), kParameterPartSize + 1);
    link.Close(0);
}

TEST_F(LinkSimulator, WrongChecksumKeepsTheCallersBufferAndPoisonsTheConnectionUntilTheNextOpen)
{
    fault(hvxsim::FaultKind::WrongChecksum, hvxsim::kReadConfiguration);
    CKelComm link;
    ASSERT_EQ(link.Open(), 1);
    std::vector<quint8> buffer(kConfigurationSize, 0xA5);
    expectMessage(QStringLiteral("Checksummenfehler beim Empfangen!"));
    EXPECT_EQ(link.ReadConfiguration(buffer.data()), 0);
    EXPECT_EQ(link.m_nStatus.load(), CKelComm::StatusChecksum);
    EXPECT_EQ(buffer, std::vector<quint8>(kConfigurationSize, 0xA5));

    // The instrument answers correctly now, but the poisoned connection discards it.
    expectMessage(kDataTimeout);
    EXPECT_EQ(link.ReadConfiguration(buffer.data()), 0);
    EXPECT_EQ(link.m_nStatus.load(), CKelComm::StatusTimeout);
    EXPECT_EQ(link.m_nRxCount.load(), 0);
    EXPECT_EQ(link.Close(1), 0); // the disconnect's ACK is discarded too

    ASSERT_EQ(link.Open(), 1);
    EXPECT_EQ(link.ReadConfiguration(buffer.data()), 1);
    const hvxsim::InstrumentState state = instrument->State();
    const auto configuration = state.ConfigurationPart();
    EXPECT_TRUE(std::equal(buffer.begin(), buffer.end(), configuration.begin(), configuration.end()));
    EXPECT_EQ(link.Close(1), 1);
}

TEST_F(LinkSimulator, WriteParametersFinalAnswerDecidesStatusAndMessage)
{
    struct Case {
        std::optional<hvxsim::FaultKind> fault;
        int result;
        CKelComm::Status status;
        QString message;
    };
    const Case cases[] = {
        {std::nullopt, 1, CKelComm::StatusOk, QString()},
        {hvxsim::FaultKind::NackV, 0, CKelComm::StatusChecksum, QStringLiteral("Checksummenfehler beim Senden!")},
        {hvxsim::FaultKind::FatalNack, 0, CKelComm::StatusFatalNack, QStringLiteral("FATAL NACK")},
        {hvxsim::FaultKind::UnknownReply, 1, CKelComm::StatusOk, QString()},
    };
    std::vector<quint8> data(kParameterPartSize);
    for (int i = 0; i < kParameterPartSize; ++i)
        data[i] = quint8(i * 7 + 3);
    const quint16 sum = hvx::LinkChecksum(data.data(), kParameterPartSize);
    QByteArray expectedWire("\x14");
    expectedWire += QByteArray(reinterpret_cast<const char*>(data.data()), kParameterPartSize);
    expectedWire += char(hvx::HighByte(sum));
    expectedWire += char(hvx::LowByte(sum));

    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        CKelComm link;
        ASSERT_EQ(link.Open(), 1);
        instrument->ClearReceived();
        if (c.fault)
            fault(*c.fault, hvxsim::kWriteParameters);
        if (!c.message.isEmpty())
            expectMessage(c.message);
        EXPECT_EQ(link.WriteParameters(data.data()), c.result);
        EXPECT_EQ(link.m_nStatus.load(), c.status);
        EXPECT_EQ(received(), expectedWire);
        link.Close(0);
    }
    const hvxsim::InstrumentState state = instrument->State();
    const auto part = state.ParameterPart();
    EXPECT_TRUE(std::equal(data.begin(), data.end(), part.begin(), part.end()));
}

TEST_F(LinkSimulator, WriteParametersShowsProgressForDataAndChecksumExceptInBatchRuns)
{
    std::vector<quint8> data(kParameterPartSize, 0x42);
    CKelComm link;
    ASSERT_EQ(link.Open(), 1);
    EXPECT_EQ(link.WriteParameters(data.data()), 1);
    const auto shown = testApp.ui().progress();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0].title, QStringLiteral("Übertragung..."));
    EXPECT_EQ(shown[0].range, kParameterPartSize);
    EXPECT_EQ(shown[0].steps.size(), kParameterPartSize);
    EXPECT_EQ(shown[1].range, 2);
    EXPECT_TRUE(shown[0].ended && shown[1].ended);

    testApp.ui().clear();
    app().m_bRemote = true;
    EXPECT_EQ(link.WriteParameters(data.data()), 1);
    EXPECT_TRUE(testApp.ui().progress().isEmpty());
    link.Close(1);
}

TEST_F(LinkSimulator, CloseWithoutDisconnectSendsNothing)
{
    CKelComm link;
    ASSERT_EQ(link.Open(), 1);
    instrument->ClearReceived();
    EXPECT_EQ(link.Close(0), 1);
    EXPECT_TRUE(received().isEmpty());
    EXPECT_EQ(link.m_bOpen.load(), 0);
    EXPECT_EQ(link.Close(1), 1); // closed already: nothing to do
    EXPECT_TRUE(received().isEmpty());
}

TEST_F(LinkSimulator, BusyPortCannotBeOpenedTwice)
{
    CKelComm first;
    ASSERT_EQ(first.Open(), 1);

    CKelComm second;
    EXPECT_EQ(second.OpenConnection(kPortNumber), 0);
    EXPECT_TRUE(testApp.ui().messageTexts().isEmpty()); // the port layer itself reports nothing
    expectMessage(kNoPort);
    EXPECT_EQ(second.Open(), 0);
    EXPECT_EQ(second.m_nStatus.load(), CKelComm::StatusPortFailed);

    quint8 configuration[kConfigurationSize];
    EXPECT_EQ(first.ReadConfiguration(configuration), 1);
    EXPECT_EQ(first.Close(1), 1);
}

TEST_F(LinkSimulator, ZeroResponseTO2EndsEveryAnswerWaitAtOnce)
{
    setTimeout("ResponseTO2", 0);
    CKelComm link;
    ASSERT_EQ(link.Open(), 1);
    quint8 configuration[kConfigurationSize];
    expectMessage(kDataTimeout);
    const auto start = Clock::now();
    EXPECT_EQ(link.ReadConfiguration(configuration), 0);
    EXPECT_LT(millisecondsSince(start), 300.0); // at once, not after ResponseTO2
    EXPECT_EQ(link.m_nStatus.load(), CKelComm::StatusTimeout);
    link.Close(0);
}

TEST_F(LinkSimulator, MemoryWriteAndReadCarryAddressLengthAndChecksum)
{
    CKelComm link;
    ASSERT_EQ(link.Open(), 1);
    instrument->ClearReceived();
    const quint8 zeros[4] = {};
    EXPECT_EQ(link.WriteMemory(0x0300, 4, zeros), 1);
    EXPECT_EQ(received(), QByteArray("\x17\x03\x00\x04\x00\x00\x00\x00\x00\x07", 10));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(instrument->State().eeprom[0x300 + i], 0);

    instrument->ModifyState([](hvxsim::InstrumentState& s) { s.eeprom[0x7FF] = 0xC3; });
    instrument->ClearReceived();
    quint8 byte = 0;
    EXPECT_EQ(link.ReadMemory(0x07FF, 1, &byte), 1);
    EXPECT_EQ(byte, 0xC3);
    EXPECT_EQ(received(), QByteArray("\x18\x07\xFF\x01", 4));

    // Lengths the command cannot carry are refused before anything is sent.
    instrument->ClearReceived();
    quint8 big[256] = {};
    EXPECT_EQ(link.ReadMemory(0, 0, big), 0);
    EXPECT_EQ(link.ReadMemory(0, 256, big), 0);
    EXPECT_EQ(link.WriteMemory(0, 41, big), 0);
    EXPECT_TRUE(received().isEmpty());
    EXPECT_EQ(link.Close(1), 1);
}

TEST_F(LinkSimulator, RawServiceCommandCollectsTheAnswerUntilTheLineIsQuiet)
{
    CKelComm link;
    ASSERT_EQ(link.OpenConnection(kPortNumber), 1);
    std::vector<quint8> answer(CKelComm::kRxBufferSize, 0);
    int length = -1;
    EXPECT_EQ(link.ServiceCommand(hvxsim::kServiceIdentify, answer.data(), length), 1);
    const auto expected = hvxsim::ServiceCommandReply(hvxsim::kServiceIdentify, instrument->State(), false);
    ASSERT_EQ(length, int(expected.size()));
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), answer.begin()));

    // No answer is no failure; the length stays as it was.
    fault(hvxsim::FaultKind::NoAnswer, hvxsim::kServiceIdentify);
    length = -1;
    EXPECT_EQ(link.ServiceCommand(hvxsim::kServiceIdentify, answer.data(), length), 1);
    EXPECT_EQ(length, -1);
    link.CloseConnection();
}

TEST_F(LinkSimulator, WaitingForASilentInstrumentLeavesTheProcessorIdleAndTheWindowAlive)
{
    setTimeout("ResponseTO2", 600);
    fault(hvxsim::FaultKind::NoAnswer, hvxsim::kReadConfiguration);
    CKelComm link;
    ASSERT_EQ(link.Open(), 1);
    quint8 configuration[kConfigurationSize];
    expectMessage(kDataTimeout);
    const double cpuBefore = processCpuMilliseconds();
    const auto start = Clock::now();
    EXPECT_EQ(link.ReadConfiguration(configuration), 0);
    const double wall = millisecondsSince(start);
    const double cpu = processCpuMilliseconds() - cpuBefore;
    EXPECT_GE(wall, 595.0);
    EXPECT_LT(cpu, 0.05 * wall);
    EXPECT_GE(testApp.ui().idleCalls(), 4); // about every 50 ms (fewer on a loaded machine)
    link.Close(0);
}

TEST_F(LinkSimulator, WaitCursorIsShownWhileTheLinkWaitsAndSendsAndRestoredAfterwards)
{
    setTimeout("ResponseTO2", 300);
    setTimeout("TimeBetweenBytes", 10);
    CKelComm link;
    ASSERT_EQ(link.Open(), 1);
    EXPECT_EQ(testApp.ui().waitDepth(), 0);

    // A silent instrument: the window is kept alive under the wait cursor only.
    fault(hvxsim::FaultKind::NoAnswer, hvxsim::kReadConfiguration);
    quint8 configuration[kConfigurationSize];
    expectMessage(kDataTimeout);
    EXPECT_EQ(link.ReadConfiguration(configuration), 0);
    EXPECT_GE(testApp.ui().idleCalls(), 4);
    EXPECT_EQ(testApp.ui().callsWithoutWaitCursor(), 0);
    EXPECT_EQ(testApp.ui().waitDepth(), 0);
    link.Close(0);

    // Paced sending with its progress display, long enough for the window to be kept alive.
    ASSERT_EQ(link.Open(), 1);
    const quint8 clock[7] = {0x00, 0x30, 0x12, 0x02, 0x08, 0x12, 0x26};
    EXPECT_EQ(link.WriteDateTime(clock), 1);
    ASSERT_EQ(testApp.ui().progress().size(), 2);
    EXPECT_EQ(testApp.ui().callsWithoutWaitCursor(), 0);
    EXPECT_EQ(testApp.ui().waitDepth(), 0);
    link.Close(1);
}

TEST_F(LinkSimulator, PacedBytesAreNeverSentFasterThanThePause)
{
    // The instrument needs the pause between bytes; a loaded PC may only make the gaps longer.
    // (How close the schedule stays to the pause is measured by bench_link, not asserted here.)
    constexpr int kPause = 15;
    setTimeout("TimeBetweenBytes", kPause);
    CKelComm link;
    ASSERT_EQ(link.Open(), 1);
    instrument->ClearReceived();
    const quint8 clock[7] = {0x00, 0x30, 0x12, 0x02, 0x08, 0x12, 0x26};
    const auto start = Clock::now();
    EXPECT_EQ(link.WriteDateTime(clock), 1);
    EXPECT_GE(millisecondsSince(start), 8 * kPause); // 7 data bytes and the checksum, each after a pause
    EXPECT_EQ(testApp.ui().progress().size(), 2);
    ASSERT_EQ(instrument->Received().size(), 10u); // command, 7 data bytes, checksum
    link.Close(1);
}

TEST_F(LinkSimulator, PortDiagnosticsGoToTheLogBook)
{
    CKelComm link;
    ASSERT_EQ(link.OpenConnection(kPortNumber), 1);
    EXPECT_EQ(link.CloseConnection(), 1);
    const QStringList entries = testApp.logEntries();
    auto logged = [&](const QString& start) {
        return std::any_of(entries.begin(), entries.end(), [&](const QString& e) { return e.startsWith(start); });
    };
    EXPECT_TRUE(logged(QStringLiteral("CKelComm::OpenConnection m_hPort COM5")));
    // A pseudo-terminal has neither low-latency mode nor DTR; both are noted, neither fails.
    EXPECT_TRUE(logged(QStringLiteral("CKelComm::OpenConnection() LowLatency not available")));
    EXPECT_TRUE(logged(QStringLiteral("CKelComm::OpenConnection() EscapeCommFunction")));
    EXPECT_TRUE(logged(QStringLiteral("CommTread started")));
    EXPECT_TRUE(logged(QStringLiteral("CommTread ended")));
}

TEST_F(LinkSimulator, UnacknowledgedCommandByteSendsNoDataAndReportsByCommandKind)
{
    using Run = std::function<int(CKelComm&, quint8*)>;
    struct Case {
        hvxsim::FaultKind fault;
        std::uint8_t command;
        Run run;
        QString message;
        CKelComm::Status status;
    };
    const Run writeDateTime = [](CKelComm& l, quint8* d) { return l.WriteDateTime(d); };
    const Run readMemory = [](CKelComm& l, quint8* d) { return l.ReadMemory(0, 1, d); };
    const Run writeMemory = [](CKelComm& l, quint8* d) { return l.WriteMemory(0, 1, d); };
    const QString notSent = QStringLiteral("Command konnte nicht gesendet werden!");
    // A block write's missing ACK leaves the status as it was; a memory command's records it.
    const Case cases[] = {
        {hvxsim::FaultKind::NoAnswer, hvxsim::kWriteDateTime, writeDateTime, QStringLiteral("Timeout beim ACK-Empfang!"),
         CKelComm::StatusOk},
        {hvxsim::FaultKind::UnknownReply, hvxsim::kWriteDateTime, writeDateTime, notSent, CKelComm::StatusOk},
        {hvxsim::FaultKind::NoAnswer, hvxsim::kReadMemory, readMemory, kDataTimeout, CKelComm::StatusTimeout},
        {hvxsim::FaultKind::UnknownReply, hvxsim::kWriteMemory, writeMemory, notSent, CKelComm::StatusOk},
    };
    quint8 data[7] = {};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        CKelComm link;
        ASSERT_EQ(link.Open(), 1);
        instrument->ClearReceived();
        instrument->AddFault(hvxsim::FaultRule{c.fault, c.command, 1, 0, hvxsim::ReplyPhase::First});
        expectMessage(c.message);
        EXPECT_EQ(c.run(link, data), 0);
        EXPECT_EQ(link.m_nStatus.load(), c.status);
        EXPECT_EQ(received(), QByteArray(1, char(c.command)));
        link.Close(0);
    }
}

TEST_F(LinkSimulator, PortCheckConnectsAndDisconnectsWithoutAnyMessage)
{
    CKelComm link;
    EXPECT_EQ(link.CheckComPort(kPortNumber), 1);
    EXPECT_EQ(received(), QByteArray("\x10\x11"));
    EXPECT_TRUE(portIsFree());

    fault(hvxsim::FaultKind::NoAnswer, hvxsim::kConnect);
    EXPECT_EQ(link.CheckComPort(kPortNumber), 0);
    EXPECT_EQ(link.CheckComPort(97), 0); // no device behind that number
    EXPECT_TRUE(testApp.ui().messageTexts().isEmpty());
    EXPECT_TRUE(portIsFree());
}
