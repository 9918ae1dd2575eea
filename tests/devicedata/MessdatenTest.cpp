// Measured-data lines, their time stamps and the conversion into the measured-data file.
#include "devicedata/Messdaten.h"
#include "devicedata/MessdatenSpalten.h"

#include <QDateTime>
#include <gtest/gtest.h>

using namespace hvx;

namespace {

// A well-formed line as the instrument sends it.
QByteArray Line(const QByteArray& stamp, const QByteArray& value = "7.20")
{
    return stamp + "\t" + value + "\t24.5\t1\t0.45\t24.6\t1\t\t\t\t6\t0\r\n";
}

QList<QByteArray> Stamps(const QByteArray& dat)
{
    QList<QByteArray> stamps;
    for (const QByteArray& line : dat.split('\n')) {
        if (!line.isEmpty())
            stamps << line.left(17);
    }
    return stamps;
}

} // namespace

TEST(Messdaten, LinesWithElevenTabsSplitIntoTwelveFields)
{
    const std::optional<QStringList> fields = SplitMesswertZeile(Line("07.12.12 10:00:00"));
    ASSERT_TRUE(fields);
    ASSERT_EQ(fields->size(), 12);
    EXPECT_EQ(fields->at(0), QStringLiteral("07.12.12 10:00:00"));
    EXPECT_EQ(fields->at(3), QStringLiteral("1"));
    EXPECT_EQ(fields->at(9), QString());
    EXPECT_EQ(fields->at(11), QStringLiteral("0")) << "the last field ends at the carriage return";
    QByteArray tenTabs = Line("07.12.12 10:00:00");
    tenTabs.remove(tenTabs.indexOf('\t'), 1);
    EXPECT_FALSE(SplitMesswertZeile(tenTabs));
    EXPECT_FALSE(SplitMesswertZeile(Line("07.12.12 10:00:00") + Line("07.12.12 10:00:10"))) << "two lines at once";
}

TEST(Messdaten, StampsAreValidOnlyAsRealDatesInEitherLayout)
{
    const std::optional<StempelSekunden> dotted = ParseStempelSekunden("07.12.12 10:00:05");
    ASSERT_TRUE(dotted);
    EXPECT_EQ(dotted->sekunden, QDateTime(QDate(2012, 12, 7), QTime(10, 0, 5), Qt::UTC).toSecsSinceEpoch()) << "wall-clock time, no zone";
    EXPECT_FALSE(dotted->slashLayout);
    const std::optional<StempelSekunden> slashed = ParseStempelSekunden("12/07/12 10:00:05");
    ASSERT_TRUE(slashed);
    EXPECT_EQ(slashed->sekunden, dotted->sekunden) << "month first";
    EXPECT_EQ(FormatStempelSekunden(*slashed), QByteArray("12/07/12 10:00:05"));
    EXPECT_EQ(FormatStempelSekunden(*dotted), QByteArray("07.12.12 10:00:05"));
    for (const QByteArray& bad : {QByteArray("0#.1?.12 1x:00:00"), QByteArray("07.12.12 10:00:0"),
                                  QByteArray("07.12.12_10:00:00"), QByteArray("31.02.12 10:00:00"),
                                  QByteArray("07.13.12 10:00:00"), QByteArray("07.12.12 24:00:00"),
                                  QByteArray("07.12.12 10:60:00"), QByteArray(""), QByteArray(" 7.12.12 10:00:00"),
                                  QByteArray("07.12.12 10:00:000")})
        EXPECT_FALSE(ParseStempelSekunden(std::string_view(bad.constData(), std::size_t(bad.size())))) << bad.constData();
}

TEST(MessdatenConversion, LinesWithoutElevenTabsAreCut)
{
    QByteArray tenTabs = Line("07.12.12 10:00:10");
    tenTabs.remove(tenTabs.lastIndexOf('\t'), 1);
    QByteArray twelveTabs = Line("07.12.12 10:00:20");
    twelveTabs.insert(20, '\t');
    const ConversionResult result =
        ConvertMessdaten(Line("07.12.12 10:00:00") + tenTabs + twelveTabs + Line("07.12.12 10:00:30"), 10);
    EXPECT_EQ(result.dat, Line("07.12.12 10:00:00") + Line("07.12.12 10:00:30"));
    ASSERT_EQ(result.notes.size(), 2u);
    EXPECT_EQ(result.notes[0].kind, ConversionNote::FormatCut);
    EXPECT_EQ(result.notes[0].text, tenTabs.chopped(2));
}

TEST(MessdatenConversion, ABadStampInTheMiddleIsThePreviousPlusTheInterval)
{
    const ConversionResult result =
        ConvertMessdaten(Line("07.12.12 10:00:00") + Line("0#.1?.12 1x:00:00") + Line("07.12.12 10:00:20"), 10);
    EXPECT_EQ(Stamps(result.dat), QList<QByteArray>({"07.12.12 10:00:00", "07.12.12 10:00:10", "07.12.12 10:00:20"}));
    ASSERT_EQ(result.notes.size(), 1u);
    EXPECT_EQ(result.notes[0].kind, ConversionNote::TimeRepaired);
    EXPECT_EQ(result.notes[0].text, QByteArray("0#.1?.12 1x:00:00"));
    // The rest of the line stays as it came.
    EXPECT_EQ(result.dat.split('\n')[1], Line("07.12.12 10:00:10").chopped(1));
}

