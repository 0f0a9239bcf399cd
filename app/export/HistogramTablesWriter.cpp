// The SPL, peak and unweighted peak histogram tables.
#include <iomanip>

#include "ExportCells.h"
#include "HistogramOptions.h"
#include "LevelTableRows.h"
#include "Profile.h"
#include "ReportWriter.h"

namespace {

void WriteSection(std::ostream& out, ExportFormat format, const char* title, const HistogramMgr& histogram,
                  bool leadingBlankLine)
{
    const int rows = histogram.GetTableRowCount();
    if (out.fail() || rows <= 0)
        return;
    if (leadingBlankLine)
        out << std::endl;
    if (format == kTextFormat) {
        out << std::setiosflags(std::ios::left) << std::fixed << std::setprecision(1) << title << std::endl;
        out << std::resetiosflags(std::ios::left);
    } else {
        out << std::fixed << std::setprecision(1);
        CsvField(out, title) << std::endl;
    }
    WriteLevelTable(out, format, rows, [&](LevelRow kind, int rangeRow) {
        LevelStats s;
        if (kind == LevelRow::kBelow)
            histogram.GetBelowLowStats(&s.level, &s.count, &s.percent, &s.seconds);
        else if (kind == LevelRow::kAbove)
            histogram.GetAboveHighStats(&s.level, &s.count, &s.percent, &s.seconds);
        else
            histogram.GetRowStats(rangeRow, &s.level, &s.count, &s.percent, &s.seconds);
        return s;
    });
}

}  // namespace

int ReportWriter::WriteHistograms(std::ostream& out, ExportFormat format, SplHistMgr& spl, PkHistMgr& peak,
                                  PkHistMgr& uwPeak)
{
    // The resolutions are the managers' from here on, also for the report
    // view, so they are set whatever the stream's state.
    const HistogramResolutions resolutions = ReadHistogramResolutions(platform::AppProfile());
    spl.SetResolution(resolutions.spl);
    peak.SetResolution(resolutions.peak);
    uwPeak.SetResolution(resolutions.uwPeak);

    WriteSection(out, format, "SPL Histogram", spl, false);
    WriteSection(out, format, "Peak Histogram", peak, true);
    WriteSection(out, format, "Unweighted Peak Histogram", uwPeak, true);
    return 1;
}
