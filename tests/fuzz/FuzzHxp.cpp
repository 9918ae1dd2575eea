// The EEPROM image reader: any bytes as an .hxp file. Lines it cannot read leave their bytes as
// they were, and an image it read is written out and read back to the same bytes.
#include "FuzzApp.h"

#include "devicedata/EepromImage.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace hvx;
    fuzz::App();
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    EepromImage image = FreshEepromImage();
    const HxpLoadResult result = ReadHxpText(text, image);
    if (result.linesTaken < 0 || result.linesTaken > kHxpLines)
        std::abort();
    EepromImage again = FreshEepromImage();
    ReadHxpText(HxpText(image), again);
    if (again != image)
        std::abort();
    return 0;
}