TEST(MessdatenConversion, ABadFirstStampLooksAheadToTheNextValidOne)
{
    ConversionResult result = ConvertMessdaten(Line("garbled stamp    ") + Line("07.12.12 10:00:10"), 10);
    EXPECT_EQ(Stamps(result.dat), QList<QByteArray>({"07.12.12 10:00:00", "07.12.12 10:00:10"}));

    // Three lines ahead, over another bad stamp: none of them is skipped.
    result = ConvertMessdaten(Line("xx") + Line("yy") + Line("07.12.12 10:00:30") + Line("07.12.12 10:00:40"), 10);
    EXPECT_EQ(Stamps(result.dat), QList<QByteArray>({"07.12.12 10:00:10", "07.12.12 10:00:20", "07.12.12 10:00:30",
                                                     "07.12.12 10:00:40"}));
    EXPECT_EQ(result.written, 4);

    // Over midnight and the year's end.
    result = ConvertMessdaten(Line("xx") + Line("01.01.13 00:00:05"), 10);
    EXPECT_EQ(Stamps(result.dat).first(), QByteArray("31.12.12 23:59:55"));
}

TEST(MessdatenConversion, WithoutAnyValidStampAheadTheConversionEnds)
{
    const ConversionResult result = ConvertMessdaten(Line("xx") + Line("yy"), 10);
    EXPECT_TRUE(result.dat.isEmpty());
    EXPECT_EQ(result.written, 0);
    // After written lines, bad stamps are repaired from the previous one and never end it.
    EXPECT_EQ(ConvertMessdaten(Line("07.12.12 10:00:00") + Line("xx") + Line("yy"), 5).written, 3);
}

TEST(MessdatenConversion, MonthDayYearStampsStayInTheirLayout)
{
    ConversionResult result = ConvertMessdaten(Line("12/07/12 10:00:00") + Line("bad") + Line("12/07/12 10:00:20"), 10);
    EXPECT_EQ(Stamps(result.dat), QList<QByteArray>({"12/07/12 10:00:00", "12/07/12 10:00:10", "12/07/12 10:00:20"}));
    result = ConvertMessdaten(Line("bad") + Line("12/31/12 23:59:59"), 10);
    EXPECT_EQ(Stamps(result.dat).first(), QByteArray("12/31/12 23:59:49"));
}

TEST(MessdatenConversion, LineEndsAndOddTextsAreHandled)
{
    // Lines as they came: LF only, CR LF, two lines in one read, an empty line, an overlong line.
    QByteArray lfOnly = Line("07.12.12 10:00:00");
    lfOnly.remove(lfOnly.size() - 2, 1);
    const QByteArray overlong = "07.12.12 10:00:20" + QByteArray(240, 'x') + "\t\t\t\t\t\t\t\t\t\t\t\r\n";
    const ConversionResult result = ConvertMessdaten(lfOnly + Line("07.12.12 10:00:10") + "\r\n" + overlong, 10);
    EXPECT_EQ(result.dat, Line("07.12.12 10:00:00") + Line("07.12.12 10:00:10"));
    EXPECT_EQ(result.notes.size(), 2u) << "the empty and the overlong line";
    EXPECT_TRUE(ConvertMessdaten(QByteArray(), 10).dat.isEmpty());
    EXPECT_TRUE(ConvertMessdaten(QByteArray(5000, '\t'), 10).dat.isEmpty());
}

TEST(MessdatenFile, ALineOfAtMost254CharactersIsKept)
{
    for (const int length : {253, 254, 255, 256}) {
        QByteArray line = Line("07.12.12 10:00:00");
        line.chop(2); // without its line end
        line.insert(18, QByteArray(length - line.size(), '1')); // a longer first value
        ASSERT_EQ(line.size(), length);
        const ConversionResult result = ConvertMessdaten(line + "\r\n", 10);
        EXPECT_EQ(result.written, length <= 254 ? 1 : 0) << length;
    }
}

TEST(MessdatenFile, TheSavedFileIsReadBackForTheChartWithItsRepairedStamps)
{
    const ConversionResult result = ConvertMessdaten(Line("07.12.12 10:00:00") + "rubbish\r\n" + Line("bad", "7,31")
                                                         + Line("07.12.12 10:00:20", "7.40"),
                                                     10);
    const MessdatenSpalten data = LeseMessdaten(result.dat);
    ASSERT_EQ(data.size(), 3);
    EXPECT_EQ(data.verworfen, 0);
    EXPECT_EQ(data.zeit[1] - data.zeit[0], 10) << "the repaired stamp";
    EXPECT_EQ(data.spalte(0)->werte, (std::vector<float>{7.20f, 7.31f, 7.40f}));
}
