#pragma once
// Every value of the settings file: section, name and default, one row per value. Readers use
// these rows with CHVXApp::GetIntSetting / GetStringSetting, which write the default back when
// the value is missing. An integer outside its row's range, or not a number, is replaced by the
// default (logged); a range keeps a hand-edited value from stalling or disabling a feature.

#include <climits>

namespace hvx::settings {

struct Int {
    const char* section;
    const char* name;
    int defaultValue;
    int minValue = INT_MIN;
    int maxValue = INT_MAX;
};

struct Text {
    const char* section;
    const char* name;
    const char* defaultValue; // nullptr: the default depends on the reader (see the comment)
};

// Environment: working directories; default the program's data directory (CHVXApp::DefaultDataDir).
inline constexpr Text kWorkDir{"Environment", "WorkDir", nullptr};
inline constexpr Text kBackupDir{"Environment", "BackupDir", nullptr};
inline constexpr Text kExportDir{"Environment", "ExportDir", nullptr};
inline constexpr Text kMessdatDir{"Environment", "MessdatDir", nullptr};
inline constexpr Text kAlarmdatDir{"Environment", "AlarmdatDir", nullptr};

// System
inline constexpr Text kLogDir{"System", "LogDir", nullptr}; // default as the working directories
inline constexpr Int kLogLevel{"System", "LogLevel", 1, 0, 2};
inline constexpr Text kLanguage{"System", "Language", ""};
inline constexpr Text kMailto{"System", "Mailto", nullptr}; // default: numbered text 373

// Options
inline constexpr Int kFrameWidth{"Options", "FrameWidth", 690, 100, 20000};
inline constexpr Int kFrameHeight{"Options", "FrameHeight", 580, 100, 20000};
inline constexpr Int kTitletime{"Options", "Titletime", 5, 0, 3600};
inline constexpr Text kBitmapFile24{"Options", "BitmapFile24", "Title24b.bmp"};
inline constexpr Text kBitmapFile256{"Options", "BitmapFile256", "Title256.bmp"};
// The logo is read as SVG on this platform; the setting keeps its established name.
inline constexpr Text kLogoFileEMF{"Options", "LogoFileEMF", "Vormak-Logo.svg"};
inline constexpr Int kLogoWidth{"Options", "LogoWidth", 250, 0, 20000};
inline constexpr Int kLogoPosX{"Options", "LogoPosX", 410, -20000, 20000};
inline constexpr Int kLogoPosY{"Options", "LogoPosY", 440, -20000, 20000};
inline constexpr Int kNumBackups{"Options", "NumBackups", 100, 0, 1000};

// Print (1/10 mm). Right and Indent3 have a different default when first read by printing than
// when first read by the print options page.
inline constexpr Int kPrintLeft{"Print", "Left", 100, 0, 10000};
inline constexpr Int kPrintRightForPrinting{"Print", "Right", 400, 0, 10000};
inline constexpr Int kPrintRightForOptions{"Print", "Right", 200, 0, 10000};
inline constexpr Int kPrintIndent1{"Print", "Indent1", 100, 0, 10000};
inline constexpr Int kPrintIndent2{"Print", "Indent2", 200, 0, 10000};
inline constexpr Int kPrintIndent3ForPrinting{"Print", "Indent3", 600, 0, 10000};
inline constexpr Int kPrintIndent3ForOptions{"Print", "Indent3", 500, 0, 10000};
inline constexpr Int kPrintLogoWidth{"Print", "LogoWidth", 450, 0, 10000};
inline constexpr const char* kPrintFontSection = "Print"; // binary, 60 bytes, not written back
inline constexpr const char* kPrintFontName = "Font";

// Communication (milliseconds, except the port index 0..255)
inline constexpr Int kPort{"Communication", "Port", 0, 0, 255};
inline constexpr Int kResponseTO1{"Communication", "ResponseTO1", 1000, 0, 600000};
inline constexpr Int kResponseTO2{"Communication", "ResponseTO2", 2000, 0, 600000};
inline constexpr Int kResponseThreadTO{"Communication", "ResponseThreadTO", 2000, 0, 600000};
inline constexpr Int kNoDeviceSendTO{"Communication", "NoDeviceSendTO", 100, 0, 60000};
inline constexpr Int kTimeBetweenBytes{"Communication", "TimeBetweenBytes", 1, 0, 1000};
// 1: a transfer reads the parameters back and compares them with what it wrote.
inline constexpr Int kVerifyAfterWrite{"Communication", "VerifyAfterWrite", 0, 0, 1};
inline constexpr Int kReadIntervalTimeout{"Communication", "ReadIntervalTimeout", -1, -1, 600000};
inline constexpr Int kReadTotalTimeoutMultiplier{"Communication", "ReadTotalTimeoutMultiplier", 0, 0, 60000};
inline constexpr Int kReadTotalTimeoutConstant{"Communication", "ReadTotalTimeoutConstant", 1000, 0, 600000};
inline constexpr Int kWriteTotalTimeoutMultiplier{"Communication", "WriteTotalTimeoutMultiplier", 1, 0, 60000};
inline constexpr Int kWriteTotalTimeoutConstant{"Communication", "WriteTotalTimeoutConstant", 0, 0, 600000};

// Service: bytes per memory read of the EEPROM image (1..255; 1 reads byte by byte)
inline constexpr Int kReadBlockSize{"Service", "ReadBlockSize", 255, 1, 255};

// The rows whose range applies when a value is read by section and name.
inline constexpr const Int* kIntRows[] = {
    &kLogLevel, &kFrameWidth, &kFrameHeight, &kTitletime, &kLogoWidth, &kLogoPosX, &kLogoPosY, &kNumBackups,
    &kPrintLeft, &kPrintRightForPrinting, &kPrintIndent1, &kPrintIndent2, &kPrintIndent3ForPrinting,
    &kPrintLogoWidth, &kPort, &kResponseTO1, &kResponseTO2, &kResponseThreadTO, &kNoDeviceSendTO,
    &kTimeBetweenBytes, &kReadIntervalTimeout, &kReadTotalTimeoutMultiplier, &kReadTotalTimeoutConstant,
    &kWriteTotalTimeoutMultiplier, &kWriteTotalTimeoutConstant, &kVerifyAfterWrite, &kReadBlockSize,
};


} // namespace hvx::settings
