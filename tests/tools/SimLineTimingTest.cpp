// Line-rate emulation and turnaround over the pseudo-terminal. Only lower bounds are asserted:
// a loaded machine may be slower, never faster than the line.

#include "SimFixture.h"

#include <ctime>
#include <thread>

using namespace simtest;
using namespace hvxsim;

namespace {

constexpr auto kByteTime = std::chrono::nanoseconds(520833);

Timing LineTiming(std::chrono::milliseconds turnaround)
{
    Timing timing;
    timing.turnaround = turnaround;
    return timing;
}

double CpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

} // namespace

class SimLineTimingTest : public SimPtyTest {
protected:
    void SetUp() override { StartInstrument(InstrumentSetup{}, LineTiming(5ms)); }
};

TEST_F(SimLineTimingTest, ParameterBlockTakesAtLeastItsByteTimes)
{
    Connect();
    const auto start = SteadyClock::now();
    const Bytes reply = client.Transact({kReadParameters}, 514, 5000ms);
    const auto elapsed = SteadyClock::now() - start;
    ASSERT_EQ(reply.size(), 514u);
    EXPECT_GE(elapsed, 5ms + 514 * kByteTime - 2ms);
}

TEST_F(SimLineTimingTest, FirstByteComesAfterTheTurnaround)
{
    instrument->SetTiming(LineTiming(60ms));
    const auto start = SteadyClock::now();
    const Bytes reply = client.Transact({kConnect}, 1);
    ASSERT_EQ(reply, Bytes{kAck});
    EXPECT_GE(SteadyClock::now() - start, 60ms);
}

TEST_F(SimLineTimingTest, AnswerSurvivesAPurgeRightAfterTheCommand)
{
    // The tool purges its receive queue right after sending the connect byte.
    for (int i = 0; i < 5; ++i) {
        client.Send({kConnect});
        client.Purge();
        EXPECT_EQ(client.Read(1), Bytes{kAck});
    }
}

TEST_F(SimLineTimingTest, RepliesQueueBehindEachOtherOnTheLine)
{
    Connect();
    const auto start = SteadyClock::now();
    client.Send({kReadConfiguration, kReadConfiguration});
    const Bytes both = client.Read(96, 3000ms);
    ASSERT_EQ(both.size(), 96u);
    EXPECT_GE(SteadyClock::now() - start, 96 * kByteTime);
    EXPECT_EQ(Bytes(both.begin(), both.begin() + 48), Bytes(both.begin() + 48, both.end()));
}

TEST_F(SimLineTimingTest, StaysIdleWhileNothingHappens)
{
    Connect();
    const double cpuBefore = CpuSeconds();
    std::this_thread::sleep_for(500ms);
    client.Close(); // and while no program has the device open
    std::this_thread::sleep_for(500ms);
    EXPECT_LT(CpuSeconds() - cpuBefore, 0.1);
}
