#include "DirectionText.h"

#include <cstdint>

#include "ReportText.h"

namespace {
const char* const kCompassPoints[16] = {"  N", "NNE", " NE", "ENE", "  E", "ESE", " SE", "SSE",
                                        "  S", "SSW", " SW", "WSW", "  W", "WNW", " NW", "NNW"};
}

std::string FormatDirectionText(int value, int units)
{
    const int16_t reading = static_cast<int16_t>(value);
    switch (units) {
    case 0: {
        // The sum is a 16-bit one: only bits 4 to 7 of value + 8 count.
        const uint16_t sum = static_cast<uint16_t>(reading + 8);
        return kCompassPoints[(sum & 0xF0) / 16];
    }
    case 1: return Printf("%03d\xB0", reading * 360 / 256);
    case 2: return Printf("%d %%", reading * 100 / 256);
    case 3: return Printf("%.2f Volts", reading * 2.5 / 256);
    case 4: return Printf("%d", reading);
    default: return {};
    }
}
