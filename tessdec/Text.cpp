#include "Text.h"

#include <charconv>
#include <cstring>
#include <string>

namespace tessdec {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
}  // namespace

long LeadingInt(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && IsSpace(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    long value = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        if (value < 100000000L) value = value * 10 + (s[i] - '0');
    }
    return negative ? -value : value;
}

long IntAt(std::string_view s, size_t pos) {
    return pos < s.size() ? LeadingInt(s.substr(pos)) : 0;
}

int ParseDecimal(std::string_view s, double& value) {
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    while (i < s.size() && IsBlank(s[i])) ++i;
    std::string digits;
    size_t whole = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i, ++whole) digits += s[i];
    if (i < s.size() && s[i] == '.') {
        digits += '.';
        for (++i; i < s.size() && IsDigit(s[i]); ++i) digits += s[i];
    } else if (whole == 0) {
        return -1;
    }
    double v = 0.0;
    if (digits.find_first_of("0123456789") != std::string::npos) {
        if (digits.front() == '.') digits.insert(digits.begin(), '0');
        std::from_chars(digits.data(), digits.data() + digits.size(), v);
    }
    value = negative ? -v : v;
    return 0;
}

double LeadingDecimal(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && IsSpace(s[i])) ++i;
    double v = 0.0;
    return ParseDecimal(s.substr(i), v) == 0 ? v : 0.0;
}

double ParseDuration(std::string_view s) {
    const size_t c1 = s.find(':');
    if (c1 == std::string_view::npos) return 0.0;
    double a = 0, b = 0, c = 0;
    if (s.find('.') != std::string_view::npos && s.size() < 9) {
        if (ParseDecimal(s.substr(0, c1), a) != 0 || ParseDecimal(s.substr(c1 + 1), b) != 0) return 0.0;
        return a * 60.0 + b;
    }
    const size_t c2 = s.find(':', c1 + 1);
    if (c2 == std::string_view::npos) return 0.0;
    if (ParseDecimal(s.substr(0, c1), a) != 0 || ParseDecimal(s.substr(c1 + 1, c2 - c1 - 1), b) != 0 ||
        ParseDecimal(s.substr(c2 + 1), c) != 0)
        return 0.0;
    return a * 3600.0 + b * 60.0 + c;
}

std::string_view CutLineEnd(std::string_view s) {
    const size_t end = s.find_first_of("\r\n");
    return end == std::string_view::npos ? s : s.substr(0, end);
}

void CopyCut(char* dst, size_t slot, std::string_view src) {
    if (slot == 0) return;
    const size_t n = src.size() < slot - 1 ? src.size() : slot - 1;
    if (n) std::memcpy(dst, src.data(), n);
    std::memset(dst + n, 0, slot - n);
}

std::string_view SlotText(const char* slot, size_t size) {
    const void* z = std::memchr(slot, 0, size);
    return std::string_view(slot, z ? static_cast<const char*>(z) - slot : size);
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

std::string_view FileNameOf(std::string_view path) {
    const size_t cut = path.find_last_of("/\\:");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

int MonthIndex(std::string_view three, bool ignoreCase) {
    if (three.size() < 3) return -1;
    three = three.substr(0, 3);
    for (int m = 0; m < 12; ++m) {
        if (ignoreCase ? EqualNoCase(three, kMonths[m]) : three == kMonths[m]) return m;
    }
    return -1;
}

}  // namespace tessdec
