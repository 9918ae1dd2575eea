// Settings with write-back, the command line and the process error code.
#include "base/ErrorCodes.h"
#include "base/HvxApp.h"
#include "link/SerialPortFactory.h"
#include "support/TestApp.h"

#include <QFile>
#include <QMap>
#include <QSettings>
#include <gtest/gtest.h>

using hvx::test::TestApp;

namespace {

QVariant stored(const TestApp& t, const QString& key)
{
    return QSettings(t.settingsPath(), QSettings::IniFormat).value(key);
}

} // namespace

TEST(Settings, MissingValuesAreWrittenBackWithTheirDefaults)
{
    TestApp t;
    EXPECT_EQ(t.app().GetIntSetting(QStringLiteral("Options"), QStringLiteral("NumBackups"), 100), 100);
    EXPECT_EQ(stored(t, QStringLiteral("Options/NumBackups")).toInt(), 100);
    t.app().WriteProfileInt(QStringLiteral("Options"), QStringLiteral("NumBackups"), 7);
    EXPECT_EQ(t.app().GetIntSetting(QStringLiteral("Options"), QStringLiteral("NumBackups"), 100), 7);
    EXPECT_EQ(t.app().GetStringSetting(QStringLiteral("System"), QStringLiteral("Mailto"), QStringLiteral("a@b")),
              QStringLiteral("a@b"));
    EXPECT_EQ(stored(t, QStringLiteral("System/Mailto")).toString(), QStringLiteral("a@b"));
}

TEST(Settings, FirstRunCreatesEveryStartUpValue)
{
    TestApp t(TestApp::Language::None);
    QSettings(t.settingsPath(), QSettings::IniFormat).clear();
    t.app().ReadStartupSettings();
    const QSettings file(t.settingsPath(), QSettings::IniFormat);
    for (const char* key : {"Environment/WorkDir", "Environment/BackupDir", "Environment/ExportDir", "Environment/MessdatDir",
                            "Environment/AlarmdatDir", "System/LogDir", "System/LogLevel", "System/Language",
                            "Options/FrameWidth", "Options/FrameHeight", "Communication/Port"}) {
        EXPECT_TRUE(file.contains(QLatin1String(key))) << key;
    }
    EXPECT_EQ(file.value(QStringLiteral("System/Language")).toString(), QString());
    EXPECT_EQ(file.value(QStringLiteral("System/LogLevel")).toInt(), 1);
    EXPECT_EQ(file.value(QStringLiteral("Options/FrameWidth")).toInt(), 690);
    EXPECT_EQ(file.value(QStringLiteral("Environment/WorkDir")).toString(), t.app().DefaultDataDir());
    EXPECT_EQ(t.app().m_logFile.Level(), 1);
}

TEST(Settings, BinaryValuesAreNotWrittenBack)
{
    TestApp t;
    QByteArray buffer("junk");
    EXPECT_NE(t.app().GetBinarySetting(QStringLiteral("Print"), QStringLiteral("Font"), buffer, 60), 0);
    EXPECT_EQ(buffer, QByteArray(60, '\0'));
    EXPECT_FALSE(stored(t, QStringLiteral("Print/Font")).isValid());
    const QByteArray font = QByteArray("\x01\x00\xFF\x7F", 4) + QByteArray(56, 'f');
    ASSERT_TRUE(t.app().SetBinarySetting(QStringLiteral("Print"), QStringLiteral("Font"), font));
    EXPECT_EQ(t.app().GetBinarySetting(QStringLiteral("Print"), QStringLiteral("Font"), buffer, 60), 0);
    EXPECT_EQ(buffer, font);
    EXPECT_NE(t.app().GetBinarySetting(QStringLiteral("Print"), QStringLiteral("Font"), buffer, 10), 0);
}

