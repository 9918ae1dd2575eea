// Link timing against the simulated instrument at line rate over a pseudo-terminal:
//  - WriteParameters: the 514 paced bytes (512 data bytes and the checksum) against the floor of
//    a real line, 514 x (TimeBetweenBytes + one byte time at the line's baud rate; 0 on a
//    pseudo-terminal, where a byte has left at once), and the shortest pause after a byte, from
//    the moment it had left to the next write (it must never be below TimeBetweenBytes);
//  - ReadParameters: wall time against 514 byte times plus the instrument's turnaround;
//  - processor time of the link's two threads (caller and receive thread) as a share of wall
//    time, while paced bytes go out and over 256 one-byte ReadMemory transactions.
// Build optimised (HVX_BUILD_TYPE=Release scripts/build), run build/bin/bench_link [rounds].

#include "BenchSupport.h"

#include "link/KelComm.h"
#include "link/PosixSerialPort.h"
#include "link/SerialPortFactory.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <pthread.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPortNumber = 7;
constexpr int kBlockBytes = 514; // 512 data bytes and the checksum
constexpr int kMemoryReads = 256;
constexpr double kBitsPerByte = 10; // start bit, 8 data bits, stop bit

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double cpuMilliseconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

clockid_t threadClock(std::thread& thread)
{
    clockid_t clock{};
    pthread_getcpuclockid(thread.native_handle(), &clock);
    return clock;
}

// The link's two threads: their processor time together.
struct LinkCpu {
    clockid_t receiveClock;
    double now() const { return cpuMilliseconds(CLOCK_THREAD_CPUTIME_ID) + cpuMilliseconds(receiveClock); }
};

// The POSIX port on the simulator's pseudo-terminal, with every write stamped: when it began, and
// when its byte had left (after the drain that follows it).
class StampingPort final : public hvx::ISerialPort {
public:
    struct Stamp {
        Clock::time_point begun;
        Clock::time_point left;
    };

    explicit StampingPort(QString device) : m_device(std::move(device)) {}

    bool open(const QString&) override { return m_port.open(m_device); }
    bool isOpen() const override { return m_port.isOpen(); }
    bool setLineSettings(const hvx::LineSettings& s) override { return m_port.setLineSettings(s); }
    bool setTimeouts(const hvx::SerialTimeouts& t) override { return m_port.setTimeouts(t); }
    bool requestLowLatency() override { return m_port.requestLowLatency(); }
    bool purge(unsigned directions) override { return m_port.purge(directions); }
    bool setDtr(bool on) override { return m_port.setDtr(on); }
    hvx::WaitResult waitForReadable(int timeoutMs) override { return m_port.waitForReadable(timeoutMs); }
    void cancelWait() override { m_port.cancelWait(); }
    qint64 bytesAvailable() override { return m_port.bytesAvailable(); }
    qint64 read(quint8* buffer, qint64 maximum) override { return m_port.read(buffer, maximum); }
    qint64 write(const quint8* data, qint64 count) override
    {
        const Clock::time_point begun = Clock::now();
        const qint64 written = m_port.write(data, count);
        const std::lock_guard lock(s_mutex);
        s_stamps.push_back({begun, Clock::now()});
        return written;
    }
    bool drain() override
    {
        const bool drained = m_port.drain();
        const std::lock_guard lock(s_mutex);
        if (!s_stamps.empty())
            s_stamps.back().left = Clock::now();
        return drained;
    }
    void close() override { m_port.close(); }
    int lastError() const override { return m_port.lastError(); }

    static std::vector<Stamp> TakeStamps()
    {
        const std::lock_guard lock(s_mutex);
        return std::exchange(s_stamps, {});
    }

private:
    QString m_device;
    hvx::PosixSerialPort m_port;
    static inline std::mutex s_mutex;
    static inline std::vector<Stamp> s_stamps;
};

// One byte's time on the wire; a pseudo-terminal has no wire.
double byteMilliseconds(const QString& device, int baudRate)
{
    return device.startsWith(QLatin1String("/dev/pts/")) ? 0.0 : 1000.0 * kBitsPerByte / baudRate;
}

struct PacedBlock {
    double shortestPauseMs;
    double meanPauseMs;  // from a byte having left to the next write
    double meanSendMs;   // from a write to its byte having left
    double blockMs;      // first byte begun .. last byte's slot over
};

