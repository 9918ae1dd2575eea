// The scripted interaction that other tests rely on: it must fail a test on a question nobody
// scripted, instead of answering silently or waiting.
#include "support/ScriptedInteraction.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using hvx::test::ScriptedInteraction;

TEST(ScriptedInteraction, AnswersInOrderAndRecordsEveryQuestion)
{
    ScriptedInteraction ui;
    ui.answerMessageBox(hvx::IDNO, QStringLiteral("wirklich")).answerAccessCode(QStringLiteral("9157"));
    EXPECT_EQ(ui.messageBox(QStringLiteral("Sollen die Alarmdaten wirklich gelöscht werden?"), hvx::MB_YESNO, 0), hvx::IDNO);
    EXPECT_EQ(ui.askAccessCode(), QStringLiteral("9157"));
    ui.progressBegin(QStringLiteral("x"), 3);
    ui.progressStep(1);
    ui.progressEnd();
    ui.idle();
    ASSERT_EQ(ui.questions().size(), 2);
    EXPECT_EQ(ui.questions()[0].type, unsigned(hvx::MB_YESNO));
    EXPECT_EQ(ui.questions()[1].kind, ScriptedInteraction::Kind::AccessCode);
    ASSERT_EQ(ui.progress().size(), 1);
    EXPECT_EQ(ui.progress()[0].steps, QList<int>{1});
    EXPECT_TRUE(ui.progress()[0].ended);
    EXPECT_EQ(ui.idleCalls(), 1);
    EXPECT_EQ(ui.pendingAnswers(), 0);
}

TEST(ScriptedInteraction, UnexpectedQuestionsFailTheTest)
{
    ScriptedInteraction ui;
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = ui.messageBox(QStringLiteral("Frage"), hvx::MB_YESNO, 0), "Unexpected message box");
    EXPECT_EQ(answer, hvx::IDCANCEL);
    ui.answerFileChoice(QStringLiteral("a"));
    EXPECT_NONFATAL_FAILURE(ui.askAccessCode(), "Expected a file choice but got a access code prompt");
    ui.clear(); // drops the file answer that the wrong question left
    ui.answerMessageBox(hvx::IDOK, QStringLiteral("anders"));
    EXPECT_NONFATAL_FAILURE(ui.messageBox(QStringLiteral("Text"), hvx::MB_OK, 0), "does not contain");
}

TEST(ScriptedInteraction, LeftoverAnswersFailWhenTheInteractionEnds)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedInteraction ui;
            ui.answerMessageBox(hvx::IDOK);
        },
        "never asked for");
}
