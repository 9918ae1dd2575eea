// Link timing against the simulated instrument at line rate over a pseudo-terminal:
//  - WriteParameters: wall time against the pacing floor of 514 x TimeBetweenBytes;
//  - ReadParameters: wall time against 514 byte times plus the instrument's turnaround;
//  - 256 one-byte ReadMemory transactions: processor time of the link's two threads (caller
//    and receive thread) as a share of wall time.
// Build optimised (HVX_BUILD_TYPE=Release scripts/build), run build/bin/bench_link [rounds].

#include "BenchSupport.h"

#include "link/KelComm.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <pthread.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPortNumber = 7;
constexpr int kBlockBytes = 514; // 512 data bytes and the checksum
constexpr int kMemoryReads = 256;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
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

    CKelComm link;
    if (!link.Open()) {
        std::fprintf(stderr, "bench_link: the simulated instrument does not answer\n");
        return 1;
    }
    const double byteMs = std::chrono::duration<double, std::milli>(timing.byteTime).count();
    const double turnaroundMs = std::chrono::duration<double, std::milli>(timing.turnaround).count();
    const double pacingFloorMs = kBlockBytes * double(link.m_nTimeBetweenBytes);
    const double readFloorMs = kBlockBytes * byteMs + turnaroundMs;

    std::vector<quint8> parameters(512);
    std::vector<double> writeRatios, readRatios;
    for (int r = 0; r < rounds; ++r) {
        auto start = Clock::now();
        if (!link.ReadParameters(parameters.data()))
            return 1;
        readRatios.push_back(millisecondsSince(start) / readFloorMs);
        start = Clock::now();
        if (!link.WriteParameters(parameters.data()))
            return 1;
        writeRatios.push_back(millisecondsSince(start) / pacingFloorMs);
    }

    const clockid_t receiveClock = threadClock(link.m_hThread);
    const double cpuStart = cpuMilliseconds(CLOCK_THREAD_CPUTIME_ID) + cpuMilliseconds(receiveClock);
    const double processStart = cpuMilliseconds(CLOCK_PROCESS_CPUTIME_ID);
    const auto start = Clock::now();
    quint8 byte = 0;
    for (int i = 0; i < kMemoryReads; ++i) {
        if (!link.ReadMemory(quint16(i), 1, &byte))
            return 1;
    }
    const double wall = millisecondsSince(start);
    const double linkCpu = cpuMilliseconds(CLOCK_THREAD_CPUTIME_ID) + cpuMilliseconds(receiveClock) - cpuStart;
    const double processCpu = cpuMilliseconds(CLOCK_PROCESS_CPUTIME_ID) - processStart;
    link.Close(1);

    std::printf("WriteParameters: ratio to pacing floor 514 x %d ms = %.0f ms: median %.3f (best %.3f, worst %.3f)\n",
                link.m_nTimeBetweenBytes, pacingFloorMs, bench::Median(writeRatios),
                *std::min_element(writeRatios.begin(), writeRatios.end()),
                *std::max_element(writeRatios.begin(), writeRatios.end()));
    std::printf("ReadParameters: ratio to 514 byte times + turnaround = %.1f ms: median %.3f (best %.3f, worst %.3f)\n",
                readFloorMs, bench::Median(readRatios), *std::min_element(readRatios.begin(), readRatios.end()),
                *std::max_element(readRatios.begin(), readRatios.end()));
    std::printf("%d x ReadMemory(1 byte): %.0f ms wall, link threads %.1f ms CPU = %.2f %% "
                "(whole process with simulator: %.2f %%)\n",
                kMemoryReads, wall, linkCpu, 100.0 * linkCpu / wall, 100.0 * processCpu / wall);
    return 0;
}
