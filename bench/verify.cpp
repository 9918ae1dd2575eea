// A transfer with the check after writing against one without, both as the batch run does them
// (connect, configuration, parameters, write, [read back], disconnect), against the simulated
// instrument at line rate over a pseudo-terminal. The check may cost one parameter read more:
// the extra wall time is set against the physical floor of that read (514 byte times plus the
// instrument's turnaround), and the ratio of the two transfers must stay at 1.6 or below.
// Build optimised (HVX_BUILD_TYPE=Release scripts/build), run build/bin/bench_verify [rounds].

#include "base/HvxApp.h"
#include "document/HVXDoc.h"

#include "BenchSupport.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPortNumber = 7;
constexpr int kBlockBytes = 514; // 512 data bytes and the checksum
constexpr double kAllowedRatio = 1.6;

double transferMilliseconds(CHVXApp& app, const QString& path, bool verify)
{
    app.m_bVerify = verify;
    CHVXDoc doc;
    const auto start = Clock::now();
    const bool ok = doc.RemoteTransfer(path, true);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    return ok ? ms : -1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication qapp(argc, argv);
    const int rounds = bench::Rounds(argc, argv, 5);

    bench::BenchApp bench(0);
    CHVXApp& app = bench.app;
    const QTemporaryDir& dir = bench.dir;
    app.m_strBackupDir = dir.path();
    hvxsim::InstrumentSetup setup;
    setup.measuredDataInterval = hvxsim::kIntervalOff;
    const std::optional<bench::SimulatedLine> line = bench::StartSimulatedLine("bench_verify", app, kPortNumber, setup);
    if (!line)
        return 1;
    const auto& instrument = line->instrument;

    const QString path = dir.filePath(QStringLiteral("anlage.hxd"));
    {
        CHVXDoc doc;
        doc.parametersatz() = instrument->State().parameterSet;
        if (!doc.DoSave(path))
            return 1;
    }
    const hvxsim::Timing timing = instrument->GetTiming();
    const double byteMs = std::chrono::duration<double, std::milli>(timing.byteTime).count();
    const double turnaroundMs = std::chrono::duration<double, std::milli>(timing.turnaround).count();
    const double readFloorMs = kBlockBytes * byteMs + turnaroundMs;

    std::vector<double> plain, verified;
    for (int r = 0; r < rounds; ++r) {
        plain.push_back(transferMilliseconds(app, path, false));
        verified.push_back(transferMilliseconds(app, path, true));
        if (plain.back() < 0 || verified.back() < 0) {
            std::fprintf(stderr, "bench_verify: a transfer failed (error code 0x%08X)\n", app.ErrorCode());
            return 1;
        }
    }
    const double plainMs = bench::Median(plain);
    const double verifiedMs = bench::Median(verified);
    const double ratio = verifiedMs / plainMs;
    std::printf("transfer without check: median %.0f ms; with check: median %.0f ms; ratio %.3f (allowed %.1f)\n",
                plainMs, verifiedMs, ratio, kAllowedRatio);
    std::printf("extra time of the check: %.0f ms = %.2f x one parameter read at line rate (floor %.1f ms)\n",
                verifiedMs - plainMs, (verifiedMs - plainMs) / readFloorMs, readFloorMs);
    return ratio <= kAllowedRatio ? 0 : 2;
}
