#include "BandNames.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, 35> kBands = {
    "8.0 Hz",  "10.0 Hz", "12.5 Hz", "16.0 Hz", "20.0 Hz",  "25.0 Hz",  "31.5 Hz",  "40.0 Hz",  "50.0 Hz",
    "63.0 Hz", "80.0 Hz", "100 Hz",  "125 Hz",  "160 Hz",   "200 Hz",   "250 Hz",   "315 Hz",   "400 Hz",
    "500 Hz",  "630 Hz",  "800 Hz",  "1000 Hz", "1250 Hz",  "1600 Hz",  "2000 Hz",  "2500 Hz",  "3150 Hz",
    "4000 Hz", "5000 Hz", "6300 Hz", "8000 Hz", "10000 Hz", "12500 Hz", "16000 Hz", "20000 Hz",
};

constexpr size_t kShortHeadingWidth = 7;

// Band index of the count bands of the list above from first on.
std::string BandOf(int index, int first, int count)
{
    return index >= 0 && index < count ? kBands[static_cast<size_t>(first + index)] : "";
}

}  // namespace

std::string SsaBandName(int band)
{
    return BandOf(band, 2, 33);
}

std::string TalBandName(int band)
{
    return BandOf(band, 0, 33);
}

std::string ObaBandName(int band)
{
    return BandOf(band, 5, 30);
}

std::string WithoutUnit(std::string name)
{
    name.resize(name.size() >= 3 ? name.size() - 3 : 0);
    return name;
}

std::string SsaBandShortHeading(int band)
{
    std::string number = SsaBandLabel(band);
    if (number.empty())
        return number;
    std::string unit = "Hz";
    if (number.find('.') == std::string::npos && number.size() > 3) {
        // Kilohertz: the point before the last three digits, then no
        // trailing zeros.
        number.insert(number.size() - 3, 1, '.');
        unit = "KHz";
    }
    if (number.find('.') != std::string::npos) {
        number.erase(number.find_last_not_of('0') + 1);
        if (number.back() == '.')
            number.pop_back();
    }
    const std::string heading = number + unit;
    return std::string(kShortHeadingWidth - std::min(heading.size(), kShortHeadingWidth), ' ') + heading;
}
