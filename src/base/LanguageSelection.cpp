// Selecting the language: the folder named in the settings, its three files, the version check
// and the folders offered in the language menu.
#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/ProfileReader.h"

#include <QDir>

namespace {
constexpr int kMaxLanguages = 20;
constexpr int kTextTimePicture = 427;
constexpr int kTextDatePicture = 428;
constexpr int kTextLongDatePicture = 433;
} // namespace

void CHVXApp::LoadLanguage()
{
    hvx::NoteUserAction(); // a language chosen again is read again
    m_strLanguage = GetStringSetting(hvx::settings::kLanguage);
    if (m_strLanguage.isEmpty()) {
        m_strMainLan.clear();
        m_strStringsLan.clear();
        m_strDialogLan.clear();
        m_strHelpFile.clear();
        return;
    }
    const QString dir = m_strProgDir + u'/' + m_strLanguage;
    m_strMainLan = dir + QStringLiteral("/Main.lan");
    m_strStringsLan = dir + QStringLiteral("/Strings.lan");
    m_strDialogLan = dir + QStringLiteral("/Dialog.lan");
    m_strHelpFile = dir + u'/' + m_strLanguage.mid(3) + QStringLiteral(".CHM");
}

void CHVXApp::SetLanguage(const QString& folderName)
{
    WriteProfileString(QLatin1String(hvx::settings::kLanguage.section), QLatin1String(hvx::settings::kLanguage.name), folderName);
    LoadLanguage();
}

void CHVXApp::CheckLanguageFileVersion(const QString& path)
{
    const QString version = hvx::ReadProfileString(path, QStringLiteral("System"), QStringLiteral("Version"));
    if (version != m_strVersion) {
        m_logFile.Write(0, QStringLiteral("LanguageFileVersion mismatch EXE:%1, LangFile %2:%3").arg(m_strVersion, path, version),
                        false, QString());
    }
}

void CHVXApp::LoadDateTimePictures()
{
    m_strTimeFormat = GetStringsText(kTextTimePicture);
    m_strDateFormat = GetStringsText(kTextDatePicture);
    m_strLongDateFormat = GetStringsText(kTextLongDatePicture);
}

QStringList CHVXApp::LanguageFolders() const
{
    const QDir programDir(m_strProgDir);
    QStringList folders;
    for (int number = 1; number <= kMaxLanguages; ++number) {
        const QString pattern = QStringLiteral("%1-*").arg(number, 2, 10, QLatin1Char('0'));
        QStringList names = programDir.entryList({pattern}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        // Folder names carry no extension.
        names.removeIf([](const QString& name) { return name.contains(u'.'); });
        if (names.isEmpty())
            break;
        folders.append(names.first());
    }
    return folders;
}
