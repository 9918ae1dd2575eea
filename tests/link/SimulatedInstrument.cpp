#include "SimulatedInstrument.h"

#include "link/PosixSerialPort.h"

#include <algorithm>
#include <chrono>
#include <thread>

using namespace std::chrono_literals;

namespace hvxtest {

void UseShortLinkTimeouts(CHVXApp& app)
{
    const QString section = QStringLiteral("Communication");
    app.WriteProfileInt(section, QStringLiteral("ResponseTO1"), 300);
    app.WriteProfileInt(section, QStringLiteral("ResponseTO2"), 400);
    app.WriteProfileInt(section, QStringLiteral("NoDeviceSendTO"), 30);
}

hvxsim::InstrumentSetup SimulatedInstrument::QuietSetup()
{
    hvxsim::InstrumentSetup setup;
    setup.measuredDataInterval = hvxsim::kIntervalOff;
    return setup;
}

hvxsim::InstrumentSetup SimulatedInstrument::StreamingSetup(int intervalSeconds)
{
    hvxsim::InstrumentSetup setup;
    setup.modules = {1, 7, 0};
    setup.measuredDataInterval = intervalSeconds;
    return setup;
}

void SimulatedInstrument::streamEvery(std::chrono::milliseconds period)
{
    hvxsim::Timing timing = m_instrument->GetTiming();
    timing.measuredDataPeriod = period;
    m_instrument->SetTiming(timing);
}

SimulatedInstrument::SimulatedInstrument(CHVXApp& app, int portNumber, const hvxsim::InstrumentSetup& setup)
{
    const auto state = hvxsim::BuildInstrument(setup, &m_error);
    if (!state)
        return;
    hvxsim::Timing timing;
    timing.lineRate = false; // answers at once; the tool's pacing is tested elsewhere
    m_instrument = std::make_shared<hvxsim::Instrument>(*state, timing);
    m_sim = std::make_unique<hvxsim::PtySimulator>(m_instrument);
    if (!m_sim->Start(&m_error))
        return;
    app.WriteProfileString(QStringLiteral("Ports"), QStringLiteral("COM%1").arg(portNumber), devicePath());
}

hvx::Parametersatz SimulatedInstrument::parameterSet() const
{
    return m_instrument->State().parameterSet;
}

void SimulatedInstrument::setParameterSet(const hvx::Parametersatz& image)
{
    m_instrument->ModifyState([&image](hvxsim::InstrumentState& state) { state.parameterSet = image; });
}

void SimulatedInstrument::fault(hvxsim::FaultKind kind, std::uint8_t command, hvxsim::ReplyPhase phase)
{
    m_instrument->AddFault(hvxsim::FaultRule{kind, command, 1, 0, phase});
}

QByteArray SimulatedInstrument::received() const
{
    std::vector<std::uint8_t> bytes = m_instrument->ReceivedBytes();
    for (;;) {
        std::this_thread::sleep_for(30ms);
        std::vector<std::uint8_t> now = m_instrument->ReceivedBytes();
        if (now.size() == bytes.size())
            break;
        bytes = std::move(now);
    }
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

bool SimulatedInstrument::portIsFree() const
{
    hvx::PosixSerialPort probe;
    return probe.open(devicePath());
}

QByteArray Commands(std::initializer_list<std::uint8_t> codes)
{
    QByteArray bytes;
    for (std::uint8_t code : codes)
        bytes.append(char(code));
    return bytes;
}

QByteArray WithChecksum(const QByteArray& data)
{
    quint16 sum = 0;
    for (char c : data)
        sum = quint16(sum + quint8(c));
    return data + char(sum >> 8) + char(sum & 0xFF);
}

} // namespace hvxtest
