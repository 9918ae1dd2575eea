#pragma once
// Temperature conversions of the manual-temperature fields. The instrument stores whole degrees
// Celsius; Fahrenheit exists only on screen and on paper, so every conversion rounds the same
// way wherever it is shown.

namespace hvx {

// Tenths of a degree Fahrenheit shown for tenths of a degree Celsius (rounded half up).
int zehntelFahrenheit(int zehntelCelsius);

// Tenths of a degree Celsius for tenths of a degree Fahrenheit, rounded half up.
int zehntelCelsiusAusZehntelFahrenheit(int zehntelFahrenheit);

// Whole degrees Celsius to store for an entry in tenths of a degree Fahrenheit: rounded to
// tenths of a degree Celsius first, then cut to whole degrees.
int celsiusAusZehntelFahrenheit(int zehntelFahrenheit);

// Whole degrees Fahrenheit of a whole-degree Celsius value, as range limits and the printout
// show it.
int fahrenheitAusCelsius(int celsius);

} // namespace hvx
