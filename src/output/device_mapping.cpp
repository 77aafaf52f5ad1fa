#include "output/device_mapping.h"

#include <algorithm>
#include <cmath>

namespace output {

double UnitsPerInch(TUnits units, double userFactor)
{
    switch (units) {
    case unInch: return 1.0;
    case unMM: return 25.4;
    case unCM: return 2.54;
    case unPoint: return 72.0;
    case unUser: break;
    }
    return userFactor > 0.0 ? userFactor : 1.0;
}

// Halves go to the even neighbour, as everywhere else in the program.
static int roundEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

int TDeviceMapping::deviceX(double inches) const
{
    return roundEven(pixelX(inches));
}

int TDeviceMapping::deviceY(double inches) const
{
    return roundEven(pixelY(inches));
}

double TDeviceMapping::penPixels(int width) const
{
    if (width >= 0)
        return width;
    return std::max(1.0, lengthX(-width / 100.0));
}

} // namespace output
