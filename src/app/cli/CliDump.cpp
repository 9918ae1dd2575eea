// hvxcli dump: the 558 bytes of the parameter set as hex, 16 per line, each line with its offset.
#include "base/Log.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "document/HVXDoc.h"

namespace hvx::cli {
namespace {

constexpr int kBytesPerLine = 16;

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    CHVXDoc doc;
    const QString path = OpenFileArgument(doc, arguments, io, false);
    if (path.isEmpty())
        return CommandResult::Failed;

    // Offsets are decimal, as the layout of the parameter set counts them.
    const auto bytes = doc.parametersatz().bytes();
    for (std::size_t offset = 0; offset < bytes.size(); offset += kBytesPerLine) {
        const int count = int(std::min<std::size_t>(kBytesPerLine, bytes.size() - offset));
        io.out << QStringLiteral("%1: ").arg(offset, 3) << HexDumpText(bytes.data() + offset, count);
    }
    io.out.flush();
    return CommandResult::Ok;
}

} // namespace

const CliCommand& DumpCommand()
{
    static const CliCommand command{"dump", kHelpDump, {}, run};
    return command;
}

} // namespace hvx::cli
