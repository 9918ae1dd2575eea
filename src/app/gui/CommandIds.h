#pragma once
// Command ids of the menu, tool bar and accelerators. The language files key status-bar texts
// and tool tips by these numbers, so they must not change.

namespace hvx::cmd {

enum : int {
    // File
    kFileNew = 57600,
    kFileOpen = 57601,
    kFileSave = 57603,
    kFileSaveAs = 57604,
    kFilePrintSetup = 57606,
    kFilePrint = 57607,
    kFilePrintDirect = 57608,
    kFilePrintPreview = 57609,
    kFileMru1 = 57616,
    kFileMru4 = 57619,
    kAppExit = 57665,
    kPrinterFont = 32778,
    kFileProperties = 32779,
    kExportText = 32795,
    // Edit
    kChangeModuleConfig = 32777,
    kVersionAdaptation = 32799,
    // View
    kViewToolbar = 59392,
    // Data
    kDefaultsCurrent = 32793,
    kDefaultsAll = 32794,
    kCheckPage = 32798,
    kShowMeasuredData = 32804,
    // Remote
    kSelectPort = 32776,
    kSetDateTime = 32797,
    kReadParameters = 32772,
    kTransferParameters = 32773,
    kTransferProgramming = 32784,
    kAlarmData = 32803,
    kMeasuredData = 32796,
    kCompareWithInstrument = 32805,
    // Extras
    kSettings = 32782,
    // Help
    kHelpIndex = 32781,
    kHelpFinder = 32780,
    kAppAbout = 57664,
    kContextHelp = 57669,
    // Language menu: item k stands for language folder number k
    kLanguageFirst = 183,
    kLanguageLast = 202,
    // The framework's idle prompt in the status bar
    kIdleMessage = 57345,
};

inline bool isLanguageCommand(int id)
{
    return id >= kLanguageFirst && id <= kLanguageLast;
}

inline bool isRecentFileCommand(int id)
{
    return id >= kFileMru1 && id <= kFileMru4;
}

} // namespace hvx::cmd
