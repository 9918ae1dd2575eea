#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

namespace hvx::test {

namespace {

const char* kindName(ScriptedInteraction::Kind kind)
{
    switch (kind) {
    case ScriptedInteraction::Kind::MessageBox: return "message box";
    case ScriptedInteraction::Kind::AccessCode: return "access code prompt";
    case ScriptedInteraction::Kind::FileChoice: return "file choice";
    }
    return "?";
}

} // namespace

ScriptedInteraction::~ScriptedInteraction()
{
    if (!m_allowUnused && !m_answers.empty()) {
        ADD_FAILURE() << m_answers.size() << " scripted answer(s) were never asked for; the next one was for a "
                      << kindName(m_answers.front().kind);
    }
}

ScriptedInteraction& ScriptedInteraction::answerMessageBox(int answer, const QString& expectedText)
{
    const std::lock_guard lock(m_mutex);
    m_answers.push_back({Kind::MessageBox, answer, std::nullopt, expectedText});
    return *this;
}

ScriptedInteraction& ScriptedInteraction::answerAccessCode(std::optional<QString> code)
{
    const std::lock_guard lock(m_mutex);
    m_answers.push_back({Kind::AccessCode, 0, std::move(code), QString()});
    return *this;
}

ScriptedInteraction& ScriptedInteraction::answerFileChoice(std::optional<QString> path)
{
    const std::lock_guard lock(m_mutex);
    m_answers.push_back({Kind::FileChoice, 0, std::move(path), QString()});
    return *this;
}

std::optional<ScriptedInteraction::Answer> ScriptedInteraction::take(const Question& question)
{
    const std::lock_guard lock(m_mutex);
    m_questions.append(question);
    if (m_answers.empty()) {
        ADD_FAILURE() << "Unexpected " << kindName(question.kind) << ": \"" << question.text.toStdString() << '"';
        return std::nullopt;
    }
    Answer answer = m_answers.front();
    if (answer.kind != question.kind) {
        ADD_FAILURE() << "Expected a " << kindName(answer.kind) << " but got a " << kindName(question.kind) << ": \""
                      << question.text.toStdString() << '"';
        return std::nullopt;
    }
    m_answers.pop_front();
    if (!answer.expectedText.isEmpty() && !question.text.contains(answer.expectedText)) {
        ADD_FAILURE() << "Message \"" << question.text.toStdString() << "\" does not contain \""
                      << answer.expectedText.toStdString() << '"';
    }
    return answer;
}

int ScriptedInteraction::messageBox(const QString& text, unsigned type, unsigned helpId)
{
    const auto answer = take({Kind::MessageBox, text, type, helpId, {}});
    return answer ? answer->button : IDCANCEL;
}

int ScriptedInteraction::messageBoxWithAction(const QString& text, unsigned type, const QString& action)
{
    const auto answer = take({Kind::MessageBox, text, type, 0, {}, action});
    return answer ? answer->button : IDCANCEL;
}

std::optional<QString> ScriptedInteraction::askAccessCode()
{
    const auto answer = take({Kind::AccessCode, QString(), 0, 0, {}});
    return answer ? answer->text : std::nullopt;
}

std::optional<QString> ScriptedInteraction::chooseFile(const FileChoice& choice)
{
    const auto answer = take({Kind::FileChoice, choice.title, 0, 0, choice});
    return answer ? answer->text : std::nullopt;
}

void ScriptedInteraction::progressBegin(const QString& title, int range)
{
    const std::lock_guard lock(m_mutex);
    m_progress.append({title, range, {}, false});
}

void ScriptedInteraction::progressStep(int position)
{
    const std::lock_guard lock(m_mutex);
    if (m_progress.isEmpty() || m_progress.back().ended) {
        ADD_FAILURE() << "Progress step " << position << " outside a progress display";
        return;
    }
    m_progress.back().steps.append(position);
    if (m_waitDepth == 0)
        ++m_callsWithoutWaitCursor;
}

void ScriptedInteraction::progressEnd()
{
    const std::lock_guard lock(m_mutex);
    if (!m_progress.isEmpty())
        m_progress.back().ended = true;
}

void ScriptedInteraction::idle()
{
    const std::lock_guard lock(m_mutex);
    ++m_idleCalls;
    if (m_waitDepth == 0)
        ++m_callsWithoutWaitCursor;
}

void ScriptedInteraction::beginWait()
{
    const std::lock_guard lock(m_mutex);
    ++m_waitDepth;
}

void ScriptedInteraction::endWait()
{
    const std::lock_guard lock(m_mutex);
    if (m_waitDepth == 0) {
        ADD_FAILURE() << "Wait cursor restored that was never shown";
        return;
    }
    --m_waitDepth;
}

int ScriptedInteraction::callsWithoutWaitCursor() const
{
    const std::lock_guard lock(m_mutex);
    return m_callsWithoutWaitCursor;
}

int ScriptedInteraction::waitDepth() const
{
    const std::lock_guard lock(m_mutex);
    return m_waitDepth;
}

QList<ScriptedInteraction::Question> ScriptedInteraction::questions() const
{
    const std::lock_guard lock(m_mutex);
    return m_questions;
}

QStringList ScriptedInteraction::messageTexts() const
{
    const std::lock_guard lock(m_mutex);
    QStringList texts;
    for (const Question& q : m_questions) {
        if (q.kind == Kind::MessageBox)
            texts.append(q.text);
    }
    return texts;
}

QList<ScriptedInteraction::Progress> ScriptedInteraction::progress() const
{
    const std::lock_guard lock(m_mutex);
    return m_progress;
}

int ScriptedInteraction::idleCalls() const
{
    const std::lock_guard lock(m_mutex);
    return m_idleCalls;
}

int ScriptedInteraction::pendingAnswers() const
{
    const std::lock_guard lock(m_mutex);
    return static_cast<int>(m_answers.size());
}

void ScriptedInteraction::clear()
{
    const std::lock_guard lock(m_mutex);
    m_answers.clear();
    m_questions.clear();
    m_progress.clear();
    m_idleCalls = 0;
    m_callsWithoutWaitCursor = 0;
}

} // namespace hvx::test
