// The layers of the source tree, checked on every #include line of src/ and tools/:
//   model → base → document → link → devicedata → editing → output → app
// A folder includes only itself and the folders before it. Nothing outside a gui/ folder includes
// a gui/ header or a header of a Qt module other than Core and Serial Port (the core library and
// the command-line tool run without a display). tools/ use the core only. Platform headers
// (unistd, fcntl, termios, sys/...) stand only in the few files named below.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QStringList kLayers = {
    QStringLiteral("model"),      QStringLiteral("base"),    QStringLiteral("document"),
    QStringLiteral("link"),       QStringLiteral("devicedata"), QStringLiteral("editing"),
    QStringLiteral("output"),     QStringLiteral("app"),
};

// Qt modules the core may use; every other module's headers need a window system or more.
const QStringList kCoreQtModules = {QStringLiteral("QtCore"), QStringLiteral("QtSerialPort")};

// The files that hold the platform's own interfaces (terminals, serial lines, file locks,
// signals, processes); everything else reaches the platform through Qt or through them, so that
// another system means replacing these files only.
const QStringList kPlatformFiles = {
    QStringLiteral("src/base/FileLock.cpp"),                 // the lock of a file being saved
    QStringLiteral("src/link/PosixSerialPort.cpp"),          // the serial port
    QStringLiteral("src/link/PosixPortLock.cpp"),            // its lock files
    QStringLiteral("src/link/PosixPreciseSleeps.cpp"),       // the timer slack of paced sending
    QStringLiteral("src/app/SystemInfo.cpp"),                // system information
    QStringLiteral("src/app/gui/SingleInstance.cpp"),        // the single instance
    QStringLiteral("src/app/cli/CliRecord.cpp"),             // the recording's signals
    QStringLiteral("src/app/cli/TerminalProgress.cpp"),      // progress on the terminal
    QStringLiteral("src/app/cli/TerminalQuestions.cpp"),     // questions on the terminal
    QStringLiteral("tools/simulator/PtySimulator.cpp"),      // the simulator's pseudo-terminal
    QStringLiteral("tools/simulator/main/hvx_sim_main.cpp"), // the simulator program's signals
};

bool isPlatformHeader(const QString& header)
{
    static const QRegularExpression re(
        QStringLiteral("^(unistd|fcntl|termios|pty|poll|signal|dirent|pwd|dlfcn)\\.h$|^(sys|linux)/|^csignal$"));
    return re.match(header).hasMatch();
}

struct Include {
    int line = 0;
    QString target;
    bool angled = false;
};

QList<Include> includesOf(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*#\\s*include\\s*([<\"])([^>\"]+)[>\"]"));
    QList<Include> result;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const auto m = re.match(lines[i]);
        if (m.hasMatch())
            result.append({i + 1, m.captured(2), m.captured(1) == QLatin1String("<")});
    }
    return result;
}

bool inGuiFolder(const QString& path)
{
    return path.startsWith(QLatin1String("gui/")) || path.contains(QLatin1String("/gui/"));
}

// The Qt module a header such as <QWidget> or <QtWidgets/QWidget> belongs to, or empty when it
// is not a Qt header.
QString qtModuleOf(const QString& header, const QString& qtHeaders)
{
    if (!header.startsWith(QLatin1Char('Q')))
        return QString();
    if (header.contains(QLatin1Char('/')))
        return header.section(QLatin1Char('/'), 0, 0);
    QDirIterator modules(qtHeaders, QDir::Dirs | QDir::NoDotAndDotDot);
    while (modules.hasNext()) {
        const QString module = QFileInfo(modules.next()).fileName();
        if (QFile::exists(qtHeaders + QLatin1Char('/') + module + QLatin1Char('/') + header))
            return module;
    }
    return QString();
}

} // namespace

// One offending include: "file:line: target (reason)". `path` is relative to the source root
// ("src/link/KelComm.cpp", "tools/simulator/Protocol.cpp").
QStringList layerViolations(const QString& path, const QString& text, const QString& qtHeaders)
{
    QStringList found;
    const bool isTool = path.startsWith(QLatin1String("tools/"));
    const QString inner = path.section(QLatin1Char('/'), 1); // below src/ or tools/
    const int ownLayer = isTool ? -1 : kLayers.indexOf(inner.section(QLatin1Char('/'), 0, 0));
    const bool gui = !isTool && inGuiFolder(inner);
    for (const Include& inc : includesOf(text)) {
        const auto report = [&](const char* reason) {
            found << QStringLiteral("%1:%2: %3 (%4)").arg(path).arg(inc.line).arg(inc.target, QLatin1String(reason));
        };
        if (inc.angled && isPlatformHeader(inc.target)) {
            if (!kPlatformFiles.contains(path))
                report("a platform header outside the files that hold the platform");
            continue;
        }
        if (inc.angled) {
            const QString module = qtModuleOf(inc.target, qtHeaders);
            if (!gui && !module.isEmpty() && !kCoreQtModules.contains(module))
                report("a window-system header outside a gui folder");
            continue;
        }
        const int target = kLayers.indexOf(inc.target.section(QLatin1Char('/'), 0, 0));
        if (target < 0)
            continue; // generated headers and headers beside the file
        if (!gui && inGuiFolder(inc.target))
            report("a gui header outside a gui folder");
        if (isTool && inc.target.startsWith(QLatin1String("app/")))
            report("the tools use the core only");
        if (!isTool && target > ownLayer)
            report("a higher layer");
    }
    return found;
}

