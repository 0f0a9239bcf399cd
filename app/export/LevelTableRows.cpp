#include "LevelTableRows.h"

#include <iomanip>

#include "ExportCells.h"
#include "ReportNumbers.h"
#include "SummaryWriterSupport.h"

namespace {

// "Level", "Count", "Percent", "Duration".
void WriteHeading(std::ostream& out, ExportFormat format)
{
    CellLine(out, format).Cell(6, "Level").Cell(12, "Count").Cell(10, "Percent").Cell(12, "Duration").End();
}

// One row: the level (the limit of the below and above rows, marked < and
// >), the count, its share in percent and its duration.
void WriteRow(std::ostream& out, ExportFormat format, LevelRow kind, const LevelStats& stats)
{
    const float level = stats.level;
    const int count = stats.count;
    const float percent = stats.percent;
    const float seconds = stats.seconds;
    const char* sign = kind == LevelRow::kBelow ? "<" : ">";
    out << std::fixed << std::setprecision(1);
    CellLine line(out, format);
    if (line.IsText()) {
        out.unsetf(std::ios::left | std::ios::right);
        if (kind == LevelRow::kRange)
            line.Cell(6, level);
        else
            line.Cell(1, sign).Cell(5, level);
        line.Cell(12, count).Cell(10, FormatFixed(percent, 2, 5) + "%");
    } else {
        if (kind == LevelRow::kRange)
            line.Cell(0, level);
        else
            line.Cell(0, sign + FormatFixed(level, 1));
        line.Cell(0, count).Cell(0, FormatFixed(percent, 2) + "%");
    }
    line.Cell(12, DurationText(seconds)).End();
}

}  // namespace

void WriteLevelTable(std::ostream& out, ExportFormat format, int rows, const LevelRowSource& source)
{
    WriteHeading(out, format);
    for (int i = 0; i < rows; ++i) {
        LevelRow kind = LevelRow::kRange;
        if (i == 0)
            kind = LevelRow::kBelow;
        else if (i == rows - 1)
            kind = LevelRow::kAbove;
        WriteRow(out, format, kind, source(kind, i - 1));
    }
}
