// The values of the settings pages and the rule of OK, without widgets.
#include "app/SettingsValues.h"

#include "support/TestApp.h"

#include <QSettings>
#include <gtest/gtest.h>

using hvx::test::TestApp;

namespace {

QVariant stored(const TestApp& t, const QString& key)
{
    return QSettings(t.settingsPath(), QSettings::IniFormat).value(key);
}

class FakePage : public hvx::ISettingsPage {
public:
    explicit FakePage(bool valid) : m_valid(valid) {}
    bool OnOK() override
    {
        ++asked;
        return m_valid;
    }
    void Store() override { ++stores; }
    int asked = 0;
    int stores = 0;

private:
    bool m_valid;
};

} // namespace

TEST(SettingsValues, WholeNumbersOnlyWithSignAndBlanksAround)
{
    EXPECT_EQ(hvx::ParseWholeNumber(QStringLiteral("200")), 200);
    EXPECT_EQ(hvx::ParseWholeNumber(QStringLiteral(" -15 ")), -15);
    EXPECT_EQ(hvx::ParseWholeNumber(QStringLiteral("+7")), 7);
    for (const char* invalid : {"", " ", "2a", "1.5", "1e3", "0x10", "--1", "99999999999", "1 2"})
        EXPECT_FALSE(hvx::ParseWholeNumber(QString::fromLatin1(invalid)).has_value()) << invalid;
}

TEST(SettingsValues, OkStoresEveryValidPageEvenWhenAnotherIsInvalid)
{
    FakePage first(true), second(false), third(true);
    hvx::ISettingsPage* const pages[] = {&first, &second, &third};
    EXPECT_FALSE(hvx::StoreValidPages(pages));
    EXPECT_EQ(first.stores, 1);
    EXPECT_EQ(second.stores, 0);
    EXPECT_EQ(third.asked, 1); // the pages after an invalid one are still asked
    EXPECT_EQ(third.stores, 1);

    FakePage a(true), b(true);
    hvx::ISettingsPage* const valid[] = {&a, &b};
    EXPECT_TRUE(hvx::StoreValidPages(valid));
}

TEST(SettingsValues, PagesReadWithoutWritingBackExceptThePrintValues)
{
    TestApp t;
    const hvx::DirectoryValues directories = hvx::DirectoryValues::Load(t.app());
    for (const QString& path : directories.paths)
        EXPECT_TRUE(path.isEmpty());
    const hvx::LogOptionValues log = hvx::LogOptionValues::Load(t.app());
    EXPECT_EQ(log.level, 1);
    EXPECT_FALSE(stored(t, QStringLiteral("Environment/WorkDir")).isValid());
    EXPECT_FALSE(stored(t, QStringLiteral("System/LogLevel")).isValid());

    // The print page's own defaults, written back at once.
    const hvx::PrintMarginValues margins = hvx::PrintMarginValues::Load(t.app());
    EXPECT_EQ(margins.values, (std::array<int, 5>{100, 200, 100, 200, 500}));
    EXPECT_EQ(stored(t, QStringLiteral("Print/Indent3")).toInt(), 500);
    EXPECT_EQ(hvx::PrintMarginValues::Defaults().values, margins.values);
}

TEST(SettingsValues, StoredDirectoriesReachTheApplicationWhenReadAgain)
{
    TestApp t;
    hvx::DirectoryValues values;
    values.paths = {QStringLiteral("/w"), QStringLiteral("/b"), QStringLiteral("/e"), QStringLiteral("/m"), QStringLiteral("/a")};
    values.Store(t.app());
    EXPECT_EQ(stored(t, QStringLiteral("Environment/MessdatDir")).toString(), QStringLiteral("/m"));
    EXPECT_NE(t.app().m_strWorkDir, QStringLiteral("/w"));
    hvx::ReloadDirectories(t.app());
    EXPECT_EQ(t.app().m_strWorkDir, QStringLiteral("/w"));
    EXPECT_EQ(t.app().m_strBackupDir, QStringLiteral("/b"));
    EXPECT_EQ(t.app().m_strExportDir, QStringLiteral("/e"));
    EXPECT_EQ(t.app().m_strMessdatDir, QStringLiteral("/m"));
    EXPECT_EQ(t.app().m_strAlarmdatDir, QStringLiteral("/a"));
}
