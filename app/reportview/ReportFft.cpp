// The FFT settings, snapshot and summary reports.
#include "ReportFft.h"

#include "FftBandwidth.h"
#include "KeptRecordFields.h"
#include "MeasDataSet.h"
#include "ReportSettingsCells.h"
#include "SetupValueTexts.h"
#include "TimeTexts.h"

namespace {

using namespace settings;

using namespace FftSetupFields;

constexpr int kSnapshotLines = 88;
constexpr unsigned kSummaryLines = 9;
constexpr int kRowsPerColumn = 80;

std::string BandwidthText(int index)
{
    const FftBandwidth* bandwidth = FindFftBandwidth(index);
    return bandwidth ? bandwidth->text : "";
}

// The bandwidth of the data set's FFT setup; null without the setup or with
// an index outside the table (the frequency cells then stay empty).
const FftBandwidth* SetupBandwidth(const RecordView& setup)
{
    return setup.IsEmpty() ? nullptr : FindFftBandwidth(setup.I16(kBandwidthIndex));
}

// The frequency of spectrum line n as the export writes it; empty without a
// usable bandwidth.
std::string FrequencyText(const FftBandwidth* bandwidth, int n)
{
    return FftFrequencyText(bandwidth, n, false);
}

const char* WindowText(int window)
{
    return window == 0 ? "Rectangular" : window == 1 ? "Hanning" : window == 2 ? "Flat-Top" : "Unknown ??";
}

Cells FftSettingsCells(const RecordView& r, unsigned index)
{
    const int bandwidth = r.I16(kBandwidthIndex);
    switch (index) {
    case 0: return {{0, "FFT Analyzer"}};
    case 1: return Pair("Bandwidth:", BandwidthText(bandwidth));
    case 2: return Pair("Gain:", Code(SSAValueTexts::GainText, r.U8(kGain)));
    case 3: return Pair("Average Count:", Printf("%d", r.I16(kAverageCount)));
    case 4: return Pair("Window:", WindowText(r.I16(kWindow)));
    case 5: return Pair("Overload Skipping:", r.I16(kOverloadSkipping) == 0 ? "Disabled" : "Enabled");
    default: return {};
    }
}

}  // namespace

namespace fft {

void DrawSettingsLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    const RecordView setup = report.DataSet().SetupView();
    if (!setup.IsEmpty() && index <= 26)
        settings::DrawCells(report, dc, line, FftSettingsCells(setup, index));
}

void DrawSnapshotLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const int y = report.LineY(dc, line);
    const SnapMgr& mgr = report.DataSet().Records().snapshots;
    if (mgr.GetCount() == 0 || index >= static_cast<unsigned>(mgr.GetReportLineCount()))
        return;
    const SnapRec* rec = mgr.GetAt(static_cast<int>(index / kSnapshotLines));
    if (!rec)
        return;
    const int s = static_cast<int>(index % kSnapshotLines);
    const FftBandwidth* bandwidth = SetupBandwidth(report.DataSet().SetupView());
    switch (s) {
    case 0:
        dc.TextOut(report.LeftEdge(), y, Printf("***Record #%d ***", static_cast<int>(rec->GetRecordNumber())));
        break;
    case 1:
        dc.TextOut(report.LeftEdge(), y, "Timestamp:");
        dc.TextOut(report.Column(2), y, DateTimeText(rec->GetStandardTime()));
        break;
    case 2:
        dc.TextOut(report.Column(0), y, "Average Count:");
        // The instrument counts averages in an unsigned 16-bit field.
        dc.TextOut(report.Column(2), y, Printf("%5u", rec->GetAverageCount()));
        dc.TextOut(report.Column(4), y, "Overload Count:");
        dc.TextOut(report.Column(6), y, Printf("%5u", rec->GetOverloadCount()));
        break;
    case 3:
        dc.TextOut(report.Column(0), y, "SPL:");
        dc.TextOut(report.Column(2), y, FormatFixed(rec->GetSpl(), 1) + " dB");
        break;
    case 5:
        for (int j = 0; j < 5; ++j) {
            dc.TextOut(report.Column(2 * j), y, "Freq. Hz");
            dc.TextOut(report.Column(2 * j + 1), y, "Level dB");
        }
        break;
    case 6:
        dc.TextOut(report.Column(0), y, FrequencyText(bandwidth, 0));
        dc.TextOut(report.Column(1), y, FormatReportNumber(rec->GetSpectrumLine(0), 1, 0));
        break;
    default:
        if (s >= 7 && s <= 86) {
            const int r = s - 6;
            for (int j = 0; j < 5; ++j) {
                dc.TextOut(report.Column(2 * j), y, FrequencyText(bandwidth, r + kRowsPerColumn * j));
                dc.TextOut(report.Column(2 * j + 1), y,
                           FormatReportNumber(rec->GetSpectrumLine(r + kRowsPerColumn * j), 1, 0));
            }
        }
        break;
    }
}

