#pragma once
// What a successful transfer to the instrument did, kept for its service report: when, over which
// port, which file with which texts, the instrument's parameter set before (read by the transfer
// itself), the file's set as it was read, the set that was sent, whether the instrument's
// calibration data were kept, and how the check after writing ended where it ran.

#include "document/InfoBlock.h"
#include "model/Parametersatz.h"

#include <QDateTime>
#include <QString>

namespace hvx {

struct TransferRecord {
    enum class Check {
        NotRun, // no read-back after writing
        Passed, // the instrument stored what was sent
    };

    QDateTime time;  // when the instrument had the parameters
    QString port;    // the port's name
    QString device;  // the device behind it
    QString path;    // the configuration file
    InfoTexts texts; // its general information
    Parametersatz before; // the instrument's set, read before writing
    Parametersatz file;   // the file's set, before the instrument's calibration data were kept
    Parametersatz sent;   // configuration part of the instrument, parameter part as sent
    bool calibrationKept = false;
    Check check = Check::NotRun;
};

} // namespace hvx
