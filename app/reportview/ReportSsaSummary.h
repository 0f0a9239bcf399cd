#pragma once
// The SLM & RTA summary (report type 31) of a measurement in the SSA mode.
#include "ReportLines.h"

class MeasDataSet;

namespace ssasummary {

// The lines the summary has with the data's setup record.
int LineCount(const MeasDataSet& data);
// One screen line from line 14 on (after the title block): the block that
// holds it, drawn after the layout of its columns.
void DrawLine(ReportLines& report, ReportDC& dc, int line);

// The blocks after the "Any Data" block: the Ln and exceedance block, the
// wind, calibration and record-count block, the spectra and the overall
// spectral Ln's.
void DrawLnLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
void DrawWindCalLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
void DrawSpectrumLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
void DrawSpectralLnLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);

}  // namespace ssasummary
