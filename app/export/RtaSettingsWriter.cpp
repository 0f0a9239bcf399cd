// The settings of a real-time analyser measurement, with the trigger table
// and the logic outputs per measurement state.
#include <array>
#include <optional>
#include <sstream>
#include <vector>

#include "ExportCells.h"
#include "KeptRecordFields.h"
#include "ReportNumbers.h"
#include "RTASetup.h"
#include "ReportWriter.h"
#include "SSASetup.h"
#include "SummaryTableSupport.h"

namespace {

// The five cells of a table row: mode or state name, then level, time,
// samples and logic, or the four states.
using RowCells = std::array<std::string, 5>;

// A text layout item line, or a CSV line of a label and its fields.
struct Line {
    enum Kind { kEmpty, kHeading, kItem, kRow } kind;
    const char* indent;
    const char* textLabel;
    const char* csvLabel;
    std::string textValue;
    std::string csvValue;
    // A row: its cells (none for a label alone); a stray trigger mode has
    // no cells but one blank.
    std::vector<std::string> cells = {};
    bool stray = false;
};

// Text layout: each cell left-aligned in 8 characters, a tab between them;
// CSV layout: one field each.
template <class Cells>
void WriteRowCells(CellLine& line, const Cells& cells)
{
    bool first = true;
    for (const auto& cell : cells) {
        if (!first)
            line.TextOnly(0, "\t");
        line.Left(8, cell);
        first = false;
    }
}

// The cells of an Arm/Trigger/End row, or none for a mode outside 0 to 6.
std::optional<RowCells> TriggerCells(bool text, const std::string& modeName, int mode, float level, float time,
                                     int16_t samples, int logicHigh)
{
    const std::string empty = text ? "   -   " : "  -  ";
    RowCells cells = {modeName, empty, empty, empty, empty};
    switch (mode & 0xFF) {
    case 0: break;
    case 1:
    case 2:
    case 3:
        cells[1] = FormatFixed(level, 2);
        cells[2] = FormatFixed(time, 4);
        break;
    case 4: cells[4] = logicHigh ? "High" : "Low"; break;
    case 5:
        cells[1] = "   -   ";
        cells[2] = FormatFixed(time, 4);
        break;
    case 6: cells[3] = std::to_string(samples); break;
    default: return std::nullopt;
    }
    return cells;
}

// The cells of one logic output (0 logic, 1 calibration, 2 heater) over the
// states Ended, Triggered, Armed, Ready, Stopped.
RowCells LogicOutCells(int16_t output, int map)
{
    RowCells cells;
    for (int state = 4; state >= 0; --state) {
        const int bit = output + 3 * state;
        const bool on = bit >= 0 && bit < 31 && (map >> bit) & 1;
        cells[static_cast<size_t>(4 - state)] = on ? "   X   " : "       ";
    }
    return cells;
}

// A row on its own, as a text of its cells.
std::string RowText(ExportFormat format, const RowCells& cells)
{
    std::ostringstream row;
    CellLine line(row, format);
    WriteRowCells(line, cells);
    return row.str();
}

}  // namespace

std::string ReportWriter::FormatTriggerRow(ExportFormat format, std::string modeName, int mode, float level,
                                           float time, int16_t samples, int logicHigh)
{
    const auto cells = TriggerCells(IsText(format), modeName, mode, level, time, samples, logicHigh);
    return cells ? RowText(format, *cells) : " ";
}

