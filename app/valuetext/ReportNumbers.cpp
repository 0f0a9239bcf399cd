#include "ReportNumbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Large enough for any float in fixed notation with the decimals the reports
// use; a text that would not fit is cut, never written past the buffer.
char g_numberText[80];

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
    // The same powers in double precision (exact up to 10^22), for the quick
    // look below without a conversion from long double.
    static constexpr double kDoublePowers[16] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (!std::isfinite(value) || decimals < 0 || decimals > 15)
        return value;
    // Most values are nowhere near a tie: a quick look in double precision
    // settles them.
    const double rough = std::fabs(value) * kDoublePowers[decimals];
    if (rough < 1e15) {
        // The fraction by a cut to a whole number: exact below 2^53, and
        // quicker than floor on every number written.
        const double fraction = rough - static_cast<double>(static_cast<int64_t>(rough));
        if (std::fabs(fraction - 0.5) > 1e-6 * (1.0 + rough))
            return value;
        // Exact in double precision: below 2^53 a tie (a whole number and a
        // half) is a double itself, so the product is a tie only when it
        // came out exact (no rounding error) and ends in one half.
        if (ProductError(std::fabs(value), kDoublePowers[decimals], rough) != 0.0 || fraction != 0.5)
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

namespace {

constexpr double kExactPowers[7] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};

// The rounded units of the last decimal as digits, the point before the
// decimals; the power is known when compiled, so that no division is a
// general one.
template <int Decimals>
char* PutUnits(char* first, char* last, uint64_t units, bool negative)
{
    constexpr uint64_t kPower = [] {
        uint64_t power = 1;
        for (int i = 0; i < Decimals; ++i)
            power *= 10;
        return power;
    }();
    char whole[24];
    char* const wholeEnd = std::to_chars(whole, whole + sizeof whole, units / kPower).ptr;
    const size_t length = (negative ? 1 : 0) + static_cast<size_t>(wholeEnd - whole) + (Decimals > 0 ? 1 + Decimals : 0);
    if (length > static_cast<size_t>(last - first))
        return first;
    char* out = first;
    if (negative)
        *out++ = '-';
    out = std::copy(whole, wholeEnd, out);
    if constexpr (Decimals > 0) {
        *out++ = '.';
        uint64_t fraction = units % kPower;
        for (int i = Decimals; i > 0; --i) {
            out[i - 1] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        out += Decimals;
    }
    return out;
}

// The digits of a value that a float holds (every level the instrument
// stores) with up to six decimals, in whole numbers: its 24 bits of mantissa
// times a power of ten up to 10^6 are exact in double precision, so the
// rounding (ties away from zero) is settled exactly without a general
// formatter. nullptr when the value is not such a float or too large.
char* WriteFloatFixed(char* first, char* last, double value, int decimals)
{
    if (decimals > 6 || static_cast<double>(static_cast<float>(value)) != value)
        return nullptr;
    const double scaled = std::fabs(value) * kExactPowers[decimals];
    if (!(scaled < 1e15))
        return nullptr;
    uint64_t units = static_cast<uint64_t>(scaled);
    if (scaled - static_cast<double>(units) >= 0.5)
        ++units;
    const bool negative = std::signbit(value);
    switch (decimals) {
    case 0: return PutUnits<0>(first, last, units, negative);
    case 1: return PutUnits<1>(first, last, units, negative);
    case 2: return PutUnits<2>(first, last, units, negative);
    case 3: return PutUnits<3>(first, last, units, negative);
    case 4: return PutUnits<4>(first, last, units, negative);
    case 5: return PutUnits<5>(first, last, units, negative);
    default: return PutUnits<6>(first, last, units, negative);
    }
}

}  // namespace

char* WriteFixed(char* first, char* last, double value, int decimals)
{
    if (decimals < 0)
        decimals = 0;
    if (char* end = WriteFloatFixed(first, last, value, decimals))
        return end;
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

// The local time of a time stamp, as localtime_r gives it for the zone that
// TZ names at the time of the call. Tables run through the stamps of one day
// after another: the conversion of a stamp finds the stretch around it in
// which the zone keeps one offset from UTC (its local day, or the part of it
// before or after a clock change), and the stamps in that stretch are
// converted with the offset alone.
class LocalClock {
public:
    std::tm Convert(std::time_t time)
    {
        // An unset TZ (the system's zone) is not an empty one (UTC).
        const char* tz = std::getenv("TZ");
        if ((tz != nullptr) != m_zoneSet || (tz != nullptr && m_zone != tz)) {
            m_zoneSet = tz != nullptr;
            m_zone = tz ? tz : "";
            m_to = m_from;  // empty: the zone's offsets are not known yet
        }
        if (time < m_from || time >= m_to)
            Find(time);
        return Split(time + m_offset);
    }

private:
    static constexpr std::time_t kDay = 86400;

    // The offset of local time from UTC at time, in seconds.
    static long OffsetAt(std::time_t time)
    {
        std::tm tm{};
        return localtime_r(&time, &tm) != nullptr ? tm.tm_gmtoff : 0;
    }

    // The stretch of the local day of time with the offset of time: the
    // day's start and end when the offset holds from one to the other, else
    // the first and last second with that offset, found by halving (a zone
    // changes its clock at most once a day).
    void Find(std::time_t time)
    {
        std::tm tm{};
        if (localtime_r(&time, &tm) == nullptr) {
            m_from = m_to = 0;
            m_offset = 0;
            return;
        }
        const long offset = tm.tm_gmtoff;
        std::time_t from = time - (tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec);
        std::time_t last = from + kDay - 1;
        if (OffsetAt(from) != offset) {
            std::time_t differs = from;  // the offset at time holds after it
            from = time;
            while (from - differs > 1) {
                const std::time_t mid = differs + (from - differs) / 2;
                (OffsetAt(mid) == offset ? from : differs) = mid;
            }
        }
        if (OffsetAt(last) != offset) {
            std::time_t differs = last;  // the offset at time holds before it
            last = time;
            while (differs - last > 1) {
                const std::time_t mid = last + (differs - last) / 2;
                (OffsetAt(mid) == offset ? last : differs) = mid;
            }
        }
        m_from = from;
        m_to = last + 1;
        m_offset = offset;
    }

    // Seconds since 1970 on the local clock as a calendar date and time.
    static std::tm Split(std::time_t local)
    {
        std::time_t days = local / kDay;
        std::time_t seconds = local % kDay;
        if (seconds < 0) {
            seconds += kDay;
            --days;
        }
        std::tm tm{};
        tm.tm_hour = static_cast<int>(seconds / 3600);
        tm.tm_min = static_cast<int>(seconds / 60 % 60);
        tm.tm_sec = static_cast<int>(seconds % 60);
        // Days since 1970 as year, month and day of the proleptic Gregorian
        // calendar, counted in eras of 400 years from 1 March of year 0.
        const std::time_t z = days + 719468;
        const std::time_t era = (z >= 0 ? z : z - 146096) / 146097;
        const std::time_t dayOfEra = z - era * 146097;
        const std::time_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
        const std::time_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
        const std::time_t shiftedMonth = (5 * dayOfYear + 2) / 153;  // 0 is March
        tm.tm_mday = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
        tm.tm_mon = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 2 : shiftedMonth - 10);
        tm.tm_year = static_cast<int>(yearOfEra + era * 400 + (tm.tm_mon < 2 ? 1 : 0) - 1900);
        return tm;
    }

    bool m_zoneSet = false;
    std::string m_zone;
    std::time_t m_from = 0;
    std::time_t m_to = 0;
    long m_offset = 0;
};

std::tm LocalTime(std::time_t time)
{
    thread_local LocalClock clock;
    return clock.Convert(time);
}

char* PutTwoDigits(char* out, int v)
{
    *out++ = static_cast<char>('0' + (v / 10) % 10);
    *out++ = static_cast<char>('0' + v % 10);
    return out;
}

}  // namespace

