#pragma once
// The RT60 report: per RTA event the reverberation time of each band of the
// chosen range.
#include "ReportLines.h"

class MeasDataSet;

namespace rt60 {

// The RT60 band range, in the bands of the loaded data, and the lines of
// one event at it.
void BandRange(const MeasDataSet& data, int* first, int* last);
int LinesPerEvent(const MeasDataSet& data);
void DrawLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);

}  // namespace rt60
