// Whole-file reads up to a size limit, with their causes in the language of the settings.
#include "base/WholeFile.h"
#include "support/TestApp.h"

#include <QFile>
#include <gtest/gtest.h>

using hvx::test::TestApp;

TEST(WholeFile, AFileOfExactlyTheLimitIsReadAndOneByteMoreIsRefusedWithACauseInTheLanguage)
{
    const struct {
        TestApp::Language language;
        qint64 limit;
        bool read;
        const char* cause;
    } cases[] = {
        {TestApp::Language::German, 100, true, ""},
        {TestApp::Language::German, 101, true, ""},
        {TestApp::Language::German, 99, false, "Die Datei hat 100 Bytes, mehr als die zulässigen 99"},
        {TestApp::Language::English, 99, false, "The file has 100 bytes, more than the 99 accepted"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.limit);
        TestApp t(c.language);
        const QString path = t.filePath(QStringLiteral("hundert.bin"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(100, 'x'));
        file.close();
        QByteArray bytes;
        QString cause;
        EXPECT_EQ(hvx::ReadWholeFile(path, c.limit, bytes, &cause), c.read);
        EXPECT_EQ(bytes.size(), c.read ? 100 : 0);
        EXPECT_EQ(cause, QString::fromUtf8(c.cause));
    }
}
