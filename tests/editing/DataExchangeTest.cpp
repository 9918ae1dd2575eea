// Field exchange operations: conversions in both directions on the bytes of the image.

#include "editing/DataExchange.h"
#include "editing/FakeControls.h"
#include "editing/Zahlentext.h"

#include <gtest/gtest.h>

#include <array>

namespace hvx {
namespace {

using test::FakeControls;

struct Austauschfall : ::testing::Test {
    FakeControls c;
    DataExchange laden{c, DataExchange::Richtung::Laden};
    DataExchange speichern{c, DataExchange::Richtung::Speichern};
    std::array<quint8, 16> bytes{};
};

TEST_F(Austauschfall, CheckAndSwitchBytes)
{
    bytes[0] = 1;
    DDX_CheckByte(laden, 1, &bytes[0]);
    EXPECT_TRUE(c.isChecked(1));
    c.setChecked(1, false);
    DDX_CheckByte(speichern, 1, &bytes[0]);
    EXPECT_EQ(bytes[0], 0);

    // A switch byte holding neither value shows "off"; loading and storing the box as shown keep
    // the byte (a look at a page is no change), ticking and clearing it store the two values.
    bytes[1] = 7;
    DDX_SwitchByte(laden, 2, &bytes[1], 1, 0);
    EXPECT_FALSE(c.isChecked(2));
    DDX_SwitchByte(speichern, 2, &bytes[1], 1, 0);
    EXPECT_EQ(bytes[1], 7);
    c.setChecked(2, true);
    DDX_SwitchByte(speichern, 2, &bytes[1], 1, 0);
    EXPECT_EQ(bytes[1], 1);
    c.setChecked(2, false);
    DDX_SwitchByte(speichern, 2, &bytes[1], 1, 0);
    EXPECT_EQ(bytes[1], 0);

    schreibeWort(&bytes[2], 1234);
    DDX_SwitchWord(laden, 3, &bytes[2], 10000, 10);
    DDX_SwitchWord(speichern, 3, &bytes[2], 10000, 10);
    EXPECT_EQ(leseWort(&bytes[2]), 1234);
    c.setChecked(3, true);
    DDX_SwitchWord(speichern, 3, &bytes[2], 10000, 10);
    EXPECT_EQ(leseWort(&bytes[2]), 10000);
}

TEST_F(Austauschfall, RadioAndComboMaps)
{
    bytes[0] = 2;
    DDX_RadioByte(laden, 10, &bytes[0]);
    EXPECT_EQ(c.selectedRadio(10), 2);
    c.selectRadio(10, 1);
    DDX_RadioByte(speichern, 10, &bytes[0]);
    EXPECT_EQ(bytes[0], 1);

    const AuswahlListe map{{"keine", 1}, {"2-fach", 2}};
    c.setItems(20, {"keine", "2-fach"});
    bytes[1] = 2;
    DDX_ComboMap(laden, 20, &bytes[1], map);
    EXPECT_EQ(c.selectedText(20), "2-fach");
    c.selectText(20, "keine");
    DDX_ComboMap(speichern, 20, &bytes[1], map);
    EXPECT_EQ(bytes[1], 1);

    // A selection that is not in the map (an empty list) leaves the field unchanged.
    c.setItems(21, {});
    bytes[2] = 3;
    DDX_ComboMap(laden, 21, &bytes[2], {});
    DDX_ComboMap(speichern, 21, &bytes[2], {});
    EXPECT_EQ(bytes[2], 3);
}

TEST_F(Austauschfall, NumbersAndOffSwitches)
{
    bytes[0] = 200;
    DDX_ByteNumber(laden, 1, &bytes[0]);
    EXPECT_EQ(c.text(1), "200");
    c.setText(1, "");
    DDX_ByteNumber(speichern, 1, &bytes[0]);
    EXPECT_EQ(bytes[0], 0) << "an empty field is 0";

    c.setText(2, "600");
    DDX_WordNumber(speichern, 2, &bytes[2]);
    EXPECT_EQ(leseWort(&bytes[2]), 600);

    bytes[4] = 255;
    DDX_OffOrByte(laden, 3, 4, &bytes[4], 255);
    EXPECT_TRUE(c.isChecked(3));
    EXPECT_EQ(c.text(4), "");
    c.setChecked(3, false);
    c.setText(4, "17");
    DDX_OffOrByte(speichern, 3, 4, &bytes[4], 255);
    EXPECT_EQ(bytes[4], 17);

    schreibeWort(&bytes[6], 10000);
    DDX_OffOrWord(laden, 5, 6, &bytes[6], 10000);
    EXPECT_TRUE(c.isChecked(5));
    c.setChecked(5, false);
    c.setText(6, "9999");
    DDX_OffOrWord(speichern, 5, 6, &bytes[6], 10000);
    EXPECT_EQ(leseWort(&bytes[6]), 9999);
}

TEST_F(Austauschfall, ScaledValuesAreTruncatedTowardZero)
{
    c.setText(1, "0.29");
    DDX_ScaledByte(speichern, 1, &bytes[0], 1);
    EXPECT_EQ(bytes[0], 2);
    DDX_ScaledByte(laden, 1, &bytes[0], 1);
    EXPECT_EQ(c.text(1), "0.2");

    // Decimal entries without an exact binary form keep their last digit.
    c.setText(2, "0.57");
    DDX_ScaledWord(speichern, 2, &bytes[2], 2);
    EXPECT_EQ(leseWort(&bytes[2]), 57);
    schreibeWort(&bytes[2], 65535);
    DDX_ScaledWord(laden, 2, &bytes[2], 1);
    EXPECT_EQ(c.text(2), "6553.5") << "16-bit values are unsigned";

    c.setText(3, "-0.509");
    DDX_ScaledLong(speichern, 3, &bytes[4], 2);
    EXPECT_EQ(qint32(leseLangwort(&bytes[4])), -50);
    DDX_ScaledLong(laden, 3, &bytes[4], 2);
    EXPECT_EQ(c.text(3), "-0.50");
}

TEST_F(Austauschfall, FixedTextPadsWithBlanksAndStopsAtZero)
{
    const char code[] = {'9', '1', '5', '7'};
    std::copy(code, code + 4, bytes.begin());
    DDX_FixedText(laden, 1, bytes.data(), 4);
    EXPECT_EQ(c.text(1), "9157");

    c.setText(1, "AB");
    DDX_FixedText(speichern, 1, bytes.data(), 4);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(bytes.data()), 4), "AB  ");

