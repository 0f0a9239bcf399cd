#pragma once
// The rows that the histogram tables and the Ln tables share: a heading of
// Level, Count, Percent and Duration, then the row below the low limit, the
// range rows and the row above the high limit. In the text layout every cell
// is right-aligned.
#include <functional>
#include <ostream>

#include "ReportWriter.h"

enum class LevelRow { kBelow, kRange, kAbove };

// What a row shows.
struct LevelStats {
    float level = 0;
    int count = 0;
    float percent = 0;
    float seconds = 0;
};
// The stats of the below row, range row rangeRow or the above row.
using LevelRowSource = std::function<LevelStats(LevelRow kind, int rangeRow)>;

// The heading and rows rows: the first the below row, the last (when there
// are two or more) the above row, the others range rows 0, 1 ...
void WriteLevelTable(std::ostream& out, ExportFormat format, int rows, const LevelRowSource& source);
