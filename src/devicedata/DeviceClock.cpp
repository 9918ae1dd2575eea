#include "devicedata/DeviceClock.h"

#include "base/Language.h"
#include "base/Log.h"
#include "devicedata/ClockText.h"
#include "link/KelComm.h"

namespace hvx {
namespace {

constexpr int kTextReadFailed = 429;    // "Datum/Uhrzeit konnte nicht gelesen werden!"
constexpr int kTextSetFailed = 430;     // "Datum/Uhrzeit konnte nicht gesetzt werden!"
constexpr int kTextQuestion = 431;      // "Sollen Datum und Uhrzeit aktualisiert werden?..."
constexpr int kTextNotShowable = 432;   // "nicht darstellbar"

// Text 431 with the PC's text for the first %s and the instrument's for the second.
QString ClockQuestion(const QString& pcText, const QString& instrumentText)
{
    QString question = GetStringsText(kTextQuestion);
    for (const QString& part : {pcText, instrumentText}) {
        const qsizetype at = question.indexOf(QLatin1String("%s"));
        if (at < 0)
            break;
        question.replace(at, 2, part);
    }
    return question;
}

// The user's answer; an instrument time that cannot be shown is only announced (OK alone).
bool UserWantsClockSet(const QDateTime& pcTime, const DateTimeBlock& instrument)
{
    const std::optional<QString> instrumentText = ClockText(DecodeDateTime(instrument));
    const QString question = ClockQuestion(ClockText(pcTime), instrumentText.value_or(GetStringsText(kTextNotShowable)));
    if (!instrumentText) {
        LogMessageBox(question, MB_OK);
        return true;
    }
    return LogMessageBox(question, MB_YESNO) == IDYES;
}

} // namespace

std::optional<DateTimeBlock> ReadDeviceClock()
{
    CKelComm link;
    if (!link.Open())
        return std::nullopt;
    DateTimeBlock block{};
    if (!link.ReadDateTime(block.data())) {
        LogMessageBoxId(kTextReadFailed, MB_OK | MB_ICONEXCLAMATION);
        link.Close(1);
        return std::nullopt;
    }
    // The link is not held open while the user reads the question.
    link.Close(1);
    return block;
}

bool WriteDeviceClock(const DateTimeBlock& block)
{
    CKelComm link;
    if (!link.Open())
        return false;
    const bool written = link.WriteDateTime(block.data()) != 0;
    link.Close(1);
    return written;
}

bool SetDeviceClock(const LocalClock& now)
{
    LogEntry(1, QStringLiteral("CHVXDoc::OnHvxSetDeviceClock"));
    const LocalClock localNow = now ? now : [] { return QDateTime::currentDateTime(); };
    const std::optional<DateTimeBlock> instrument = ReadDeviceClock();
    if (instrument && !UserWantsClockSet(localNow(), *instrument))
        return false;
    // The time of the answer, not of the question.
    if (instrument && WriteDeviceClock(EncodeDateTime(DeviceDateTimeOf(localNow()))))
        return true;
    LogMessageBoxId(kTextSetFailed, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

} // namespace hvx
