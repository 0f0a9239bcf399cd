#include "CDataReport.h"
void CDataReport::DrawLogIntervalHeadings(ReportDC&, unsigned, int) {}
void CDataReport::DrawLogIntervalLine(ReportDC&, unsigned, int) {}
void CDataReport::DrawSsaIntervalHeadings(ReportDC&, unsigned, int) {}
void CDataReport::DrawSsaIntervalLine(ReportDC&, unsigned, int) {}
void CDataReport::DrawObaIntervalHeadings(ReportDC&, unsigned, int) {}
void CDataReport::DrawDailyHeadings(ReportDC&, int) {}
void CDataReport::DrawDailyRow(ReportDC&, unsigned, int) {}
void CDataReport::DrawSystemSettingsLine(ReportDC&, unsigned, int) {}
