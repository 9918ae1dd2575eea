#pragma once
// Windows-1252, the single-byte code page in which existing installations store the texts of
// the information block. Conversion is by table, so it does not depend on the platform's codecs.

#include <QByteArray>
#include <QString>

namespace hvx {

// Every byte maps to one character; the five bytes that code page leaves undefined map to the
// C1 control of the same value, so that any file text survives a read and write unchanged.
QString FromCp1252(const QByteArray& bytes);

// Characters the code page cannot hold become '?'.
QByteArray ToCp1252(const QString& text);

} // namespace hvx
