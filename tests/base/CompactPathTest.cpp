// Fitting a directory path into a narrow field.
#include "base/CompactPath.h"

#include <gtest/gtest.h>

using hvx::CompactPathCandidates;
using hvx::CompactPathText;

TEST(CompactPath, ShortenedFormsKeepTheFirstPartAndDropOneMoreFolderEachTime)
{
    EXPECT_EQ(CompactPathCandidates(QStringLiteral("E:/Programme/Firma/Daten/Konfigurationen")),
              QStringList({QStringLiteral("E:/.../Firma/Daten/Konfigurationen"), QStringLiteral("E:/.../Daten/Konfigurationen"),
                           QStringLiteral("E:/.../Konfigurationen")}));
    EXPECT_EQ(CompactPathCandidates(QStringLiteral("/home/anna/Firma/Konfigurationen")),
              QStringList({QStringLiteral("/home/.../Firma/Konfigurationen"), QStringLiteral("/home/.../Konfigurationen")}));
    // Nothing can be left out of a path with one folder below its first part.
    EXPECT_TRUE(CompactPathCandidates(QStringLiteral("/home/anna")).isEmpty());
    EXPECT_TRUE(CompactPathCandidates(QStringLiteral("Konfigurationen")).isEmpty());
    EXPECT_TRUE(CompactPathCandidates(QString()).isEmpty());
}

TEST(CompactPath, TriesTheFormsInOrderAndShowsTheFirstThatFits)
{
    const QString path = QStringLiteral("/home/anna/Firma/Daten/Konfigurationen");
    QStringList tried;
    const auto fitsUpTo = [&tried](qsizetype width) {
        return [&tried, width](const QString& text) {
            tried << text;
            return text.size() <= width;
        };
    };
    EXPECT_EQ(CompactPathText(path, fitsUpTo(31)), QStringLiteral("/home/.../Daten/Konfigurationen"));
    EXPECT_EQ(tried, QStringList({path, QStringLiteral("/home/.../Firma/Daten/Konfigurationen"),
                                  QStringLiteral("/home/.../Daten/Konfigurationen")}));

    tried.clear();
    EXPECT_EQ(CompactPathText(path, fitsUpTo(200)), path);
    EXPECT_EQ(tried.size(), 1);
}

TEST(CompactPath, FallsBackToTheFullPathWhenNoFormFits)
{
    const QString path = QStringLiteral("/home/anna/Firma/Daten/Konfigurationen");
    int calls = 0;
    EXPECT_EQ(CompactPathText(path, [&calls](const QString&) { return ++calls < 0; }), path);
    EXPECT_EQ(calls, 4); // the path and its three shortened forms
}
