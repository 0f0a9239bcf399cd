#pragma once
// What the settings printouts share: a printout is a table of lines
// (headings, empty lines, labelled values) that one loop writes in either
// layout, and the small value texts of switches and setup codes.
#include <ostream>
#include <string>
#include <vector>

#include "ReportWriter.h"

struct SettingLine {
    enum Kind { kEmpty, kHeading, kValue };
    Kind kind = kEmpty;
    const char* label = "";
    std::string value;
    // Text layout: 0 writes the value right after the label; N > 0
    // right-aligns it in N characters, N < 0 left-aligns it in -N.
    int valueWidth = 0;
    const char* textUnit = "";      // text layout: written right after the value
    const char* csvUnit = nullptr;  // CSV layout: a field of its own after the value
};

inline SettingLine EmptyLine() { return {}; }
inline SettingLine Heading(const char* text) { return {SettingLine::kHeading, text, {}}; }
inline SettingLine Setting(const char* label, std::string value, int valueWidth = 0, const char* textUnit = "",
                           const char* csvUnit = nullptr)
{
    return {SettingLine::kValue, label, std::move(value), valueWidth, textUnit, csvUnit};
}

// Where the labelled lines of the text layout put their label: after the
// indent, left-aligned in labelWidth characters.
struct SettingColumns {
    const char* indent;
    int labelWidth;
};

// Writes the lines in the layout of format, cell by cell. The text layout
// relies on the left alignment being set; a right-aligned value clears it
// for the value alone.
void WriteSettingLines(std::ostream& out, ExportFormat format, SettingColumns columns,
                       const std::vector<SettingLine>& lines);

// The stream state of a settings printout: left alignment in the text
// layout, fixed notation with the precision in both. The CSV numbers thus
// keep their decimals also when no header was written before the report.
void StartSettings(std::ostream& out, ExportFormat format, int precision);

// The six Ln percentiles from offset: text "  L  10.00 " (L in 3 columns,
// two decimals in 6), CSV one field "L 10.0".
void WriteLnPercentiles(std::ostream& out, ExportFormat format, const RecordView& setup, size_t offset);

// Where a LOG or SSA setup record keeps its timer.
struct TimerFields {
    size_t mode, startDate, stopDate, startTime1, stopTime1, startTime2, stopTime2;
};
// The "Timer" group: mode, dates, then the times in the order start 1,
// start 2, stop 1, stop 2.
std::vector<SettingLine> TimerLines(const RecordView& setup, const TimerFields& at);

// The five interval switches of the interval flags byte of a LOG or SSA
// setup: history (bit 7), time sync (5), save Ln (6), Ln table (0), auto
// stop (4).
std::vector<SettingLine> IntervalSwitchLines(int flags);

// A setup value text by its helper: ValueText(&LOGSetup::TimerModeText, code).
template <class Helper>
std::string ValueText(Helper helper, int code)
{
    std::string text;
    helper(code, text);
    return text;
}

inline std::string YesNo(bool set) { return set ? "Yes" : "No"; }
inline std::string EnabledText(bool set) { return set ? "Enabled" : "Disabled"; }
