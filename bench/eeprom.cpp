// Reading the instrument's whole EEPROM image against the simulated instrument at line rate over
// a pseudo-terminal, in blocks of 255 bytes and byte by byte ("[Service] ReadBlockSize" 1).
// Each read is compared with the wire time of what must travel for it: per block the command
// byte, its ACK, the three address bytes, the data and the two checksum bytes at 19200 baud, plus
// the instrument's turnaround before the ACK and before the data. The figure printed is the ratio
// of the measured time of the memory reads (connect and disconnect not counted) to that floor.
// Build optimised (HVX_BUILD_TYPE=Release scripts/build), run build/bin/bench_eeprom [rounds].

#include "BenchSupport.h"

#include "base/SettingsTable.h"
#include "devicedata/EepromTransfer.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPortNumber = 8;
constexpr int kBytesAroundData = 1 + 1 + 3 + 2; // command, ACK, address and length, checksum

// The time of the memory reads is taken between the first and the last progress report.
class TimingInteraction final : public bench::SilentInteraction {
public:
    void progressBegin(const QString&, int) override { begin = Clock::now(); }
    void progressStep(int) override { last = Clock::now(); }

    Clock::time_point begin, last;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication qapp(argc, argv);
    const int rounds = bench::Rounds(argc, argv, 3);

    QTemporaryDir dir;
    qputenv("HVX_SETTINGS", dir.filePath(QStringLiteral("hvx.ini")).toLocal8Bit());
    CHVXApp app;
    TimingInteraction ui;
    app.SetUserInteraction(&ui);
    app.m_logFile.SetLogDir(dir.path());
    app.m_logFile.SetLevel(0);

    hvxsim::InstrumentSetup setup;
    setup.measuredDataInterval = hvxsim::kIntervalOff;
    const std::optional<bench::SimulatedLine> line = bench::StartSimulatedLine("bench_eeprom", app, kPortNumber, setup);
    if (!line)
        return 1;
    line->instrument->SetRecording(false);
    const hvxsim::Timing timing = line->instrument->GetTiming();
    const double byteMs = std::chrono::duration<double, std::milli>(timing.byteTime).count();
    const double turnaroundMs = std::chrono::duration<double, std::milli>(timing.turnaround).count();

    double medians[2] = {};
    const int blockSizes[2] = {hvx::kMaxReadBlockSize, 1};
    for (int k = 0; k < 2; ++k) {
        const int blockSize = blockSizes[k];
        app.WriteProfileInt(QString::fromLatin1(hvx::settings::kReadBlockSize.section),
                            QString::fromLatin1(hvx::settings::kReadBlockSize.name), blockSize);
        const int blocks = (hvx::kEepromSize + blockSize - 1) / blockSize;
        const double floorMs = (blocks * kBytesAroundData + hvx::kEepromSize) * byteMs + blocks * 2 * turnaroundMs;
        std::vector<double> ratios, walls;
        for (int r = 0; r < (blockSize == 1 ? 1 : rounds); ++r) {
            hvx::EepromImage image = hvx::FreshEepromImage();
            if (!hvx::ReadEeprom(image, {}).ok)
                return 1;
            const double wall = std::chrono::duration<double, std::milli>(ui.last - ui.begin).count();
            walls.push_back(wall);
            ratios.push_back(wall / floorMs);
        }
        medians[k] = bench::Median(walls);
        std::printf("block size %3d: %d ReadMemory, wire floor %.0f ms, measured %.0f ms: ratio %.3f "
                    "(best %.3f, worst %.3f)\n",
                    blockSize, blocks, floorMs, medians[k], bench::Median(ratios), *std::min_element(ratios.begin(), ratios.end()),
                    *std::max_element(ratios.begin(), ratios.end()));
    }
    std::printf("block reading is %.1f times faster than byte by byte\n", medians[1] / medians[0]);
    return 0;
}
