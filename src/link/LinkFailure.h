#pragma once
// The last failure of a link to the instrument in this process: its status and the port. The
// link notes every failure it reports (a port that cannot be opened, no answer to the connect,
// a time-out, a checksum error, a refusal); hvxcli makes one that ended a command its exit status.

#include <QString>
#include <QtGlobal>
#include <optional>

namespace hvx {

struct LinkFailure {
    qint32 status = 0; // CKelComm::Status
    QString port;      // "COM5: /dev/ttyUSB0"
};

// Thread-safe; the last failure wins.
void NoteLinkFailure(const LinkFailure& failure);
// The failure noted since the last call, which is then forgotten.
std::optional<LinkFailure> TakeLinkFailure();

} // namespace hvx