    bytes.fill(0x41);
    c.setText(2, "");
    DDX_FixedText(speichern, 2, bytes.data(), 13);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[1], 0x41) << "an empty text stores a single zero byte";
    DDX_FixedText(laden, 2, bytes.data(), 13);
    EXPECT_EQ(c.text(2), "");

    // Trailing blanks beyond the length are not written past the field.
    c.setText(3, "ABCD   ");
    DDX_FixedText(speichern, 3, &bytes[4], 4);
    EXPECT_EQ(bytes[8], 0x41);
}

TEST_F(Austauschfall, FixedTextShownUnchangedKeepsItsZeroBytes)
{
    const char text[] = {'A', 'B', 0, 0};
    std::copy(text, text + 4, bytes.begin());
    DDX_FixedText(laden, 1, bytes.data(), 4);
    DDX_FixedText(speichern, 1, bytes.data(), 4);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(bytes.data()), 4), QByteArray("AB\0\0", 4))
        << "storing what the field shows is no change";
}

TEST_F(Austauschfall, TimeInBcd)
{
    c.setText(1, "7:5");
    DDX_TimeHHMM(speichern, 1, &bytes[0], &bytes[1]);
    EXPECT_EQ(bytes[0], 0x07);
    EXPECT_EQ(bytes[1], 0x05);
    DDX_TimeHHMM(laden, 1, &bytes[0], &bytes[1]);
    EXPECT_EQ(c.text(1), "07:05");

    c.setText(1, "23:59");
    DDX_TimeHHMM(speichern, 1, &bytes[0], &bytes[1]);
    EXPECT_EQ(bytes[0], 0x23);
    EXPECT_EQ(bytes[1], 0x59);

    c.setText(1, "100:250");
    DDX_TimeHHMM(speichern, 1, &bytes[0], &bytes[1]);
    EXPECT_EQ(bytes[0], 0) << "values of 100 or more are stored as 0";
    EXPECT_EQ(bytes[1], 0);
}

