#include "TimeTexts.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <ctime>

#include "ReportNumbers.h"

namespace {
// Index 0 is the date parser's "no month".
constexpr std::array<const char*, 13> kMonths = {"???", "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Leading blanks, a sign and digits at pos, as the C library's atoi reads
// them; 0 past the end of the text or without digits.
int NumberAt(std::string_view text, size_t pos)
{
    if (pos >= text.size())
        return 0;
    size_t i = pos;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        if (value < 100000000)
            value = value * 10 + (text[i] - '0');
    return static_cast<int>(negative ? -value : value);
}

size_t SkipBlanks(std::string_view text, size_t pos)
{
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    return pos;
}

// The month abbreviation at pos as 0 to 11; January when it names none.
int MonthAt(std::string_view text, size_t pos)
{
    if (pos + 3 > text.size())
        return 0;
    for (size_t m = 1; m < kMonths.size(); ++m) {
        bool same = true;
        for (size_t k = 0; k < 3; ++k)
            if (std::tolower(static_cast<unsigned char>(text[pos + k])) !=
                std::tolower(static_cast<unsigned char>(kMonths[m][k])))
                same = false;
        if (same)
            return static_cast<int>(m) - 1;
    }
    return 0;
}

}  // namespace

int SecondsToTime(double seconds, std::string& out, int decimals, int format)
{
    out.clear();
    if ((format != 0 && format != 1) || !std::isfinite(seconds))
        return -1;
    if (decimals < 0)
        decimals = 0;
    if (decimals > 6)
        decimals = 6;
    const double magnitude = std::fabs(seconds);
    if (magnitude > 1e12)
        return -1;

    // Counts in units of the last shown decimal, so that the carries of the
    // rounding reach minutes and hours.
    long long scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    long long units = std::llround(magnitude * static_cast<double>(scale));
    long long h = units / (3600 * scale);
    // Between one hour and a day the seconds are shown whole.
    if (format == 0 && h >= 1 && h < 24) {
        decimals = 0;
        scale = 1;
        units = std::llround(magnitude);
        h = units / 3600;
    }
    units -= h * 3600 * scale;
    const long long m = units / (60 * scale);
    units -= m * 60 * scale;

    // Durations print one per record: written without printf.
    auto number = [&out](long long v, bool twoDigits) {
        char digits[24];
        if (twoDigits && v < 10)
            out += '0';
        out.append(digits, std::to_chars(digits, digits + sizeof digits, v).ptr);
    };
    if (seconds < 0)
        out += '-';
    if (format == 0) {
        number(h, h < 24);
        out += ':';
    }
    number(m, true);
    out += ':';
    number(units / scale, true);
    if (decimals > 0) {
        out += '.';
        const size_t at = out.size();
        out.append(static_cast<size_t>(decimals), '0');
        long long fraction = units % scale;
        for (size_t i = at + static_cast<size_t>(decimals); fraction > 0; fraction /= 10)
            out[--i] = static_cast<char>('0' + fraction % 10);
    }
    return 0;
}

int SecondsToHms(uint32_t seconds, std::string& out)
{
    // Tables print one per row: written in place rather than through printf.
    char text[24];
    char* end = text;
    const uint32_t hours = seconds / 3600;
    if (hours < 10)
        *end++ = '0';
    end = std::to_chars(end, text + sizeof text, hours).ptr;
    for (const uint32_t part : {seconds / 60 % 60, seconds % 60}) {
        *end++ = ':';
        *end++ = static_cast<char>('0' + part / 10);
        *end++ = static_cast<char>('0' + part % 10);
    }
    out.assign(text, end);
    return 0;
}

uint32_t WholeSeconds(double seconds)
{
    if (!(seconds > 0))
        return 0;
    return seconds >= 4294967295.0 ? UINT32_MAX : static_cast<uint32_t>(seconds);
}

const std::string& GetMonthName(int month, std::string& out)
{
    out = kMonths[(month >= 1 && month <= 12) ? month : 1];
    return out;
}

std::string DateText(std::time_t time) { return FormatLocalTime(time, "%d-%b-%Y"); }

std::string ClockText(std::time_t time) { return FormatLocalTime(time, "%H:%M:%S"); }

std::string DateTimeText(std::time_t time) { return FormatLocalTime(time, "%d-%b-%Y %H:%M:%S"); }

std::string NumericDateTimeText(std::time_t time) { return FormatLocalTime(time, "%d/%m/%y %H:%M:%S"); }

uint32_t DateTextToSecs(std::string_view date, std::string_view time, int format)
{
    std::tm t{};
    t.tm_isdst = -1;
    switch (format) {
    case 0:
    case 1:
    case 5:
        t.tm_mday = NumberAt(date, 0);
        t.tm_mon = MonthAt(date, SkipBlanks(date, 2));
        if (format == 5) {
            std::time_t now = std::time(nullptr);
            std::tm today{};
            localtime_r(&now, &today);
            t.tm_year = today.tm_year - (today.tm_mon < t.tm_mon ? 1 : 0);
        } else {
            t.tm_year = NumberAt(date, 5);
        }
        if (t.tm_mday < 1)
            t.tm_mday = 1;
        break;
    case 2:
    case 4:
        t.tm_mon = NumberAt(date, 0) - 1;
        t.tm_mday = NumberAt(date, 3);
        t.tm_year = NumberAt(date, 6);
        break;
    case 3:
        t.tm_mday = NumberAt(date, 0);
        t.tm_mon = NumberAt(date, 3) - 1;
        t.tm_year = NumberAt(date, 6);
        break;
    case 6: {
        t.tm_year = NumberAt(date, 0);
        size_t month = SkipBlanks(date, 4);
        t.tm_mon = MonthAt(date, month);
        t.tm_mday = NumberAt(date, SkipBlanks(date, month + 3));
        break;
    }
    default:
        return 0;
    }
    if (t.tm_year > 1900)
        t.tm_year -= 1900;
    if (t.tm_year < 70)
        t.tm_year += 100;
    t.tm_hour = NumberAt(time, 0);
    t.tm_min = NumberAt(time, 3);
    t.tm_sec = NumberAt(time, 6);
    std::time_t secs = std::mktime(&t);
    if (secs < 0 || secs > static_cast<std::time_t>(UINT32_MAX))
        return 0;
    return static_cast<uint32_t>(secs);
}

int TextToDouble(std::string_view text, double& value)
{
    size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
    };
    auto digit = [&] { return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); };
    skip();
    double sign = 1.0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        sign = text[i] == '-' ? -1.0 : 1.0;
        ++i;
        skip();
    }
    double number = 0;
    int digits = 0;
    for (; digit(); ++i, ++digits)
        number = number * 10 + (text[i] - '0');
    if (digits > 0)
        value = sign * number;
    if (i >= text.size() || text[i] != '.')
        return digits > 0 ? 0 : -1;
    ++i;
    double scale = 1;
    int fraction = 0;
    for (; digit(); ++i, ++fraction) {
        number = number * 10 + (text[i] - '0');
        scale *= 10;
    }
    // A lone point is no number.
    if (digits + fraction == 0)
        return -1;
    value = sign * number / scale;
    return 0;
}

namespace {

// The number a part of a period text starts with, as atoi reads it.
int LeadingInt(std::string_view part)
{
    while (!part.empty() && (part.front() == ' ' || part.front() == '\t'))
        part.remove_prefix(1);
    if (!part.empty() && part.front() == '+')
        part.remove_prefix(1);
    int value = 0;
    if (std::from_chars(part.data(), part.data() + part.size(), value).ec != std::errc())
        value = 0;
    return value;
}

}  // namespace

std::string IntervalPeriodText(std::string_view stored)
{
    int parts[3] = {};
    std::string_view rest = stored;
    for (int& part : parts) {
        const size_t colon = rest.find(':');
        part = LeadingInt(rest.substr(0, colon));
        if (colon == std::string_view::npos)
            break;
        rest.remove_prefix(colon + 1);
    }
    std::string text;
    for (const int part : parts) {
        if (!text.empty())
            text += ':';
        std::string digits = std::to_string(part);
        const size_t sign = part < 0 ? 1 : 0;
        if (digits.size() - sign < 2)
            digits.insert(sign, "0");
        text += digits;
    }
    return text;
}
