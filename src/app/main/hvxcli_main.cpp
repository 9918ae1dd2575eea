// hvxcli: the headless command-line tool. It shares the settings, the log book and the language
// of hvx, and nobody is asked anything: questions get the answers of a batch run.
#include "base/BatchInteraction.h"
#include "base/HvxApp.h"
#include "app/cli/HvxCli.h"

#include "InProcessSimulator.h"

#include "hvx_version.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    // For installers and scripts: answered before settings or log book are touched.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("hvxcli %s\n", HVX_VERSION_TEXT);
        return 0;
    }
    QCoreApplication application(argc, argv);
    CHVXApp app;
    app.ReadStartupSettings();
    // A port mapped to "sim" talks to a simulated instrument inside the program.
    hvxsim::RegisterInProcessSimulator();
    hvx::BatchInteraction batch;
    app.SetUserInteraction(&batch);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = hvx::cli::RunHvxCli(QCoreApplication::arguments().mid(1), out, err);
    app.SetUserInteraction(nullptr);
    return status;
}
