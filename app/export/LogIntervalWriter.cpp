// The intervals of a logging measurement, each row followed by its Ln table
// when the intervals carry histograms.
#include <algorithm>
#include <cmath>
#include <iomanip>
#include <vector>

#include "DirectionText.h"
#include "ExportCells.h"
#include "HistogramStats.h"
#include "KeptRecordFields.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "SummaryWriterSupport.h"
#include "TimeTexts.h"

namespace {

// A column of the table past the four left-aligned ones.
struct Column {
    const char* heading;
    int width;
};
constexpr Column kLevelColumns[] = {{"Leq", 6}, {"SEL", 6},    {"Min", 6},   {"Max", 6},
                                    {"Peak-1", 6}, {"Peak-2", 6}, {"Overld", 8}};
constexpr int kWindWidth = 12;
constexpr int kLnWidth = 8;
constexpr int kLnCount = 6;

// Whole seconds of the duration (cut, not rounded) as hh:mm:ss.
std::string DurationHms(float seconds)
{
    const double whole = std::isfinite(seconds) && seconds > 0 ? std::trunc(static_cast<double>(seconds)) : 0.0;
    std::string text;
    SecondsToHms(static_cast<uint32_t>(std::min(whole, 4294967295.0)), text);
    return text;
}

}  // namespace

int ReportWriter::WriteLogIntervals(std::ostream& out, ExportFormat format, const IntvMgr& intervals,
                                    const RecordView& setup)
{
    const IntvRec* first = intervals.GetAt(0);
    if (!Usable(out) || !first)
        return 1;
    namespace L = LogSetupFields;
    const std::string units = setup.Text(L::kWindUnits, L::kWindUnitsLength);
    const float windScale = setup.F32(L::kWindScale);
    const int directionUnits = setup.U8(L::kDirectionUnits);
    const bool text = IsText(format);
    std::vector<std::string> lnHeadings;
    for (int i = 0; i < kLnCount; ++i)
        lnHeadings.push_back("L" + FormatFixed(first->GetLnPercent(i), 2));

    // Heading.
    std::vector<std::pair<std::string, int>> right;  // heading and width
    for (const Column& column : kLevelColumns)
        right.emplace_back(column.heading, column.width);
    if (intervals.windLine) {
        right.emplace_back("Wnd Avg(" + units + ")", kWindWidth);
        right.emplace_back("Wnd Max(" + units + ")", kWindWidth);
        right.emplace_back("Max Wind Dir", kWindWidth);
    }
    for (const std::string& heading : lnHeadings)
        right.emplace_back(heading, kLnWidth);
    // The left flag is added to the flags as they stand, here and after the
    // heading, as for the rows below.
    if (text)
        out << std::setiosflags(std::ios::left);
    out << std::fixed << std::setprecision(2);
    CellLine headingLine(out, text);
    headingLine.Cell(12, "Rec #").Cell(12, "Date").Cell(12, "Time").Cell(10, "Duration").AlignRight();
    for (const auto& [heading, width] : right)
        headingLine.Cell(width, heading);
    if (text)
        out << std::setiosflags(std::ios::left);
    headingLine.End();

    const bool wind = intervals.windLine && !setup.IsEmpty();
    for (int i = 0; i < intervals.GetCount(); ++i) {
        const IntvRec* record = intervals.GetAt(i);
        if (!record)
            continue;
        // Without the wind cells the Ln cells move up beside Overld.
        size_t column = 0;
        auto width = [&] {
            const size_t at = (!wind && intervals.windLine && column >= 7) ? column + 3 : column;
            ++column;
            return at < right.size() ? right[at].second : kLnWidth;
        };
        CellLine line(out, text);
        line.Cell(12, record->GetRecordNumber())
            .Cell(12, DateText(record->GetTime()))
            .Cell(12, ClockText(record->GetTime()))
            .Cell(10, DurationHms(record->GetDuration()))
            .AlignRight();
        out << std::setprecision(1);
        for (float level : {record->GetLeq(), record->GetSel(), record->GetMin(), record->GetMax(),
                            record->GetPeak1(), record->GetPeak2()})
            line.Cell(width(), ReportNumber{level});
        line.Cell(width(), record->GetOverloads());
        if (wind) {
            line.Cell(width(), FormatFixed(record->GetWindAverage() * windScale, 1));
            line.Cell(width(), FormatFixed(record->GetWindMax() * windScale, 1));
            line.Cell(width(), FormatDirectionText(record->GetMaxWindDir(), directionUnits));
        }
        for (int n = 0; n < kLnCount; ++n)
            line.Cell(width(), ReportNumber{record->GetLnLevel(n)});
        line.End();
        if (intervals.histogram) {
            const auto bins = HistogramBinsOf(*record);
            WriteLnTableHistogram(out, format, intervals.GetLnTableRowCount(), bins.data(), intervals.baseLevel, 32);
            out << std::endl;
        }
        if (text)
            out << std::setiosflags(std::ios::left);
    }
    return 1;
}
