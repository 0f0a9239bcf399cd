#pragma once
// The interval reports: LOG intervals (type 7), SLM/RTA intervals (type 18)
// and the heading block of the octave band intervals (type 12).
#include "ReportLines.h"

namespace intervals {

// The heading block above the records: the record count, the interval
// settings and (SLM/RTA) the note on the exported spectra.
void DrawLogHeadings(const ReportLines& report, ReportDC& dc, unsigned index, int line);
void DrawSsaHeadings(const ReportLines& report, ReportDC& dc, unsigned index, int line);
void DrawObaHeadings(const ReportLines& report, ReportDC& dc, unsigned index, int line);
// Line `index` of the interval records: each record is a block of lines.
void DrawLogLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
void DrawSsaLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);

}  // namespace intervals
