// The RTA settings report: bandwidth, detector, AutoStore, triggering and
// the logic input and outputs of an RTA setup.
#include "KeptRecordFields.h"
#include "MeasDataSet.h"
#include "ReportSettingsCells.h"
#include "SetupValueTexts.h"

namespace {

using namespace settings;

using namespace RtaSetupFields;

const char* const kNoCell = "   -   ";

Cells RtaSettingsCells(const RecordView& r, unsigned index)
{
    const int flags = r.U8(kBandwidthFlags);
    const int store = r.U8(kStoreFlags);
    const int trigger = r.U8(kTriggerFlags);
    switch (index) {
    case 0: return {{0, "RTA"}, {4, "AutoStore"}};
    case 1: return Pair("Bandwidth:", (flags & 0x80) ? "1/3" : "1/1", "AutoStore:", Enabled(store & 0x20));
    case 2: return Pair("Detector:", (flags & 0x40) ? "Exp" : "Lin", "Pretrigger #:", Printf("%d", r.I16(kPretrigger)));
    case 3: return Pair("Gain:", Code(SSAValueTexts::GainText, r.U8(kGain)), "Save ByTime:", YesNo(store & 0x80));
    case 4: return Pair("Lin. Detect Time:", RTAValueTexts::LinearDetectorTimeText(r.F32(kLinearDetectorTime)));
    case 5: return Pair("Exp. Detect. Time:", Code(RTAValueTexts::ExpDetectorTimeText, r.U8(kExpDetectorTime)));
    case 6: return Pair("Exp. Store Rate:", (flags & 0x20) ? "1/8" : "1/2");
    case 7:
        return Pair("RT60 dB Down:",
                    Printf("%d dB", RT60DbDownFromIndex(static_cast<float>(r.I16(kVersion)), r.U8(kRt60DbDown))));
    case 8: return Pair("Note:", r.Text(kNote, kNoteLength));
    case 10: return {{0, "Trigger:"}};
    case 11: return Pair("Triggering:", Enabled(trigger & 0x80));
    case 12: return Pair("Trigger Source:", Code(RTAValueTexts::TriggerSourceText, r.U8(kTriggerSource)));
    case 19: return {{1, "Then"}};
    case 20: {
        const int then = r.U8(kEndThen);
        return Pair("    Action:", then == 0 ? "Stop" : then == 1 ? "Repeat" : then == 2 ? "Average" : "");
    }
    case 21: return Pair("    Repeat Count:", Printf("%d", r.U8(kRepeatCount)));
    case 22: return Pair("    Average Count:", Printf("%d", r.U8(kAverageCount)));
    case 24:
        return {{0, "Run On Logic Input:"}, {3, YesNo(trigger & 0x04)}, {5, "Logic Level:"},
                {6, (trigger & 0x08) ? "High" : "Low"}};
    default: return {};
    }
}

}  // namespace

namespace settings {

// The mode and its cells of a trigger row (Arm, Trigger, End) at y.
static void DrawRtaTriggerRow(const ReportLines& report, ReportDC& dc, int y, const std::string& modeText, int mode,
                       float level, float time, int samples, bool logic)
{
    if (mode < 0 || mode > 6)
        return;
    const int w = dc.TextWidth("  Time sec  ");
    const int x = report.Column(3);
    std::string cells[4] = {kNoCell, kNoCell, kNoCell, kNoCell};
    if (mode >= 1 && mode <= 3) {
        cells[0] = FormatReportNumber(level, 1, 0);
        cells[1] = FormatFixed(time, 4);
    } else if (mode == 4) {
        cells[3] = logic ? "High" : "Low";
    } else if (mode == 5) {
        cells[1] = FormatFixed(time, 4);
    } else if (mode == 6) {
        cells[2] = Printf("%d", static_cast<int16_t>(samples));
    }
    dc.TextOut(x, y, modeText);
    for (int k = 0; k < 4; ++k)
        dc.TextOut(x + (k + 1) * w, y, cells[k]);
}

// The X marks of one logic output in the five state columns at y.
static void DrawRtaLogicOutRow(const ReportLines& report, ReportDC& dc, int y, int output, int map)
{
    const int v = dc.TextWidth("  Ready  ");
    for (int c = 0; c < 5; ++c) {
        const int state = 4 - c;
        dc.TextOut(report.Column(2) + c * v, y, (map >> (output + 3 * state)) & 1 ? "X" : " ");
    }
}

void DrawRtaSettingsLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    const RecordView r = report.DataSet().SetupView();
    if (r.IsEmpty() || index > 29)
        return;
    if (index < 14 || (index > 17 && index < 26)) {
        DrawCells(report, dc, line, RtaSettingsCells(r, index));
        return;
    }
    PrinterFontScope font(dc);
    const int y = report.LineY(dc, line);
    const int trigger = r.U8(kTriggerFlags);
    auto mode = [](int m) { return Code(RTAValueTexts::TriggerModeText, m); };
    switch (index) {
    case 14: {
        const int w = dc.TextWidth("  Time sec  ");
        const char* const heads[] = {"Mode", "Level dB", "Time sec", "Samples", "Logic"};
        for (int k = 0; k < 5; ++k)
            dc.TextOut(report.Column(3) + k * w, y, heads[k]);
        break;
    }
    case 15:
        dc.TextOut(report.Column(1), y, "Arm");
        DrawRtaTriggerRow(report, dc, y, mode(r.U8(kArmMode)), r.U8(kArmMode), r.F32(kArmLevel),
                          r.F32(kArmTime), r.U16(kArmSamples), trigger & 0x20);
        break;
    case 16:
        dc.TextOut(report.Column(1), y, "Trigger");
        DrawRtaTriggerRow(report, dc, y, mode(r.U8(kTriggerMode)), r.U8(kTriggerMode), r.F32(kTriggerLevel),
                          r.F32(kTriggerTime), r.U16(kTriggerSamples), trigger & 0x40);
        break;
    case 17: {
        const int m = r.U8(kEndMode);
        dc.TextOut(report.Column(1), y, "End");
        DrawRtaTriggerRow(report, dc, y, m == 0 ? "Never" : mode(m), m, r.F32(kEndLevel), r.F32(kEndTime),
                          r.U16(kEndSamples), trigger & 0x10);
        break;
    }
    case 26: {
        const int v = dc.TextWidth("  Ready  ");
        dc.TextOut(report.LeftEdge(), y, "Logic Out:");
        const char* const states[] = {"Ended", "Trigger", "Armed", "Ready", "Stop"};
        for (int c = 0; c < 5; ++c)
            dc.TextOut(report.Column(2) + c * v, y, states[c]);
        break;
    }
    default: {
        const char* const labels[] = {"    Heat", "    Cal", "    Logic Out"};
        dc.TextOut(report.LeftEdge(), y, labels[index - 27]);
        DrawRtaLogicOutRow(report, dc, y, static_cast<int>(29 - index), r.U16(kLogicOutMap));
        break;
    }
    }
}

}  // namespace settings
