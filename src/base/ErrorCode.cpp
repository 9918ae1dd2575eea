// The process-wide error code: the last failure wins, and the exit status keeps its area, since
// an exit status holds only 8 bits and the full code would end as a seeming success.
#include "base/ErrorCodes.h"
#include "base/HvxApp.h"

#include <cstdio>

void CHVXApp::SetErrorCode(quint32 area, quint32 code)
{
    m_errorCode.store((area + code) | hvx::kErrorFlag);
}

int CHVXApp::ExitStatusOf(quint32 errorCode)
{
    if (errorCode == 0)
        return 0;
    const int area = static_cast<int>((errorCode & ~hvx::kErrorFlag) >> 24);
    // A code without an area still must not look like success.
    return area != 0 ? area : 255;
}

int CHVXApp::ExitStatus() const
{
    return ExitStatusOf(ErrorCode());
}

void CHVXApp::ReportErrorCode()
{
    const quint32 code = ErrorCode();
    if (code == 0)
        return;
    const QString text = QStringLiteral("HVX error code 0x%1").arg(QString::number(code, 16).toUpper().rightJustified(8, u'0'));
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    std::fflush(stderr);
    m_logFile.Write(0, text, false, QString());
}