TEST_F(Austauschfall, BitsWithTheirCopies)
{
    bytes[0] = 0x08;
    bytes[1] = 0x00;
    DDX_RadioBit(laden, 1, &bytes[0], 0x08);
    EXPECT_EQ(c.selectedRadio(1), 1);
    c.selectRadio(1, 0);
    bytes[0] = 0xFF;
    bytes[1] = 0xFF;
    DDX_RadioBit(speichern, 1, &bytes[0], 0x08, false, &bytes[1]);
    EXPECT_EQ(bytes[0], 0xF7);
    EXPECT_EQ(bytes[1], 0xF7);

    // Inverted: checked while the bit is clear.
    bytes[2] = 0x01;
    DDX_CheckBit(laden, 2, &bytes[2], 0x01, true);
    EXPECT_FALSE(c.isChecked(2));
    c.setChecked(2, true);
    DDX_CheckBit(speichern, 2, &bytes[2], 0x01, true);
    EXPECT_EQ(bytes[2], 0x00);
}

TEST(Zahlentext, ReadsPlainDecimalNotationOnly)
{
    EXPECT_TRUE(leseZahl("").vollstaendig);
    EXPECT_EQ(leseZahl("").wert, 0.0);
    EXPECT_TRUE(leseZahl(" -12.5 ").vollstaendig);
    EXPECT_DOUBLE_EQ(leseZahl("-12.5").wert, -12.5);
    EXPECT_TRUE(leseZahl(".5").vollstaendig);
    for (const char* kein : {"abc", "1e2", "0x10", "inf", "nan", "1,5,", "-", ".", ","})
        EXPECT_FALSE(leseZahl(kein).vollstaendig) << kein;
    // A decimal comma reads as the point.
    EXPECT_TRUE(leseZahl("1,5").vollstaendig);
    EXPECT_DOUBLE_EQ(leseZahl("-1,25").wert, -1.25);
    // What the integer fields store of a text that stops early (as the classic conversion did).
    EXPECT_EQ(ganzzahlwert("12abc"), 12);
    EXPECT_EQ(ganzzahlwert("abc"), 0);
    EXPECT_EQ(ganzzahlwert("-2.9"), -2);
}

TEST(Zahlentext, FillsTemplatesWithoutPrintf)
{
    EXPECT_EQ(ersetzeBereichsplatzhalter("zwischen %%.%df und %%.%df liegen. ", 1, 60, 0),
              "zwischen 1 und 60 liegen. ");
    EXPECT_EQ(ersetzeBereichsplatzhalter("%%.%df bis %%.%df", 0.1, 30, 1), "0.1 bis 30.0");
    EXPECT_EQ(ersetzeGanzzahlen("(%d, %d) 100%%", {2, 3}), "(2, 3) 100%");
    // A template with more placeholders than values keeps the extra ones as text.
    EXPECT_EQ(ersetzeGanzzahlen("%d %d %s", {1}), "1 %d %s");
    EXPECT_EQ(festkomma(5, 1), "0.5");
    EXPECT_EQ(festkomma(-5, 2), "-0.05");
    EXPECT_EQ(festkomma(42, 0), "42");
}

} // namespace
} // namespace hvx
