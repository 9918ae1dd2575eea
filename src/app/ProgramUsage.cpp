#include "app/ProgramUsage.h"

#include "base/Language.h"

namespace hvx {
namespace {

constexpr int kTextUsageFirst = 3031; // one line each, up to kTextUsageLast
constexpr int kTextUsageLast = 3042;
constexpr int kTextNoDisplay = 3043;      // "...: %1. ..."
constexpr int kTextNoDisplaySet = 3044;   // reason: neither variable set
constexpr int kTextDisplayNotOpen = 3045; // reason: the window system refused

QString NoDisplayText(int reason)
{
    return GetStringsText(kTextNoDisplay).arg(GetStringsText(reason));
}

// Whether the window system named in QT_QPA_PLATFORM (a list separated by ';' is tried in
// order) finds what it needs; without the variable Qt tries X11 and Wayland.
bool DisplaySet()
{
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const QString platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platforms.trimmed().isEmpty())
        return x11 || wayland;
    for (const QString& platform : platforms.split(u';', Qt::SkipEmptyParts)) {
        const QString name = platform.section(u':', 0, 0).trimmed();
        if (name == QLatin1String("xcb") ? x11 : name.startsWith(QLatin1String("wayland")) ? wayland : true)
            return true;
    }
    return false;
}

} // namespace

bool AsksForHelp(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"));
}

QString HvxUsageText()
{
    QStringList lines;
    for (int number = kTextUsageFirst; number <= kTextUsageLast; ++number)
        lines << GetStringsText(number);
    return lines.join(u'\n');
}

std::optional<QString> MissingDisplayText()
{
    if (DisplaySet())
        return std::nullopt;
    return NoDisplayText(kTextNoDisplaySet);
}

QString DisplayNotOpenedText()
{
    return NoDisplayText(kTextDisplayNotOpen);
}

} // namespace hvx
