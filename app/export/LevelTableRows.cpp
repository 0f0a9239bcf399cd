#include "LevelTableRows.h"

#include <iomanip>

#include "ExportFields.h"
#include "ReportNumbers.h"
#include "SummaryWriterSupport.h"

namespace {

// "Level", "Count", "Percent", "Duration".
void WriteHeading(std::ostream& out, ExportFormat format)
{
    if (format == kTextFormat) {
        out << std::setw(6) << "Level" << std::setw(12) << "Count" << std::setw(10) << "Percent" << std::setw(12)
            << "Duration" << std::endl;
        return;
    }
    for (const char* heading : {"Level", "Count", "Percent", "Duration"})
        CsvField(out, heading);
    out << std::endl;
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
    if (format == kTextFormat) {
        out << std::resetiosflags(std::ios::left | std::ios::right);
        if (kind == LevelRow::kRange)
            out << std::setw(6) << level;
        else
            out << std::setw(1) << sign << std::setw(5) << level;
        out << std::setw(12) << count << std::setw(10) << FormatFixed(percent, 2, 5) + "%" << std::setw(12)
            << DurationCell(seconds) << std::endl;
        return;
    }
    if (kind == LevelRow::kRange)
        CsvField(out, level);
    else
        CsvField(out, sign + FormatFixed(level, 1));
    CsvField(out, count);
    CsvField(out, FormatFixed(percent, 2) + "%");
    CsvField(out, DurationCell(seconds));
    out << std::endl;
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
