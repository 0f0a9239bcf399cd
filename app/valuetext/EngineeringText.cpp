#include "EngineeringText.h"

#include <cctype>
#include <charconv>

#include "ReportNumbers.h"

double ParseLeadingNumber(const std::string& text)
{
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end && std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-'))
        negative = *p++ == '-';
    double value = 0;
    // A second sign is no number, as the C library reads it.
    if (p < end && *p != '+' && *p != '-' &&
        std::from_chars(p, end, value, std::chars_format::general).ec != std::errc())
        value = 0;
    return negative ? -value : value;
}

namespace {

double ParseEngineeringDouble(const std::string& text)
{
    double value = ParseLeadingNumber(text);
    if (!text.empty()) {
        switch (text.back()) {
        case 'M': value *= 1e6; break;
        case 'k': value *= 1000; break;
        case 'm': value /= 1000; break;
        case 'u': value /= 1e6; break;
        default: break;
        }
    }
    return value;
}

}  // namespace

float ParseEngineeringValue(const std::string& text)
{
    return static_cast<float>(ParseEngineeringDouble(text));
}

void FormatEngineeringText(std::string& text)
{
    // Read in double: through a float, 0.1 would come back as 100.000001m.
    double value = text.empty() ? 1.0 : ParseEngineeringDouble(text);
    double factor = 1;
    char letter = ' ';
    if (value == 0) {
        value = 1;
    } else if (value < 0.001) {
        factor = 1e6;
        letter = 'u';
    } else if (value < 1) {
        factor = 1000;
        letter = 'm';
    } else if (value < 1000) {
    } else if (value < 1e6) {
        factor = 0.001;
        letter = 'k';
    } else {
        factor = 1e-6;
        letter = 'M';
    }
    std::string number = FormatFixed(value * factor, 6);
    if (number.find('.') != std::string::npos) {
        number.erase(number.find_last_not_of('0') + 1);
        if (number.back() == '.')
            number.pop_back();
    }
    text = number + letter;
}
