#pragma once
// What the benchmarks share: a user interaction that asks nobody, and the simulated instrument at
// line rate on a pseudo-terminal, mapped to a port of the program.

#include "base/HvxApp.h"
#include "base/UserInteraction.h"

#include "InstrumentSetup.h"
#include "PtySimulator.h"

#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace bench {

// Nobody watches a benchmark: no boxes, no progress (subclasses may time it).
class SilentInteraction : public hvx::IUserInteraction {
public:
    int messageBox(const QString& text, unsigned, unsigned) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return hvx::IDOK;
    }
    std::optional<QString> askAccessCode() override { return std::nullopt; }
    void progressBegin(const QString&, int) override {}
    void progressStep(int) override {}
    void progressEnd() override {}
    std::optional<QString> chooseFile(const hvx::FileChoice&) override { return std::nullopt; }
    void idle() override {}
    void beginWait() override {}
    void endWait() override {}
    bool isBatch() const override { return true; }
};

// An application object of the benchmark's own: its settings file and log book in a temporary
// folder (named before the object reads its settings), batch mode, nobody watching.
struct BenchApp {
    QTemporaryDir dir;
    bool settingsNamed = qputenv("HVX_SETTINGS", dir.filePath(QStringLiteral("hvx.ini")).toLocal8Bit());
    CHVXApp app;
    SilentInteraction ui;
    explicit BenchApp(int logLevel)
    {
        app.SetUserInteraction(&ui);
        app.m_logFile.SetLogDir(dir.path());
        app.m_logFile.SetLevel(logLevel);
        app.m_bRemote = true;
    }
    ~BenchApp() { app.SetUserInteraction(nullptr); }
};

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The number of rounds from the first argument, at least 1.
inline int Rounds(int argc, char** argv, int fallback)
{
    return argc > 1 ? std::max(1, std::atoi(argv[1])) : fallback;
}

struct SimulatedLine {
    std::shared_ptr<hvxsim::Instrument> instrument;
    std::unique_ptr<hvxsim::PtySimulator> sim;
};

// Starts the instrument with its default timing and maps COM<portNumber> to it as the port in
// use; nothing (after a message naming the benchmark) when it cannot start.
inline std::optional<SimulatedLine> StartSimulatedLine(const char* name, CHVXApp& app, int portNumber,
                                                       const hvxsim::InstrumentSetup& setup = {})
{
    std::string error;
    const auto state = hvxsim::BuildInstrument(setup, &error);
    SimulatedLine line;
    if (state) {
        line.instrument = std::make_shared<hvxsim::Instrument>(*state, hvxsim::Timing{});
        line.sim = std::make_unique<hvxsim::PtySimulator>(line.instrument);
    }
    if (!state || !line.sim->Start(&error)) {
        std::fprintf(stderr, "%s: %s\n", name, error.c_str());
        return std::nullopt;
    }
    app.WriteProfileString(QStringLiteral("Ports"), QStringLiteral("COM%1").arg(portNumber),
                           QString::fromStdString(line.sim->SlavePath()));
    app.m_nPort = portNumber - 1;
    return line;
}

} // namespace bench
