#include "model/Temperatur.h"

namespace hvx {

int zehntelFahrenheit(int zehntelCelsius)
{
    return int(zehntelCelsius * 9.0 / 5.0 + 320.0 + 0.5);
}

int zehntelCelsiusAusZehntelFahrenheit(int zehntelFahrenheit)
{
    return int((zehntelFahrenheit - 320) * 5.0 / 9.0 + 0.5);
}

int celsiusAusZehntelFahrenheit(int zehntelFahrenheit)
{
    return zehntelCelsiusAusZehntelFahrenheit(zehntelFahrenheit) / 10;
}

int fahrenheitAusCelsius(int celsius)
{
    return int(celsius * 9.0 / 5.0 + 32.0 + 0.05);
}

} // namespace hvx
