#pragma once
// Numbers of the Strings.lan texts of the command-line tool.

namespace hvx::cli {

// Help texts run over several consecutive numbers, one line each (a language-file value is
// limited in length).
struct HelpText {
    int first;
    int lines;
};
// The usage text runs in three parts: commands on files, commands on the instrument, exit status.
constexpr HelpText kHelpUsageParts[] = {{3760, 6}, {3800, 2}, {3830, 2}, {3785, 4}, {3980, 1}, {3920, 1}, {3850, 2}, {3940, 1}, {3880, 2}, {3912, 2}, {3766, 3}, {3981, 1}};
constexpr HelpText kHelpNew{3770, 6};
constexpr HelpText kHelpInfo{3777, 2};
constexpr HelpText kHelpDump{3779, 2};
constexpr HelpText kHelpSetInfo{3781, 4};
constexpr HelpText kHelpRead{3789, 2};
constexpr HelpText kHelpTransfer{3791, 3};
constexpr HelpText kHelpClock{3794, 2};
constexpr HelpText kHelpPorts{3796, 3};
constexpr HelpText kHelpGet{3802, 4};
constexpr HelpText kHelpSet{3806, 5};
constexpr HelpText kHelpSupport{3910, 2};
constexpr HelpText kHelpExport{3832, 2};
constexpr HelpText kHelpPrint{3834, 2};
constexpr HelpText kHelpEeprom{3882, 5};
constexpr HelpText kHelpService{3887, 4};
constexpr HelpText kHelpDiff{3982, 4};
constexpr HelpText kHelpAlarms{3852, 4};
constexpr HelpText kHelpRecord{3856, 3};
constexpr HelpText kHelpInventory{3921, 5};
constexpr HelpText kHelpChart{3941, 3};

// Commands on the instrument
constexpr int kTextCalibrationChoice = 3700;
constexpr int kTextBadPort = 3701;
constexpr int kTextReadSaved = 3702;
constexpr int kTextReadLocked = 3703;
constexpr int kTextTransferred = 3704;
constexpr int kTextClockSet = 3705;
constexpr int kTextInstrumentFound = 3706;
constexpr int kTextNoFileWanted = 3707;
constexpr int kTextClockPc = 3708;
constexpr int kTextClockInstrument = 3709;
constexpr int kTextReportWritten = 3384;    // shared with the window's "Protokoll speichern…"
constexpr int kTextReportNotWritten = 3385; // %1 path, %2 cause

constexpr int kTextUnknownCommand = 3710;
constexpr int kTextUnknownOption = 3711;
constexpr int kTextOptionNeedsValue = 3712;
constexpr int kTextOptionTakesNoValue = 3713;
constexpr int kTextOneFile = 3714;
constexpr int kTextFileMissing = 3715;
constexpr int kTextFileExists = 3716;
constexpr int kTextRevisionAndModulesNeeded = 3717;
constexpr int kTextUnknownRevision = 3718;
constexpr int kTextUnknownModule = 3719;
constexpr int kTextTooManyModules = 3720;
constexpr int kTextSlotNeedsPrevious = 3721;
constexpr int kTextInvalidCombinationL = 3722;
constexpr int kTextInvalidCombination = 3723;
constexpr int kTextNewSaved = 3724;
constexpr int kTextPropertiesLocked = 3725;
constexpr int kTextPropertiesSaved = 3726;
constexpr int kTextNothingToSet = 3728;
constexpr int kTextFileError = 3729;

// Editing fields by key
constexpr int kTextNoSuchField = 3811;
constexpr int kTextFieldLocked = 3812;
constexpr int kTextNotAChoice = 3813;
constexpr int kTextFieldRefused = 3814;
constexpr int kTextReadOnly = 3815;
constexpr int kTextFieldsSaved = 3816;
constexpr int kTextNotAnAssignment = 3817;
constexpr int kTextNothingToAssign = 3818;
constexpr int kTextNothingChanged = 3819;

// Comparison
constexpr int kTextDiffArguments = 3986;

// Inventory of configuration files
constexpr int kTextInventoryError = 3926;
constexpr int kTextInventoryNoSuchFolder = 3927;
constexpr int kTextInventoryOneFormat = 3928;
constexpr int kTextInventoryCount = 3929;
constexpr int kTextInventoryNoFolder = 3930;

constexpr int kTextInfoFile = 3740;
constexpr int kTextInfoRevision = 3741;
constexpr int kTextInfoModule = 3742;
constexpr int kTextInfoCreated = 3743;
constexpr int kTextInfoSaved = 3744;
constexpr int kTextInfoTransferred = 3745;
constexpr int kTextInfoNever = 3746;
constexpr int kTextInfoSerial = 3747;
constexpr int kTextInfoCustomer = 3748;
constexpr int kTextInfoSite = 3749;
constexpr int kTextInfoRemark = 3750;
constexpr int kTextInfoUnknownRevision = 3751;
constexpr int kTextInfoAccessCode = 3752;
constexpr int kTextInfoAccessCodeOn = 3753;
constexpr int kTextInfoAccessCodeOff = 3754;
// Group titles shared with the printout
constexpr int kTextGeneralInformation = 3600;
constexpr int kTextFittedModules = 3601;

constexpr int kTextSupportWritten = 3914;
constexpr int kTextAtMostOneFile = 3916;
// Export and print
constexpr int kTextExportWritten = 3836;
constexpr int kTextPdfWritten = 3837;
constexpr int kTextPdfWrittenOnePage = 3969;
constexpr int kTextInputAndOutput = 3838;
constexpr int kTextOutputFailed = 3839;
// Service tools: EEPROM image and service commands
constexpr int kTextUnknownAction = 3891;
constexpr int kTextBadRange = 3892;
constexpr int kTextEepromRead = 3893;
constexpr int kTextEepromWritten = 3894;
constexpr int kTextEepromReadOne = 3970;
constexpr int kTextEepromWrittenOne = 3971;
constexpr int kTextBadCommandByte = 3895;
constexpr int kTextBadServiceEntry = 3896;
constexpr int kTextNothingWritten = 3898;
// Alarm data and measured data
constexpr int kTextUnknownAlarmAction = 3860;
constexpr int kTextAlarmsSaved = 3861;
constexpr int kTextAlarmsDeleted = 3862;
constexpr int kTextAlarmsNotDeleted = 3863;
constexpr int kTextLinesReceived = 3864;
constexpr int kTextLineReceived = 3968;
constexpr int kTextAlarmFileUnreadable = 3866;
constexpr int kTextNotAnAlarmFile = 3476;

} // namespace hvx::cli
