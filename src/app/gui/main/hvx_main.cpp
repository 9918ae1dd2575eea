// The program. A batch run ("/remote:FILE") works without any window and is decided before the
// window system is touched, so it runs on machines without a display.
#include "base/HvxApp.h"
#include "app/Startup.h"
#include "app/gui/HvxGuiApp.h"

#include "InProcessSimulator.h"

#include "hvx_version.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    // For installers and scripts: answered before settings, log book or window are touched.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("hvx %s\n", HVX_VERSION_TEXT);
        return 0;
    }
    const QStringList arguments = hvx::ArgumentsOf(argc, argv);
    // A port mapped to "sim" talks to a simulated instrument inside the program.
    hvxsim::RegisterInProcessSimulator();
    if (hvx::IsBatchCommandLine(arguments)) {
        QCoreApplication core(argc, argv);
        CHVXApp app;
        return hvx::RunBatchMode(app, arguments);
    }

    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("HVX"));
    QApplication::setOrganizationName(QStringLiteral("VORMAK"));
    QApplication::setWindowIcon(QIcon(CHVXApp::ExecutableDir() + QStringLiteral("/hvx.svg")));
    CHVXApp app;
    hvx::gui::CHvxGuiApp gui(app);
    switch (gui.InitInstance(arguments)) {
    case hvx::gui::CHvxGuiApp::Start::Exit:
        if (gui.frame() == nullptr)
            return 0; // another instance runs and was brought forward
        return gui.ExitInstance(0);
    case hvx::gui::CHvxGuiApp::Start::Failed:
        return gui.ExitInstance(0);
    case hvx::gui::CHvxGuiApp::Start::Run:
        break;
    }
    const int exitCode = QApplication::exec();
    return gui.ExitInstance(exitCode);
}
