#pragma once
// Texts of report cells: printf-style formatting into a string (the program
// keeps the C library's numeric locale "C", so numbers always carry a point).
// The date and time texts of stored record times are TimeTexts'; the report
// lines trim their stored texts with TextTrim's TrimTrailingBlanks.
#include <cstdint>
#include <string>

#include "ReportNumbers.h"
#include "TextTrim.h"

#if defined(__GNUC__)
#define REPORT_PRINTF(a, b) __attribute__((format(printf, a, b)))
#else
#define REPORT_PRINTF(a, b)
#endif

std::string Printf(const char* format, ...) REPORT_PRINTF(1, 2);
