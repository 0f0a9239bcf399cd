#pragma once
// A float from a download file as an int: its whole part (toward zero), or 0
// when it is not a number or lies outside int's range, as a damaged record's
// value may; the plain cast would be undefined there.
inline int IntOrZero(double value)
{
    if (!(value > -2147483648.0 && value < 2147483648.0))
        return 0;
    return static_cast<int>(value);
}
