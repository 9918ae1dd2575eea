#pragma once
// Runs one hvxcli command in this process and keeps what it wrote.

#include "app/cli/HvxCli.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace hvx::test {

struct CliOutput {
    int status = -1;
    QString out;
    QString err;
};

inline CliOutput RunCli(const QStringList& arguments)
{
    CliOutput output;
    QTextStream out(&output.out);
    QTextStream err(&output.err);
    output.status = cli::RunHvxCli(arguments, out, err);
    out.flush();
    err.flush();
    return output;
}

} // namespace hvx::test
