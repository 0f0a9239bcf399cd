// The ZU-Reru summary: overall and SLM times, record counts, the Leq rule's
// differences (LAFTM5, LCeq and LAIeq against LAeq), the SPL and Lmax table
// by weighting and detector, the Ln table, the RTA Leq spectrum and the
// tonality figures.
#include "BandNames.h"
#include "KeptRecordFields.h"
#include "LOGSetup.h"
#include "MeasDataSet.h"
#include "ReportSummaries.h"
#include "ReportText.h"
#include "SummaryTableSupport.h"
#include "SummaryWriterSupport.h"
#include "TALSetup.h"
#include "TalSnapshotRows.h"

namespace {

using talsnapshot::kBandCount;
using talsnapshot::kLeftColumnBands;  // bands 0 to 16 on the left, 17 to 32 on the right
constexpr unsigned kSpectrumLines = 23;

std::string Decibels(float value) { return FormatFixed(value, 1) + " dB"; }

}  // namespace

namespace summary {

void DrawTalLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    namespace S = SummaryFields;
    namespace T = TalSetupFields;
    PrinterFontScope font(dc);
    const MeasDataSet& data = report.DataSet();
    const RecordView sum = data.SummaryView();
    if (sum.IsEmpty() || index > 23)
        return;
    const RecordView setup = data.GetSetupType() == 8 ? data.SetupView() : RecordView();
    const int y = report.LineY(dc, line);
    const float laeq = sum.F32(kCurrentSet.average);
    const float lceq = sum.F32(kCurrentSet.average + 4);
    const float laftm5 = sum.F32(S::kLaftm5);
    const float laieq = sum.F32(S::kLaieq);
    auto count = [&](const char* label, size_t field, const char* stateLabel, const std::string& state) {
        const int after = dc.TextWidth("Number Snapshot Records:SS");
        dc.TextOut(report.LeftEdge(), y, label);
        dc.TextOut(report.LeftEdge() + after, y, Printf("%5ld", static_cast<long>(sum.I32(field))));
        dc.TextOut(report.Column(4), y, stateLabel);
        dc.TextOut(report.Column(4) + after, y, state);
    };
    // Three label and value pairs at Ln columns 0 and 2, 3 and 4, 5 and 6.
    auto leqRow = [&](const char* const labels[3], const float values[3]) {
        static const int kAt[3][2] = {{0, 2}, {3, 4}, {5, 6}};
        for (int c = 0; c < 3; ++c) {
            dc.TextOut(report.LnColumn(kAt[c][0]), y, labels[c]);
            dc.TextOut(report.LnColumn(kAt[c][1]), y, Decibels(values[c]));
        }
    };
    std::string suffix;
    if (!setup.IsEmpty())
        LOGSetup::FreqWeightingShortText(setup.U8(T::kSlmWeighting), suffix);
    auto lnRow = [&](size_t first) {
        for (size_t c = 0; c < 3; ++c) {
            const size_t n = first + 2 * c;
            const std::string percentile = FormatFixed(sum.F32(S::kLnPercentiles + 4 * n), 2);
            dc.TextOut(report.LnColumn(2 * c), y, Printf("L%d %s", static_cast<int>(n + 1), percentile.c_str()));
            dc.TextOut(report.LnColumn(2 * c + 1), y, Decibels(sum.F32(S::kLnLevels + 4 * n)) + suffix);
        }
    };
    auto tonality = [&](const char* first, const std::string& firstValue, const char* second, float secondValue) {
        if (first) {
            dc.TextOut(report.LnColumn(0), y, first);
            dc.TextOut(report.LnColumn(0) + dc.TextWidth("delta fc (BARQ Bandwidth):SS"), y, firstValue);
        }
        dc.TextOut(report.LnColumn(3), y, second);
        dc.TextOut(report.LnColumn(3) + dc.TextWidth("Lg (LGroup):SS"), y, Decibels(secondValue));
    };

