#pragma once
// The 401-line FFT spectrum as the text layouts print it: line 0 alone, then
// 80 rows of five columns, row r holding lines r, r + 80, ... r + 320, each
// cell a frequency and a level.
#include <functional>
#include <ostream>

#include "ExportCells.h"
#include "FftBandwidth.h"

constexpr int kFftSpectrumLines = 401;  // 0 Hz to the full bandwidth

// Writes the level of a spectrum line into its row, in 6 characters.
using FftLevelCell = std::function<void(CellLine& row, int line)>;

// The line "Freq. Hz  Level dB  ..." over the five columns.
void WriteFftTableHeading(std::ostream& out);

// One cell: the line's frequency, three blanks, the level and four blanks.
void WriteFftTableCell(CellLine& row, const FftBandwidth* bandwidth, int line, const FftLevelCell& level);

// Rows 1 to 80, each the cells of its five lines one after another.
void WriteFftTableRows(std::ostream& out, const FftBandwidth* bandwidth, const FftLevelCell& level);
