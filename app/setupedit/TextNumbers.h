#pragma once
// Numbers read from and written to edit texts the way the pages have always
// treated them: a number is read from the start of the text and reading stops
// at the first character that does not belong to it, so "12ab" is 12 and ""
// is 0. Nothing here depends on the user's locale.
#include <QString>

// The whole number at the start of text (blanks, a sign, digits); 0 when
// there is none. Values past the int range are cut to it.
int AtoI(const QString& text);
// The decimal number at the start of text (blanks, a sign, digits, a point,
// an exponent); 0 when there is none.
double AtoF(const QString& text);
// The value as "%d" and as "%.02d" (at least two digits).
QString IntText(long long value);
QString TwoDigitText(int value);
