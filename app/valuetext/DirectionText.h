#pragma once
// The texts of wind directions, for the report view and the export writers
// alike: a reading of the auxiliary input, and a point of the compass.
#include <string>

// value: the signed 16-bit reading, 256 for the full circle (360 degrees,
// 100 percent, 2.5 volts); units: the setup's direction units, 0 compass
// point ("  N" to "NNW"), 1 degrees ("090" and the degree sign), 2 percent
// ("25 %"), 3 volts ("1.25 Volts"), 4 the raw number; any other code gives
// the empty text. The degree sign is the Windows-1252 byte 0xB0, one
// character wide like every other: the report view draws it so, and the
// export stream turns it into UTF-8.
std::string FormatDirectionText(int value, int units);

// The compass point of a direction index 0 to 15, clockwise from north
// ("  N", "NNE" ... "NNW"); empty for any other index.
const char* CompassText(int index);
