// The EEPROM image: ranges of a selection and the .hxp text form.
#include "devicedata/EepromImage.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace hvx;

namespace {

EepromImage Counting()
{
    EepromImage image;
    for (int i = 0; i < kEepromSize; ++i)
        image[size_t(i)] = quint8(i * 7);
    return image;
}

} // namespace

TEST(EepromRange, ASelectionIsTheRangeAndNoSelectionIsTheWholeImage)
{
    EXPECT_EQ(RangeOfSelection(0x100, 0x110), (EepromRange{0x100, 0x110}));
    EXPECT_EQ(RangeOfSelection(-1, -1), (EepromRange{0, kEepromSize}));
    EXPECT_EQ(RangeOfSelection(-1, -1).count(), 2048);
    EXPECT_EQ(RangeOfSelection(2000, 5000), (EepromRange{2000, kEepromSize})) << "never past the image";
}

TEST(HxpText, AnUntouchedImageIs128LinesOfSixteenFF)
{
    const QByteArray text = HxpText(FreshEepromImage());
    const QList<QByteArray> lines = text.split('\n');
    ASSERT_EQ(lines.size(), 129) << "128 lines, each ended";
    EXPECT_EQ(lines[0], "0000: FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF\r");
    EXPECT_EQ(lines[127].left(6), "07F0: ");
    EXPECT_TRUE(lines[128].isEmpty());
    for (int i = 0; i < 128; ++i)
        EXPECT_EQ(lines[i].size(), 54) << "53 characters and CR, line " << i;
}

TEST(HxpText, BytesAreUpperCaseHexInAddressOrderAndReadBackUnchanged)
{
    const EepromImage image = Counting();
    const QByteArray text = HxpText(image);
    EXPECT_TRUE(text.startsWith("0000: 00 07 0E 15 1C 23 2A 31 38 3F 46 4D 54 5B 62 69\r\n0010: 70"));
    EepromImage back = FreshEepromImage();
    const HxpLoadResult result = ReadHxpText(text, back);
    EXPECT_EQ(result.linesTaken, 128);
    EXPECT_TRUE(result.badLines.empty());
    EXPECT_EQ(back, image);
}

TEST(HxpText, TenLinesChangeAddressesZeroTo159Only)
{
    const QByteArray all = HxpText(Counting());
    const QByteArray tenLines = all.left(10 * 55);
    EepromImage image = FreshEepromImage();
    EXPECT_EQ(ReadHxpText(tenLines, image).linesTaken, 10);
    for (int i = 0; i < kEepromSize; ++i)
        ASSERT_EQ(image[size_t(i)], i < 160 ? quint8(i * 7) : kEepromFill) << "address " << i;
}

TEST(HxpText, ShortAndUnreadableLinesLeaveTheirBytesAlone)
{
    QByteArray text = "0000: 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10\n"   // LF only: taken
                      "0010: 11 12\r\n"                                          // short: kept
                      "0020: 21 22 23 24 25 26 27 28 29 2A 2B 2C 2D 2E 2F ZZ\r\n" // not hex: kept
                      "0030: a1 b2 c3 d4 e5 f6 07 08 09 0a 0b 0c 0d 0e 0f 10 trailing\r\n"
                      "0040: 1FF 22 33 44 55 66 77 88 99 AA BB CC DD EE FF 00\r\n"; // no byte: not taken
    EepromImage image = FreshEepromImage();
    const HxpLoadResult result = ReadHxpText(text, image);
    EXPECT_EQ(result.linesTaken, 2);
    EXPECT_EQ(result.badLines, (std::vector<int>{2, 4}));
    EXPECT_EQ(image[0], 0x01);
    EXPECT_EQ(image[15], 0x10);
    EXPECT_EQ(image[0x10], 0xFF);
    EXPECT_EQ(image[0x2F], 0xFF);
    EXPECT_EQ(image[0x30], 0xA1) << "lower case digits and text after the 16 bytes are fine";
    EXPECT_EQ(image[0x40], 0xFF);
}

TEST(HxpText, LinesAfterThe128thAreIgnored)
{
    QByteArray text = HxpText(FreshEepromImage());
    text += "0800: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\r\n";
    EepromImage image = FreshEepromImage();
    EXPECT_EQ(ReadHxpText(text, image).linesTaken, 128);
    EXPECT_EQ(image, FreshEepromImage());
}

TEST(HxpFile, SavedImageLoadsBackAndAMissingFileFails)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("image.hxp"));
    const EepromImage image = Counting();
    QString error;
    ASSERT_TRUE(SaveHxpFile(path, image, &error)) << error.toStdString();
    EepromImage back = FreshEepromImage();
    HxpLoadResult result;
    ASSERT_TRUE(LoadHxpFile(path, back, &result, &error));
    EXPECT_EQ(back, image);
    EXPECT_FALSE(LoadHxpFile(dir.filePath(QStringLiteral("missing.hxp")), back, &result, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(SaveHxpFile(dir.filePath(QStringLiteral("no/such/dir/x.hxp")), image, &error));
}

// What keeps a text from being written back whole: each case names the first line a writer
// would have to refuse, so a short, empty or shifted file never reaches the instrument.
TEST(HxpText, OnlyACompleteImageWithEveryAddressInItsPlaceHasNoProblem)
{
    const QByteArray whole = HxpText(Counting());
    QList<QByteArray> lines = whole.split('\n');
    lines.removeLast();
    QList<QByteArray> withoutLine5 = lines;
    withoutLine5.removeAt(4);
    QList<QByteArray> notHex = lines;
    notHex[99].replace(51, 2, "G0");
    QList<QByteArray> shortLine = lines;
    shortLine[127] = "07F0: 00 11\r";
    const auto join = [](const QList<QByteArray>& list) -> QByteArray { return list.join('\n') + '\n'; };
    struct Case {
        const char* name;
        QByteArray text;
        std::optional<HxpProblem> problem;
    };
    const Case cases[] = {
        {"whole", whole, std::nullopt},
        {"LF only", QByteArray(whole).replace("\r\n", "\n"), std::nullopt},
        {"empty", QByteArray(), HxpProblem{HxpProblem::MissingLine, 1}},
        {"CR only", QByteArray("\r"), HxpProblem{HxpProblem::MissingLine, 1}},
        {"ten lines", whole.left(10 * 55), HxpProblem{HxpProblem::MissingLine, 11}},
        {"a line deleted", join(withoutLine5), HxpProblem{HxpProblem::WrongAddress, 5}},
        {"not hex", join(notHex), HxpProblem{HxpProblem::NotHexBytes, 100}},
        {"short last line", join(shortLine), HxpProblem{HxpProblem::NotHexBytes, 128}},
    };
    for (const Case& c : cases) {
        const std::optional<HxpProblem> found = FindHxpProblem(c.text);
        ASSERT_EQ(found.has_value(), c.problem.has_value()) << c.name;
        if (found) {
            EXPECT_EQ(found->kind, c.problem->kind) << c.name;
            EXPECT_EQ(found->line, c.problem->line) << c.name;
        }
    }
    // Loading into the hex dump takes the lines in their place and none shifted into another.
    EepromImage image = FreshEepromImage();
    const HxpLoadResult result = ReadHxpText(join(withoutLine5), image);
    EXPECT_EQ(result.linesTaken, 4);
    EXPECT_EQ(result.badLines.size(), 123u);
    for (int i = 0; i < kEepromSize; ++i)
        ASSERT_EQ(image[size_t(i)], i < 64 ? quint8(i * 7) : kEepromFill) << "address " << i;
}
