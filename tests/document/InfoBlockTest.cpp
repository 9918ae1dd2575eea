// Texts of the information block: code page, field limits and the properties limits.
#include "document/Cp1252.h"
#include "document/InfoBlock.h"

#include <gtest/gtest.h>

using namespace hvx;

TEST(Cp1252, EveryByteSurvivesDecodeAndEncode)
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(ToCp1252(FromCp1252(all)), all);
    EXPECT_EQ(FromCp1252("\x80\x8A\x9F\xE4\xDF"), QStringLiteral("€ŠŸäß"));
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach)
{
    EXPECT_EQ(ToCp1252(QStringLiteral("a\u0416b\U0001F600c")), QByteArray("a?b?c"));
}

TEST(InfoBlock, TextsSitAtTheirOffsetsAndTooLongTextsKeepTheirTerminator)
{
    const InfoTexts texts{QString(60, QLatin1Char('s')), QStringLiteral("K"), QStringLiteral("S"), QString(300, QLatin1Char('b'))};
    const InfoBlockBytes block = EncodeInfoBlock(texts);
    EXPECT_EQ(block[46], 's');
    EXPECT_EQ(block[47], 0);
    EXPECT_EQ(block[48], 'K');
    EXPECT_EQ(block[240], 'S');
    EXPECT_EQ(block[432], 'b');
    EXPECT_EQ(block[623], 0);

    const InfoTexts back = DecodeInfoBlock(block);
    EXPECT_EQ(back.seriennummer, QString(47, QLatin1Char('s')));
    EXPECT_EQ(back.bemerkung, QString(191, QLatin1Char('b')));
}

TEST(InfoBlock, UnterminatedFieldIsReadToItsEnd)
{
    InfoBlockBytes block{};
    std::fill_n(block.begin(), 48, quint8('x'));
    EXPECT_EQ(DecodeInfoBlock(block).seriennummer, QString(48, QLatin1Char('x')));
    EXPECT_TRUE(DecodeInfoBlock(block).kunde.isEmpty());
}

TEST(InfoBlock, PropertiesLimitLinesAndLineLength)
{
    const QString longLine(45, QLatin1Char('a'));
    const InfoTexts limited = LimitInfoTexts({QStringLiteral("SN\r\nzweite"),
                                              QStringLiteral("1\r\n2\r\n3\r\n4\r\n5\r\n6"),
                                              longLine + QStringLiteral("\n") + longLine,
                                              QStringLiteral("kurz")});
    EXPECT_EQ(limited.seriennummer, QStringLiteral("SN"));
    EXPECT_EQ(limited.kunde, QStringLiteral("1\r\n2\r\n3\r\n4"));
    EXPECT_EQ(limited.standort, QString(40, QLatin1Char('a')) + QStringLiteral("\r\n") + QString(40, QLatin1Char('a')));
    EXPECT_EQ(limited.bemerkung, QStringLiteral("kurz"));
    EXPECT_EQ(LimitLines(QString(), 4, 40), QString());
}
