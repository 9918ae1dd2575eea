// hvxcli info: what a configuration file holds at a glance (revision, modules, stamps, texts).
#include "base/Language.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "document/ConfigFileSummary.h"
#include "document/HVXDoc.h"

#include <QStringList>

namespace hvx::cli {
namespace {

constexpr int kLabelWidth = 16;

void writeField(QTextStream& out, const QString& label, const QString& value)
{
    // Continuation lines of a multi-line text start under its first line; what the file holds
    // reaches the terminal without control characters.
    const QStringList lines = value.split(QStringLiteral("\r\n"));
    out << label.leftJustified(kLabelWidth) << TerminalText(lines.first()) << '\n';
    for (qsizetype i = 1; i < lines.size(); ++i)
        out << QString(kLabelWidth, QLatin1Char(' ')) << TerminalText(lines[i]) << '\n';
}

QString stampText(const QByteArray& stamp)
{
    const QString text = StampText(stamp);
    return text.isEmpty() ? GetStringsText(kTextInfoNever) : text;
}

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    CHVXDoc doc;
    const QString path = OpenFileArgument(doc, arguments, io, false);
    if (path.isEmpty())
        return CommandResult::Failed;
    std::array<QByteArray, configfile::kStampSlotCount> stamps;
    CKelConfigFile& file = doc.configFile();
    bool read = file.OpenConfigFile(path);
    for (int slot = 0; read && slot < configfile::kStampSlotCount; ++slot)
        read = file.ReadZeit(slot, stamps[slot]);
    file.Close();
    if (!read)
        return FailedFile(doc, path, io);

    const Parametersatz& ps = doc.parametersatz();
    QTextStream& out = io.out;
    writeField(out, GetStringsText(kTextInfoFile), path);
    writeField(out, GetStringsText(kTextInfoRevision), RevisionWithCode(ps.geraetekennung()));
    for (int slot = 0; slot < layout::kSlotAnzahl; ++slot)
        writeField(out, GetStringsText(kTextInfoModule).arg(slot + 1), ModuleText(ps, slot));
    writeField(out, GetStringsText(kTextInfoAccessCode), GetStringsText(ps.zugangscodeAktiv() ? kTextInfoAccessCodeOn : kTextInfoAccessCodeOff));
    const int stampLabels[] = {kTextInfoCreated, kTextInfoSaved, kTextInfoTransferred};
    for (int slot = 0; slot < configfile::kStampSlotCount; ++slot)
        writeField(out, GetStringsText(stampLabels[slot]), stampText(stamps[slot]));
    const InfoTexts& texts = doc.infoTexts();
    writeField(out, GetStringsText(kTextInfoSerial), texts.seriennummer);
    writeField(out, GetStringsText(kTextInfoCustomer), texts.kunde);
    writeField(out, GetStringsText(kTextInfoSite), texts.standort);
    writeField(out, GetStringsText(kTextInfoRemark), texts.bemerkung);
    out.flush();
    return CommandResult::Ok;
}

} // namespace

const CliCommand& InfoCommand()
{
    static const CliCommand command{"info", kHelpInfo, {}, run};
    return command;
}

} // namespace hvx::cli
