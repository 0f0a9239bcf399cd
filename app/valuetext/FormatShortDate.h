#pragma once
// "15-Jul-2003" from a date text "03/07/15" (year, month and day of two
// digits at characters 0-1, 3-4 and 6-7; the separators are not looked at).
// Years below 71 are 20xx, the others 19xx; the day stays as it stands.
// Text that is not a number reads as 0.
#include <string>

const std::string& FormatShortDate(const std::string& date, std::string& out);
