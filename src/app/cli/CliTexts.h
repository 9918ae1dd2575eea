#pragma once
// Numbers of the Strings.lan texts of the command-line tool.

namespace hvx::cli {

// Help texts run over several consecutive numbers, one line each (a language-file value is
// limited in length).
struct HelpText {
    int first;
    int lines;
};
constexpr HelpText kHelpUsage{3760, 9};
constexpr HelpText kHelpNew{3770, 6};
constexpr HelpText kHelpInfo{3777, 2};
constexpr HelpText kHelpDump{3779, 2};
constexpr HelpText kHelpSetInfo{3781, 4};

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

} // namespace hvx::cli
