// The program's entry point. A batch run ("/remote:") needs no display: it is decided before any
// GUI application object exists and runs with a core application object only.
#include "app/BatchRun.h"
#include "app/HvxApp.h"
#include "hvx_version.h"

#include "InProcessSimulator.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMainWindow>
#include <QStringList>
#include <algorithm>

namespace {

QStringList ArgumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char* argv[])
{
    // A port mapped to "sim" talks to a simulated instrument inside the program.
    hvxsim::RegisterInProcessSimulator();

    const QStringList arguments = ArgumentsOf(argc, argv);
    const bool batch = std::any_of(arguments.begin(), arguments.end(),
                                   [](const QString& a) { return a.startsWith(QLatin1String("/remote:")); });
    if (batch) {
        QCoreApplication core(argc, argv);
        CHVXApp app;
        app.ParseCommandLine(arguments);
        return RunBatch(app);
    }

    QApplication gui(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("HVX %1.%2").arg(HVX_VERSION_MAJOR).arg(HVX_VERSION_MINOR));
    window.resize(690, 580);
    window.show();
    return gui.exec();
}
