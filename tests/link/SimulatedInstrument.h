#pragma once
// A simulated instrument on a pseudo-terminal, reachable from the application under test as the
// port COM<n>: the settings map the port to the simulator's device. Workflow tests drive the
// program against it and check, byte by byte, what the instrument received.

#include "base/HvxApp.h"
#include "model/Parametersatz.h"

#include "Instrument.h"
#include "InstrumentSetup.h"
#include "PtySimulator.h"

#include <QByteArray>
#include <chrono>
#include <memory>

namespace hvxtest {

// Short protocol time-outs, so that failure cases end quickly.
void UseShortLinkTimeouts(CHVXApp& app);

class SimulatedInstrument {
public:
    // An instrument without measured-data stream (nothing unasked on the line).
    static hvxsim::InstrumentSetup QuietSetup();
    // Modules pH and chlorine; measured data every intervalSeconds once started.
    static hvxsim::InstrumentSetup StreamingSetup(int intervalSeconds);
    // Streams measured-data lines at this period instead of the instrument's seconds.
    void streamEvery(std::chrono::milliseconds period);

    SimulatedInstrument(CHVXApp& app, int portNumber, const hvxsim::InstrumentSetup& setup = QuietSetup());

    bool isRunning() const { return m_sim && m_sim->IsRunning(); }
    const std::string& error() const { return m_error; }
    QString devicePath() const { return QString::fromStdString(m_sim->SlavePath()); }
    hvxsim::Instrument& instrument() { return *m_instrument; }

    hvx::Parametersatz parameterSet() const;
    void setParameterSet(const hvx::Parametersatz& image);

    void fault(hvxsim::FaultKind kind, std::uint8_t command, hvxsim::ReplyPhase phase = hvxsim::ReplyPhase::Final);
    // Everything received so far, once the line has been quiet for a moment.
    QByteArray received() const;
    void clearReceived() { m_instrument->ClearReceived(); }
    // Whether the program has released the port again.
    bool portIsFree() const;

private:
    std::shared_ptr<hvxsim::Instrument> m_instrument;
    std::unique_ptr<hvxsim::PtySimulator> m_sim;
    std::string m_error;
};

// The bytes the tool sends for the commands of an exchange, without data.
QByteArray Commands(std::initializer_list<std::uint8_t> codes);
// A block write's data followed by its checksum, high byte first.
QByteArray WithChecksum(const QByteArray& data);

} // namespace hvxtest
