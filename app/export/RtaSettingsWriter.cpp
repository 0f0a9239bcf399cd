// The settings of a real-time analyser measurement, with the trigger table
// and the logic outputs per measurement state.
#include <cmath>
#include <iomanip>
#include <vector>

#include "ExportFields.h"
#include "KeptRecordFields.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "SSASetup.h"
#include "SummaryTableSupport.h"

namespace {

const char* const kModeNames[] = {"Now", "L<", "L=", "L>", "Input", "Time", "Count"};
constexpr int kModeCount = 7;

// A text layout item line, or a CSV line of a label and its fields.
struct Line {
    enum Kind { kEmpty, kHeading, kItem, kRow } kind;
    const char* indent;
    const char* textLabel;
    const char* csvLabel;
    std::string textValue;  // a row: the row as its formatter made it
    std::string csvValue;
};

// The time rounded to 0.0001 s and then cut down to a multiple of 0.0025 s.
std::string LinearDetectorTime(float seconds)
{
    const double tenths = std::trunc((static_cast<double>(seconds) + 0.00005) * 10000.0);
    const double steps = std::trunc(tenths / 25.0);
    return FormatFixed(steps * 25.0 / 10000.0, 4);
}

std::string ExpDetectorTime(int index)
{
    static const char* const kTimes[] = {"1/32", "1/16", "1/8", "1/4", "1/2", "1",
                                         "2",    "4",    "8",   "16",  "32",  "64"};
    // The instrument offers no other time; a stray index shows nothing.
    return (index >= 0 && index < 12) ? kTimes[index] : "";
}

std::string Row(ExportFormat format, const std::string (&cells)[5])
{
    if (format == kTextFormat)
        return ComposeText("%-8s\t%-8s\t%-8s\t%-8s\t%-8s", cells[0].c_str(), cells[1].c_str(), cells[2].c_str(),
                           cells[3].c_str(), cells[4].c_str());
    std::string row;
    for (const std::string& cell : cells)
        row += kFieldOpen + cell + kFieldClose;
    return row;
}

}  // namespace

std::string ReportWriter::FormatTriggerRow(ExportFormat format, std::string modeName, int mode, float level,
                                           float time, int16_t samples, int logicHigh)
{
    const bool text = IsText(format);
    const std::string empty = text ? "   -   " : "  -  ";
    std::string cells[5] = {modeName, empty, empty, empty, empty};
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
    default: return " ";
    }
    return Row(format, cells);
}

