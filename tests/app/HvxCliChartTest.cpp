// hvxcli chart: what it takes from its arguments and the file, and what it hands to the painter
// of the window code (here a painter that keeps what it was given).
#include "app/cli/ChartPainter.h"
#include "devicedata/MessStempel.h"
#include "support/CliTest.h"

#include <QDateTime>

using namespace hvx;

namespace {

struct Painted {
    qsizetype lines = 0;
    QString output;
    QSize size;
    std::optional<std::pair<double, double>> range;
    int calls = 0;
};

qint64 Seconds(int day, int hour, int minute)
{
    return QDateTime(QDate(2012, 12, day), QTime(hour, minute), Qt::UTC).toSecsSinceEpoch();
}

class HvxCliChart : public test::CliTest {
protected:
    HvxCliChart()
    {
        cli::SetChartPainter([this](MessdatenSpalten data, const QString& output, QSize size,
                                    std::optional<std::pair<double, double>> range, QString*) {
            painted = {data.size(), output, size, range, painted.calls + 1};
            return true;
        });
        // One line a minute from 07.12.12 22:00 to 08.12.12 01:59.
        QByteArray dat;
        for (int i = 0; i < 240; ++i)
            dat += FormatStempelSekunden({Seconds(7, 22, 0) + 60 * i, false}) + "\t7.2" + QByteArray::number(i % 10)
                   + "\t24.5\t1\t0.45\t24.6\t1\t\t\t\t6\t0\r\n";
        QFile f(file(QStringLiteral("nacht.dat")));
        f.open(QIODevice::WriteOnly);
        f.write(dat);
    }
    ~HvxCliChart() override { cli::SetChartPainter({}); }

    Painted painted;
};

} // namespace

TEST_F(HvxCliChart, TheFileAndTheOptionsReachThePainter)
{
    struct Case {
        QStringList options;
        QSize size;
        std::optional<std::pair<double, double>> range;
        qsizetype lines;
    };
    const Case cases[] = {
        {{}, QSize(1200, 700), std::nullopt, 240},
        {{"--size", "800x600"}, QSize(800, 600), std::nullopt, 240},
        {{"--size=3000X200"}, QSize(3000, 200), std::nullopt, 240},
        {{"--from", "08.12.12 00:00:00"}, QSize(1200, 700), std::pair(double(Seconds(8, 0, 0)), double(Seconds(8, 1, 59))), 120},
        {{"--to", "12/07/12 23:00:00", "--from", "07.12.12 22:30:00"},
         QSize(1200, 700),
         std::pair(double(Seconds(7, 22, 30)), double(Seconds(7, 23, 0))),
         31},
    };
    for (const Case& c : cases) {
        const QString png = file(QStringLiteral("nacht.png"));
        EXPECT_EQ(run(QStringList{QStringLiteral("chart"), file(QStringLiteral("nacht.dat")), png} + c.options), 0)
            << m_err.toStdString();
        EXPECT_EQ(painted.output, png);
        EXPECT_EQ(painted.size, c.size) << c.options.join(u' ').toStdString();
        EXPECT_EQ(painted.range, c.range) << c.options.join(u' ').toStdString();
        EXPECT_TRUE(m_out.contains(QStringLiteral("Diagramm geschrieben: ") + png)) << m_out.toStdString();
        EXPECT_TRUE(m_out.contains(QStringLiteral("(%1 Zeilen").arg(c.lines))) << m_out.toStdString();
    }
    EXPECT_TRUE(m_out.contains(QStringLiteral("von 07.12.12 22:30:00 bis 07.12.12 23:00:00"))) << m_out.toStdString();
}

TEST_F(HvxCliChart, WrongArgumentsAndFilesAreRefusedWithTheirReasonAndNothingIsPainted)
{
    const QString dat = file(QStringLiteral("nacht.dat"));
    const QString png = file(QStringLiteral("x.png"));
    QFile empty(file(QStringLiteral("leer.dat")));
    empty.open(QIODevice::WriteOnly);
    empty.write("kein\tMesswert\r\n");
    empty.close();
    struct Case {
        QStringList arguments;
        const char* message;
    };
    const Case cases[] = {
        {{dat}, "Zwei Dateien angeben"},
        {{dat, file(QStringLiteral("x.jpg"))}, "Unbekanntes Ausgabeformat \".jpg\""},
        {{dat, png, "--size", "100x100"}, "Ungültige Größe \"100x100\""},
        {{dat, png, "--size", "800*600"}, "Ungültige Größe"},
        {{dat, png, "--size", "20000x700"}, "Ungültige Größe"},
        {{dat, png, "--from", "31.02.12 00:00:00"}, "Ungültiger Zeitstempel \"31.02.12 00:00:00\""},
        {{dat, png, "--to", "gestern"}, "Ungültiger Zeitstempel"},
        {{dat, png, "--from", "08.12.12 00:00:00", "--to", "07.12.12 23:00:00"}, "--from muss vor --to liegen"},
        {{dat, png, "--from", "09.12.12 00:00:00"}, "Im gewählten Zeitraum liegen keine Messdaten"},
        {{file(QStringLiteral("fehlt.dat")), png}, "lässt sich nicht lesen"},
        {{file(QStringLiteral("leer.dat")), png}, "enthält keine lesbaren Messdaten"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run(QStringList{QStringLiteral("chart")} + c.arguments), 3) << c.message;
        EXPECT_TRUE(m_err.contains(QString::fromUtf8(c.message))) << m_err.toStdString();
    }
    EXPECT_EQ(painted.calls, 0);
    cli::SetChartPainter({});
    EXPECT_EQ(run({QStringLiteral("chart"), dat, png}), 3);
    EXPECT_TRUE(m_err.contains(QStringLiteral("kann keine Diagramme zeichnen")));
}
