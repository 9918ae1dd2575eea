// hvxcli: the headless command-line tool. It shares the settings, the log book and the language
// of hvx, and nobody is asked anything: questions get the answers of a batch run.
#include "base/BatchInteraction.h"
#include "base/HvxApp.h"
#include "app/cli/HvxCli.h"
#include "app/cli/ChartPainter.h"
#include "app/cli/gui/CliPrint.h"
#include "devicedata/gui/TrendPicture.h"
#include "output/Serviceprotokoll.h"
#include "output/gui/Druckausgabe.h"

#include "InProcessSimulator.h"


#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Printing paints with fonts, which needs the window system, and a chart is a widget; off screen
// neither needs a display. The report of a transfer (a PDF) is painted as the printout.
bool reportsTransfer(int argc, char* argv[])
{
    for (int i = 2; i < argc; ++i) {
        if (std::strncmp(argv[i], "--report", 8) == 0)
            return true;
    }
    return false;
}

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[])
{
    const bool print = (argc > 1 && std::strcmp(argv[1], hvx::cli::PrintCommand().name) == 0) || reportsTransfer(argc, argv);
    const bool chart = argc > 1 && std::strcmp(argv[1], hvx::cli::ChartCommand().name) == 0;
    if (print || chart) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Outside a desktop session (cron, ssh) there is no runtime directory, and the window
        // system would warn about it on standard error: a private one for this run serves.
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            static QTemporaryDir runtimeDir;
            if (runtimeDir.isValid())
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
        }
    }
    if (chart)
        return std::make_unique<QApplication>(argc, argv);
    if (print)
        return std::make_unique<QGuiApplication>(argc, argv);
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
    hvx::cli::SetChartPainter(hvx::gui::WriteTrendPicture);
    hvx::setzeProtokollPdfSchreiber(&hvx::gui::druckeAusgabePdf);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = hvx::cli::RunHvxCli(QCoreApplication::arguments().mid(1), out, err);
    app.SetUserInteraction(nullptr);
    return status;
}
