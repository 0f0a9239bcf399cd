#pragma once
// The summaries of the LOG, ISM and ZU-Reru measurements (report type 1 by
// the measurement's mode), and the blocks the SLM & RTA summary shares with
// them: the "Any Data" blocks, the level tables by weighting, the wind and
// calibration lines.
#include <cstddef>
#include <string>

#include "ReportLines.h"

class MeasDataSet;
class RecordView;
struct WindSetup;

namespace summary {

// The name of the average level as the summaries show it: at most 8
// characters of its field.
constexpr size_t kLevelLabelLength = 8;
// The entries of an "Any Data" block; on the screen an empty line follows
// each block.
constexpr int kAnyDataLines = 24;

// One screen line of the summary of a LOG, ISM or ZU-Reru measurement
// (mode 7, 6 or 8), after its title block; the ZU-Reru summary switches
// layouts between its blocks.
void DrawModeLine(ReportLines& report, ReportDC& dc, int mode, int line);

// The LOG summary's main block, and its lines with content: 46, or 54 with
// the wind lines of a setup that has the wind sensor on.
void DrawLogLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
bool LogWindLines(const MeasDataSet& data);
int LogBlockLines(const MeasDataSet& data);

// The overall and the current "Any Data" block; the current one alone is
// the ISM summary.
void DrawOverallAnyDataLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
void DrawCurrentAnyDataLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);

// The ZU-Reru summary's blocks: times, counts, Leq rule, Ln and tonality;
// the level table; the Leq spectrum.
void DrawTalLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
void DrawTalLevelLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
void DrawTalSpectrumLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);

// The A, C and Flat values of a weighting-major table (stride 1: three
// values; 3: one detector of nine), right-aligned in the level columns.
void DrawLevelsByWeighting(const ReportLines& report, ReportDC& dc, int y, const RecordView& sum, size_t offset,
                           size_t stride);
void DrawTimesByWeighting(const ReportLines& report, ReportDC& dc, int y, const RecordView& sum, size_t offset,
                          size_t stride);
// The column headings "A Weight", "C Weight" and "Flat" of those values.
void DrawWeightingHeadings(const ReportLines& report, ReportDC& dc, int y);
// A label at the left margin and its value at column 2.
void DrawLabelAndValue(const ReportLines& report, ReportDC& dc, int y, const std::string& label,
                       const std::string& value);
// The wind lines (entries 0 to 6) and the calibration lines (8 to 11) of
// the LOG and SSA summaries.
void DrawWindCalLine(const ReportLines& report, ReportDC& dc, int y, unsigned entry, const RecordView& setup,
                     const WindSetup& wind);

}  // namespace summary
