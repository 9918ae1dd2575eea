// Message functions: every message is logged, and a batch run answers by the type value.
#include "base/BatchInteraction.h"
#include "base/FileDialogLan.h"
#include "base/HvxApp.h"
#include "base/Log.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

using hvx::BatchInteraction;
using hvx::test::TestApp;

TEST(MessageBox, BatchAnswersFollowTheTypeValueAsAWhole)
{
    struct Row {
        unsigned type;
        int answer;
    };
    const Row rows[] = {
        {hvx::MB_OK, hvx::IDOK},
        {hvx::MB_OKCANCEL, hvx::IDOK},
        {hvx::MB_ABORTRETRYIGNORE, hvx::IDABORT},
        {hvx::MB_YESNOCANCEL, hvx::IDYES},
        {hvx::MB_YESNO, hvx::IDYES},
        {hvx::MB_RETRYCANCEL, hvx::IDRETRY},
        {hvx::MB_OK | hvx::MB_ICONINFORMATION, hvx::IDRETRY},
        {hvx::MB_YESNO | hvx::MB_ICONQUESTION, hvx::IDRETRY},
        // "Nein" as the window's default button changes nothing for a batch run.
        {hvx::MB_YESNO | hvx::MB_DEFBUTTON2, hvx::IDYES},
        {hvx::MB_YESNOCANCEL | hvx::MB_DEFBUTTON2, hvx::IDYES},
    };
    for (const Row& row : rows)
        EXPECT_EQ(BatchInteraction::BatchAnswer(row.type), row.answer) << row.type;
}

TEST(MessageBox, BatchQuestionIsAnsweredYesLoggedAndWrittenToStandardError)
{
    TestApp t;
    BatchInteraction batch;
    t.app().SetUserInteraction(&batch);
    testing::internal::CaptureStderr();
    EXPECT_EQ(LogMessageBox(QStringLiteral("Konfiguration speichern?"), hvx::MB_YESNO), hvx::IDYES);
    EXPECT_EQ(LogMessageBoxId(367, hvx::MB_ABORTRETRYIGNORE), hvx::IDABORT);
    EXPECT_FALSE(batch.askAccessCode().has_value());
    EXPECT_FALSE(batch.chooseFile({}).has_value());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("HVX: Konfiguration speichern? → automatische Antwort: Ja\n"), std::string::npos)
        << "the automatic answer stands beside its question";
    EXPECT_NE(err.find("Anwendung gestartet → automatische Antwort: Abbruch"), std::string::npos);
    EXPECT_NE(err.find("Anwendung gestartet"), std::string::npos);
    EXPECT_NE(err.find("Zugangscode"), std::string::npos);
    // Each message is one entry, a numbered one as well.
    EXPECT_EQ(t.logEntries(), (QStringList{QStringLiteral("Konfiguration speichern?"), QStringLiteral("Anwendung gestartet")}));
}

TEST(MessageBox, InteractiveAnswerComesFromTheInstalledInteraction)
{
    TestApp t(TestApp::Language::English);
    t.ui().answerMessageBox(hvx::IDNO, QStringLiteral("started"));
    EXPECT_EQ(LogMessageBoxId(367, hvx::MB_YESNO | hvx::MB_ICONQUESTION, 17), hvx::IDNO);
    const auto questions = t.ui().questions();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0].text, QStringLiteral("Application started"));
    EXPECT_EQ(questions[0].type, unsigned(hvx::MB_YESNO | hvx::MB_ICONQUESTION));
    EXPECT_EQ(questions[0].helpId, 17u);
}

TEST(MessageBox, DefaultInteractionIsTheBatchOne)
{
    CHVXApp app;
    EXPECT_TRUE(app.ui().isBatch());
}

TEST(FileDialog, TitleAndFilterComeFromTheNumberedTexts)
{
    TestApp t;
    t.ui().answerFileChoice(QStringLiteral("/tmp/a.alm")).answerFileChoice(std::nullopt);
    EXPECT_EQ(hvx::FileDialogLan(false, QStringLiteral("/daten"), 462, 463, QStringLiteral("alm")), QStringLiteral("/tmp/a.alm"));
    EXPECT_FALSE(hvx::FileDialogLan(true, QStringLiteral("/daten"), 464, 463, QStringLiteral("alm")).has_value());
    const auto questions = t.ui().questions();
    ASSERT_EQ(questions.size(), 2);
    EXPECT_FALSE(questions[0].file.open);
    EXPECT_EQ(questions[0].text, QStringLiteral("Alarmdaten speichern..."));
    EXPECT_EQ(questions[0].file.filterDescription, QStringLiteral("Alarmdaten (*.alm)"));
    EXPECT_EQ(questions[0].file.directory, QStringLiteral("/daten"));
    EXPECT_EQ(questions[1].text, QStringLiteral("Alarmdaten laden..."));
}