TEST(CommandLine, PortTakesLeadingDigitsWithinRange)
{
    TestApp t;
    t.app().ParseCommandLine({QStringLiteral("/Port:7")});
    EXPECT_EQ(t.app().m_nPort, 7);
    EXPECT_EQ(stored(t, QStringLiteral("Communication/Port")).toInt(), 7);
    t.app().ParseCommandLine({QStringLiteral("/Port:300")});
    EXPECT_EQ(t.app().m_nPort, 0);
    EXPECT_EQ(stored(t, QStringLiteral("Communication/Port")).toInt(), 0);
    t.app().ParseCommandLine({QStringLiteral("/Port:12x"), QStringLiteral("/Port:99999999999999")});
    EXPECT_EQ(t.app().m_nPort, 0);
    t.app().ParseCommandLine({QStringLiteral("/Port:255")});
    EXPECT_EQ(t.app().m_nPort, 255);
    t.app().ParseCommandLine({QStringLiteral("/Port:A")});
    EXPECT_EQ(t.app().m_nPort, 0);
    EXPECT_EQ(stored(t, QStringLiteral("Communication/Port")).toInt(), 0);
}

TEST(CommandLine, SwitchesAreCaseSensitiveAndTheRestGoesToTheStandardHandling)
{
    TestApp t;
    const auto rest = t.app().ParseCommandLine({QStringLiteral("/service"), QStringLiteral("/Service"),
                                                QStringLiteral("/remote:C:\\a b.hxd"), QStringLiteral("/SaveCalib"),
                                                QStringLiteral("/ComOptions"), QStringLiteral("-p"), QStringLiteral("datei.hxd")});
    EXPECT_TRUE(t.app().m_bService);
    EXPECT_TRUE(t.app().m_bRemote);
    EXPECT_EQ(t.app().m_strRemoteFile, QStringLiteral("C:\\a b.hxd"));
    EXPECT_TRUE(t.app().m_bSaveCalib);
    EXPECT_TRUE(t.app().m_bComOptions);
    ASSERT_EQ(rest.size(), 3);
    EXPECT_EQ(rest[0].text, QStringLiteral("service"));
    EXPECT_TRUE(rest[0].isFlag);
    EXPECT_FALSE(rest[0].isLast);
    EXPECT_EQ(rest[1].text, QStringLiteral("p"));
    EXPECT_TRUE(rest[1].isFlag);
    EXPECT_EQ(rest[2].text, QStringLiteral("datei.hxd"));
    EXPECT_FALSE(rest[2].isFlag);
    EXPECT_TRUE(rest[2].isLast);
}

TEST(CommandLine, RemoteWithoutFileAndLaterArgumentsWin)
{
    TestApp t;
    t.app().ParseCommandLine({QStringLiteral("/remote:a.hxd"), QStringLiteral("/remote:")});
    EXPECT_TRUE(t.app().m_bRemote);
    EXPECT_TRUE(t.app().m_strRemoteFile.isEmpty());
    EXPECT_TRUE(t.app().ParseCommandLine({QStringLiteral("/Remote:x")}).front().isFlag);
}

TEST(ErrorCode, LastFailureWinsAndExitStatusKeepsTheArea)
{
    TestApp t;
    EXPECT_EQ(t.app().ErrorCode(), 0u);
    EXPECT_EQ(t.app().ExitStatus(), 0);
    t.app().SetErrorCode(hvx::kErrorAreaConfigFile, hvx::kErrNotAConfigFile);
    EXPECT_EQ(t.app().ErrorCode(), 0x81000200u);
    EXPECT_EQ(t.app().ExitStatus(), 1); // 0x81000200 & 0xFF would be 0: a failure reported as success
    t.app().SetErrorCode(hvx::kErrorAreaDeviceLink, 5);
    EXPECT_EQ(t.app().ExitStatus(), 2);
    t.app().SetErrorCode(hvx::kErrorAreaRemote, hvx::kErrConfigMismatch);
    EXPECT_EQ(t.app().ErrorCode(), 0x84000004u);
    EXPECT_EQ(t.app().ExitStatus(), 4);
    EXPECT_EQ(CHVXApp::ExitStatusOf(0x80000000u), 255);
}

