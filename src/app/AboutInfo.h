#pragma once
// The program's version lines as the about box, "hvx --version" and "hvxcli --version" show
// them, from the one project version of the build.

#include <QString>
#include <QStringList>

namespace hvx {

// The build date in the compiler's format ("Jul  5 2012").
QString BuildDateText();

// The about box's texts: the version line (section "Info-Dialog", 1390, with the version), the
// second line (1391) and the build date.
struct AboutTexts {
    QString versionLine;
    QString secondLine;
    QString buildDate;
};
AboutTexts AboutTextsFor(const QString& version);

// The lines printed for --version: the about box's lines and the exact project version.
QStringList VersionOutput(const QString& version);

} // namespace hvx
