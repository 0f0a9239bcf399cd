#include "TextNumbers.h"

#include <charconv>
#include <climits>
#include <cstdio>
#include <string>

#include "EngineeringText.h"

namespace {

// The part of the text a number can be read from; edits hold ASCII.
std::string Latin(const QString& text)
{
    return text.toLatin1().toStdString();
}

}  // namespace

int AtoI(const QString& text)
{
    const std::string s = Latin(text);
    size_t i = s.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string::npos)
        return 0;
    bool negative = false;
    if (s[i] == '+' || s[i] == '-')
        negative = s[i++] == '-';
    long long value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        value = value * 10 + (s[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        value = INT_MAX;
    return static_cast<int>(value);
}

double AtoF(const QString& text)
{
    return ParseLeadingNumber(Latin(text));
}

QString IntText(long long value)
{
    return QString::number(value);
}

QString TwoDigitText(int value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.02d", value);
    return QString::fromLatin1(buffer);
}
