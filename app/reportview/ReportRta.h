#pragma once
// The RTA reports: what they read of the RTA setup and summary records, the
// summary's time lines and spectrum blocks, and the spatially averaged
// history.
#include "ReportLines.h"

class MeasDataSet;

namespace rta {

// The RTA measurement has third-octave bands (else octave bands).
bool ThirdOctave(const MeasDataSet& data);
// The spectra averaged into the summary's spatial average (0: none).
float AveragedSpectra(const MeasDataSet& data);

// The summary's lines before its spectrum blocks (index 0 to 10).
void DrawSummaryLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
// Line index of spectrum block 0 Leq, 1 Max, 2 Min or 3 the spatial average
// (drawn only when there is one).
void DrawSpectrumBlock(const ReportLines& report, ReportDC& dc, int block, unsigned index, int line);
// One line of a record of the spatially averaged history.
void DrawSpatialAverageLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);

}  // namespace rta
