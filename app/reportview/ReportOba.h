#pragma once
// The octave band analyser reports of the J46: its settings (report type 5)
// and its interval records with their band levels (report type 12).
#include "ReportLines.h"

namespace oba {

void DrawSettingsLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
// Line index % L of the record at index / L (L lines a record): octaves in
// one column, or one-third octaves in two.
void DrawIntervalLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
void DrawThirdOctaveIntervalLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);

}  // namespace oba
