// The program. A batch run ("/remote:FILE") works without any window and is decided before the
// window system is touched, so it runs on machines without a display.
#include "base/HvxApp.h"
#include "app/AboutInfo.h"
#include "app/ProgramUsage.h"
#include "app/Startup.h"
#include "app/gui/HvxGuiApp.h"

#include "InProcessSimulator.h"


#include "output/Serviceprotokoll.h"
#include "output/gui/Druckausgabe.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// What the program says when the window system cannot open its display; made before the window
// system is asked, since its failure ends the process from inside.
QByteArray g_displayNotOpened;

void EndWhenTheDisplayFails(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    if (type != QtFatalMsg)
        return;
    std::fprintf(stderr, "%s\n", g_displayNotOpened.constData());
    std::fflush(stderr);
    std::_Exit(hvx::kExitNoDisplay);
}

// A line of text in the language of the settings, printed to the stream without a window.
void PrintInLanguage(int argc, char* argv[], std::FILE* stream, QString (*text)())
{
    QCoreApplication core(argc, argv);
    CHVXApp app;
    app.LoadLanguage();
    std::fprintf(stream, "%s\n", text().toLocal8Bit().constData());
}

} // namespace

int main(int argc, char* argv[])
{
    const QStringList arguments = hvx::ArgumentsOf(argc, argv);
    // A port mapped to "sim" talks to a simulated instrument inside the program.
    hvxsim::RegisterInProcessSimulator();
    if (arguments.contains(QStringLiteral("--version"))) {
        QCoreApplication core(argc, argv);
        CHVXApp app;
        app.LoadLanguage();
        std::printf("%s\n", hvx::VersionOutput(app.m_strVersion).join(QLatin1Char('\n')).toLocal8Bit().constData());
        return 0;
    }
    if (hvx::AsksForHelp(arguments)) {
        PrintInLanguage(argc, argv, stdout, hvx::HvxUsageText);
        return 0;
    }
    // A report of the transfer is written as the printout is painted (a PDF): that needs the
    // window system's fonts, off screen without a display.
    hvx::setzeProtokollPdfSchreiber(&hvx::gui::druckeAusgabePdf);
    if (hvx::IsBatchCommandLine(arguments)) {
        const bool paints = hvx::BatchWritesAReport(arguments);
        if (paints && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        const std::unique_ptr<QCoreApplication> core =
            paints ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
        CHVXApp app;
        return hvx::RunBatchMode(app, arguments);
    }
    // Without a display the window cannot open: say so, rather than let the window system abort.
    if (hvx::MissingDisplayText()) {
        PrintInLanguage(argc, argv, stderr, [] { return *hvx::MissingDisplayText(); });
        return hvx::kExitNoDisplay;
    }
    {
        CHVXApp app;
        app.LoadLanguage();
        g_displayNotOpened = hvx::DisplayNotOpenedText().toLocal8Bit();
    }
    const QtMessageHandler previousHandler = qInstallMessageHandler(EndWhenTheDisplayFails);
    QApplication qtApp(argc, argv);
    qInstallMessageHandler(previousHandler);
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
