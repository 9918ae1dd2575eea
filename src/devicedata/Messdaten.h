#pragma once
// Measured-data lines as the instrument streams them, and the measured-data file (".dat") made
// of them. A line has 12 fields separated by exactly 11 TABs: the time stamp, then per module
// its first value, second value and enable text, then the relay state (hexadecimal) and the
// error number.
//
// Everything here is a pure function of its input, so that any received text can be fed to it.

#include "devicedata/MessStempel.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace hvx {

inline constexpr int kMesswertFelder = 12;
inline constexpr int kMesswertTabs = kMesswertFelder - 1;
inline constexpr int kMaxMesswertZeile = 254; // characters of one line in the temporary file

// The 12 fields of one line (the last without its CR LF); nothing unless the text has exactly
// 11 TABs.
std::optional<QStringList> SplitMesswertZeile(const QByteArray& text);

// What the conversion did to a line, for the log book.
struct ConversionNote {
    enum Kind { FormatCut, TimeRepaired } kind;
    QByteArray text; // the dropped line, or the stamp that was repaired
};

struct ConversionResult {
    QByteArray dat; // CR LF lines
    int written = 0;
    std::vector<ConversionNote> notes;
};

// The temporary file's text into the measured-data file: lines without exactly 11 TABs (or
// longer than 254 characters) are dropped; a bad stamp becomes the previous written stamp plus
// the interval, or for the first line the next valid stamp less n intervals (n lines ahead).
// When no valid stamp follows a bad first one, nothing more is written.
ConversionResult ConvertMessdaten(const QByteArray& temporaryText, int intervalSeconds);

} // namespace hvx
