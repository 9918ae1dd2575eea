// hvxcli: the headless command-line tool. It shares the settings, the log book and the language
// of hvx, and nobody is asked anything: questions get the answers of a batch run.
#include "base/BatchInteraction.h"
#include "base/HvxApp.h"
#include "app/cli/HvxCli.h"
#include "app/cli/gui/CliPrint.h"
#include "output/Serviceprotokoll.h"
#include "output/gui/Druckausgabe.h"

#include "InProcessSimulator.h"


#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Printing paints with fonts, which needs the window system; off screen it needs no display. So
// does the report of a transfer (a PDF).
bool paints(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], hvx::cli::PrintCommand().name) == 0)
        return true;
    for (int i = 2; i < argc; ++i) {
        if (std::strncmp(argv[i], "--report", 8) == 0)
            return true;
    }
    return false;
}

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[])
{
    if (paints(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[])
{
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
    CHVXApp app;
    app.ReadStartupSettings();
    // A port mapped to "sim" talks to a simulated instrument inside the program.
    hvxsim::RegisterInProcessSimulator();
    hvx::BatchInteraction batch;
    app.SetUserInteraction(&batch);
    hvx::cli::AddCommand(hvx::cli::PrintCommand());
    hvx::setzeProtokollPdfSchreiber(&hvx::gui::druckeAusgabePdf);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = hvx::cli::RunHvxCli(QCoreApplication::arguments().mid(1), out, err);
    app.SetUserInteraction(nullptr);
    return status;
}
