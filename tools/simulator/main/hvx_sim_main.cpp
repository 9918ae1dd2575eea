// hvx-sim: a simulated instrument on a pseudo-terminal, for trying the tool without hardware.

#include "CommandLine.h"
#include "Console.h"
#include "PtySimulator.h"

#include <QCoreApplication>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <thread>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Replaces an old symbolic link, but never a real file someone keeps there.
bool MakeLink(const std::string& target, const std::string& link)
{
    struct stat info {};
    if (lstat(link.c_str(), &info) == 0) {
        if (!S_ISLNK(info.st_mode)) {
            std::fprintf(stderr, "hvx-sim: %s exists and is not a symbolic link\n", link.c_str());
            return false;
        }
        unlink(link.c_str());
    }
    if (symlink(target.c_str(), link.c_str()) != 0) {
        std::fprintf(stderr, "hvx-sim: cannot create %s: %s\n", link.c_str(), std::strerror(errno));
        return false;
    }
    return true;
}

// Reads commands from standard input while serving; "quit" stops the program like SIGTERM.
// Without input (a closed or empty standard input) the program simply serves on.
void StartConsole(std::weak_ptr<hvxsim::Instrument> instrument)
{
    // Started in the background of a shell, reading the terminal would stop the whole program;
    // ignored, the read fails instead and only the console ends.
    signal(SIGTTIN, SIG_IGN);
    std::thread([instrument] {
        std::string line;
        while (std::getline(std::cin, line)) {
            const auto current = instrument.lock();
            if (!current)
                return;
            const hvxsim::ConsoleResult result = hvxsim::RunConsoleCommand(*current, line);
            std::fputs(result.output.c_str(), stdout);
            std::fflush(stdout);
            if (result.quit) {
                kill(getpid(), SIGTERM);
                return;
            }
        }
    }).detach();
}

} // namespace

int main(int argc, char* argv[])
{
    // Signals are taken by sigwait below; blocked before any thread starts so none of them gets one.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("hvx-sim"));
    std::string error;
    const auto options = hvxsim::ParseSimulatorOptions(QCoreApplication::arguments(), &error);
    if (!options) {
        std::fprintf(stderr, "hvx-sim: %s\n(see hvx-sim --help)\n", error.c_str());
        return 2;
    }
    if (options->help) {
        std::fputs(hvxsim::SimulatorHelpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    auto state = hvxsim::BuildInstrument(options->setup, &error);
    if (!state) {
        std::fprintf(stderr, "hvx-sim: %s\n", error.c_str());
        return 1;
    }

    auto instrument = std::make_shared<hvxsim::Instrument>(*state, options->timing);
    instrument->SetRecording(false); // serves for hours; nobody inspects the record
    for (const auto& rule : options->faults)
        instrument->AddFault(rule);
    if (options->trace)
        instrument->SetTrace([](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });

    hvxsim::PtySimulator simulator(instrument);
    if (!simulator.Start(&error)) {
        std::fprintf(stderr, "hvx-sim: %s\n", error.c_str());
        return 1;
    }
    if (!options->linkPath.empty() && !MakeLink(simulator.SlavePath(), options->linkPath))
        return 1;
    std::printf("%s\n", simulator.SlavePath().c_str());
    std::fflush(stdout);
    StartConsole(instrument);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    simulator.Stop();
    if (!options->linkPath.empty())
        unlink(options->linkPath.c_str());
    return 0;
}
