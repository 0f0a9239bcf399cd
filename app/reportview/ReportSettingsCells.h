#pragma once
// What the settings reports share: the cells of one line, placed at columns
// of the settings layout (column 0 is the left margin), and the small texts
// of their values.
#include <string>
#include <utility>
#include <vector>

#include "RecordTexts.h"
#include "RecordView.h"
#include "ReportLines.h"
#include "ReportText.h"

namespace settings {

// Column k of the layout and the text drawn there; kLnColumn stands one
// column step right of column 5 (the SSA report's Ln percentiles).
using Cells = std::vector<std::pair<int, std::string>>;
constexpr int kLnColumn = -1;

inline const char* YesNo(bool on)
{
    return on ? "Yes" : "No";
}

inline const char* Enabled(bool on)
{
    return on ? "Enabled" : "Disabled";
}

inline std::string Dbs(int value)
{
    return Printf("%d dB", value);
}

// A code's text through one of the setup text helpers.
inline std::string Code(const std::string& (*helper)(int, std::string&), int code)
{
    std::string out;
    return helper(code, out);
}

// Left half: label at column 1, value at column 3; right half: label at
// column 5, value at column 6.
inline Cells Pair(std::string leftLabel, std::string leftValue, std::string rightLabel = {},
                  std::string rightValue = {})
{
    return {{1, std::move(leftLabel)}, {3, std::move(leftValue)}, {5, std::move(rightLabel)}, {6, std::move(rightValue)}};
}

// The cells of one settings line at the settings layout's columns.
void DrawCells(const ReportLines& report, ReportDC& dc, int line, const Cells& cells);

// The lines of the settings reports; index counts from the first line after
// the title block.
void DrawSystemSettingsLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
void DrawLogSettingsLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
void DrawSsaSettingsLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
void DrawTalSettingsLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
void DrawRtaSettingsLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);

}  // namespace settings
