// hvxcli alarms: the instrument's alarm memory into a file (read), a file as a table (show),
// and deleting the memory (delete); the same commands as the alarm dialog's buttons.
#include "app/cli/ScopedInteraction.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "app/cli/TerminalQuestions.h"
#include "base/HvxApp.h"
#include "base/Language.h"
#include "devicedata/AlarmData.h"
#include "devicedata/TextFile.h"
#include "document/HVXDoc.h"

namespace hvx::cli {
namespace {

constexpr OptionDef kOptions[] = {kPortOption, {"access-code", true}, {"yes", false}, kOverwriteOption};
constexpr int kTextOccurred = 446;
constexpr int kTextStored = 447;
constexpr int kTextColumnFirst = 459; // "Alarm von", "Alarm bis", "Alarmbezeichnung"

CommandResult Read(const CliArguments& arguments, CliIo& io)
{
    if (arguments.positional.size() != 2)
        return Fail(io, GetStringsText(kTextOneFile));
    const QString path = arguments.positional[1];
    if (!OutputAllowed(arguments, path, {}, io) || !ApplyPortOption(arguments, io))
        return CommandResult::Failed;
    if (!FetchAlarmFile(path))
        return CommandResult::Failed;
    io.out << GetStringsText(kTextAlarmsSaved).arg(path) << Qt::endl;
    return CommandResult::Ok;
}

QString Count(int text, int count)
{
    return GetStringsText(text).replace(QLatin1String("%d"), QString::number(count)).replace(u'\t', QLatin1String(": "));
}

CommandResult Show(const CliArguments& arguments, CliIo& io)
{
    if (arguments.positional.size() != 2)
        return Fail(io, GetStringsText(kTextOneFile));
    const QString path = arguments.positional[1];
    // The list as the dialog shows it after loading: sorted by start, ascending.
    AlarmListState list;
    switch (list.LoadFile(path)) {
    case AlarmListState::LoadResult::Loaded: break;
    case AlarmListState::LoadResult::Unreadable: return Fail(io, GetStringsText(kTextAlarmFileUnreadable).arg(path));
    case AlarmListState::LoadResult::NotAnAlarmFile: return Fail(io, GetStringsText(kTextNotAnAlarmFile).arg(path));
    }
    io.out << Count(kTextOccurred, list.occurred()) << '\n' << Count(kTextStored, list.stored()) << "\n\n";
    QStringList columns[3];
    for (int c = 0; c < 3; ++c)
        columns[c] << GetStringsText(kTextColumnFirst + c);
    // The texts come from a file: they reach the terminal without control characters.
    for (const CAlarmListData& row : list.rows()) {
        columns[0] << TerminalText(row.m_strStart);
        columns[1] << TerminalText(row.m_strEnd);
        columns[2] << TerminalText(row.m_strText);
    }
    qsizetype widths[2] = {0, 0};
    for (int c = 0; c < 2; ++c) {
        for (const QString& text : columns[c])
            widths[c] = qMax(widths[c], text.size());
    }
    for (qsizetype i = 0; i < columns[0].size(); ++i)
        io.out << columns[0][i].leftJustified(widths[0] + 2) << columns[1][i].leftJustified(widths[1] + 2)
               << columns[2][i] << '\n';
    io.out.flush();
    return CommandResult::Ok;
}

CommandResult Delete(const CliArguments& arguments, CliIo& io)
{
    if (arguments.positional.size() != 1)
        return Fail(io, GetStringsText(kTextNoFileWanted));
    if (!ApplyPortOption(arguments, io))
        return CommandResult::Failed;
    bool deleted = false;
    {
        TerminalQuestions questions(theApp().ui(), io.err, arguments.has("yes"), arguments.has("access-code"));
        const ScopedInteraction scope(questions);
        CHVXDoc doc;
        deleted = DeleteAlarmMemory(doc);
    }
    if (!deleted)
        return Fail(io, GetStringsText(kTextAlarmsNotDeleted));
    io.out << GetStringsText(kTextAlarmsDeleted) << Qt::endl;
    return CommandResult::Ok;
}

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    const QString action = arguments.positional.value(0);
    if (action == QLatin1String("read"))
        return Read(arguments, io);
    if (action == QLatin1String("show"))
        return Show(arguments, io);
    if (action == QLatin1String("delete"))
        return Delete(arguments, io);
    return Fail(io, GetStringsText(kTextUnknownAlarmAction).arg(action));
}

} // namespace

const CliCommand& AlarmsCommand()
{
    static const CliCommand command{"alarms", kHelpAlarms, kOptions, run};
    return command;
}

} // namespace hvx::cli
