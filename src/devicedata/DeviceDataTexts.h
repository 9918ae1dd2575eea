#pragma once
// Numbers of the Strings.lan texts of the service tools (EEPROM image and service commands).

#include <QString>

namespace hvx {

constexpr int kTextEepromWriteQuestion = 3450; // "Do you REALLY want to send %d Bytes to the EEPROM ..."
constexpr int kTextEepromErrorAtAddress = 3451; // "Error at address 0x%02X"
constexpr int kTextEepromReading = 3452;       // progress title
constexpr int kTextEepromWriting = 3453;       // progress title
constexpr int kTextHxpFilter = 3454;           // file type of the image files
constexpr int kTextHxpSaveTitle = 3455;
constexpr int kTextHxpLoadTitle = 3456;
constexpr int kTextHxpBadLines = 3457;         // lines of a loaded file that could not be read
constexpr int kTextHxpFileError = 3458;        // file, cause
constexpr int kTextRawAnswerCount = 3459;      // the number of answer bytes of a raw command
constexpr int kTextEepromWriteDone = 3461;     // %1 bytes written, %2 seconds taken
constexpr int kTextServiceEntryWritten = 3897; // "Eintrag %1 des Serviceblocks geschrieben."

// Replaces the first printf-style placeholder of a language text ("%d", "%02X", ...) with the
// value: the texts keep their established form, and a translation cannot break the program.
QString FillPlaceholder(QString text, const QString& value);

} // namespace hvx
