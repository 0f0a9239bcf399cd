#pragma once
// The text of an auxiliary-input (wind direction) reading, full scale 256 =
// 360 degrees = 100 % = 2.5 V, in the direction units of a setup (byte 139):
// 0 compass point, 1 degrees, 2 percent, 3 volts, 4 the number; empty for
// other units.
#include <string>

std::string FormatDirectionText(int value, int units);
