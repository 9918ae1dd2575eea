// The command line: the program's own switches, compared exactly and case-sensitively; every
// other argument goes on to the standard handling (a file name to open, standard flags).
#include "base/HvxApp.h"

namespace {

const QString kRemotePrefix = QStringLiteral("/remote:");
const QString kPortPrefix = QStringLiteral("/Port:");
const QString kReportPrefix = QStringLiteral("/Report:");
constexpr int kMaxPort = 255;

// The number formed by the leading decimal digits; none gives 0, and anything beyond the port
// range gives a value beyond it (SetPort turns that into 0).
int leadingNumber(QStringView text)
{
    int number = 0;
    for (const QChar c : text) {
        if (!c.isDigit() || c.unicode() > u'9')
            break;
        number = number * 10 + (c.unicode() - u'0');
        if (number > kMaxPort)
            return kMaxPort + 1;
    }
    return number;
}

} // namespace

QList<CHVXApp::StandardArgument> CHVXApp::ParseCommandLine(const QStringList& arguments)
{
    QList<StandardArgument> standard;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("/ComOptions")) {
            m_bComOptions = true;
        } else if (argument == QLatin1String("/Service")) {
            m_bService = true;
        } else if (argument.startsWith(kRemotePrefix)) {
            m_bRemote = true;
            m_strRemoteFile = argument.mid(kRemotePrefix.size());
        } else if (argument == QLatin1String("/SaveCalib")) {
            m_bSaveCalib = true;
        } else if (argument == QLatin1String("/Verify")) {
            m_bVerify = true;
        } else if (argument.startsWith(kReportPrefix)) {
            m_strReportFile = argument.mid(kReportPrefix.size());
        } else if (argument.startsWith(kPortPrefix)) {
            SetPort(leadingNumber(QStringView(argument).mid(kPortPrefix.size())));
        } else {
            StandardArgument standardArgument;
            standardArgument.isFlag = argument.startsWith(u'-') || argument.startsWith(u'/');
            standardArgument.text = standardArgument.isFlag ? argument.mid(1) : argument;
            if (standardArgument.isFlag)
                standardArgument.mark = argument.front();
            standardArgument.isLast = i == arguments.size() - 1;
            standard.append(standardArgument);
        }
    }
    return standard;
}