int ReportWriter::WriteRtaSettings(std::ostream& out, ExportFormat format, const RecordView& setup)
{
    namespace F = RtaSetupFields;
    if (!Usable(out) || setup.IsEmpty())
        return 1;
    const bool text = IsText(format);
    const int modeFlags = setup.U8(F::kBandwidthFlags);
    const int storeFlags = setup.U8(F::kStoreFlags);
    const int triggerFlags = setup.U8(F::kTriggerFlags);
    std::string gain;
    SSASetup::GainText(setup.U8(F::kGain), gain);
    std::string source;
    RTASetup::TriggerSourceText(setup.U8(F::kTriggerSource), source);
    const std::string dbDown =
        std::to_string(RT60DbDownFromIndex(static_cast<float>(setup.U16(F::kVersion)), setup.U8(F::kRt60DbDown))) +
        " dB";
    const bool third = modeFlags & 0x80;
    // The instrument offers no other times; a stray index shows nothing.
    std::string expTime;
    RTASetup::ExpDetectorTimeText(setup.U8(F::kExpDetectorTime), expTime);
    const std::string storeRate = (modeFlags & 0x20) ? "1/8" : "1/2";

    const char* two = "  ";
    auto row = [&](const char* indent, const char* textLabel, const char* csvLabel, std::vector<std::string> cells) {
        return Line{Line::kRow, indent, textLabel, csvLabel, "", "", std::move(cells)};
    };
    auto trigger = [&](const char* textLabel, const char* csvLabel, size_t modeAt, size_t levelAt, size_t timeAt,
                       size_t samplesAt, int logicBit, bool end) {
        const int mode = setup.U8(modeAt);
        std::string name;
        RTASetup::TriggerModeText(mode, name);
        if (end && mode == 0)
            name = "Never";
        const auto cells = TriggerCells(text, name, mode, setup.F32(levelAt), setup.F32(timeAt),
                                        setup.I16(samplesAt), triggerFlags & logicBit);
        Line line = row(two, textLabel, csvLabel, {});
        if (cells)
            line.cells.assign(cells->begin(), cells->end());
        else
            line.stray = true;
        return line;
    };
    auto logicOut = [&](const char* label, int16_t output) {
        const RowCells cells = LogicOutCells(output, setup.U16(F::kLogicOutMap));
        return row(two, label, label, {cells.begin(), cells.end()});
    };
    static const char* const kThen[] = {"Stop", "Repeat", "Average"};
    const int then = setup.U8(F::kEndThen);

    const char* four = "    ";
    const char* none = "";
    const std::vector<Line> lines = {
        {Line::kHeading, two, "RTA Settings", "RTA Settings", "", ""},
        {Line::kItem, two, "Bandwidth:", "Bandwidth:", third ? "1/3" : "1/1", third ? "0 1/3" : "0 1/1"},
        {Line::kItem, two, "Detector:", "Detector:", (modeFlags & 0x40) ? "Exp" : "Lin", ""},
        {Line::kItem, two, "Gain:", "Gain:", gain, ""},
        {Line::kItem, two, "Lin. Detect Time:", "Lin. Detect Time:", RTASetup::LinearDetectorTimeText(setup.F32(F::kLinearDetectorTime)),
         ""},
        {Line::kItem, two, "Exp. Detect. Time:", "Exp. Detect. Time:", expTime, "0 " + expTime},
        {Line::kItem, two, "Exp. Store Rate:", "Exp. Store Rate:", storeRate, "0 " + storeRate},
        {Line::kItem, two, "RT60 dB Down:", "RT60 dB Down:", dbDown, ""},
        {Line::kItem, two, "Note:", "Note:", setup.Text(F::kNote, F::kNoteLength), ""},
        {Line::kEmpty, none, "", "", "", ""},
        {Line::kHeading, two, "Auto Store", "Auto Store", "", ""},
        {Line::kItem, two, "Auto Store:", "Auto Store:", (storeFlags & 0x20) ? "Enabled" : "Disabled", ""},
        {Line::kItem, two, "Pretrigger #:", "Pretrigger #:", std::to_string(setup.I16(F::kPretrigger)), ""},
        {Line::kItem, two, "Save ByTime:", "Save ByTime:", (storeFlags & 0x80) ? "Yes" : "No", ""},
        {Line::kEmpty, none, "", "", "", ""},
        {Line::kHeading, two, "Trigger", "Trigger", "", ""},
        {Line::kItem, two, "Triggering:", "Triggering:", (triggerFlags & 0x80) ? "Enabled" : "Disabled", ""},
        {Line::kItem, two, "Trigger Source:", "Trigger Source:", source, ""},
        {Line::kEmpty, none, "", "", "", ""},
        row(two, " ", " ", {"Mode", "Level dB", "Time sec.", "Samples", "Logic"}),
        trigger("Arm", "Arm:", F::kArmMode, F::kArmLevel, F::kArmTime, F::kArmSamples, 0x20, false),
        trigger("Trigger", "Trigger:", F::kTriggerMode, F::kTriggerLevel, F::kTriggerTime, F::kTriggerSamples, 0x40,
                false),
        trigger("End", "End:", F::kEndMode, F::kEndLevel, F::kEndTime, F::kEndSamples, 0x10, true),
        {Line::kEmpty, none, "", "", "", ""},
        row(two, "Then:", "Then", {}),
        {Line::kItem, four, "Action:", "Action:", then < 3 ? kThen[then] : "", ""},
        {Line::kItem, four, "Repeat Count:", "Repeat Count:", std::to_string(setup.U8(F::kRepeatCount)), ""},
        {Line::kItem, four, "Average Count:", "Average Count:", std::to_string(setup.U8(F::kAverageCount)), ""},
        {Line::kEmpty, none, "", "", "", ""},
        {Line::kItem, none, "Run On Logic Input", "Run On Logic Input:", (triggerFlags & 0x04) ? "Yes" : "No", ""},
        {Line::kItem, none, "Logic Level:", "Logic Level:", (triggerFlags & 0x08) ? "High" : "Low", ""},
        {Line::kEmpty, none, "", "", "", ""},
        row(none, "Logic Out:", "Logic Out:", {"Ended", "Trigger", "Armed", "Ready", "Stop"}),
        logicOut("Heat:", 2),
        logicOut("Cal:", 1),
        logicOut("Logic Out:", 0),
    };

    for (const Line& line : lines) {
        CellLine cells(out, format);
        if (line.kind == Line::kHeading) {
            cells.Cell(0, line.textLabel);
        } else if (line.kind != Line::kEmpty) {
            cells.TextOnly(0, line.indent).Split(std::ios::left, 25, line.textLabel, line.csvLabel);
            if (line.kind == Line::kItem)
                cells.Split(std::ios::left, 0, line.textValue, line.csvValue.empty() ? line.textValue : line.csvValue);
            else if (line.stray)
                out << ' ';  // a mode the table does not know: one blank in either layout
            else
                WriteRowCells(cells, line.cells);
        }
        cells.End();
    }
    return 1;
}
