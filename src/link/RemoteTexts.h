#pragma once
// Numbers of the Strings.lan texts of remote programming.

namespace hvx {

constexpr int kTextConfigurationNotRead = 284; // "Konfiguration konnte nicht gelesen werden!"
constexpr int kTextParametersNotRead = 285;    // "Parameter konnten nicht gelesen werden!"
constexpr int kTextConfigurationMismatch = 286; // "Konfigurationen stimmen nicht überein!"
constexpr int kTextTransferFailed = 287;       // "Parameter konnten nicht übertragen werden!"
constexpr int kTextAskOverwriteCalibration = 434; // "Sollen die Kalibrierdaten wirklich überschrieben werden?"
constexpr int kTextTransferDone = 467;         // "Parameter wurden erfolgreich übertragen."
constexpr int kTextRemoteFileMissing = 3301;   // the batch file does not exist
constexpr int kTextNoServiceDialog = 3302;     // service mode without a service dialog
constexpr int kTextVerifyFailed = 3303;        // %1 = the differences, one per line
constexpr int kTextVerifyByte = 3304;          // %1 offset, %2 sent, %3 read back
constexpr int kTextMismatchRevision = 3305;    // %1 the instrument's revision, %2 the file's
constexpr int kTextMismatchSlot = 3306;        // %1 slot 1..3, %2 the instrument's module, %3 the file's
constexpr int kTextStampNotWritten = 3380;     // transferred, but the file %1 got no transfer stamp
constexpr int kTextSaveReport = 3381;          // "Protokoll speichern…": the follow-up of the success message

} // namespace hvx
