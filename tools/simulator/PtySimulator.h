#pragma once
// Serves a simulated instrument on a pseudo-terminal: the tool opens the slave device as if it
// were a serial port. Usable in-process (tests) and by the hvx-sim program.
//
//   auto instrument = std::make_shared<hvxsim::Instrument>(state);
//   hvxsim::PtySimulator sim(instrument);
//   std::string error;
//   if (!sim.Start(&error)) ...;
//   open(sim.SlavePath().c_str(), ...);           // talk to it
//   instrument->AddFault({hvxsim::FaultKind::NackV, hvxsim::kWriteParameters});
//   instrument->ReceivedBytes();                   // what the tool sent
//   sim.Stop();                                    // also done by the destructor

#include "Instrument.h"

#include <atomic>
#include <memory>
#include <string>
#include <thread>

namespace hvxsim {

class PtySimulator {
public:
    explicit PtySimulator(std::shared_ptr<Instrument> instrument);
    ~PtySimulator();
    PtySimulator(const PtySimulator&) = delete;
    PtySimulator& operator=(const PtySimulator&) = delete;

    // Opens the pseudo-terminal and starts serving; false with a reason when that fails.
    bool Start(std::string* error = nullptr);
    void Stop();
    bool IsRunning() const { return m_thread.joinable(); }
    const std::string& SlavePath() const { return m_slavePath; }
    Instrument& instrument() { return *m_instrument; }
    // Whether a program has the slave device open (as far as the server has noticed).
    bool PeerConnected() const { return m_peerConnected.load(); }
    // Whether the instrument has vanished (fault vanish-mid-line): the line is gone for good.
    bool Vanished() const { return m_vanished.load(); }

private:
    void Serve();
    bool ReadFromPeer();
    void PeerGone();
    void DropLine();
    void Write(std::span<const std::uint8_t> bytes);

    std::shared_ptr<Instrument> m_instrument;
    int m_master = -1;
    int m_wake[2] = {-1, -1};
    std::string m_slavePath;
    std::atomic<bool> m_peerConnected{false};
    std::atomic<bool> m_vanished{false};
    std::atomic<std::size_t> m_dropped{0};
    std::thread m_thread;
};

} // namespace hvxsim
