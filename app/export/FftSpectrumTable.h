#pragma once
// The 401-line FFT spectrum as the text layouts print it: line 0 alone, then
// 80 rows of five columns, row r holding lines r, r + 80, ... r + 320, each
// cell a frequency and a level.
#include <functional>
#include <ostream>
#include <string>

#include "FftBandwidth.h"

constexpr int kFftSpectrumLines = 401;  // 0 Hz to the full bandwidth

// "Freq. Hz  Level dB  ..." over the five columns.
std::string FftTableHeading();

// Rows 1 to 80, each the cells of its five lines one after another.
void WriteFftTableRows(std::ostream& out, const std::function<std::string(int line)>& cell);
