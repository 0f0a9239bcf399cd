#pragma once
// Texts of report cells: printf-style formatting into a string (the program
// keeps the C library's numeric locale "C", so numbers always carry a point)
// and stored record times as local date and time texts.
#include <cstdint>
#include <string>

#include "ReportNumbers.h"

#if defined(__GNUC__)
#define REPORT_PRINTF(a, b) __attribute__((format(printf, a, b)))
#else
#define REPORT_PRINTF(a, b)
#endif

std::string Printf(const char* format, ...) REPORT_PRINTF(1, 2);

// A stored time (seconds since 1970 of the local clock) after a format of
// FormatLocalTime ("%d-%b-%Y", "%H:%M:%S").
inline std::string TimeText(uint32_t stamp, const char* format)
{
    return FormatLocalTime(ToTime(stamp), format);
}

// The text with its trailing blanks removed.
std::string TrimTrailingBlanks(std::string text);