std::string ReportWriter::FormatLogicOutRow(ExportFormat format, int16_t output, int map)
{
    std::string cells[5];
    for (int state = 4; state >= 0; --state) {
        const int bit = output + 3 * state;
        const bool on = bit >= 0 && bit < 31 && (map >> bit) & 1;
        cells[4 - state] = on ? "   X   " : "       ";
    }
    return Row(format, cells);
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
    std::string source = "Flat";
    if (setup.U8(F::kTriggerSource) < 33)
        SSASetup::BandName(setup.U8(F::kTriggerSource), source);
    const std::string dbDown = ComposeText(
        "%d dB", RT60DbDownFromIndex(static_cast<float>(setup.U16(F::kVersion)), setup.U8(F::kRt60DbDown)));
    const bool third = modeFlags & 0x80;
    const std::string expTime = ExpDetectorTime(setup.U8(F::kExpDetectorTime));
    const std::string storeRate = (modeFlags & 0x20) ? "1/8" : "1/2";

    auto trigger = [&](size_t modeAt, size_t levelAt, size_t timeAt, size_t samplesAt, int logicBit, bool end) {
        const int mode = setup.U8(modeAt);
        std::string name = mode < kModeCount ? kModeNames[mode] : "";
        if (end && mode == 0)
            name = "Never";
        return FormatTriggerRow(format, name, mode, setup.F32(levelAt), setup.F32(timeAt), setup.I16(samplesAt),
                                triggerFlags & logicBit);
    };
    const std::string arm = trigger(F::kArmMode, F::kArmLevel, F::kArmTime, F::kArmSamples, 0x20, false);
    const std::string trig =
        trigger(F::kTriggerMode, F::kTriggerLevel, F::kTriggerTime, F::kTriggerSamples, 0x40, false);
    const std::string end = trigger(F::kEndMode, F::kEndLevel, F::kEndTime, F::kEndSamples, 0x10, true);
    static const char* const kThen[] = {"Stop", "Repeat", "Average"};
    const int then = setup.U8(F::kEndThen);
    const int map = setup.U16(F::kLogicOutMap);
    const std::string tableHeading = ComposeText("%-8s\t%-8s\t%-8s\t%-8s\t%-8s", "Mode", "Level dB", "Time sec.",
                                                 "Samples", "Logic");
    const std::string stateHeading =
        ComposeText("%-8s\t%-8s\t%-8s\t%-8s\t%-8s", "Ended", "Trigger", "Armed", "Ready", "Stop");
    auto csvRow = [](std::initializer_list<const char*> cells) {
        std::string row;
        for (const char* cell : cells)
            row += std::string(kFieldOpen) + cell + kFieldClose;
        return row;
    };

    const char* two = "  ";
    const char* four = "    ";
    const char* none = "";
    const std::vector<Line> lines = {
        {Line::kHeading, two, "RTA Settings", "RTA Settings", "", ""},
        {Line::kItem, two, "Bandwidth:", "Bandwidth:", third ? "1/3" : "1/1", third ? "0 1/3" : "0 1/1"},
        {Line::kItem, two, "Detector:", "Detector:", (modeFlags & 0x40) ? "Exp" : "Lin", ""},
        {Line::kItem, two, "Gain:", "Gain:", gain, ""},
        {Line::kItem, two, "Lin. Detect Time:", "Lin. Detect Time:", LinearDetectorTime(setup.F32(F::kLinearDetectorTime)),
         ""},
        {Line::kItem, two, "Exp. Detect. Time:", "Exp. Detect. Time:", expTime, "0 " + expTime},
        {Line::kItem, two, "Exp. Store Rate:", "Exp. Store Rate:", storeRate, "0 " + storeRate},
        {Line::kItem, two, "RT60 dB Down:", "RT60 dB Down:", dbDown, ""},
        {Line::kItem, two, "Note:", "Note:", setup.Text(F::kNote, 8), ""},
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
        {Line::kRow, two, " ", " ", tableHeading, csvRow({"Mode", "Level dB", "Time sec.", "Samples", "Logic"})},
        {Line::kRow, two, "Arm", "Arm:", arm, arm},
        {Line::kRow, two, "Trigger", "Trigger:", trig, trig},
        {Line::kRow, two, "End", "End:", end, end},
        {Line::kEmpty, none, "", "", "", ""},
        {Line::kRow, two, "Then:", "Then", "", ""},
        {Line::kItem, four, "Action:", "Action:", then < 3 ? kThen[then] : "", ""},
        {Line::kItem, four, "Repeat Count:", "Repeat Count:", std::to_string(setup.U8(F::kRepeatCount)), ""},
        {Line::kItem, four, "Average Count:", "Average Count:", std::to_string(setup.U8(F::kAverageCount)), ""},
        {Line::kEmpty, none, "", "", "", ""},
        {Line::kItem, none, "Run On Logic Input", "Run On Logic Input:", (triggerFlags & 0x04) ? "Yes" : "No", ""},
        {Line::kItem, none, "Logic Level:", "Logic Level:", (triggerFlags & 0x08) ? "High" : "Low", ""},
        {Line::kEmpty, none, "", "", "", ""},
        {Line::kRow, none, "Logic Out:", "Logic Out:", stateHeading,
         csvRow({"Ended", "Trigger", "Armed", "Ready", "Stop"})},
        {Line::kRow, two, "Heat:", "Heat:", FormatLogicOutRow(format, 2, map), FormatLogicOutRow(format, 2, map)},
        {Line::kRow, two, "Cal:", "Cal:", FormatLogicOutRow(format, 1, map), FormatLogicOutRow(format, 1, map)},
        {Line::kRow, two, "Logic Out:", "Logic Out:", FormatLogicOutRow(format, 0, map),
         FormatLogicOutRow(format, 0, map)},
    };

    if (text)
        out << std::setiosflags(std::ios::left);
    for (const Line& line : lines) {
        if (line.kind == Line::kEmpty) {
            out << std::endl;
        } else if (text && line.kind == Line::kHeading) {
            out << line.textLabel << std::endl;
        } else if (text) {
            out << line.indent << std::setw(25) << line.textLabel << line.textValue << std::endl;
        } else if (line.kind == Line::kHeading) {
            CsvField(out, line.csvLabel) << std::endl;
        } else {
            CsvField(out, line.csvLabel);
            if (line.kind == Line::kRow)
                out << line.csvValue;
            else
                CsvField(out, line.csvValue.empty() ? line.textValue : line.csvValue);
            out << std::endl;
        }
    }
    return 1;
}
