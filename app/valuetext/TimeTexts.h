#pragma once
// Durations, month names and date texts for reports, exports, the download
// page and the instrument's firmware-version reply. No state; numbers are
// formatted and parsed without the locale.
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

// Seconds as a duration text. Format 0: hours, minutes, seconds ("00:02:05.8";
// from 1 to 23 hours the seconds are whole, from 24 hours the hours are not
// padded); format 1: minutes and seconds, the hours dropped ("02:05.5").
// The seconds are rounded to the shown decimals before the split, so a carry
// reaches the minutes and hours ("00:01:00.0", never "00:00:60.0").
// Returns 0; -1 with an empty text for an unknown format or a value that is
// not a number.
int SecondsToTime(double seconds, std::string& out, int decimals, int format);

// Whole seconds as "hh:mm:ss", the hours not wrapped at 24. Returns 0.
int SecondsToHms(uint32_t seconds, std::string& out);
// A duration cut toward zero to whole seconds: 0 for a negative value or one
// that is not a number, the largest count for one past the 32-bit range.
uint32_t WholeSeconds(double seconds);

// "Jan" to "Dec" for 1 to 12; any other number gives "Jan". Returns out.
const std::string& GetMonthName(int month, std::string& out);

// A time in local time as the reports and exports show it. A record's stored
// stamp (seconds since 1970 of the local clock) is such a time as it is.
// The date, "09-Jun-2003".
std::string DateText(std::time_t time);
// The time of day, "14:05:09".
std::string ClockText(std::time_t time);
// Both, "09-Jun-2003 14:05:09"; DateText and ClockText are its two halves,
// for the CSV layouts that split it.
std::string DateTimeText(std::time_t time);
// Day, month and two-digit year with the time of day, "09/06/03 14:05:09":
// the time of a day's wind maximum.
std::string NumericDateTimeText(std::time_t time);

// A date text (and a time text "hh:mm:ss", empty for midnight) as seconds
// since 1970 in local time. Formats: 0, 1 "05Jan03"; 2, 4 "mm/dd/yy";
// 3 "dd/mm/yy"; 5 "05Jan" in the current year (the year before when that
// month is still to come); 6 "2003 Jan 05". Fields are read at fixed
// positions; a position past the end of the text reads as no digits.
// 0 when the time cannot be represented.
uint32_t DateTextToSecs(std::string_view date, std::string_view time, int format);

// A strict decimal number: blanks and tabs, a sign, blanks and tabs, digits,
// a point and digits. Returns 0 with the number in value once a digit was
// read (what follows the number is ignored), -1 when the text holds no digit.
int TextToDouble(std::string_view text, double& value);

// A stored interval period "h:m:s" as "hh:mm:ss": each part the number it
// starts with (after blanks and tabs, a sign allowed, 0 when it holds
// none), with at least two digits after its sign ("05", "-05", "100");
// missing parts read 0.
std::string IntervalPeriodText(std::string_view stored);
