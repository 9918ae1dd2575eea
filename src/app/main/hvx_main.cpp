// The program's entry point. For now it opens an empty main window with the program's title.
#include "hvx_version.h"

#include "InProcessSimulator.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // A port mapped to "sim" talks to a simulated instrument inside the program.
    hvxsim::RegisterInProcessSimulator();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("HVX %1.%2").arg(HVX_VERSION_MAJOR).arg(HVX_VERSION_MINOR));
    window.resize(690, 580);
    window.show();
    return app.exec();
}
