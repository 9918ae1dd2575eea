// Selecting a language: the settings value, the file paths and the folders of the language menu.
#include "base/HvxApp.h"
#include "base/Language.h"
#include "support/TestApp.h"

#include <QDir>
#include <QSettings>
#include <gtest/gtest.h>

using hvx::test::TestApp;

TEST(LanguageSelection, MenuListsFoldersUpToTheFirstGap)
{
    TestApp t;
    const QDir dir(t.dir());
    for (const char* name : {"01-Deutsch", "02-English", "03-Datei.txt", "04-Francais"})
        dir.mkdir(QLatin1String(name));
    t.app().m_strProgDir = t.dir();
    EXPECT_EQ(t.app().LanguageFolders(), (QStringList{QStringLiteral("01-Deutsch"), QStringLiteral("02-English")}));

    dir.mkdir(QStringLiteral("03-Italiano"));
    EXPECT_EQ(t.app().LanguageFolders().size(), 4);
    for (int n = 5; n <= 25; ++n)
        dir.mkdir(QStringLiteral("%1-L").arg(n, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(t.app().LanguageFolders().size(), 20);
}

TEST(LanguageSelection, BuildTreeCarriesBothLanguages)
{
    TestApp t;
    EXPECT_EQ(t.app().LanguageFolders(), (QStringList{QStringLiteral("01-Deutsch"), QStringLiteral("02-English")}));
}

TEST(LanguageSelection, SetLanguageStoresTheFolderAndSetsThePaths)
{
    TestApp t;
    t.app().SetLanguage(QStringLiteral("02-English"));
    EXPECT_EQ(QSettings(t.settingsPath(), QSettings::IniFormat).value(QStringLiteral("System/Language")).toString(),
              QStringLiteral("02-English"));
    const QString folder = t.app().m_strProgDir + QStringLiteral("/02-English");
    EXPECT_EQ(t.app().m_strMainLan, folder + QStringLiteral("/Main.lan"));
    EXPECT_EQ(t.app().m_strStringsLan, folder + QStringLiteral("/Strings.lan"));
    EXPECT_EQ(t.app().m_strDialogLan, folder + QStringLiteral("/Dialog.lan"));
    EXPECT_EQ(t.app().m_strHelpFile, folder + QStringLiteral("/English.CHM"));
    EXPECT_EQ(GetLanText(QStringLiteral("System"), QStringLiteral("Version"), t.app().m_strMainLan), QStringLiteral("1.4.0.0"));

    t.app().SetLanguage(QString());
    EXPECT_TRUE(t.app().m_strMainLan.isEmpty());
    EXPECT_TRUE(t.app().m_strStringsLan.isEmpty());
    // Without a language the menu texts are the built-in German ones.
    EXPECT_EQ(GetMenuText(QStringLiteral("MenuStatus"), QStringLiteral("57345")), QStringLiteral("Bereit"));
}

TEST(LanguageSelection, DefaultDirectoryAvoidsAProgramDirectoryThatCannotBeWritten)
{
    TestApp t;
    const QByteArray previousDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", t.filePath(QStringLiteral("data")).toUtf8());
    const QString perUser = t.filePath(QStringLiteral("data/VORMAK/HVX"));

    t.app().m_strProgDir = t.dir();
    EXPECT_EQ(t.app().DefaultDataDir(), t.dir());

    t.app().m_strProgDir = t.filePath(QStringLiteral("gibt-es-nicht"));
    EXPECT_EQ(t.app().DefaultDataDir(), perUser);
    EXPECT_TRUE(QFileInfo(perUser).isDir());

    // A read-only program directory (a system install); root may write anywhere, so only then.
    const QString readOnly = t.filePath(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkdir(readOnly));
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
    t.app().m_strProgDir = readOnly;
    if (!QFileInfo(readOnly).isWritable()) {
        EXPECT_EQ(t.app().DefaultDataDir(), perUser);
    }
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // Below /usr the package manager owns the files, even where root could write them.
    t.app().m_strProgDir = QStringLiteral("/usr/lib");
    EXPECT_EQ(t.app().DefaultDataDir(), perUser);

    if (previousDataHome.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", previousDataHome);
}
