#pragma once
// The daily noise history of a logging measurement (type 16).
#include "ReportLines.h"

namespace daily {

void DrawHeadings(const ReportLines& report, ReportDC& dc, int line);
// Line `index` of the days: each day is a block of lines.
void DrawRow(const ReportLines& report, ReportDC& dc, unsigned index, int line);

}  // namespace daily
