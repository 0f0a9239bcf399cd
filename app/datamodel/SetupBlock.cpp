#include "SetupBlock.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "TextTrim.h"

namespace SetupBlock {
namespace {
// The largest value three bytes of integer-and-fraction can hold.
constexpr double kMaxFixed = 255.0 + 255.0 / 256.0 + 255.0 / 65536.0;

bool ClampFixed(double& value)
{
    if (std::isnan(value))
        return false;
    value = std::clamp(value, 0.0, kMaxFixed);
    return true;
}

// Nearest integer with an exact half rounded down.
int RoundHalfDown(double x)
{
    return static_cast<int>(std::ceil(x - 0.5));
}

void StoreFixed(uint8_t* p, double value, int secondByteStep, bool roundLast)
{
    if (!ClampFixed(value))
        return;
    int whole = static_cast<int>(value);
    double rest = (value - whole) * 256.0;
    int second = static_cast<int>(rest);
    int third = 0;
    if (secondByteStep == 2) {
        rest = (rest - second) * 256.0;
        third = roundLast ? static_cast<int>(std::lround(rest)) : static_cast<int>(rest);
        if (third > 255) {
            third = 0;
            ++second;
        }
    } else {
        second = RoundHalfDown(rest);
    }
    if (second > 255) {
        second = 0;
        ++whole;
    }
    if (whole > 255) {  // only reachable by the carry at the very top
        whole = 255;
        second = 255;
        third = 255;
    }
    p[0] = static_cast<uint8_t>(whole);
    p[1] = static_cast<uint8_t>(second);
    if (secondByteStep == 2)
        p[2] = static_cast<uint8_t>(third);
}
}  // namespace

double Get88(const uint8_t* p)
{
    return p[0] + p[1] / 256.0;
}

void Set88(uint8_t* p, double value)
{
    StoreFixed(p, value, 1, false);
}

double Get24(const uint8_t* p)
{
    return p[0] + p[1] / 256.0 + p[2] / 65536.0;
}

void Set24(uint8_t* p, double value)
{
    StoreFixed(p, value, 2, false);
}

void Set24Rounded(uint8_t* p, double value)
{
    StoreFixed(p, value, 2, true);
}

double RoundToRtaTimeStep(double seconds)
{
    auto n = static_cast<long>(seconds * 10000.0);
    long r = n % 25;
    n += (r < 13) ? -r : 25 - r;
    return n / 10000.0;
}

int GetBe16(const uint8_t* p)
{
    return p[0] * 256 + p[1];
}

void SetBe16(uint8_t* p, int value)
{
    p[0] = static_cast<uint8_t>((value >> 8) & 0xFF);
    p[1] = static_cast<uint8_t>(value & 0xFF);
}

void GetBcdDate(const uint8_t* p, int& year, int& month, int& day)
{
    day = DecodeBcd(p[0]);
    month = DecodeBcd(p[1]);
    int twoDigits = DecodeBcd(p[2]);
    year = (twoDigits >= 80 && twoDigits <= 99) ? 1900 + twoDigits : 2000 + twoDigits;
}

void SetBcdDate(uint8_t* p, int year, int month, int day)
{
    int twoDigits = 0;
    if (year >= 1980 && year <= 1999)
        twoDigits = year - 1900;
    else if (year >= 2000 && year <= 2099)
        twoDigits = year - 2000;
    else if (year < 100)
        twoDigits = year;
    p[0] = EncodeBcd(day);
    p[1] = EncodeBcd(month);
    p[2] = EncodeBcd(twoDigits);
}

void GetBcdTime(const uint8_t* p, int& hour, int& minute)
{
    hour = DecodeBcd(p[0]);
    minute = DecodeBcd(p[1]);
    if (hour >= 24)
        hour = 0;
    if (minute >= 60)
        minute = 0;
}

void SetBcdTime(uint8_t* p, int hour, int minute)
{
    p[0] = hour >= 24 ? 0 : EncodeBcd(hour);
    p[1] = minute >= 60 ? 0 : EncodeBcd(minute);
}

std::string GetRawText(const uint8_t* p, size_t length)
{
    const auto* begin = reinterpret_cast<const char*>(p);
    return std::string(begin, strnlen(begin, length));
}

std::string GetText(const uint8_t* p, size_t length)
{
    return TrimRight(GetRawText(p, length));
}

void SetText(uint8_t* p, size_t length, const std::string& text)
{
    std::memset(p, ' ', length);
    std::memcpy(p, text.data(), std::min(length, text.size()));
}

std::string TrimRight(std::string text)
{
    return TrimTrailing(std::move(text), " ");
}
}  // namespace SetupBlock

int DecodeBcd(uint8_t value)
{
    return (value >> 4) * 10 + (value & 0x0F);
}

uint8_t EncodeBcd(int value)
{
    if (value < 0 || value > 99)
        return 0;
    return static_cast<uint8_t>(((value / 10) << 4) | (value % 10));
}
