#include "ReportNumbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Large enough for any float in fixed notation with the decimals the reports
// use; a text that would not fit is cut, never written past the buffer.
char g_numberText[80];

void AppendTwoDigits(std::string& out, int v)
{
    out += static_cast<char>('0' + (v / 10) % 10);
    out += static_cast<char>('0' + v % 10);
}

}  // namespace

double NudgeTieAwayFromZero(double value, int decimals)
{
    if (!std::isfinite(value) || decimals < 0 || decimals > 15)
        return value;
    // Exact for the floats the instrument delivers: 24 bits of mantissa
    // times a power of ten stay within the 64 bits of a long double.
    long double scaled = std::fabs(static_cast<long double>(value)) * std::pow(10.0L, decimals);
    long double whole = 0;
    if (std::modf(scaled, &whole) != 0.5L)
        return value;
    return std::nextafter(value, value < 0 ? -std::numeric_limits<double>::infinity()
                                           : std::numeric_limits<double>::infinity());
}

std::string FormatFixed(double value, int decimals, int width)
{
    if (decimals < 0)
        decimals = 0;
    char digits[400];  // the largest double with 15 decimals fits
    auto [end, ec] = std::to_chars(digits, digits + sizeof digits, NudgeTieAwayFromZero(value, decimals),
                                   std::chars_format::fixed, decimals);
    if (ec != std::errc())
        end = digits;
    std::string text(digits, end);
    if (width > 0 && static_cast<size_t>(width) > text.size())
        text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    return text;
}

const char* FormatReportNumber(float value, int decimals, int width)
{
    if (value == kNoValue) {
        std::strcpy(g_numberText, " --- ");
        return g_numberText;
    }
    // Cut to the buffer, never written past it.
    const std::string text = FormatFixed(value, decimals, width);
    const size_t copied = std::min(text.size(), sizeof g_numberText - 1);
    std::memcpy(g_numberText, text.data(), copied);
    g_numberText[copied] = '\0';
    return g_numberText;
}

int RT60DbDownFromIndex(float version, unsigned index)
{
    static constexpr int kFromVersion4[] = {5, 10, 15, 20, 25, 30};
    static constexpr int kBefore4[] = {5, 10, 20, 30};
    if (version >= 4.0f)
        return index < std::size(kFromVersion4) ? kFromVersion4[index] : 0;
    return index < std::size(kBefore4) ? kBefore4[index] : 0;
}

std::string FormatLocalTime(std::time_t time, const char* format)
{
    std::tm tm{};
    localtime_r(&time, &tm);
    std::string out;
    for (const char* p = format; *p; ++p) {
        if (*p != '%' || p[1] == '\0') {
            out += *p;
            continue;
        }
        switch (*++p) {
        case 'd': AppendTwoDigits(out, tm.tm_mday); break;
        case 'm': AppendTwoDigits(out, tm.tm_mon + 1); break;
        case 'y': AppendTwoDigits(out, tm.tm_year % 100); break;
        case 'Y': out += std::to_string(tm.tm_year + 1900); break;
        case 'b': out += kMonths[static_cast<size_t>(tm.tm_mon) % kMonths.size()]; break;
        case 'H': AppendTwoDigits(out, tm.tm_hour); break;
        case 'M': AppendTwoDigits(out, tm.tm_min); break;
        case 'S': AppendTwoDigits(out, tm.tm_sec); break;
        case '%': out += '%'; break;
        default:
            out += '%';
            out += *p;
            break;
        }
    }
    return out;
}
