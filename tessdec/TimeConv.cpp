#include "TimeConv.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "Text.h"
#include "WorkState.h"
#include "tessdec.h"

namespace tessdec {

namespace {

const char* const kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kDayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

// Day and month abbreviation of selectors 0, 1 and 5: the day from position 1,
// the month from position 3 with blanks skipped; January when none matches.
void DayAndMonthName(std::string_view date, int& day, int& month) {
    day = static_cast<int>(IntAt(date, 0));
    size_t p = 2;
    while (p < date.size() && date[p] == ' ') ++p;
    const int m = p < date.size() ? MonthIndex(date.substr(p), true) : -1;
    month = m < 0 ? 0 : m;
}

}  // namespace

uint32_t LocalSecs(std::tm tm) {
    const std::time_t t = std::mktime(&tm);
    if (t < 0 || t > static_cast<std::time_t>(UINT32_MAX)) return 0;
    return static_cast<uint32_t>(t);
}

uint32_t DateToSecs(std::string_view date, std::string_view time, bool hasTime, int selector) {
    int day = 0, month = 0, year = 0;
    switch (selector) {
    case 0:
    case 1:
        DayAndMonthName(date, day, month);
        year = static_cast<int>(IntAt(date, 5));
        if (year > 1900) year -= 1900;
        break;
    case 2:
    case 4:
        month = static_cast<int>(IntAt(date, 0)) - 1;
        day = static_cast<int>(IntAt(date, 3));
        year = static_cast<int>(IntAt(date, 6));
        if (year >= 1901) year -= 1900;
        break;
    case 3:
        day = static_cast<int>(IntAt(date, 0));
        month = static_cast<int>(IntAt(date, 3)) - 1;
        year = static_cast<int>(IntAt(date, 6));
        if (year >= 1901) year -= 1900;
        break;
    case 5: {
        DayAndMonthName(date, day, month);
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        year = local.tm_year;
        if (local.tm_mon < month) year -= 1;
        break;
    }
    default:
        return 0;
    }
    if (selector != 5 && year < 70) year += 100;
    // A date without a day, or with a month no calendar has, is not a date.
    if (day < 1 || month < 0 || month > 11) return 0;
    std::tm tm{};
    tm.tm_mday = day;
    tm.tm_mon = month;
    tm.tm_year = year;
    if (hasTime) {
        tm.tm_hour = static_cast<int>(IntAt(time, 0));
        tm.tm_min = static_cast<int>(IntAt(time, 3));
        tm.tm_sec = static_cast<int>(IntAt(time, 6));
    }
    tm.tm_isdst = -1;
    return LocalSecs(tm);
}

// --- time stamps ------------------------------------------------------------

namespace {

// The records of a file come seconds or minutes apart, and the system's
// conversion looks the time-zone rules up afresh for each time stamp (two
// conversions a record were a quarter of a LOG translation). Within an hour
// that holds no change of the offset from UTC, a time is the start of its
// hour plus its minutes and seconds; an hour whose last second does not lie
// 3599 seconds after its first holds a change and is converted time by time.
// One hour is kept per daylight-saving field asked for (-1, 0, 1).
struct KeptHour {
    bool valid = false;
    int year = 0, month = 0, day = 0, hour = 0;
    int64_t start = 0;
};
KeptHour g_keptHours[3];

bool SameHour(const KeptHour& h, const std::tm& tm) {
    return h.valid && h.hour == tm.tm_hour && h.day == tm.tm_mday && h.month == tm.tm_mon && h.year == tm.tm_year;
}

uint32_t StampLocalSecs(const std::tm& tm) {
    if (tm.tm_min < 0 || tm.tm_min > 59 || tm.tm_sec < 0 || tm.tm_sec > 59 || tm.tm_isdst < -1 || tm.tm_isdst > 1)
        return LocalSecs(tm);
    KeptHour& kept = g_keptHours[tm.tm_isdst + 1];
    if (!SameHour(kept, tm)) {
        std::tm first = tm, last = tm;
        first.tm_min = first.tm_sec = 0;
        last.tm_min = last.tm_sec = 59;
        const std::time_t a = std::mktime(&first);
        const std::time_t b = std::mktime(&last);
        if (a == -1 || b == -1 || b - a != 3599) {
            kept.valid = false;
            return LocalSecs(tm);
        }
        kept = {true, tm.tm_year, tm.tm_mon, tm.tm_mday, tm.tm_hour, static_cast<int64_t>(a)};
    }
    const int64_t t = kept.start + tm.tm_min * 60 + tm.tm_sec;
    return (t < 0 || t > static_cast<int64_t>(UINT32_MAX)) ? 0 : static_cast<uint32_t>(t);
}

}  // namespace

void ForgetKeptHours() {
    for (KeptHour& h : g_keptHours) h.valid = false;
}

void ResetDstWindow() {
    Lib().dstStart = INT32_MIN;
    Lib().dstEnd = 0;
    Lib().dstState = -1;
    ForgetKeptHours();
}

uint32_t StampSecs(const std::tm& tm, uint32_t* prev) {
    LibraryState& lib = Lib();
    std::tm copy = tm;
    copy.tm_isdst = lib.dstState;
    uint32_t t = StampLocalSecs(copy);
    if (prev != nullptr && t < *prev) {
        std::tm fresh = tm;
        fresh.tm_isdst = -1;
        t = StampLocalSecs(fresh);
        *prev = t;
    }
    std::tm own = tm;
    if (static_cast<int64_t>(t) >= lib.dstStart && static_cast<int64_t>(t) <= lib.dstEnd) own.tm_isdst = lib.dstState;
    return StampLocalSecs(own);
}

void NoteTransition(const std::tm& tm, int event) {
    LibraryState& lib = Lib();
    std::tm copy = tm;
    // The day summer time ended, in any month (October in Europe, March or
    // April in the south): its hour 1 or 2 comes twice.
    std::tm day = tm, before = tm;
    day.tm_hour = 12, day.tm_min = 0, day.tm_sec = 0, day.tm_isdst = -1;
    before = day;
    before.tm_mday -= 1;
    std::mktime(&day);
    std::mktime(&before);
    const bool repeatedHour = day.tm_isdst == 0 && before.tm_isdst > 0 && (tm.tm_hour == 1 || tm.tm_hour == 2);
    if (repeatedHour) {
        copy.tm_isdst = event == 64 ? 0 : lib.dstState;
    } else if (lib.dstState != -1 && lib.dstEnd == 0) {
        copy.tm_isdst = lib.dstState;
    }
    // The conversion settles the daylight-saving field; the window keeps
    // what it settled on.
    const std::time_t converted = std::mktime(&copy);
    const int64_t t = converted < 0 ? 0 : static_cast<int64_t>(converted);
    const int field = copy.tm_isdst;
    if (event == 0) {
        if (lib.dstEnd == 0 && field != lib.dstState && lib.dstState != -1) lib.dstEnd = t;
        return;
    }
    if (event == 64) {
        if (lib.dstState == -1) {
            lib.dstStart = t;
            lib.dstState = field;
        } else if (field == lib.dstState) {
            lib.dstStart = t;
        }
    }
}

}  // namespace tessdec

