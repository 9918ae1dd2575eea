#pragma once
// What the benchmarks share: nobody watches a benchmark, so there are no boxes and no progress.

#include "base/HvxApp.h"
#include "base/UserInteraction.h"

#include "InstrumentSetup.h"
#include "PtySimulator.h"

#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace hvxbench {

class SilentInteraction final : public hvx::IUserInteraction {
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

// The settings file of a benchmark lives in its own temporary folder (before the application
// object reads it).
struct BenchFolder {
    QTemporaryDir dir;
    BenchFolder() { qputenv("HVX_SETTINGS", dir.filePath(QStringLiteral("hvx.ini")).toLocal8Bit()); }
};

// An application object of its own, in batch mode, with nobody watching.
struct BenchApp : BenchFolder {
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

// The simulated instrument at line rate on a pseudo-terminal, mapped to COM<portNumber> and
// chosen as the port; false after a message on standard error.
struct BenchInstrument {
    std::shared_ptr<hvxsim::Instrument> instrument;
    std::unique_ptr<hvxsim::PtySimulator> sim;

    bool start(CHVXApp& app, int portNumber, const hvxsim::InstrumentSetup& setup, const char* name)
    {
        std::string error;
        const auto state = hvxsim::BuildInstrument(setup, &error);
        if (state) {
            instrument = std::make_shared<hvxsim::Instrument>(*state, hvxsim::Timing{});
            sim = std::make_unique<hvxsim::PtySimulator>(instrument);
        }
        if (!state || !sim->Start(&error)) {
            std::fprintf(stderr, "%s: %s\n", name, error.c_str());
            return false;
        }
        app.WriteProfileString(QStringLiteral("Ports"), QStringLiteral("COM%1").arg(portNumber),
                               QString::fromStdString(sim->SlavePath()));
        app.m_nPort = portNumber - 1;
        return true;
    }
};

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace hvxbench
