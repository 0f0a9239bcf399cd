#pragma once
// The calibration settings, the ISM settings and the calibration check log.
#include "ReportLines.h"

namespace calibration {

void DrawSettingsLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
void DrawIsmSettingsLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
void DrawCheckHeadings(const ReportLines& report, ReportDC& dc, int line);
void DrawCheckRow(const ReportLines& report, ReportDC& dc, unsigned index, int line);

}  // namespace calibration
