// The Ln table under an interval, day or SSA interval row.
#include <iomanip>

#include "ExportCells.h"
#include "HistogramStats.h"
#include "LevelTableRows.h"
#include "ReportWriter.h"

int ReportWriter::WriteLnTableHistogram(std::ostream& out, ExportFormat format, int rowCount, const uint32_t* bins,
                                        int baseLevel, int countsPerSecond)
{
    if (!Usable(out) || rowCount <= 0)
        return 1;
    const HistogramStats stats(bins, baseLevel, countsPerSecond);
    if (IsText(format)) {
        out << std::resetiosflags(std::ios::left) << "Ln Table Histogram" << std::endl;
    } else {
        out << std::fixed << std::setprecision(1);
        CsvField(out, "Ln Table Histogram") << std::endl;
    }
    // The manager counts the title and the heading among its rows.
    WriteLevelTable(out, format, rowCount - 2, [&](LevelRow kind, int rangeRow) {
        LevelStats s;
        if (kind == LevelRow::kBelow)
            stats.GetBelowRow(&s.level, &s.count, &s.percent, &s.seconds);
        else if (kind == LevelRow::kAbove)
            stats.GetAboveRow(&s.level, &s.count, &s.percent, &s.seconds);
        else
            stats.GetRangeRow(rangeRow, &s.level, &s.count, &s.percent, &s.seconds);
        return s;
    });
    return 1;
}
