#include "model/Temperatur.h"

namespace hvx {

int zehntelFahrenheit(int zehntelCelsius)
{
    return int(zehntelCelsius * 9.0 / 5.0 + 320.0 + 0.5);
}

int celsiusAusZehntelFahrenheit(int zehntelFahrenheit)
{
    const int zehntelCelsius = int((zehntelFahrenheit - 320) * 5.0 / 9.0 + 0.5);
    return zehntelCelsius / 10;
}

int fahrenheitAusCelsius(int celsius)
{
    return int(celsius * 9.0 / 5.0 + 32.0 + 0.05);
}

} // namespace hvx
