// The program. A batch run ("/remote:FILE") works without any window and is decided before the
// window system is touched, so it runs on machines without a display.
#include "app/HvxApp.h"
#include "app/Startup.h"
#include "hvx_version.h"

#include "InProcessSimulator.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    const QStringList arguments = hvx::ArgumentsOf(argc, argv);
    // A port mapped to "sim" talks to a simulated instrument inside the program.
    hvxsim::RegisterInProcessSimulator();
    if (hvx::IsBatchCommandLine(arguments)) {
        QCoreApplication core(argc, argv);
        CHVXApp app;
        return hvx::RunBatchMode(app, arguments);
    }

    QApplication gui(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("HVX %1.%2").arg(HVX_VERSION_MAJOR).arg(HVX_VERSION_MINOR));
    window.resize(690, 580);
    window.show();
    return gui.exec();
}
