// The measured-data stream: it starts with a disconnect that follows reading the parameters,
// and ends with a connect or when the port is closed.

#include "SimFixture.h"

#include "MeasuredData.h"

#include <QString>
#include <QStringList>
#include <thread>

using namespace simtest;
using namespace hvxsim;

namespace {

Timing StreamTiming()
{
    Timing timing = QuickTiming();
    timing.measuredDataPeriod = 80ms;
    return timing;
}

QStringList Fields(const Bytes& line)
{
    return QString::fromLatin1(reinterpret_cast<const char*>(line.data()), static_cast<int>(line.size()))
        .split(QLatin1Char('\t'));
}

// One line as the tool sees it: everything up to and including the line feed.
Bytes ReadLine(PtyClient& client)
{
    Bytes line;
    while (line.empty() || line.back() != '\n') {
        const Bytes byte = client.Read(1, 1000ms);
        if (byte.empty())
            break;
        line.push_back(byte[0]);
    }
    return line;
}

} // namespace

class SimMeasuredDataTest : public SimPtyTest {
protected:
    void SetUp() override
    {
        InstrumentSetup setup;
        setup.modules = {1, 7, 0};
        StartInstrument(setup, StreamTiming());
    }
    void ReadParametersAndDisconnect()
    {
        Connect();
        ASSERT_EQ(client.Transact({kReadConfiguration}, 48).size(), 48u);
        ASSERT_EQ(client.Transact({kReadParameters}, 514).size(), 514u);
        ASSERT_EQ(client.Transact({kDisconnect}, 1), Bytes{kAck});
    }
};

TEST_F(SimMeasuredDataTest, LinesHaveTwelveTabSeparatedFields)
{
    ReadParametersAndDisconnect();
    EXPECT_TRUE(instrument->IsStreaming());
    for (int i = 0; i < 3; ++i) {
        const Bytes line = ReadLine(client);
        ASSERT_GE(line.size(), 3u);
        EXPECT_EQ(line[line.size() - 2], '\r');
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 11);
        const QStringList fields = Fields(line);
        ASSERT_EQ(fields.size(), 12);
        const QString stamp = fields[0];
        EXPECT_EQ(stamp.size(), 17);
        EXPECT_EQ(stamp[2], QLatin1Char('.'));
        EXPECT_EQ(stamp[8], QLatin1Char(' '));
        EXPECT_EQ(stamp[11], QLatin1Char(':'));
        EXPECT_EQ(stamp[14], QLatin1Char(':'));
        EXPECT_EQ(fields[3], QStringLiteral("1")) << "module 1 present";
        EXPECT_EQ(fields[6], QStringLiteral("1")) << "module 2 present";
        EXPECT_EQ(fields[9], QString()) << "slot 3 empty";
        EXPECT_EQ(fields[7], QString());
        EXPECT_EQ(fields[11], QStringLiteral("0\r\n"));
    }
}

TEST_F(SimMeasuredDataTest, NoStreamWithoutReadingTheParameters)
{
    Connect();
    ASSERT_EQ(client.Transact({kReadConfiguration}, 48).size(), 48u);
    ASSERT_EQ(client.Transact({kDisconnect}, 1), Bytes{kAck});
    EXPECT_FALSE(instrument->IsStreaming());
    EXPECT_TRUE(client.Read(1, 300ms).empty());
}

TEST_F(SimMeasuredDataTest, ConnectEndsTheStream)
{
    ReadParametersAndDisconnect();
    ASSERT_FALSE(ReadLine(client).empty());
    client.Send({kConnect});
    // Any line under way may still finish; the handshake's last byte is the ACK.
    Bytes reply = client.ReadUntilQuiet(200ms);
    ASSERT_FALSE(reply.empty());
    EXPECT_EQ(reply.back(), kAck);
    EXPECT_FALSE(instrument->IsStreaming());
    EXPECT_TRUE(client.Read(1, 300ms).empty());
}

TEST_F(SimMeasuredDataTest, ClosingThePortEndsTheStream)
{
    ReadParametersAndDisconnect();
    ASSERT_FALSE(ReadLine(client).empty());
    client.Close();
    for (int i = 0; i < 50 && instrument->IsStreaming(); ++i)
        std::this_thread::sleep_for(20ms);
    EXPECT_FALSE(instrument->IsStreaming());
}

TEST_F(SimMeasuredDataTest, IntervalOffMeansNoStream)
{
    instrument->SetTiming(QuickTiming()); // take the interval from the parameter set
    instrument->ModifyState([](InstrumentState& s) { s.SetMeasuredDataInterval(kIntervalOff); });
    ReadParametersAndDisconnect();
    EXPECT_FALSE(instrument->IsStreaming());
    instrument->ModifyState([](InstrumentState& s) { s.SetMeasuredDataInterval(kIntervalProfibus); });
    ReadParametersAndDisconnect();
    EXPECT_FALSE(instrument->IsStreaming());
}

TEST_F(SimMeasuredDataTest, IntervalComesFromTheParameterSet)
{
    instrument->SetTiming(QuickTiming());
    instrument->ModifyState([](InstrumentState& s) { s.SetMeasuredDataInterval(1); });
    const auto start = SteadyClock::now();
    ReadParametersAndDisconnect();
    EXPECT_TRUE(client.Read(1, 700ms).empty()) << "the first line comes one interval after the disconnect";
    EXPECT_FALSE(ReadLine(client).empty());
    EXPECT_GE(SteadyClock::now() - start, 1000ms);
}

TEST_F(SimMeasuredDataTest, MalformedLineAndGarbledStampFaults)
{
    instrument->AddFault({FaultKind::MalformedLine, std::nullopt, 1, 0, ReplyPhase::Final});
    instrument->AddFault({FaultKind::GarbledTimestamp, std::nullopt, 1, 0, ReplyPhase::Final});
    ReadParametersAndDisconnect();
    const Bytes malformed = ReadLine(client);
    EXPECT_EQ(std::count(malformed.begin(), malformed.end(), '\t'), 10);
    const Bytes garbled = ReadLine(client);
    ASSERT_EQ(std::count(garbled.begin(), garbled.end(), '\t'), 11);
    const QString stamp = Fields(garbled)[0];
    EXPECT_EQ(stamp.size(), 17);
    EXPECT_FALSE(stamp[1].isDigit() && stamp[4].isDigit()) << stamp.toStdString();
    const Bytes sound = ReadLine(client);
    EXPECT_EQ(std::count(sound.begin(), sound.end(), '\t'), 11);
    EXPECT_TRUE(Fields(sound)[0][1].isDigit());
}

TEST(SimMeasuredDataLine, ImpossibleClockShowsInTheStamp)
{
    InstrumentState state;
    state.clock.Write({0x00, 0x00, 0x10, 0x05, 0x07, 0x13, 0x12});
    const std::string line = MeasuredDataLine(state, 0);
    EXPECT_EQ(line.substr(0, 17), "07.13.12 10:00:00");
    EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 11);
}
