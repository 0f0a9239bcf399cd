#include "DirectionText.h"

#include <cstdint>

#include "ReportNumbers.h"

namespace {

constexpr const char* kCompass[16] = {"  N", "NNE", " NE", "ENE", "  E", "ESE", " SE", "SSE",
                                      "  S", "SSW", " SW", "WSW", "  W", "WNW", " NW", "NNW"};
constexpr char kDegreeSign1252 = '\xB0';

// "%03d": at least three characters, zeros after the sign.
std::string ThreeDigits(int value)
{
    std::string digits = std::to_string(value < 0 ? -value : value);
    const size_t width = value < 0 ? 2 : 3;
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return value < 0 ? "-" + digits : digits;
}

}  // namespace

const char* CompassText(int index)
{
    return index >= 0 && index < 16 ? kCompass[index] : "";
}

std::string FormatDirectionText(int value, int units)
{
    const int reading = static_cast<int16_t>(value);
    switch (units) {
    case 0:
        // The sum is a 16-bit one: only bits 4 to 7 of reading + 8 count.
        return CompassText((static_cast<uint16_t>(reading + 8) & 0xF0) / 16);
    case 1:
        return ThreeDigits(reading * 360 / 256) + kDegreeSign1252;
    case 2:
        return std::to_string(reading * 100 / 256) + " %";
    case 3:
        return FormatFixed(reading * 2.5 / 256, 2) + " Volts";
    case 4:
        return std::to_string(reading);
    default:
        return {};
    }
}
