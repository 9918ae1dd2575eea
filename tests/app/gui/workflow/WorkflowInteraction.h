#pragma once
// The technician of the workflow test: answers every question by a fixed policy instead of a
// script (a random sequence cannot know in advance what will be asked), records what was shown,
// and behaves like the window where it matters for the data: the progress display of a transfer
// takes the focus from the field being edited, as the real progress window does.

#include "base/UserInteraction.h"

#include <QStringList>
#include <functional>

namespace hvx::test::workflow {

class Interaktion : public IUserInteraction {
public:
    // The answer to the save question of a modified document (Yes, No or Cancel).
    int speichernAntwort = IDYES;
    // The access code typed when asked (nullopt: the prompt is cancelled).
    std::function<std::optional<QString>()> zugangscode;
    // Where the file dialogs point (the export).
    QString dateiwahl;

    QStringList meldungen;   // every message shown, in order
    int speicherfragen = 0;  // save questions asked

    void vergiss()
    {
        meldungen.clear();
        speicherfragen = 0;
    }

    int messageBox(const QString& text, unsigned type, unsigned helpId) override;
    std::optional<QString> askAccessCode() override;
    void progressBegin(const QString& title, int range) override;
    void progressStep(int) override {}
    void progressEnd() override {}
    std::optional<QString> chooseFile(const FileChoice& choice) override;
    void idle() override {}
    void beginWait() override {}
    void endWait() override {}
    bool isBatch() const override { return false; }
};

} // namespace hvx::test::workflow
