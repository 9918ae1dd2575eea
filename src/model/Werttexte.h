#pragma once
// Value texts as the instrument's printouts have always shown them: numbers formatted like the
// C library's printf in the "C" locale (decimal point, correct rounding), never "-0", and the
// measured values of a slot with its decimals. Export, printing and hvxcli share these, so a
// value reads the same wherever it is shown.

#include "model/Parametersatz.h"

#include <QString>

#include <initializer_list>
#include <variant>

namespace hvx {

// value printed with the given decimals ("%.*f"), without "-0" ("-0.00" becomes "0.00").
QString zahlText(double value, int decimals);

// One argument of a printf-like template: an integer, a floating-point value or a text.
using Formatargument = std::variant<qint64, double, QString>;

// Fills a printf-like template from the language files: %d, %u, %i (with width and '0' flag),
// %s, and %f with an optional precision (%.2f); %% is a percent sign. An argument of the
// wrong kind is converted (a text never reads a number it was not given); a placeholder without
// an argument stays as it is, so a faulty language file cannot make the program misbehave.
QString formatiere(const QString& vorlage, std::initializer_list<Formatargument> argumente);

// A whole-degree Celsius byte as "25 °C", or in Fahrenheit as "77.0 °F".
QString temperaturText(int celsius, bool fahrenheit);

} // namespace hvx
