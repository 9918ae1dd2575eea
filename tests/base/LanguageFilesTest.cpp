// The language files shipped with the program: both languages carry the same numbered texts,
// and the texts the program relies on read back as intended.
#include "base/Language.h"
#include "base/ProfileReader.h"
#include "support/TestApp.h"

#include <QFile>
#include <QSet>
#include <gtest/gtest.h>
#include <string>

using hvx::test::TestApp;

namespace {

hvx::ProfileContent readLanguageFile(const TestApp& t, const char* folder, const char* file)
{
    QFile f(t.app().m_strProgDir + u'/' + QLatin1String(folder) + u'/' + QLatin1String(file));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
    return hvx::ProfileContent::parse(f.readAll());
}

// The lines of each of the six shipped language files, named "folder/file".
struct LanguageFileLines {
    std::string name;
    QStringList lines;
};

QList<LanguageFileLines> everyLanguageFile(const TestApp& t)
{
    QList<LanguageFileLines> files;
    for (const char* folder : {"01-Deutsch", "02-English"}) {
        for (const char* file : {"Strings.lan", "Main.lan", "Dialog.lan"}) {
            QFile f(t.app().m_strProgDir + u'/' + QLatin1String(folder) + u'/' + QLatin1String(file));
            EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
            files.append({std::string(folder) + '/' + file, QString::fromUtf8(f.readAll()).split(u'\n')});
        }
    }
    return files;
}

} // namespace

TEST(LanguageFiles, BothLanguagesCarryTheSameNumberedTexts)
{
    TestApp t;
    const auto german = readLanguageFile(t, "01-Deutsch", "Strings.lan");
    const auto english = readLanguageFile(t, "02-English", "Strings.lan");
    const QStringList germanKeys = german.keys(QStringLiteral("Strings"));
    EXPECT_GT(germanKeys.size(), 100);
    const QStringList englishKeys = english.keys(QStringLiteral("Strings"));
    EXPECT_EQ(QSet<QString>(germanKeys.cbegin(), germanKeys.cend()), QSet<QString>(englishKeys.cbegin(), englishKeys.cend()));
    for (const QString& key : germanKeys) {
        bool numeric = false;
        key.toInt(&numeric);
        EXPECT_TRUE(numeric) << key.toStdString();
        EXPECT_FALSE(german.value(QStringLiteral("Strings"), key).isEmpty()) << key.toStdString();
        EXPECT_FALSE(english.value(QStringLiteral("Strings"), key).isEmpty()) << key.toStdString();
    }
}

// A key given twice in one section hides one of its texts without a word (two branches that chose
// the same number for different texts): every key is given once.
TEST(LanguageFiles, NoKeyIsGivenTwiceInASection)
{
    TestApp t;
    for (const LanguageFileLines& file : everyLanguageFile(t)) {
        QString section;
        QSet<QString> seen;
        for (const QString& line : file.lines) {
            const QString trimmed = line.trimmed();
            if (trimmed.startsWith(u'[')) {
                section = trimmed;
                seen.clear();
                continue;
            }
            const qsizetype eq = trimmed.indexOf(u'=');
            if (trimmed.isEmpty() || trimmed.startsWith(u';') || eq < 0)
                continue;
            const QString key = trimmed.left(eq).trimmed().toLower();
            EXPECT_FALSE(seen.contains(key)) << file.name << ' ' << section.toStdString() << ' ' << key.toStdString();
            seen.insert(key);
        }
    }
}

TEST(LanguageFiles, MenuAndDialogFilesCarryTheSameKeysInBothLanguages)
{
    TestApp t;
    for (const char* file : {"Main.lan", "Dialog.lan"}) {
        const auto german = readLanguageFile(t, "01-Deutsch", file);
        const auto english = readLanguageFile(t, "02-English", file);
        QStringList sections = german.sections();
        QStringList englishSections = english.sections();
        sections.sort();
        englishSections.sort();
        EXPECT_EQ(sections, englishSections) << file;
        for (const QString& section : sections) {
            QStringList keys = german.keys(section);
            QStringList englishKeys = english.keys(section);
            keys.sort();
            englishKeys.sort();
            EXPECT_EQ(keys, englishKeys) << file << " [" << section.toStdString() << ']';
        }
    }
    t.app().SetLanguage(QStringLiteral("01-Deutsch"));
    EXPECT_EQ(GetMenuText(QStringLiteral("MainMenu1Items"), QStringLiteral("mm1item1")), QStringLiteral("&Neu\tStrg+N"));
    EXPECT_EQ(GetDialogText(QStringLiteral("Zugangscode-Dialog"), 1531), QStringLiteral("Zugangscode:"));
}

