// The settings file: any bytes as the INI file, then every value the program reads from it.
// Whatever the file holds, integers stay within their rows' ranges and directories are never
// empty.
#include "FuzzApp.h"

#include "base/SettingsTable.h"
#include "link/SerialPortFactory.h"

#include <QFile>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    namespace set = hvx::settings;
    hvx::fuzz::App();
    static int round = 0;
    const QString path = hvx::fuzz::TempPath(QStringLiteral("settings-%1.ini").arg(++round));
    hvx::fuzz::WriteFile(path, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    qputenv("HVX_SETTINGS", path.toUtf8());
    {
        CHVXApp app; // current while it lives; its log book stays in the temporary directory
        app.m_strProgDir = hvx::fuzz::TempPath(QString());
        app.m_logFile.SetLogDir(app.m_strProgDir);
        app.m_logFile.SetLevel(0);
        for (const set::Int* row : set::kIntRows) {
            const int value = app.GetIntSetting(*row);
            if (value < row->minValue || value > row->maxValue)
                std::abort();
        }
        for (const set::Text* row : {&set::kWorkDir, &set::kBackupDir, &set::kExportDir, &set::kMessdatDir,
                                     &set::kAlarmdatDir, &set::kLogDir}) {
            if (app.GetDirectorySetting(*row, app.m_strProgDir).isEmpty())
                std::abort();
        }
        for (const set::Text* row : {&set::kLanguage, &set::kBitmapFile24, &set::kBitmapFile256, &set::kLogoFileEMF})
            (void)app.GetStringSetting(*row);
        for (int port = 1; port <= 3; ++port)
            (void)hvx::PortDevice(port);
        QByteArray font;
        (void)app.GetBinarySetting(QStringLiteral("Print"), QStringLiteral("Font"), font, 60);
    }
    QFile::remove(path);
    return 0;
}
