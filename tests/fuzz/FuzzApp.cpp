#include "FuzzApp.h"

#include "base/UserInteraction.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

namespace hvx::fuzz {
namespace {

class SilentInteraction final : public IUserInteraction {
public:
    int messageBox(const QString&, unsigned type, unsigned) override
    {
        switch (type & 0x0F) {
        case MB_YESNO:
        case MB_YESNOCANCEL: return IDNO;
        case MB_OK: return IDOK;
        default: return IDCANCEL;
        }
    }
    std::optional<QString> askAccessCode() override { return std::nullopt; }
    void progressBegin(const QString&, int) override {}
    void progressStep(int) override {}
    void progressEnd() override {}
    std::optional<QString> chooseFile(const FileChoice&) override { return std::nullopt; }
    void idle() override {}
    void beginWait() override {}
    void endWait() override {}
    bool isBatch() const override { return true; }
    void warning(const QString&) override {}
};

struct Run {
    QTemporaryDir dir;
    SilentInteraction ui;
    std::unique_ptr<CHVXApp> app;

    Run()
    {
        if (!dir.isValid())
            std::abort();
        qputenv("HVX_SETTINGS", dir.filePath(QStringLiteral("settings.ini")).toUtf8());
        app = std::make_unique<CHVXApp>();
        app->m_strProgDir = CHVXApp::ExecutableDir();
        app->SetUserInteraction(&ui);
        app->m_logFile.SetLogDir(dir.path());
        app->m_logFile.SetLevel(0);
        for (QString* d : {&app->m_strWorkDir, &app->m_strBackupDir, &app->m_strExportDir, &app->m_strMessdatDir,
                           &app->m_strAlarmdatDir})
            *d = dir.path();
        app->SetLanguage(QStringLiteral("01-Deutsch"));
        app->LoadDateTimePictures();
    }
};

Run& run()
{
    static Run instance;
    return instance;
}

} // namespace

CHVXApp& App()
{
    return *run().app;
}

QString TempPath(const QString& name)
{
    return run().dir.filePath(name);
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(bytes);
}

QStringList Arguments(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QStringList arguments;
    for (const QByteArray& part : bytes.split('\0'))
        arguments.append(QString::fromUtf8(part));
    return arguments;
}

} // namespace hvx::fuzz
