#pragma once
// The application object: settings, program-wide paths and flags, the port number, the
// language files, the log book and the process-wide error code. One instance is current
// at a time (theApp()); tests create their own, which replaces the current one while it lives.

#include "base/HvxLogFile.h"
#include "base/SettingsTable.h"
#include "base/UserInteraction.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <atomic>

class QSettings;

class CHVXApp {
public:
    CHVXApp();
    ~CHVXApp();
    CHVXApp(const CHVXApp&) = delete;
    CHVXApp& operator=(const CHVXApp&) = delete;

    // --- settings (INI file per user, or the file named by HVX_SETTINGS) ---
    int GetIntSetting(const QString& section, const QString& value, int defaultValue);
    QString GetStringSetting(const QString& section, const QString& value, const QString& defaultValue);
    // The same for a row of the settings table (base/SettingsTable.h).
    int GetIntSetting(const hvx::settings::Int& setting);
    QString GetStringSetting(const hvx::settings::Text& setting, const QString& defaultValue);
    QString GetStringSetting(const hvx::settings::Text& setting);
    // A directory setting; an empty one is replaced by defaultDir (logged and written back).
    QString GetDirectorySetting(const hvx::settings::Text& setting, const QString& defaultDir);
    // Clears buffer to size bytes, then reads; returns 0 on success, non-zero when missing (no write-back).
    long GetBinarySetting(const QString& section, const QString& value, QByteArray& buffer, int size);
    bool SetBinarySetting(const QString& section, const QString& value, const QByteArray& data);
    void WriteProfileInt(const QString& section, const QString& value, int data);
    void WriteProfileString(const QString& section, const QString& value, const QString& data);
    // Read what is stored, without writing the default back.
    QString GetProfileString(const QString& section, const QString& value, const QString& defaultValue);
    int GetProfileInt(const QString& section, const QString& value, int defaultValue);
    // Writes pending changes to the settings file (before the file itself is read).
    void SyncSettings();
    void SetPort(int n);
    QString SettingsFilePath() const;
    // Reads every value that start-up needs (directories, log book, window size, port, language,
    // date and time pictures), writing missing ones back with their defaults.
    void ReadStartupSettings();

    // --- command line ---
    // Arguments after the program name. Returns the arguments left for the standard handling
    // (a file name to open), in order, with a leading '-' or '/' removed from flags.
    struct StandardArgument {
        QString text;
        bool isFlag = false;
        QChar mark; // the flag's leading '-' or '/', removed from text
        bool isLast = false;
    };
    QList<StandardArgument> ParseCommandLine(const QStringList& arguments);

    // --- error code ---
    void SetErrorCode(quint32 area, quint32 code);
    quint32 ErrorCode() const { return m_errorCode.load(); }
    // Exit status for the process: 0 without failure, else the area number (1, 2, 4).
    int ExitStatus() const;
    static int ExitStatusOf(quint32 errorCode);
    // Reports a non-zero error code on standard error and in the log book (level 0).
    void ReportErrorCode();

    // --- language ---
    void LoadLanguage();
    void SetLanguage(const QString& folderName);
    void CheckLanguageFileVersion(const QString& path);
    void LoadDateTimePictures(); // m_strTimeFormat, m_strDateFormat, m_strLongDateFormat
    QStringList LanguageFolders() const; // "01-Deutsch", "02-English", ... up to the first gap

    // --- directories ---
    // The directory of the running executable (where the language folders are).
    static QString ExecutableDir();
    // The default for the environment and log directories: the program directory, or the
    // per-user data location when the program directory cannot be written or lies below /usr
    // (a system install).
    QString DefaultDataDir() const;
    // The per-user data folder (created when needed).
    static QString UserDataDir();
    // dir, or DefaultDataDir() when dir is empty: files never go to the file-system root.
    QString DirectoryOrDefault(const QString& dir) const;

    // --- user interaction ---
    hvx::IUserInteraction& ui();
    void SetUserInteraction(hvx::IUserInteraction* interaction); // not owned

    // --- state (names as the instrument tool has always used them) ---
    CHvxLogFile m_logFile;
    QString m_strProgDir;
    QString m_strWorkDir, m_strBackupDir, m_strExportDir, m_strMessdatDir, m_strAlarmdatDir;
    int m_nStartChoice = 0;
    bool m_bInShellCommand = false;
    int m_nPort = 0;
    QString m_strTimeFormat, m_strDateFormat, m_strLongDateFormat;
    QString m_strVersion;
    bool m_bRemote = false;
    QString m_strRemoteFile;
    QString m_strReportFile; // "/Report:FILE": the batch transfer's report (.pdf or .txt)
    bool m_bSaveCalib = false;
    bool m_bVerify = false; // "/Verify": transfers of this run read back and compare
    int m_nFrameWidth = 690, m_nFrameHeight = 580;
    QString m_strMainLan, m_strStringsLan, m_strDialogLan, m_strLanguage, m_strHelpFile;
    bool m_bComOptions = false;
    bool m_bService = false;

private:
    QSettings& settings();
    void writeSetting(const QString& key, const QVariant& data);
    // The stored value as one plain string (a comma is part of it); present tells whether it exists.
    QString storedText(const QString& section, const QString& value, bool* present);
    static void unlistValues(QSettings& store);
    struct Private;
    Private* d;
    std::atomic<quint32> m_errorCode{0};
    CHVXApp* m_previous = nullptr;
};

// The current application object.
CHVXApp& theApp();
