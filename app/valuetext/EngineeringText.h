#pragma once
// Numbers with a multiplier letter, as the setup editor's engineering-unit
// fields show them and the system settings printout repeats them: "1.5k",
// "500m", "2 " (a plain number keeps a blank where the letter goes).
#include <string>

// The number at the start of text, as the C library's atof reads it:
// leading blanks, a sign, digits, point and exponent; 0 when there is none.
// Independent of the locale.
double ParseLeadingNumber(const std::string& text);

// The number at the start of text (blanks, sign, digits, point, exponent;
// 0 when there is none), times 10^6 for a last character "M", 1000 for "k",
// divided by 1000 for "m" and by 10^6 for "u". Independent of the locale.
float ParseEngineeringValue(const std::string& text);

// Rewrites text in engineering form: the value scaled into 1 to 1000 with
// the letter M, k, blank, m or u, trailing zeros and a bare point removed.
// An empty text or the value 0 becomes "1 ".
void FormatEngineeringText(std::string& text);
