// Sending the support file: the mail and, without a mail program, the copy to a chosen folder.
#include "app/SupportSending.h"

#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

using hvx::test::TestApp;

namespace {

class FakeMailClient : public hvx::IMailClient {
public:
    FakeMailClient(bool registered, bool answers) : m_registered(registered), m_answers(answers) {}
    bool HasMailProgram() override { return m_registered; }
    bool OpenMail(const hvx::SupportMail& mail) override
    {
        opened.append(mail);
        return m_answers;
    }
    QList<hvx::SupportMail> opened;

private:
    bool m_registered;
    bool m_answers;
};

class SupportSending : public ::testing::Test {
protected:
    SupportSending()
    {
        QFile file(supportFile);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("++++++++ HVX Supportfile ++++++++\n");
    }
    QStringList filesIn(const QString& dir) const { return QDir(dir).entryList(QDir::Files); }

    TestApp t;
    const QString supportFile = t.filePath(QStringLiteral("20120705.spt"));
};

} // namespace

TEST_F(SupportSending, AMissingMailtoSettingIsCreatedWithTheSupportAddress)
{
    FakeMailClient mail(true, true);
    EXPECT_TRUE(hvx::OfferSupportFile(supportFile, mail));
    ASSERT_EQ(mail.opened.size(), 1);
    EXPECT_EQ(mail.opened[0].address, QStringLiteral("support@vormak.example"));
    EXPECT_EQ(QSettings(t.settingsPath(), QSettings::IniFormat).value(QStringLiteral("System/Mailto")).toString(),
              QStringLiteral("support@vormak.example"));
    EXPECT_EQ(mail.opened[0].subject, QStringLiteral("HVX-Supportanfrage"));
    EXPECT_EQ(mail.opened[0].attachment, supportFile);
    EXPECT_TRUE(t.ui().questions().isEmpty());

    // A stored address wins.
    t.app().WriteProfileString(QStringLiteral("System"), QStringLiteral("Mailto"), QStringLiteral("service@example.org"));
    hvx::OfferSupportFile(supportFile, mail);
    EXPECT_EQ(mail.opened[1].address, QStringLiteral("service@example.org"));
}

TEST_F(SupportSending, TheBodyNamesTheFileAndItsEscapesBecomeCharacters)
{
    EXPECT_EQ(hvx::SupportMailBody(QStringLiteral("Bitte h%%E4ngen Sie die Datei %s an, 100%%."), QStringLiteral("/p/x.spt")),
              QStringLiteral("Bitte hängen Sie die Datei /p/x.spt an, 100%."));
    // A file name with a percent sign stays as it is.
    EXPECT_EQ(hvx::SupportMailBody(QStringLiteral("Datei %s"), QStringLiteral("/p/%41.spt")), QStringLiteral("Datei /p/%41.spt"));

    const hvx::SupportMail mail = hvx::SupportMailFor(QStringLiteral("/p/20120705.spt"));
    const QUrl url(hvx::MailtoUrl(mail));
    ASSERT_TRUE(url.isValid());
    EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(url.path(), QStringLiteral("support@vormak.example"));
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), QStringLiteral("HVX-Supportanfrage"));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
              QStringLiteral("Bitte tragen Sie hier ihr Problem ein und hängen Sie die Datei /p/20120705.spt an diese EMail an."));
}

TEST_F(SupportSending, WithoutMailProgramCancelLeavesTheFileAndNothingElse)
{
    FakeMailClient mail(false, false);
    const QByteArray before = [this] {
        QFile file(supportFile);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    t.ui().answerMessageBox(hvx::IDCANCEL, supportFile);
    EXPECT_FALSE(hvx::OfferSupportFile(supportFile, mail));
    EXPECT_TRUE(mail.opened.isEmpty());
    ASSERT_EQ(t.ui().questions().size(), 1);
    EXPECT_EQ(filesIn(t.dir()).filter(QStringLiteral(".spt")), QStringList{QStringLiteral("20120705.spt")});
    QFile file(supportFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_FALSE(t.logEntries().contains(QStringLiteral("Supportfile erfolgreich kopiert")));
}

TEST_F(SupportSending, TheCopyIsAskedForAgainUntilItSucceeds)
{
    FakeMailClient mail(false, false);
    QDir(t.dir()).mkpath(QStringLiteral("usb"));
    const QString target = t.filePath(QStringLiteral("usb/support.spt"));
    t.ui()
        .answerMessageBox(hvx::IDOK)
        .answerFileChoice(std::nullopt) // the folder chooser cancelled: the question comes again
        .answerMessageBox(hvx::IDOK)
        .answerFileChoice(t.filePath(QStringLiteral("no/such/folder/x.spt")))
        .answerMessageBox(hvx::IDOK, QStringLiteral("no/such/folder")) // the failed copy is reported
        .answerMessageBox(hvx::IDOK)
        .answerFileChoice(target);
    EXPECT_TRUE(hvx::OfferSupportFile(supportFile, mail));
    QFile copy(target);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), QByteArray("++++++++ HVX Supportfile ++++++++\n"));
    EXPECT_TRUE(t.logEntries().contains(QStringLiteral("Supportfile erfolgreich kopiert")));
    const QList<hvx::test::ScriptedInteraction::Question> questions = t.ui().questions();
    ASSERT_EQ(questions.size(), 7);
    EXPECT_FALSE(questions[1].file.open);
    EXPECT_EQ(questions[1].file.fileName, QStringLiteral("20120705.spt"));
}

TEST_F(SupportSending, AMailProgramThatDoesNotAnswerIsLoggedAndTheCopyIsOffered)
{
    FakeMailClient mail(true, false);
    t.ui().answerMessageBox(hvx::IDCANCEL);
    EXPECT_FALSE(hvx::OfferSupportFile(supportFile, mail));
    EXPECT_EQ(mail.opened.size(), 1);
    const QStringList entries = t.logEntries();
    EXPECT_EQ(entries.filter(QStringLiteral("ShellExecute::mailto")).size(), 2);
    EXPECT_EQ(t.ui().questions().size(), 1);
}

TEST_F(SupportSending, InBatchModeNobodyIsAskedForAFolder)
{
    FakeMailClient mail(false, false);
    t.ui().setBatch(true);
    EXPECT_FALSE(hvx::OfferSupportFile(supportFile, mail));
    EXPECT_TRUE(t.ui().questions().isEmpty());
}
