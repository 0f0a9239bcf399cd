#include "DirectionText.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "ReportNumbers.h"

namespace {
char g_directionText[32];

constexpr const char* kCompass[16] = {"  N", "NNE", " NE", "ENE", "  E", "ESE", " SE", "SSE",
                                      "  S", "SSW", " SW", "WSW", "  W", "WNW", " NW", "NNW"};

const char* Keep(const std::string& text)
{
    std::strncpy(g_directionText, text.c_str(), sizeof g_directionText - 1);
    g_directionText[sizeof g_directionText - 1] = '\0';
    return g_directionText;
}

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

const char* FormatDirectionText(int raw, int units)
{
    const int value = static_cast<int16_t>(raw);
    switch (units) {
    case 0:
        // Only bits 4 to 7 of the 16-bit sum count.
        return Keep(kCompass[((static_cast<uint16_t>(value + 8)) & 0xF0) / 16]);
    case 1:
        return Keep(ThreeDigits(value * 360 / 256) + "\xC2\xB0");
    case 2:
        return Keep(std::to_string(value * 100 / 256) + " %");
    case 3:
        return Keep(std::string(FormatReportNumber(static_cast<float>(value * 2.5 / 256), 2, 0)) + " Volts");
    case 4:
        return Keep(std::to_string(value));
    default:
        return Keep("");
    }
}
