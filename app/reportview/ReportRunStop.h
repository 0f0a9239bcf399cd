#pragma once
// The run/stop log of LOG, SSA, TAL and FFT measurements: its column
// headings and one row per run/stop record.
#include <string>

#include "ReportLines.h"

class MeasDataSet;

namespace runstop {

void DrawHeadings(const ReportLines& report, ReportDC& dc, int line);
void DrawRow(const ReportLines& report, ReportDC& dc, unsigned index, int line);
// The name of marker 1 to 6 from the parameter-lines record; empty for
// another number.
std::string MarkerName(const MeasDataSet& data, int marker);

}  // namespace runstop