// ---- FFT summary -----------------------------------------------------------

void DrawSummaryLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const RecordView sum = report.DataSet().SummaryView();
    if (sum.IsEmpty())
        return;
    const int y = report.LineY(dc, line);
    const RecordView setup = report.DataSet().SetupView();
    const int bandwidth = setup.I16(kBandwidthIndex);
    switch (index) {
    case 0: {
        const int overloads = sum.I32(SummaryFields::kOverloads);
        dc.TextOut(report.LeftEdge(), y,
                   overloads >= 1 ? Printf("Overall Measurement       **** %d OVERLOAD(S) DETECTED ****", overloads)
                                  : std::string("Overall Measurement"));
        break;
    }
    case 1:
        dc.TextOut(report.LeftEdge(), y, "Start Time:");
        dc.TextOut(report.Column(2), y, DateTimeText(sum.U32(kCurrentSet.start)));
        dc.TextOut(report.Column(5), y, "End Time:");
        dc.TextOut(report.Column(7), y, DateTimeText(sum.U32(SummaryFields::kFftEndTime)));
        break;
    case 2: {
        std::string runTime;
        SecondsToTime(sum.F32(kCurrentSet.elapsed), runTime, 1, 0);
        dc.TextOut(report.LeftEdge(), y, "Run Time:");
        dc.TextOut(report.Column(2), y, runTime);
        break;
    }
    case 4: case 5: case 6: case 7: {
        if (setup.IsEmpty())
            break;
        const char* const labels[] = {"Bandwidth:", "Average Count:", "Window:", "Overload Skipping:"};
        const std::string values[] = {
            BandwidthText(bandwidth),
            Printf("%d", setup.I16(kAverageCount)),
            WindowText(setup.I16(kWindow)),
            setup.I16(kOverloadSkipping) == 0 ? "Disabled" : "Enabled",
        };
        dc.TextOut(report.LeftEdge(), y, labels[index - 4]);
        dc.TextOut(report.Column(2), y, values[index - 4]);
        break;
    }
    default: break;
    }
}

void DrawSpectrumLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const RecordView sum = report.DataSet().SummaryView();
    if (sum.IsEmpty() || index > 81)
        return;
    const int y = report.LineY(dc, line);
    if (index == 0) {
        for (int k = 0; k < 5; ++k) {
            dc.TextOut(report.Column(2 * k), y, "Freq. Hz");
            dc.TextOut(report.Column(2 * k + 1), y, "Level dB");
        }
        return;
    }
    const FftBandwidth* bandwidth = SetupBandwidth(report.DataSet().SetupView());
    auto level = [&sum](int b) {
        return FormatReportNumber(sum.F32(SummaryFields::kFftSpectrum + 4 * static_cast<size_t>(b)), 1, 0);
    };
    if (index == 1) {
        dc.TextOut(report.Column(0), y, FrequencyText(bandwidth, 0));
        dc.TextOut(report.Column(1), y, level(0));
        return;
    }
    const int i = static_cast<int>(index);
    for (int k = 0; k < 5; ++k) {
        dc.TextOut(report.Column(2 * k), y, FrequencyText(bandwidth, 80 * k + i - 1));
        dc.TextOut(report.Column(2 * k + 1), y, level(80 * k + i - 1));
    }
}

void DrawSummaryReportLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    if (index < kSummaryLines)
        DrawSummaryLine(report, dc, index, line);
    else
        DrawSpectrumLine(report, dc, index - kSummaryLines, line);
}

}  // namespace fft
