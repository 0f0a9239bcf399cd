#pragma once
// The time-history reports of LOG (type 8), SSA (19) and TAL (21)
// measurements: the note on the advanced columns, the column headings and
// one row per sample or run/stop entry.
#include "ReportLines.h"

enum class ThMode : int;

namespace timehistory {

void DrawNote(const ReportLines& report, ReportDC& dc, int line, ThMode mode);
void DrawHeadings(const ReportLines& report, ReportDC& dc, int line, ThMode mode);
void DrawRow(const ReportLines& report, ReportDC& dc, unsigned index, int line, ThMode mode);

// The drawers of each mode, for the tables of the screen and the paper.
void DrawLogNote(const ReportLines& report, ReportDC& dc, int line);
void DrawSsaNote(const ReportLines& report, ReportDC& dc, int line);
void DrawTalNote(const ReportLines& report, ReportDC& dc, int line);
void DrawLogHeadings(const ReportLines& report, ReportDC& dc, int line);
void DrawSsaHeadings(const ReportLines& report, ReportDC& dc, int line);
void DrawTalHeadings(const ReportLines& report, ReportDC& dc, int line);
void DrawLogRow(const ReportLines& report, ReportDC& dc, unsigned index, int line);
void DrawSsaRow(const ReportLines& report, ReportDC& dc, unsigned index, int line);
void DrawTalRow(const ReportLines& report, ReportDC& dc, unsigned index, int line);

}  // namespace timehistory
