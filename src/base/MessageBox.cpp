// Every message shown is logged first; the installed interaction shows it, or answers by itself
// in a batch run.
#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"

int LogMessageBox(const QString& text, unsigned type, unsigned helpId)
{
    LogEntry(1, text);
    return theApp().ui().messageBox(text, type, helpId);
}

int LogMessageBoxId(int number, unsigned type, unsigned helpId)
{
    // One message, one entry.
    return LogMessageBox(GetStringsText(number), type, helpId);
}

int LogMessageBoxIdWithAction(int number, unsigned type, const QString& action)
{
    const QString text = GetStringsText(number);
    LogEntry(1, text);
    return theApp().ui().messageBoxWithAction(text, type, action);
}
