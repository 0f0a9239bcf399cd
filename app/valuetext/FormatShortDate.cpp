#include "FormatShortDate.h"

#include <cstdio>

#include "TimeTexts.h"

namespace {

// The number the two characters at pos start with (blanks, a sign, digits),
// as atoi reads it; 0 when there is none.
int TwoDigits(const std::string& text, size_t pos)
{
    const std::string part = pos < text.size() ? text.substr(pos, 2) : std::string();
    size_t i = 0;
    while (i < part.size() && (part[i] == ' ' || part[i] == '\t'))
        ++i;
    int sign = 1;
    if (i < part.size() && (part[i] == '-' || part[i] == '+'))
        sign = part[i++] == '-' ? -1 : 1;
    int value = 0;
    for (; i < part.size() && part[i] >= '0' && part[i] <= '9'; ++i)
        value = value * 10 + (part[i] - '0');
    return sign * value;
}

}  // namespace

const std::string& FormatShortDate(const std::string& date, std::string& out)
{
    const int twoDigitYear = TwoDigits(date, 0);
    const int year = twoDigitYear < 71 ? 2000 + twoDigitYear : 1900 + twoDigitYear;
    std::string month;
    GetMonthName(TwoDigits(date, 3), month);
    const std::string day = date.size() > 6 ? date.substr(6, 2) : std::string();
    char yearText[16];
    std::snprintf(yearText, sizeof yearText, "%d", year);
    out = day + "-" + month + "-" + yearText;
    return out;
}