std::string FormatLocalTime(std::time_t time, const char* format)
{
    const std::tm tm = LocalTime(time);
    // Written in place, the text made once; a format too long for the room
    // goes on in pieces.
    std::string text;
    char room[64];
    char* out = room;
    for (const char* p = format; *p; ++p) {
        if (out > room + sizeof room - 16) {
            text.append(room, out);
            out = room;
        }
        if (*p != '%' || p[1] == '\0') {
            *out++ = *p;
            continue;
        }
        switch (*++p) {
        case 'd': out = PutTwoDigits(out, tm.tm_mday); break;
        case 'm': out = PutTwoDigits(out, tm.tm_mon + 1); break;
        case 'y': out = PutTwoDigits(out, tm.tm_year % 100); break;
        case 'Y': out = std::to_chars(out, room + sizeof room, tm.tm_year + 1900).ptr; break;
        case 'b': out = std::copy_n(kMonths[static_cast<size_t>(tm.tm_mon) % kMonths.size()], 3, out); break;
        case 'H': out = PutTwoDigits(out, tm.tm_hour); break;
        case 'M': out = PutTwoDigits(out, tm.tm_min); break;
        case 'S': out = PutTwoDigits(out, tm.tm_sec); break;
        case '%': *out++ = '%'; break;
        default:
            *out++ = '%';
            *out++ = *p;
            break;
        }
    }
    if (text.empty())
        return std::string(room, out);
    text.append(room, out);
    return text;
}
