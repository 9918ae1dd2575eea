#include "app/AboutInfo.h"

#include "base/Language.h"
#include "hvx_version.h"

namespace hvx {
namespace {
const QString kSection = QStringLiteral("Info-Dialog");
constexpr int kVersionLine = 1390;
constexpr int kSecondLine = 1391;
// Before a language is chosen the dialog texts are the built-in German ones.
const QString kBuiltinVersionLine = QStringLiteral("HVX Version %s");
const QString kBuiltinSecondLine = QStringLiteral("Konfigurationsprogramm für den Hydrovant");

QString dialogText(int id, const QString& builtin)
{
    return GetDialogTextOr(kSection, id, builtin);
}
} // namespace

QString BuildDateText()
{
    return QString::fromLatin1(__DATE__);
}

AboutTexts AboutTextsFor(const QString& version)
{
    QString format = dialogText(kVersionLine, kBuiltinVersionLine);
    return {format.replace(QLatin1String("%s"), version), dialogText(kSecondLine, kBuiltinSecondLine), BuildDateText()};
}

QStringList VersionOutput(const QString& version)
{
    const AboutTexts texts = AboutTextsFor(version);
    QStringList lines{texts.versionLine};
    if (!texts.secondLine.isEmpty())
        lines << texts.secondLine;
    lines << texts.buildDate;
    // The exact version of the build, also when a language file's line leaves it out.
    if (!texts.versionLine.contains(QLatin1String(HVX_VERSION_TEXT)))
        lines << QStringLiteral(HVX_VERSION_TEXT);
    return lines;
}

} // namespace hvx