using namespace tessdec;

extern "C" TESSDEC_API uint32_t TX_DateToSecs(const char* date, const char* time, uint16_t selector) {
    if (date == nullptr) return 0;
    return DateToSecs(std::string_view(date, strnlen(date, 64)),
                      time ? std::string_view(time, strnlen(time, 64)) : std::string_view(), time != nullptr,
                      selector);
}

extern "C" TESSDEC_API void TX_SecsToDate(const int32_t* secs, char* date, char* time, uint16_t selector) {
    std::time_t t = (secs != nullptr && *secs > 0) ? *secs : 0;
    std::tm tm{};
    localtime_r(&t, &tm);
    if (tm.tm_isdst > 0) {  // the texts always show standard time
        t -= 3600;
        localtime_r(&t, &tm);
    }
    int yy = tm.tm_year;
    if (yy >= 100) yy -= 100;
    yy %= 100;
    const int year = tm.tm_year + 1900;
    const int month = tm.tm_mon + 1;
    // Formatted in full, then cut to the caller's slots (8 and 17 characters).
    char buf[64];
    if (time != nullptr) {
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
        CopyCut(time, 9, buf);
    }
    if (date == nullptr) return;
    if (selector > 6) selector = 5;
    switch (selector) {
    case 0: std::snprintf(buf, sizeof buf, "%02d%3s%4d", tm.tm_mday, kMonthNames[tm.tm_mon], year); break;
    case 1: std::snprintf(buf, sizeof buf, "%02d%3s %02d", tm.tm_mday, kMonthNames[tm.tm_mon], yy); break;
    case 2: std::snprintf(buf, sizeof buf, "%02d/%02d/%02d", month, tm.tm_mday, yy); break;
    case 3: std::snprintf(buf, sizeof buf, "%02d/%02d/%02d", tm.tm_mday, month, yy); break;
    case 4: std::snprintf(buf, sizeof buf, "%02d-%02d-%4d", month, tm.tm_mday, year); break;
    case 5: std::snprintf(buf, sizeof buf, "%4d-%02d-%02d", year, month, tm.tm_mday); break;
    default: std::snprintf(buf, sizeof buf, "%s, %02d/%02d/%4d", kDayNames[tm.tm_wday], month, tm.tm_mday, year); break;
    }
    CopyCut(date, 18, buf);
}
