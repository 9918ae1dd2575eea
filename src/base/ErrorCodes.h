#pragma once
// Areas and codes of the process-wide error code (SetErrorCode adds area and code and sets the top bit).

#include <QtGlobal>

namespace hvx {

constexpr quint32 kErrorAreaConfigFile = 0x01000000;
constexpr quint32 kErrorAreaDeviceLink = 0x02000000;
constexpr quint32 kErrorAreaRemote = 0x04000000;
constexpr quint32 kErrorFlag = 0x80000000;

// Configuration file (area 1)
constexpr quint32 kErrOpenException = 0x001;
constexpr quint32 kErrCreate = 0x002;
constexpr quint32 kErrWriteNullFile = 0x004;
constexpr quint32 kErrWriteHeader = 0x008;
constexpr quint32 kErrWriteTimeStamp = 0x010;
constexpr quint32 kErrReadConfig = 0x020;
constexpr quint32 kErrReadInfoBlock = 0x040;
constexpr quint32 kErrWriteConfig = 0x080;
constexpr quint32 kErrWriteInfoBlock = 0x100;
constexpr quint32 kErrNotAConfigFile = 0x200;

// Remote programming (area 4)
constexpr quint32 kErrAccessCode = 0x002;
constexpr quint32 kErrConfigMismatch = 0x004;
constexpr quint32 kErrVerifyMismatch = 0x008; // the parameters read back differ from those written

} // namespace hvx
