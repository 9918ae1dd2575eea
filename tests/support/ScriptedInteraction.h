#pragma once
// The user interaction of tests: answers come from a queue set up by the test, every question is
// recorded, and a question the test did not expect fails the test at once (and is answered with
// Cancel or nothing) instead of waiting for a person.

#include "base/UserInteraction.h"

#include <QList>
#include <QString>
#include <deque>
#include <mutex>
#include <optional>

namespace hvx::test {

class ScriptedInteraction : public IUserInteraction {
public:
    enum class Kind { MessageBox, AccessCode, FileChoice };

    struct Question {
        Kind kind;
        QString text;     // message text, or the file dialog's title
        unsigned type = 0; // message box type
        unsigned helpId = 0;
        FileChoice file;  // for file choices
        QString action{}; // the follow-up button a message offered
    };

    struct Progress {
        QString title;
        int range = 0;
        QList<int> steps;
        bool ended = false;
    };

    ScriptedInteraction() = default;
    ~ScriptedInteraction() override;

    // Queue answers in the order the questions will come. A non-empty expectedText must be
    // contained in the question's text.
    ScriptedInteraction& answerMessageBox(int answer, const QString& expectedText = QString());
    ScriptedInteraction& answerAccessCode(std::optional<QString> code);
    ScriptedInteraction& answerFileChoice(std::optional<QString> path);

    void setBatch(bool batch) { m_batch = batch; }
    // Leftover answers fail the test when the interaction ends, unless allowed here.
    void allowUnusedAnswers(bool allow = true) { m_allowUnused = allow; }

    QList<Question> questions() const;
    QStringList messageTexts() const;
    QList<Progress> progress() const;
    int idleCalls() const;
    // Idle calls and progress steps that came while no wait cursor was shown.
    int callsWithoutWaitCursor() const;
    int waitDepth() const;
    int pendingAnswers() const;
    void clear();

    int messageBox(const QString& text, unsigned type, unsigned helpId) override;
    // Answered from the same queue as messageBox: IDACTION chooses the follow-up.
    int messageBoxWithAction(const QString& text, unsigned type, const QString& action) override;
    std::optional<QString> askAccessCode() override;
    void progressBegin(const QString& title, int range) override;
    void progressStep(int position) override;
    void progressEnd() override;
    std::optional<QString> chooseFile(const FileChoice& choice) override;
    void idle() override;
    void beginWait() override;
    void endWait() override;
    bool isBatch() const override { return m_batch; }

private:
    struct Answer {
        Kind kind;
        int button = 0;
        std::optional<QString> text;
        QString expectedText;
    };
    // Records the question and takes the next answer if it is of the right kind.
    std::optional<Answer> take(const Question& question);

    mutable std::mutex m_mutex;
    std::deque<Answer> m_answers;
    QList<Question> m_questions;
    QList<Progress> m_progress;
    int m_idleCalls = 0;
    int m_waitDepth = 0;
    int m_callsWithoutWaitCursor = 0;
    bool m_batch = false;
    bool m_allowUnused = false;
};

} // namespace hvx::test
