#pragma once
// Numbers and times as the reports and export files show them: the one number
// formatter with the no-value mark, the RT60 dB-down step of an RTA setup and
// local date-time texts with English month names. Nothing here depends on the
// program's locale.
#include <cstdint>
#include <ctime>
#include <string>

// A level the instrument did not measure is stored as exactly 999.0.
constexpr float kNoValue = 999.0f;

// The value with the given decimals ("%.*f"), right-aligned in at least width
// characters when width is not 0 ("%*.*f"); exactly 999.0 gives " --- "
// whatever the width. The text lives in one buffer that the next call
// overwrites: format one number at a time. Ties round away from zero.
const char* FormatReportNumber(float value, int decimals, int width);
// Its text without a width written at first, for writers that build their
// text in place; returns the end (first when it would not fit before last).
char* WriteReportNumber(char* first, char* last, float value, int decimals);

// The value with the given decimals, right-aligned in at least width
// characters ("%*.*f"), ties away from zero; 999.0 is a number like any
// other here. For the composed cells that print a level as stored.
std::string FormatFixed(double value, int decimals, int width = 0);

// The digits of FormatFixed (no width) written at first, for writers that
// build their text in place; returns the end. A text that would not fit
// before last is not written (first comes back).
char* WriteFixed(char* first, char* last, double value, int decimals);

// The RT60 dB-down step of the stored index: from setup format 4.0 on, index
// 0 to 5 gives 5, 10, 15, 20, 25, 30; before it index 0 to 3 gives 5, 10, 20,
// 30; any other index gives 0.
int RT60DbDownFromIndex(float version, unsigned index);

// A record's stored time stamp as a calendar time (the same seconds).
inline std::time_t ToTime(uint32_t stamp) { return static_cast<std::time_t>(stamp); }

// The time in local time after a strftime-like format that knows %d, %m, %y,
// %Y, %b (English "Jan" to "Dec"), %H, %M, %S and %%; other characters are
// copied.
std::string FormatLocalTime(std::time_t time, const char* format);

// A value that lies exactly halfway between two texts with the given decimals
// is moved the least step away from zero, so that a correctly rounding
// formatter rounds it away from zero; any other value comes back unchanged.
double NudgeTieAwayFromZero(double value, int decimals);