    switch (index) {
    case 0:
        DrawLabelAndValue(report, dc, y, "Overall Start Time:", DateTimeText(sum.U32(kOverallSet.start)));
        break;
    case 1:
        DrawLabelAndValue(report, dc, y, "Overall End Time:", DateTimeText(sum.U32(S::kOverallEnd)));
        break;
    case 3: {
        const bool ln = (setup.U8(T::kLnEnableFlags) & 0x40) && (setup.U8(T::kHistoryFlags) & 0x02);
        count("Number Snapshot Records:", S::kIntervalRecords, "Ln Table:", SwitchStatus(setup, ln));
        break;
    }
    case 4:
        count("Number History Records:", S::kHistoryRecords, "Time History:",
              SwitchStatus(setup, (setup.U8(T::kHistoryFlags) & 0x08) != 0));
        break;
    case 6: dc.TextOut(report.LeftEdge(), y, "Current Data:"); break;
    case 7: dc.TextOut(report.LeftEdge(), y, "SLM Mode"); break;
    case 8: {
        const uint32_t start = sum.U32(kCurrentSet.start);
        DrawLabelAndValue(report, dc, y, "SLM Start Time:", DateTimeText(start));
        dc.TextOut(report.Column(4), y, "SLM End Time:");
        dc.TextOut(report.Column(6), y, DateTimeText(EndTime(start, sum.F32(kCurrentSet.elapsed))));
        break;
    }
    case 9:
        DrawLabelAndValue(report, dc, y, "SLM Elapsed Time:", DurationText(sum.F32(kCurrentSet.elapsed)));
        break;
    case 11: {
        const char* const labels[3] = {"LAFTM5:", "LCeq:", "LAIeq:"};
        const float values[3] = {laftm5, lceq, laieq};
        leqRow(labels, values);
        break;
    }
    case 12: {
        const char* const labels[3] = {"LAeq:", "LAeq:", "LAeq:"};
        const float values[3] = {laeq, laeq, laeq};
        leqRow(labels, values);
        break;
    }
    case 13: {
        const char* const labels[3] = {"LAFTM5-LAeq:", "LCeq-LAeq:", "LAIeq-LAeq:"};
        const float values[3] = {laftm5 - laeq, lceq - laeq, laieq - laeq};
        leqRow(labels, values);
        break;
    }
    case 15:
        dc.TextOut(report.LnColumn(0), y, "Ln Start Level:");
        if (!setup.IsEmpty())
            dc.TextOut(report.LnColumn(2), y, Printf("%2d dB", setup.I16(T::kLnStartLevel)));
        break;
    case 16: lnRow(0); break;
    case 17: lnRow(1); break;
    case 19: dc.TextOut(report.LeftEdge(), y, "Tonality Mode"); break;
    case 20:
        dc.TextOut(report.LeftEdge(), y, "Tonality Elapsed Time:");
        dc.TextOut(report.Column(3), y, DurationText(sum.F32(S::kTonalityElapsed)));
        break;
    case 21:
        tonality("ft (Freq. Tone)", Printf("%d Hz", sum.I32(S::kToneFrequency)), "Lt (Ltone)",
                 sum.F32(S::kToneLevel));
        break;
    case 22:
        tonality("delta fc (BARQ Bandwidth)", Printf("%d Hz", sum.I32(S::kBarqBandwidth)), "Lg (LGroup)",
                 sum.F32(S::kGroupLevel));
        break;
    case 23: tonality(nullptr, {}, "Lt-Lg", sum.F32(S::kToneLevel) - sum.F32(S::kGroupLevel)); break;
    default: break;
    }
}

void DrawTalLevelLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const RecordView sum = report.DataSet().SummaryView();
    if (sum.IsEmpty() || index > 13)
        return;
    const int y = report.LineY(dc, line);
    static const char* const kSpl[3] = {"SPL Slow:", "SPL Fast:", "SPL Impulse"};
    static const char* const kLmax[3] = {"Lmax (slow):", "Lmax (fast):", "Lmax (impulse):"};
    if (index == 0) {
        DrawWeightingHeadings(report, dc, y);
    } else if (index == 1) {
        dc.TextOut(report.LeftEdge(), y, sum.Text(kCurrentSet.averageLabel, kLevelLabelLength) + ":");
        DrawLevelsByWeighting(report, dc, y, sum, kCurrentSet.average, 1);
    } else if (index <= 4) {
        const size_t detector = index - 2;
        dc.TextOut(report.LeftEdge(), y, kSpl[detector]);
        DrawLevelsByWeighting(report, dc, y, sum, SummaryFields::kSpl + 4 * detector, 3);
    } else if (index % 3 != 2) {
        // Lmax of the slow, fast and impulse detectors from index 6, three
        // lines each: the levels, their times and an empty line.
        const size_t detector = (index - 6) / 3;
        if (index % 3 == 0) {
            dc.TextOut(report.LeftEdge(), y, kLmax[detector]);
            DrawLevelsByWeighting(report, dc, y, sum, kCurrentSet.lmax + 4 * detector, 3);
        } else {
            DrawTimesByWeighting(report, dc, y, sum, kCurrentSet.lmaxTimes + 4 * detector, 3);
        }
    }
}

void DrawTalSpectrumLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const RecordView sum = report.DataSet().SummaryView();
    const unsigned i = index % kSpectrumLines;
    const int y = report.LineY(dc, line);
    if (i == 0) {
        dc.TextOut(report.LeftEdge(), y, "RTA Mode: Leq Spectrum");
        return;
    }
    if (i == 3) {
        for (int c = 1; c <= 3; c += 2) {
            DrawRightAligned(dc, report.Column(c), y, "Freq. Hz");
            DrawRightAligned(dc, report.Column(c + 1), y, "Leq 1/3dB");
        }
        return;
    }
    if (sum.IsEmpty())
        return;
    if (i == 1) {
        dc.TextOut(report.LeftEdge(), y, "RTA Run Time:");
        DrawRightAligned(dc, report.Column(3), y, DurationText(sum.F32(SummaryFields::kRtaRunTime)));
        return;
    }
    if (i < 4 || i >= 4 + kLeftColumnBands)
        return;
    auto band = [&](int k, int column) {
        DrawRightAligned(dc, report.Column(column), y, TalBandLabel(k));
        DrawRightAligned(dc, report.Column(column + 1), y,
                         FormatReportNumber(sum.F32(SummaryFields::kLeqThirds + 4 * static_cast<size_t>(k)), 1, 0));
    };
    const int k = static_cast<int>(i) - 4;
    band(k, 1);
    if (k + kLeftColumnBands < kBandCount)
        band(k + kLeftColumnBands, 3);
}

}  // namespace summary