// The block is the last kBlockBytes writes of a WriteParameters (after its command byte).
PacedBlock measureBlock(const std::vector<StampingPort::Stamp>& stamps, double slotMs)
{
    const auto first = stamps.end() - kBlockBytes;
    PacedBlock block{1e9, 0, 0, milliseconds(stamps.back().begun - first->begun) + slotMs};
    for (auto it = first; it + 1 != stamps.end(); ++it) {
        const double pause = milliseconds((it + 1)->begun - it->left);
        block.shortestPauseMs = std::min(block.shortestPauseMs, pause);
        block.meanPauseMs += pause / (kBlockBytes - 1);
        block.meanSendMs += milliseconds(it->left - it->begun) / (kBlockBytes - 1);
    }
    return block;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication qapp(argc, argv);
    const int rounds = bench::Rounds(argc, argv, 5);

    bench::BenchApp bench(1);
    CHVXApp& app = bench.app;

    const std::optional<bench::SimulatedLine> line = bench::StartSimulatedLine("bench_link", app, kPortNumber);
    if (!line)
        return 1;
    const hvxsim::Timing timing = line->instrument->GetTiming();
    const QString device = QString::fromStdString(line->sim->SlavePath());
    // The link opens the stamping port on the pseudo-terminal.
    app.WriteProfileString(QStringLiteral("Ports"), QStringLiteral("COM%1").arg(kPortNumber),
                           QLatin1String(hvx::kSimulatedPortDevice));
    hvx::SetSimulatedPortFactory([device] { return std::make_unique<StampingPort>(device); });

    CKelComm link;
    if (!link.Open()) {
        std::fprintf(stderr, "bench_link: the simulated instrument does not answer\n");
        return 1;
    }
    const LinkCpu cpu{threadClock(link.m_hThread)};
    const double lineByteMs = byteMilliseconds(device, hvx::LineSettings{}.baudRate);
    const double slotMs = link.m_nTimeBetweenBytes + lineByteMs;
    const double floorMs = kBlockBytes * slotMs;
    const double simByteMs = std::chrono::duration<double, std::milli>(timing.byteTime).count();
    const double turnaroundMs = std::chrono::duration<double, std::milli>(timing.turnaround).count();
    const double readFloorMs = kBlockBytes * simByteMs + turnaroundMs;

    std::vector<quint8> parameters(512);
    std::vector<double> blockRatios, readRatios, shortestPauses, meanPauses, meanSends;
    double writeCpu = 0;
    double writeWall = 0;
    for (int r = 0; r < rounds; ++r) {
        auto start = Clock::now();
        if (!link.ReadParameters(parameters.data()))
            return 1;
        readRatios.push_back(millisecondsSince(start) / readFloorMs);
        StampingPort::TakeStamps();
        const double cpuStart = cpu.now();
        start = Clock::now();
        if (!link.WriteParameters(parameters.data()))
            return 1;
        writeWall += millisecondsSince(start);
        writeCpu += cpu.now() - cpuStart;
        const PacedBlock block = measureBlock(StampingPort::TakeStamps(), slotMs);
        blockRatios.push_back(block.blockMs / floorMs);
        shortestPauses.push_back(block.shortestPauseMs);
        meanPauses.push_back(block.meanPauseMs);
        meanSends.push_back(block.meanSendMs);
    }

    const double cpuStart = cpu.now();
    const double processStart = cpuMilliseconds(CLOCK_PROCESS_CPUTIME_ID);
    const auto start = Clock::now();
    quint8 byte = 0;
    for (int i = 0; i < kMemoryReads; ++i) {
        if (!link.ReadMemory(quint16(i), 1, &byte))
            return 1;
    }
    const double wall = millisecondsSince(start);
    const double linkCpu = cpu.now() - cpuStart;
    const double processCpu = cpuMilliseconds(CLOCK_PROCESS_CPUTIME_ID) - processStart;
    link.Close(1);
    hvx::SetSimulatedPortFactory({});

    std::printf("Paced block of WriteParameters: ratio to 514 x (TimeBetweenBytes %d ms + byte time %.3f ms) = %.0f ms: "
                "median %.3f (best %.3f, worst %.3f)\n",
                link.m_nTimeBetweenBytes, lineByteMs, floorMs, bench::Median(blockRatios),
                *std::min_element(blockRatios.begin(), blockRatios.end()),
                *std::max_element(blockRatios.begin(), blockRatios.end()));
    std::printf("Shortest pause after a byte had left: %.3f ms (TimeBetweenBytes %d ms); median of the rounds' "
                "mean pause %.3f ms, mean write until the byte had left %.3f ms\n",
                *std::min_element(shortestPauses.begin(), shortestPauses.end()), link.m_nTimeBetweenBytes,
                bench::Median(meanPauses), bench::Median(meanSends));
    std::printf("WriteParameters: link threads %.1f ms CPU in %.0f ms = %.2f %%\n", writeCpu, writeWall,
                100.0 * writeCpu / writeWall);
    std::printf("ReadParameters: ratio to 514 byte times + turnaround = %.1f ms: median %.3f (best %.3f, worst %.3f)\n",
                readFloorMs, bench::Median(readRatios), *std::min_element(readRatios.begin(), readRatios.end()),
                *std::max_element(readRatios.begin(), readRatios.end()));
    std::printf("%d x ReadMemory(1 byte): %.0f ms wall, link threads %.1f ms CPU = %.2f %% "
                "(whole process with simulator: %.2f %%)\n",
                kMemoryReads, wall, linkCpu, 100.0 * linkCpu / wall, 100.0 * processCpu / wall);
    return 0;
}
