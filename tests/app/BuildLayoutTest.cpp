// The language folders travel beside the executables and carry the program's version.
#include "hvx_version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {


QString versionOf(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    const QString text = QString::fromUtf8(f.readAll());
    const auto m = QRegularExpression(QStringLiteral("(?mi)^\\s*Version\\s*=\\s*(\\S+)")).match(text);
    return m.hasMatch() ? m.captured(1) : QString();
}

} // namespace

TEST(BuildLayout, LanguageFoldersBesideExecutableCarryProgramVersion)
{
    const QDir dir(QStringLiteral(HVX_TEST_BIN_DIR));
    for (const char* folder : {"01-Deutsch", "02-English"}) {
        for (const char* file : {"Main.lan", "Strings.lan", "Dialog.lan"}) {
            const QString path = dir.filePath(QStringLiteral("%1/%2").arg(QLatin1String(folder), QLatin1String(file)));
            ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
            EXPECT_EQ(versionOf(path), QStringLiteral(HVX_VERSION_TEXT)) << path.toStdString();
        }
    }
}