TEST(ErrorCode, ReportGoesToStandardErrorAndTheLogBookAtLevelZero)
{
    TestApp t;
    t.app().m_logFile.SetLevel(0);
    t.app().SetErrorCode(hvx::kErrorAreaRemote, hvx::kErrConfigMismatch);
    testing::internal::CaptureStderr();
    t.app().ReportErrorCode();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, "HVX error code 0x84000004\n");
    EXPECT_EQ(t.logEntries(), QStringList{QStringLiteral("HVX error code 0x84000004")});
}

TEST(AppObject, TestObjectIsCurrentWhileItLives)
{
    CHVXApp* before = &theApp();
    {
        TestApp t;
        EXPECT_EQ(&theApp(), &t.app());
        {
            CHVXApp inner;
            EXPECT_EQ(&theApp(), &inner);
        }
        EXPECT_EQ(&theApp(), &t.app());
    }
    EXPECT_EQ(&theApp(), before);
}

namespace {

void writeSettingsFile(const TestApp& t, const QByteArray& text)
{
    QFile file(t.settingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

} // namespace

TEST(SettingsText, CommaAndSemicolonArePartOfThePlainValueAndSurviveTheWriteBack)
{
    TestApp t;
    writeSettingsFile(t, "[Ports]\nCOM1=/dev/serial/by-id/usb-FTDI_x,x\nCOM2=/dev/serial/by-id/usb-a;b\n"
                         "[Environment]\nBackupDir=/srv/bk,1\nExportDir=/srv/export;2 ; kein Kommentar\n"
                         "[Simulator]\nModules=1,7,2\n"
                         "[System]\nMailto=\"a@b.de,c@d.de\"\n");
    CHVXApp app; // reads the file as a start of the program does
    app.WriteProfileInt(QStringLiteral("Options"), QStringLiteral("NumBackups"), 5); // rewrites the file
    for (int round = 0; round < 2; ++round) { // the second round reads what the first wrote back
        EXPECT_EQ(app.GetStringSetting(QStringLiteral("Ports"), QStringLiteral("COM1"), QString()),
                  QStringLiteral("/dev/serial/by-id/usb-FTDI_x,x"));
        EXPECT_EQ(app.GetStringSetting(QStringLiteral("Environment"), QStringLiteral("BackupDir"), QString()),
                  QStringLiteral("/srv/bk,1"));
        EXPECT_EQ(app.GetStringSetting(QStringLiteral("Simulator"), QStringLiteral("Modules"), QString()),
                  QStringLiteral("1,7,2"));
        EXPECT_EQ(app.GetStringSetting(QStringLiteral("System"), QStringLiteral("Mailto"), QString()),
                  QStringLiteral("a@b.de,c@d.de"));
        EXPECT_EQ(hvx::PortDevice(1), QStringLiteral("/dev/serial/by-id/usb-FTDI_x,x"));
        EXPECT_EQ(hvx::PortDevice(2), QStringLiteral("/dev/serial/by-id/usb-a;b"));
        EXPECT_EQ(app.GetStringSetting(QStringLiteral("Environment"), QStringLiteral("ExportDir"), QString()),
                  QStringLiteral("/srv/export;2 ; kein Kommentar"));
    }
}

TEST(SettingsText, EmptyDirectorySettingsFallBackToTheDefaultDirectory)
{
    TestApp t(TestApp::Language::None);
    writeSettingsFile(t, "[Environment]\nWorkDir=\nBackupDir=\nExportDir=  \n[System]\nLogDir=\n");
    t.app().m_strProgDir = t.dir(); // the default directory, inside the test's own folder
    t.app().ReadStartupSettings();
    const QString defaultDir = t.app().DefaultDataDir();
    EXPECT_EQ(t.app().m_strWorkDir, defaultDir);
    EXPECT_EQ(t.app().m_strBackupDir, defaultDir);
    EXPECT_EQ(t.app().m_strExportDir, defaultDir);
    EXPECT_EQ(t.app().m_logFile.Path().section(u'/', 0, -2), defaultDir);
    EXPECT_EQ(stored(t, QStringLiteral("Environment/BackupDir")).toString(), defaultDir);
}

TEST(SettingsNumbers, OutOfRangeOrNonNumbersGiveTheDefaultAndAreNeverWrittenBackWrapped)
{
    TestApp t;
    writeSettingsFile(t, "[Communication]\nTimeBetweenBytes=99999999999999\nResponseTO2=4294967295\nPort=4294967297\n"
                         "ResponseTO1=12abc\nNoDeviceSendTO=-5\n"
                         "[Options]\nNumBackups=4294967296\nFrameWidth=800\n");
    CHVXApp app; // reads the file as a start of the program does
    app.m_logFile.SetLogDir(t.dir());
    app.m_logFile.SetLevel(0);
    const QString com = QStringLiteral("Communication");
    EXPECT_EQ(app.GetIntSetting(com, QStringLiteral("TimeBetweenBytes"), 1), 1);
    EXPECT_EQ(app.GetIntSetting(com, QStringLiteral("ResponseTO2"), 2000), 2000);
    EXPECT_EQ(app.GetIntSetting(com, QStringLiteral("Port"), 0), 0);
    EXPECT_EQ(app.GetIntSetting(com, QStringLiteral("ResponseTO1"), 1000), 1000);
    EXPECT_EQ(app.GetIntSetting(com, QStringLiteral("NoDeviceSendTO"), 100), 100);
    EXPECT_EQ(app.GetIntSetting(hvx::settings::kNumBackups), 100);
    EXPECT_EQ(app.GetIntSetting(hvx::settings::kFrameWidth), 800); // in range: kept
    EXPECT_EQ(stored(t, QStringLiteral("Communication/TimeBetweenBytes")).toString(), QStringLiteral("1"));
    EXPECT_EQ(stored(t, QStringLiteral("Communication/ResponseTO2")).toString(), QStringLiteral("2000"));
    EXPECT_EQ(stored(t, QStringLiteral("Options/NumBackups")).toString(), QStringLiteral("100"));
    EXPECT_TRUE(t.logText().contains(QStringLiteral("TimeBetweenBytes"))) << t.logText().toStdString();
    EXPECT_TRUE(t.logText().contains(QStringLiteral("4294967296"))) << t.logText().toStdString();
}

TEST(SettingsNumbers, EveryIntegerSettingTakesExactlyItsRangeEndsAndNothingBeyond)
{
    for (const auto& [offset, kept] : {std::pair{0, true}, std::pair{1, false}}) {
        for (const bool atMinimum : {true, false}) {
            TestApp t;
            QMap<QByteArray, QByteArray> sections;
            for (const hvx::settings::Int* row : hvx::settings::kIntRows) {
                const qint64 end = atMinimum ? qint64(row->minValue) - offset : qint64(row->maxValue) + offset;
                sections[row->section] += QByteArray(row->name) + "=" + QByteArray::number(end) + "\n";
            }
            QByteArray text;
            for (auto it = sections.cbegin(); it != sections.cend(); ++it)
                text += "[" + it.key() + "]\n" + it.value();
            writeSettingsFile(t, text);
            CHVXApp app;
            for (const hvx::settings::Int* row : hvx::settings::kIntRows) {
                const int end = atMinimum ? row->minValue : row->maxValue;
                SCOPED_TRACE(std::string(row->section) + "/" + row->name + (atMinimum ? " minimum" : " maximum")
                             + (kept ? "" : " passed"));
                EXPECT_EQ(app.GetIntSetting(*row), kept ? end : row->defaultValue);
            }
        }
    }
}
