#include "ReportNumbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
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

// The rounding error of product = a * b, exactly (Dekker): a * b equals
// product + error. For finite operands far from overflow and underflow.
double ProductError(double a, double b, double product)
{
    auto split = [](double x, double& high, double& low) {
        const double t = 134217729.0 * x;  // 2^27 + 1
        high = t - (t - x);
        low = x - high;
    };
    double ah, al, bh, bl;
    split(a, ah, al);
    split(b, bh, bl);
    return ((ah * bh - product) + ah * bl + al * bh) + al * bl;
}

}  // namespace

double NudgeTieAwayFromZero(double value, int decimals)
{
    static constexpr long double kPowers[16] = {1e0L, 1e1L, 1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,
                                                1e8L, 1e9L, 1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L};
    if (!std::isfinite(value) || decimals < 0 || decimals > 15)
        return value;
    // Most values are nowhere near a tie: a quick look in double precision
    // settles them.
    const double rough = std::fabs(value) * static_cast<double>(kPowers[decimals]);
    if (rough < 1e15) {
        // The fraction by a cut to a whole number: exact below 2^53, and
        // quicker than floor on every number written.
        const double fraction = rough - static_cast<double>(static_cast<int64_t>(rough));
        if (std::fabs(fraction - 0.5) > 1e-6 * (1.0 + rough))
            return value;
        // Exact in double precision: below 2^53 a tie (a whole number and a
        // half) is a double itself, so the product is a tie only when it
        // came out exact (no rounding error) and ends in one half.
        if (ProductError(std::fabs(value), static_cast<double>(kPowers[decimals]), rough) != 0.0 || fraction != 0.5)
            return value;
        return std::nextafter(value, value < 0 ? -std::numeric_limits<double>::infinity()
                                               : std::numeric_limits<double>::infinity());
    }
    // Exact for the floats the instrument delivers: 24 bits of mantissa
    // times a power of ten stay within the 64 bits of a long double.
    long double scaled = std::fabs(static_cast<long double>(value)) * kPowers[decimals];
    if (scaled - std::floor(scaled) != 0.5L)
        return value;
    return std::nextafter(value, value < 0 ? -std::numeric_limits<double>::infinity()
                                           : std::numeric_limits<double>::infinity());
}

char* WriteFixed(char* first, char* last, double value, int decimals)
{
    if (decimals < 0)
        decimals = 0;
    auto [end, ec] =
        std::to_chars(first, last, NudgeTieAwayFromZero(value, decimals), std::chars_format::fixed, decimals);
    return ec == std::errc() ? end : first;
}

std::string FormatFixed(double value, int decimals, int width)
{
    char digits[400];  // the largest double with 15 decimals fits
    std::string text(digits, WriteFixed(digits, digits + sizeof digits, value, decimals));
    if (width > 0 && static_cast<size_t>(width) > text.size())
        text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    return text;
}

char* WriteReportNumber(char* first, char* last, float value, int decimals)
{
    static constexpr char kMark[] = " --- ";
    if (value != kNoValue)
        return WriteFixed(first, last, value, decimals);
    if (static_cast<size_t>(last - first) < sizeof kMark - 1)
        return first;
    return std::copy_n(kMark, sizeof kMark - 1, first);
}

const char* FormatReportNumber(float value, int decimals, int width)
{
    char digits[400];
    const size_t length =
        static_cast<size_t>(WriteReportNumber(digits, digits + sizeof digits, value, decimals) - digits);
    // " --- " takes no width; a number is padded to it, then cut to the
    // buffer, never written past it.
    const size_t room = sizeof g_numberText - 1;
    const size_t wanted = value == kNoValue ? 0 : static_cast<size_t>(std::max(width, 0));
    const size_t pad = std::min(wanted > length ? wanted - length : 0, room);
    const size_t copied = std::min(length, room - pad);
    std::memset(g_numberText, ' ', pad);
    std::memcpy(g_numberText + pad, digits, copied);
    g_numberText[pad + copied] = '\0';
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

namespace {

// The local time of a time stamp. Tables run through the seconds of one
// minute after another, and no clock change falls inside a minute: the
// conversion of the minute serves all its seconds (while the time zone
// stays the same).
std::tm LocalTime(std::time_t time)
{
    thread_local std::time_t minute = -1;
    thread_local std::tm minuteStart{};
    thread_local std::string zone;
    const char* tz = std::getenv("TZ");
    const std::time_t start = time - ((time % 60) + 60) % 60;
    if (start != minute || zone != (tz ? tz : "")) {
        localtime_r(&start, &minuteStart);
        minute = start;
        zone = tz ? tz : "";
    }
    std::tm tm = minuteStart;
    tm.tm_sec = static_cast<int>(time - start);
    return tm;
}

}  // namespace

std::string FormatLocalTime(std::time_t time, const char* format)
{
    const std::tm tm = LocalTime(time);
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
