// Validators: the rules on the text, the recorded error and the error texts.

#include "editing/FakeControls.h"
#include "editing/InputError.h"
#include "editing/Validators.h"
#include "editing/Zahlentext.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

namespace hvx {
namespace {

using test::FakeControls;

struct Pruefungen : ::testing::Test {
    test::TestApp app;
    FakeControls c;
    int vorgezeigt = 0;
    void SetUp() override
    {
        inputError().clear();
        setInputErrorPresenter([this](const InputError&) { ++vorgezeigt; });
    }
    void TearDown() override
    {
        setInputErrorPresenter(nullptr);
        inputError().clear();
    }
};

TEST(Pruefregeln, Numbers)
{
    EXPECT_EQ(pruefeZahl("abc", 1, 60), kKeineZahl);
    EXPECT_EQ(pruefeZahl("12abc", 1, 60), kKeineZahl);
    EXPECT_EQ(pruefeZahl("", 0, 600), kKeinFehler) << "empty counts as 0";
    EXPECT_EQ(pruefeZahl("", 1, 60), kZahlAusserhalb);
    EXPECT_EQ(pruefeZahl("1", 1, 60), kKeinFehler);
    EXPECT_EQ(pruefeZahl("60", 1, 60), kKeinFehler);
    EXPECT_EQ(pruefeZahl("0", 1, 60), kZahlAusserhalb);
    EXPECT_EQ(pruefeZahl("61", 1, 60), kZahlAusserhalb);
    // Limits without an exact binary form are met by the same entry (compared as 32-bit floats).
    EXPECT_EQ(pruefeZahl("0.1", 0.1f, 30), kKeinFehler);
    EXPECT_EQ(pruefeZahl("0.09", 0.1f, 30), kZahlAusserhalb);
    EXPECT_EQ(pruefeZahl("99.9", 0, 99.9f), kKeinFehler);
}

TEST(Pruefregeln, ADecimalCommaIsADecimalPoint)
{
    EXPECT_EQ(pruefeZahl("1,5", 1, 2), kKeinFehler);
    EXPECT_EQ(pruefeZahl("2,01", 1, 2), kZahlAusserhalb);
    EXPECT_EQ(pruefeZahl("1,5,0", 1, 2), kKeineZahl) << "one separator only";
    EXPECT_EQ(pruefeZahl("1.5,0", 1, 2), kKeineZahl);
    EXPECT_EQ(skalierterWert("1,5", 1), 15);
    EXPECT_EQ(skalierterWert("-0,57", 2), -57);
    EXPECT_EQ(festkomma(15, 1), "1.5") << "the display keeps its format";
}

TEST(Pruefregeln, AnAccessCodeInForceNeedsAllItsCharacters)
{
    const std::pair<const char*, InputErrorKind> cases[] = {
        {"9157", kKeinFehler}, {"AB12  ", kKeinFehler},        {"", kCodeUnvollstaendig},
        {"915", kCodeUnvollstaendig}, {"9   ", kCodeUnvollstaendig}, {"91575", kTextZuLang},
        {"ab12", kUnerlaubtesZeichen},
    };
    for (const auto& [code, kind] : cases)
        EXPECT_EQ(pruefeZugangscode(QString::fromLatin1(code), 4), kind) << '"' << code << '"';
}

TEST(Pruefregeln, Texts)
{
    EXPECT_EQ(pruefeText("9157", 4, Zeichensatz::ZiffernGrossbuchstaben), kKeinFehler);
    EXPECT_EQ(pruefeText("AB12   ", 4, Zeichensatz::ZiffernGrossbuchstaben), kKeinFehler)
        << "trailing blanks do not count";
    EXPECT_EQ(pruefeText("AB123", 4, Zeichensatz::ZiffernGrossbuchstaben), kTextZuLang);
    EXPECT_EQ(pruefeText("ab12", 4, Zeichensatz::ZiffernGrossbuchstaben), kUnerlaubtesZeichen);
    EXPECT_EQ(pruefeText("A B", 4, Zeichensatz::ZiffernGrossbuchstaben), kUnerlaubtesZeichen);
    EXPECT_EQ(pruefeText("Produkt ~ 5%", 13, Zeichensatz::Druckbar), kKeinFehler);
    EXPECT_EQ(pruefeText(QString::fromUtf8("Säure"), 13, Zeichensatz::Druckbar), kUnerlaubtesZeichen);
    EXPECT_EQ(pruefeText("a\tb", 13, Zeichensatz::Druckbar), kUnerlaubtesZeichen);
}

TEST(Pruefregeln, Times)
{
    EXPECT_EQ(pruefeZeit("7:5"), kKeinFehler);
    EXPECT_EQ(pruefeZeit("00:00"), kKeinFehler);
    EXPECT_EQ(pruefeZeit("23:59"), kKeinFehler);
    for (const char* format : {":30", "12:", "12.30", "", "1230", "1:2:3", "a1:30", "12: 3", "-1:30"})
        EXPECT_EQ(pruefeZeit(format), kZeitformat) << format;
    for (const char* bereich : {"24:00", "12:60", "99999999999:00"})
        EXPECT_EQ(pruefeZeit(bereich), kZeitAusserhalb) << bereich;
}

TEST_F(Pruefungen, RecordsTheFirstViolationOnlyAndMovesThere)
{
    c.setText(1015, "abc");
    c.setText(1017, "999");
    DDV_Number(c, 1015, 1, 60, 0, 0, 0);
    DDV_Number(c, 1017, 0, 600, 0, 0, 0);
    ASSERT_TRUE(inputErrorPending());
    EXPECT_EQ(inputError().kind, kKeineZahl);
    EXPECT_EQ(inputError().controlId, 1015);
    EXPECT_EQ(vorgezeigt, 1);
    EXPECT_EQ(InputErrorText(inputError()), QString::fromUtf8("Bitte geben sie eine gültige Zahl ein."));
}

TEST_F(Pruefungen, HiddenOrDisabledFieldsAreNeverChecked)
{
    c.setText(1, "abc");
    c.versteckt.insert(1);
    DDV_Number(c, 1, 0, 1, 0, 0, 0);
    c.versteckt.clear();
    c.gesperrt.insert(1);
    DDV_Number(c, 1, 0, 1, 0, 0, 0);
    DDV_Text(c, 1, 1, Zeichensatz::ZiffernGrossbuchstaben, 0, 0);
    DDV_Time(c, 1, 0, 0);
    EXPECT_FALSE(inputErrorPending());
    EXPECT_EQ(vorgezeigt, 0);
}

TEST_F(Pruefungen, ErrorTextsCarryTheLimits)
{
    c.setText(1015, "61");
    DDV_Number(c, 1015, 1, 60, 0, 2, 1);
    EXPECT_EQ(inputError().kind, kZahlAusserhalb);
    EXPECT_EQ(inputError().tabIndex, 2);
    EXPECT_EQ(inputError().subPage, 1);
    EXPECT_EQ(InputErrorText(inputError()), QString::fromUtf8("Die eingegebene Zahl muß zwischen 1 und 60 liegen. "));

    inputError().clear();
    c.setText(1035, "31");
    DDV_Number(c, 1035, 0.1f, 30, 1, 1, 0);
    EXPECT_EQ(InputErrorText(inputError()), QString::fromUtf8("Die eingegebene Zahl muß zwischen 0.1 und 30.0 liegen. "));

    inputError().clear();
    c.setText(1012, "12345");
    DDV_Text(c, 1012, 4, Zeichensatz::ZiffernGrossbuchstaben, 0, 0);
    EXPECT_EQ(InputErrorText(inputError()), "Die Eingabe darf nicht mehr als 4 Zeichen enthalten.");

    inputError().clear();
    c.setText(1190, "24:00");
    DDV_Time(c, 1190, 1, 0);
    EXPECT_EQ(inputError().kind, kZeitAusserhalb);
    EXPECT_FALSE(InputErrorText(inputError()).isEmpty());
}

TEST(InputErrorTexts, English)
{
    test::TestApp app(test::TestApp::Language::English);
    InputError e;
    e.pending = 1;
    e.kind = kZahlAusserhalb;
    e.minValue = 1;
    e.maxValue = 60;
    EXPECT_EQ(InputErrorText(e), "The number entered must lie between 1 and 60. ");
    e.kind = kZeitformat;
    EXPECT_EQ(InputErrorText(e), "Please keep to the time format HH:MM.");
    e.pending = 0;
    EXPECT_TRUE(InputErrorText(e).isEmpty());
}

} // namespace
} // namespace hvx
