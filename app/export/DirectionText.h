#pragma once
// The text of a wind direction reading of the auxiliary input.

// raw: the signed 16-bit reading, 256 for the full circle (360 degrees,
// 100 percent, 2.5 volts); units: the setup's direction units, 0 compass
// point ("  N" to "NNW"), 1 degrees ("090°"), 2 percent ("25 %"), 3 volts
// ("1.25 Volts"), 4 the raw number; any other code gives the empty text.
// The text lives in one buffer that the next call overwrites. The degree
// sign is written in UTF-8, as the export files are.
const char* FormatDirectionText(int raw, int units);
