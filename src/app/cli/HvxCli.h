#pragma once
// hvxcli, the command-line tool for scripting and service work: runs one command on the current
// application object and returns the exit status (0 success, the error code's area after a
// failure that set the error code, 3 after any other failure).

#include <QStringList>
#include <QTextStream>

namespace hvx::cli {

constexpr int kExitFailedWithoutCode = 3;
// hvxcli diff found differences: distinct from every failure status.
constexpr int kExitDifferent = 5;

// arguments: everything after the program name.
int RunHvxCli(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace hvx::cli
