#pragma once
// Numbers as the pages read and write them: plain decimal notation with a point, truncation
// toward zero, and the filling of numbered message templates without printf, so that a
// language file can never make the program read arguments it did not pass.

#include <QString>
#include <QtGlobal>

#include <initializer_list>

namespace hvx {

struct Zahlzerlegung {
    double wert = 0.0;
    bool vollstaendig = false; // the whole text (blanks around it aside) is the number
};

// Reads an optional sign, digits and an optional point (or decimal comma) with more digits,
// after leading blanks.
// An empty text is 0 and complete. Where the text stops being a number, the number read so far
// counts (nothing read: 0) and vollstaendig is false. No exponents, no hexadecimal, no "inf".
Zahlzerlegung leseZahl(const QString& text);

// Decimal value of a text as the integer fields store it: truncated toward zero.
qint64 ganzzahlwert(const QString& text);

// The entered number times 10^decimals, truncated toward zero. The product is first taken to
// six decimals so that binary representation error (0.57 x 100 = 56.999...) cannot cost a digit.
qint64 skalierterWert(const QString& text, int decimals);

// A stored integer divided by 10^decimals, printed with that many decimals ("-0.50").
QString festkomma(qint64 wert, int decimals);

// Fills "%%.%df" placeholders (in order) with min and max printed with the given decimals.
QString ersetzeBereichsplatzhalter(const QString& vorlage, double min, double max, int decimals);
// Fills "%d" placeholders in order; "%%" becomes "%".
QString ersetzeGanzzahlen(const QString& vorlage, std::initializer_list<qint64> werte);

} // namespace hvx
