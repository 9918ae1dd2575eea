#include "base/BatchInteraction.h"

#include "base/Language.h"

#include <QByteArray>

namespace hvx {

namespace {
constexpr int kTextNoAccessCodeInBatch = 3000;
constexpr int kTextNoFileChoiceInBatch = 3001;
constexpr int kTextAutomaticAnswer = 3051; // "%1 -> automatische Antwort: %2"
constexpr int kTextAnswerYes = 3052;
constexpr int kTextAnswerNo = 3053;
constexpr int kTextAnswerOk = 3054;
constexpr int kTextAnswerCancel = 3055;
constexpr int kTextAnswerAbort = 3056;
constexpr int kTextAnswerRetry = 3057;
} // namespace

int BatchInteraction::BatchAnswer(unsigned type)
{
    switch (type & ~unsigned(MB_DEFMASK)) {
    case MB_OK:
    case MB_OKCANCEL: return IDOK;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    case MB_YESNOCANCEL:
    case MB_YESNO: return IDYES;
    default: return IDRETRY;
    }
}

int BatchInteraction::messageBox(const QString& text, unsigned type, unsigned /*helpId*/)
{
    const int answer = BatchAnswer(type);
    // A question shows the answer given in the user's place beside it.
    if ((type & MB_TYPEMASK) != MB_OK)
        writeLine(GetStringsText(kTextAutomaticAnswer).arg(text, answerText(answer)));
    else
        writeLine(text);
    return answer;
}

QString BatchInteraction::answerText(int answer)
{
    switch (answer) {
    case IDOK: return GetStringsText(kTextAnswerOk);
    case IDYES: return GetStringsText(kTextAnswerYes);
    case IDNO: return GetStringsText(kTextAnswerNo);
    case IDABORT: return GetStringsText(kTextAnswerAbort);
    case IDRETRY: return GetStringsText(kTextAnswerRetry);
    default: return GetStringsText(kTextAnswerCancel);
    }
}

std::optional<QString> BatchInteraction::askAccessCode()
{
    writeLine(GetStringsText(kTextNoAccessCodeInBatch));
    return std::nullopt;
}

void BatchInteraction::progressBegin(const QString& title, int /*range*/)
{
    if (!title.isEmpty())
        writeLine(title);
}

void BatchInteraction::progressStep(int /*position*/) {}

void BatchInteraction::progressEnd() {}

std::optional<QString> BatchInteraction::chooseFile(const FileChoice& choice)
{
    writeLine(GetStringsText(kTextNoFileChoiceInBatch).arg(choice.title));
    return std::nullopt;
}

void BatchInteraction::writeLine(const QString& text)
{
    if (m_errorStream == nullptr)
        return;
    const QByteArray line = QByteArrayLiteral("HVX: ") + text.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), m_errorStream);
    std::fflush(m_errorStream);
}

} // namespace hvx
