#pragma once
// Numbers of the Strings.lan texts shown by the configuration file and the document.

namespace hvx {

constexpr int kTextWrongVersion = 436;          // "Parametersatz paßt nicht zur Version von HVX!"
constexpr int kTextNotAConfigFile = 3200;       // "Die zu öffnende Datei %s ist keine Konfigurationsdatei."
constexpr int kTextAccessWrongDocument = 365;   // wrong access code: repeat, or show read-only
constexpr int kTextAccessWrongInstrument = 437; // wrong access code: repeat, or do not transfer
constexpr int kTextAccessCodeGivenWrong = 3230; // the code given in advance is wrong
constexpr int kTextTitleNew = 3203;             // "Modulkonfiguration neu..."
constexpr int kTextTitleChange = 3204;          // "Modulkonfiguration ändern..."
constexpr int kTextContinuation = 3205;         // "(Fortsetzung)"
constexpr int kTextBackupFailed = 3250;         // backup %1 could not be made: %2
// Causes of a failed file operation, shown inside the messages that name the file.
constexpr int kTextCauseNoStampSlot = 3234;     // %1 the slot
constexpr int kTextChangedOnDisk = 3270;        // %1 changed since opened: keep it and save elsewhere?
constexpr int kTextFileEndsEarly = 3280;        // %1 bytes, %2 expected
constexpr int kTextFileReadOnly = 3281;         // open for reading only (write-protected)
constexpr int kTextFileNotOpen = 3282;
constexpr int kTextFileTooShort = 3283;         // %1 bytes, fewer than the %2 of a configuration file

} // namespace hvx
