// hvxcli eeprom read|write: the instrument's EEPROM image to and from a .hxp file, through the
// same reading and writing as the hex dump dialog.
#include "base/ErrorCodes.h"
#include "base/HvxApp.h"
#include "base/Language.h"
#include "app/cli/ScopedInteraction.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "app/cli/TerminalProgress.h"
#include "app/cli/TerminalQuestions.h"
#include "devicedata/DeviceDataTexts.h"
#include "devicedata/EepromTransfer.h"
#include "base/WholeFile.h"

#include <optional>

namespace hvx::cli {
namespace {

constexpr OptionDef kOptions[] = {kPortOption, {"range", true}, {"all", false}, {"yes", false}, kOverwriteOption,
                                  kServiceOption};
constexpr int kTextMissingLine = 3962;
constexpr int kTextWrongAddress = 3963;
constexpr int kTextNotHexBytes = 3964;
constexpr int kTextRangeOrAll = 3965;
// 128 full lines are about 7 KB; a much larger file is no image.
constexpr qint64 kImageFileLimit = 64 * 1024;

// "FROM-TO" in hex, TO exclusive; the whole image without the option.
std::optional<EepromRange> RangeOption(const CliArguments& arguments)
{
    if (!arguments.has("range"))
        return EepromRange{};
    const QStringList parts = arguments.value("range").split(QLatin1Char('-'));
    if (parts.size() != 2)
        return std::nullopt;
    bool fromOk = false, toOk = false;
    const int from = parts[0].toInt(&fromOk, 16);
    const int to = parts[1].toInt(&toOk, 16);
    if (!fromOk || !toOk || from < 0 || to <= from || to > kEepromSize)
        return std::nullopt;
    return EepromRange{from, to};
}

// Questions and progress of this run on the terminal, removed again when the run ends.
class CliInteraction {
public:
    CliInteraction(CliIo& io, bool answerYes)
        : m_question(theApp().ui(), io.err, answerYes, false), m_progress(m_question, io.err),
          m_scope(TerminalProgress::ErrorIsTerminal() ? static_cast<IUserInteraction&>(m_progress) : m_question)
    {
    }

private:
    TerminalQuestions m_question;
    TerminalProgress m_progress;
    ScopedInteraction m_scope;
};

CommandResult Finish(const EepromTransferResult& result)
{
    if (result.linkStatus != 0)
        theApp().SetErrorCode(kErrorAreaDeviceLink, quint32(result.linkStatus));
    return result.ok ? CommandResult::Ok : CommandResult::Failed;
}

QString Hex(int value)
{
    return QString::number(value, 16).toUpper();
}

CommandResult Read(const QString& path, EepromRange range, CliIo& io)
{
    EepromImage image = FreshEepromImage();
    const CliInteraction interaction(io, false);
    const EepromTransferResult result = ReadEeprom(image, range);
    if (!result.ok)
        return Finish(result);
    QString error;
    if (!SaveHxpFile(path, image, &error))
        return Fail(io, GetStringsText(kTextHxpFileError).arg(path, error));
    io.out << GetStringsTextForCount(range.count(), kTextEepromReadOne, kTextEepromRead).arg(path).arg(range.count()).arg(Hex(range.first))
           << Qt::endl;
    return CommandResult::Ok;
}

// Only a complete image is written: a short, empty or shifted file would put FF or the bytes of
// other lines into memory the user never loaded.
CommandResult Write(const QString& path, EepromRange range, bool answerYes, CliIo& io)
{
    QByteArray text;
    QString error;
    if (!ReadWholeFile(path, kImageFileLimit, text, &error))
        return Fail(io, GetStringsText(kTextHxpFileError).arg(path, error));
    if (const std::optional<HxpProblem> problem = FindHxpProblem(text)) {
        const int line = problem->line;
        switch (problem->kind) {
        case HxpProblem::MissingLine: return Fail(io, GetStringsText(kTextMissingLine).arg(path).arg(line));
        case HxpProblem::WrongAddress:
            return Fail(io, GetStringsText(kTextWrongAddress).arg(path).arg(line).arg(Hex((line - 1) * kHxpBytesPerLine)));
        case HxpProblem::NotHexBytes: return Fail(io, GetStringsText(kTextNotHexBytes).arg(path).arg(line));
        }
    }
    EepromImage image = FreshEepromImage();
    ReadHxpText(text, image);
    const CliInteraction interaction(io, answerYes);
    const EepromTransferResult result = WriteEeprom(image, range);
    if (!result.ok && result.failedAddress < 0 && result.linkStatus == 0)
        return Fail(io, GetStringsText(kTextNothingWritten));
    if (!result.ok)
        return Finish(result);
    io.out << GetStringsTextForCount(range.count(), kTextEepromWrittenOne, kTextEepromWritten).arg(range.count()).arg(Hex(range.first))
           << Qt::endl;
    return CommandResult::Ok;
}

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    const QString action = arguments.positional.value(0);
    if (action != QLatin1String("read") && action != QLatin1String("write"))
        return Fail(io, GetStringsText(kTextUnknownAction).arg(action));
    if (arguments.positional.size() != 2)
        return Fail(io, GetStringsText(kTextOneFile));
    const std::optional<EepromRange> range = RangeOption(arguments);
    if (!range)
        return Fail(io, GetStringsText(kTextBadRange).arg(arguments.value("range")));
    if (!ApplyPortOption(arguments, io))
        return CommandResult::Failed;
    const QString path = arguments.positional[1];
    if (action == QLatin1String("read"))
        return OutputAllowed(arguments, path, {}, io) ? Read(path, *range, io) : CommandResult::Failed;
    if (!ServiceModeGiven(arguments, QStringLiteral("eeprom write"), io))
        return CommandResult::Failed;
    // The whole memory only when asked for: an image saved by a range read holds FF elsewhere.
    if (arguments.has("range") == arguments.has("all"))
        return Fail(io, GetStringsText(kTextRangeOrAll));
    return Write(path, *range, arguments.has("yes"), io);
}

} // namespace

const CliCommand& EepromCommand()
{
    static const CliCommand command{"eeprom", kHelpEeprom, kOptions, run};
    return command;
}

} // namespace hvx::cli