namespace {

QString qtHeaderRoot()
{
    return QLibraryInfo::path(QLibraryInfo::HeadersPath);
}

TEST(Layering, CheckerNamesEachOffendingInclude)
{
    const QString qt = qtHeaderRoot();
    const QString text = QStringLiteral("#include \"model/Parametersatz.h\"\n"
                                        "#include \"app/gui/MainFrame.h\"\n"
                                        "#include <QWidget>\n"
                                        "#include <QtGui/QColor>\n"
                                        "#include <QString>\n"
                                        "#include <QSerialPort>\n"
                                        "#include <vector>\n"
                                        "#include \"hvx_version.h\"\n");
    EXPECT_EQ(layerViolations(QStringLiteral("src/link/KelComm.cpp"), text, qt),
              QStringList({QStringLiteral("src/link/KelComm.cpp:2: app/gui/MainFrame.h (a gui header outside a gui folder)"),
                           QStringLiteral("src/link/KelComm.cpp:2: app/gui/MainFrame.h (a higher layer)"),
                           QStringLiteral("src/link/KelComm.cpp:3: QWidget (a window-system header outside a gui folder)"),
                           QStringLiteral("src/link/KelComm.cpp:4: QtGui/QColor (a window-system header outside a gui folder)")}));
}

TEST(Layering, PlatformHeadersOnlyInTheFilesThatHoldThePlatform)
{
    const QString qt = qtHeaderRoot();
    const QString text = QStringLiteral("#include <sys/file.h>\n#include <unistd.h>\n#include <csignal>\n"
                                        "#include <cstdio>\n#include <QFile>\n#include <linux/serial.h>\n");
    EXPECT_TRUE(layerViolations(QStringLiteral("src/base/FileLock.cpp"), text, qt).isEmpty());
    EXPECT_EQ(layerViolations(QStringLiteral("src/document/HVXDoc.cpp"), text, qt),
              QStringList({QStringLiteral("src/document/HVXDoc.cpp:1: sys/file.h (a platform header outside the files that hold the platform)"),
                           QStringLiteral("src/document/HVXDoc.cpp:2: unistd.h (a platform header outside the files that hold the platform)"),
                           QStringLiteral("src/document/HVXDoc.cpp:3: csignal (a platform header outside the files that hold the platform)"),
                           QStringLiteral("src/document/HVXDoc.cpp:6: linux/serial.h (a platform header outside the files that hold the platform)")}));
}

TEST(Layering, GuiFoldersMayUseWidgetsAndLowerGuiHeadersButNotHigherLayers)
{
    const QString qt = qtHeaderRoot();
    EXPECT_TRUE(layerViolations(QStringLiteral("src/editing/gui/HVXView.cpp"),
                                QStringLiteral("#include <QWidget>\n#include \"base/gui/DialogTexts.h\"\n"
                                               "#include \"document/HVXDoc.h\"\n"),
                                qt)
                    .isEmpty());
    EXPECT_EQ(layerViolations(QStringLiteral("src/document/gui/HvxNeuDlg.cpp"),
                              QStringLiteral("#include \"editing/gui/HVXView.h\"\n"), qt)
                  .size(),
              1);
    EXPECT_EQ(layerViolations(QStringLiteral("src/model/Codes.h"), QStringLiteral("#include \"base/Log.h\"\n"), qt).size(), 1);
    EXPECT_EQ(layerViolations(QStringLiteral("tools/simulator/X.cpp"),
                              QStringLiteral("#include \"base/Log.h\"\n#include \"app/cli/HvxCli.h\"\n"), qt),
              QStringList({QStringLiteral("tools/simulator/X.cpp:2: app/cli/HvxCli.h (the tools use the core only)")}));
}

TEST(Layering, SourceTreeKeepsItsLayers)
{
    const QString root = QStringLiteral(HVX_SOURCE_DIR);
    const QString qt = qtHeaderRoot();
    QStringList found;
    int files = 0;
    for (const char* top : {"src", "tools"}) {
        QDirIterator it(root + QLatin1Char('/') + QLatin1String(top), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
            found << layerViolations(file.mid(root.size() + 1), QString::fromUtf8(f.readAll()), qt);
            ++files;
        }
    }
    EXPECT_GT(files, 100);
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
    for (const QString& platformFile : kPlatformFiles)
        EXPECT_TRUE(QFile::exists(root + u'/' + platformFile)) << platformFile.toStdString() << " is named but gone";
}

} // namespace
