#pragma once
// A simulated instrument on a pseudo-terminal with the test as the tool at the other end.

#include "SimPtyClient.h"

#include "Instrument.h"
#include "InstrumentSetup.h"
#include "PtySimulator.h"
#include "WireFormat.h"

#include <gtest/gtest.h>
#include <memory>

namespace simtest {

// Answers at once, so that protocol tests do not wait for the line; the timing tests use the real rates.
inline hvxsim::Timing QuickTiming()
{
    hvxsim::Timing timing;
    timing.lineRate = false;
    timing.turnaround = 0ms;
    return timing;
}

class SimPtyTest : public ::testing::Test {
protected:
    void SetUp() override { StartInstrument(hvxsim::InstrumentSetup{}, QuickTiming()); }

    void StartInstrument(const hvxsim::InstrumentSetup& setup, const hvxsim::Timing& timing)
    {
        client.Close();
        simulator.reset();
        std::string error;
        const auto state = hvxsim::BuildInstrument(setup, &error);
        ASSERT_TRUE(state) << error;
        instrument = std::make_shared<hvxsim::Instrument>(*state, timing);
        simulator = std::make_unique<hvxsim::PtySimulator>(instrument);
        ASSERT_TRUE(simulator->Start(&error)) << error;
        ASSERT_TRUE(client.Open(simulator->SlavePath()));
    }

    void Connect() { ASSERT_EQ(client.Transact({hvxsim::kConnect}, 1), Bytes{hvxsim::kAck}); }

    Bytes ParameterPart() const
    {
        const hvxsim::InstrumentState state = instrument->State();
        const auto part = state.ParameterPart();
        return {part.begin(), part.end()};
    }

    std::shared_ptr<hvxsim::Instrument> instrument;
    std::unique_ptr<hvxsim::PtySimulator> simulator;
    PtyClient client;
};

} // namespace simtest