// Texts the instrument's documentation and other programs know in English keep their wording in
// every language set; German module names never appear in the English one.
TEST(LanguageFiles, EstablishedEnglishTextsStayAsTheyStandAndEnglishSpeaksEnglish)
{
    TestApp t;
    struct Text {
        const char* datei;
        const char* abschnitt;
        const char* schluessel;
        const char* text;
    };
    const Text feste[] = {
        {"Strings.lan", "Strings", "246", "Hydrovant Configuration Tool"},
        {"Strings.lan", "Strings", "3450", "Do you REALLY want to send %d Bytes to the EEPROM of the Hydrovant?"},
        {"Strings.lan", "Strings", "3451", "Error at address 0x%02X"},
        {"Strings.lan", "Strings", "3454", "Hydrovant EEPROM Files (*.hxp)"},
        {"Strings.lan", "Strings", "3660", "Limit-Contact"},
        {"Dialog.lan", "Reglerparameter-Dialog", "1682", "Limit-Contact"},
        {"Dialog.lan", "Service-Dialog", "130", "HVX Service"},
    };
    for (const char* ordner : {"01-Deutsch", "02-English"}) {
        for (const Text& f : feste) {
            EXPECT_EQ(readLanguageFile(t, ordner, f.datei).value(QLatin1String(f.abschnitt), QLatin1String(f.schluessel)),
                      QString::fromUtf8(f.text))
                << ordner << ' ' << f.schluessel;
        }
    }
    const auto english = readLanguageFile(t, "02-English", "Strings.lan");
    for (const QString& key : english.keys(QStringLiteral("Strings"))) {
        const QString text = english.value(QStringLiteral("Strings"), key);
        for (const char* deutsch : {"\"Freigabe\"", "konduktiv", "\"Kein\"", "ä", "ö", "ü", "ß"})
            EXPECT_FALSE(text.contains(QString::fromUtf8(deutsch))) << key.toStdString() << ": " << text.toStdString();
    }
}

TEST(LanguageFiles, NoTextIsLongerThanTheReaderKeeps)
{
    // A longer value would be cut without a word, and a message would end in mid-sentence.
    TestApp t;
    for (const LanguageFileLines& file : everyLanguageFile(t)) {
        for (const QString& line : file.lines) {
            const qsizetype eq = line.indexOf(u'=');
            if (line.startsWith(u';') || eq < 0)
                continue;
            QString value = line.mid(eq + 1).trimmed();
            if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
                value = value.mid(1, value.size() - 2);
            EXPECT_LE(value.size(), hvx::kMaxProfileValueLength) << file.name << ": " << line.left(eq).toStdString();
        }
    }
}

TEST(LanguageFiles, QuotedTextsReadBackExactly)
{
    TestApp german;
    EXPECT_EQ(GetStringsText(390), QStringLiteral("Laufwerk %c (%s): "));
    EXPECT_EQ(GetStringsText(365).count(u'\n'), 3);
    EXPECT_EQ(GetStringsText(431), QStringLiteral("Sollen Datum und Uhrzeit aktualisiert werden?\n\nPC:\t%s\nHydrovant:\t%s"));
    EXPECT_EQ(GetStringsText(375).left(48), QStringLiteral("Bitte tragen Sie hier ihr Problem ein und h%%E4n"));
    EXPECT_EQ(GetStringsText(286), QStringLiteral(u"Konfigurationen stimmen nicht überein!"));
    EXPECT_EQ(GetStringsText(427), QStringLiteral("hh:mm:ss"));
    EXPECT_EQ(GetStringsText(428), QStringLiteral("dd.MM.yyyy"));
    EXPECT_EQ(GetStringsText(433), QStringLiteral("dddd dd.MM.yyyy"));
}

TEST(LanguageFiles, VersionsMatchTheProgramSoStartUpLogsNoMismatch)
{
    for (const auto language : {TestApp::Language::German, TestApp::Language::English}) {
        TestApp t(language);
        t.app().m_logFile.SetLevel(0);
        for (const QString& path : {t.app().m_strMainLan, t.app().m_strStringsLan, t.app().m_strDialogLan})
            t.app().CheckLanguageFileVersion(path);
        EXPECT_TRUE(t.logLines().isEmpty()) << t.logText().toStdString();
    }
}
