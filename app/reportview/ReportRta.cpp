// The RTA summary (times and the Leq, Max, Min and spatial average spectra
// of the last RTA event) and the RTA spatially averaged history (one block
// per spatially averaged snapshot with its time stamp, average count, note,
// flat level and band spectrum).
#include "ReportRta.h"

#include "BandNames.h"
#include "KeptRecordFields.h"
#include "MeasDataSet.h"
#include "ReportText.h"
#include "SummaryTableSupport.h"
#include "TableWriterSupport.h"
#include "TimeTexts.h"

namespace {

// One line of a spectrum block; spectrum: the offset of its first level in
// the summary record.
void DrawSpectrumLine(const ReportLines& report, ReportDC& dc, unsigned index, int line, const std::string& title,
                      size_t spectrum)
{
    PrinterFontScope font(dc);
    const RecordView sum = report.DataSet().SummaryView();
    if (sum.IsEmpty())
        return;
    const int y = report.LineY(dc, line);
    const bool third = rta::ThirdOctave(report.DataSet());
    const int bands = third ? 33 : 11;
    const int rows = TwoColumnRows(bands);
    auto level = [&sum, spectrum](int k) {
        return std::string(FormatReportNumber(sum.F32(spectrum + 4 * static_cast<size_t>(k)), 1, 0));
    };
    auto name = [third](int band) { return RtaBandLabel(band, third); };
    if (index == 0) {
        dc.TextOut(report.LeftEdge(), y, title);
        return;
    }
    if (index == 1) {
        for (int c = 1; c <= 3; c += 2) {
            DrawRightAligned(dc, report.Column(c), y, "Freq. Hz");
            DrawRightAligned(dc, report.Column(c + 1), y, third ? "1/3 dB" : "1/1dB");
        }
        return;
    }
    const int k = static_cast<int>(index) - 2;
    if (k >= rows)
        return;
    DrawRightAligned(dc, report.Column(1), y, name(k));
    DrawRightAligned(dc, report.Column(2), y, level(k));
    if (k + rows < bands) {
        DrawRightAligned(dc, report.Column(3), y, name(k + rows));
        DrawRightAligned(dc, report.Column(4), y, level(k + rows));
    } else {
        DrawRightAligned(dc, report.Column(3), y, "Flat:");
        DrawRightAligned(dc, report.Column(4), y, level(bands));
    }
}

}  // namespace

namespace rta {

bool ThirdOctave(const MeasDataSet& data)
{
    return (data.SetupView().U8(RtaSetupFields::kBandwidthFlags) & 0x80) != 0;
}

float AveragedSpectra(const MeasDataSet& data)
{
    return data.SummaryView().F32(SummaryFields::kSpatialCount);
}

void DrawSummaryLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const RecordView sum = report.DataSet().SummaryView();
    if (sum.IsEmpty() || index > 10)
        return;
    const int y = report.LineY(dc, line);
    const RecordView setup = report.DataSet().SetupView();
    auto end = [&sum](size_t start, size_t elapsed) {
        // A damaged file may hold a negative or no number as elapsed time.
        return DateTimeText(EndTime(sum.U32(start), sum.F32(elapsed)));
    };
    auto store = [&setup](int bit) {
        return setup.IsEmpty() ? std::string() : std::string((setup.U8(RtaSetupFields::kStoreFlags) & bit) ? "Enabled" : "Disabled");
    };
    switch (index) {
    case 0:
        dc.TextOut(report.LeftEdge(), y, "Overall Start Time:");
        dc.TextOut(report.Column(2), y, DateTimeText(sum.U32(kOverallSet.start)));
        break;
    case 1:
        dc.TextOut(report.LeftEdge(), y, "Overall End Time:");
        dc.TextOut(report.Column(2), y, end(kOverallSet.start, kOverallSet.elapsed));
        break;
    case 3:
        dc.TextOut(report.Column(0), y, "Auto store:");
        dc.TextOut(report.Column(2), y, store(0x20));
        break;
    case 4:
        dc.TextOut(report.Column(0), y, "ByTime:");
        dc.TextOut(report.Column(2), y, store(0x80));
        break;
    case 6:
        dc.TextOut(report.LeftEdge(), y, "Current Start Time:");
        dc.TextOut(report.Column(2), y, DateTimeText(sum.U32(kCurrentSet.start)));
        dc.TextOut(report.Column(4), y, "Current End Time:");
        dc.TextOut(report.Column(6), y, end(kCurrentSet.start, kCurrentSet.elapsed));
        break;
    case 7: {
        std::string elapsed;
        SecondsToTime(sum.F32(kCurrentSet.elapsed), elapsed, 1, 0);
        dc.TextOut(report.LeftEdge(), y, "Elapsed Time:");
        dc.TextOut(report.Column(2), y, elapsed);
        break;
    }
    case 9: dc.TextOut(report.LeftEdge(), y, "Leq, Lmax, and Lmin spectra are for last recorded RTA Event."); break;
    case 10:
        dc.TextOut(report.LeftEdge(), y, "Spectra Duration:");
        dc.TextOut(report.Column(2), y, FormatFixed(sum.F32(SummaryFields::kSpectraDuration), 2));
        if (sum.Text(SummaryFields::kOverloadMark, SummaryFields::kOverloadMarkLength) != "    ")
            dc.TextOut(report.Column(4), y, "Spectra Data Overloaded");
        break;
    default: break;
    }
}

// The four spectrum blocks of the RTA summary: their titles and fields.
void DrawSpectrumBlock(const ReportLines& report, ReportDC& dc, int block, unsigned index, int line)
{
    switch (block) {
    case 0: DrawSpectrumLine(report, dc, index, line, "Leq Spectrum", SummaryFields::kLeqThirds); break;
    case 1: DrawSpectrumLine(report, dc, index, line, "Max Spectrum", SummaryFields::kMaxThirds); break;
    case 2: DrawSpectrumLine(report, dc, index, line, "Min Spectrum", SummaryFields::kMinThirds); break;
    default:
        if (AveragedSpectra(report.DataSet()) > 0)
            DrawSpectrumLine(report, dc, index, line,
                             "Spatial Average Spectrum: " + FormatFixed(AveragedSpectra(report.DataSet()), 0) +
                                 " Averaged Spectra",
                             SummaryFields::kSpatialThirds);
        break;
    }
}

void DrawSpatialAverageLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const SnapMgr& mgr = report.DataSet().Records().snapshots;
    if (mgr.GetCount() == 0 || index >= static_cast<unsigned>(mgr.GetReportLineCount()))
        return;
    const unsigned perRecord = static_cast<unsigned>(mgr.GetLinesPerRecord());
    const SnapRec* rec = mgr.GetAt(static_cast<int>(index / perRecord));
    if (!rec)
        return;
    const bool third = mgr.thirdOctave;
    const int r = static_cast<int>(index % perRecord);
    const int y = report.LineY(dc, line);
    auto level = [rec](int band) { return std::string(FormatReportNumber(rec->GetBand(band), 1, 0)); };
    switch (r) {
    case 0:
        dc.TextOut(report.LeftEdge(), y, Printf("***Record #%d ***", static_cast<int>(rec->GetRecordNumber())));
        return;
    case 1:
        dc.TextOut(report.LeftEdge(), y, "Timestamp:");
        dc.TextOut(report.Column(2), y, DateTimeText(rec->GetStandardTime()));
        return;
    case 2:
        dc.TextOut(report.LeftEdge(), y, "Average Count:");
        dc.TextOut(report.Column(2), y, Printf("%-5u", rec->GetAverageCount()));
        dc.TextOut(report.Column(4), y, Printf("Note: %s", rec->GetLabel().c_str()));
        return;
    case 3:
        dc.TextOut(report.LeftEdge(), y, "Flat Level:");
        dc.TextOut(report.Column(2), y, FormatFixed(rec->GetSpl(), 1) + " dB");
        return;
    case 5: {
        const char* head = third ? "Avg 1/3dB" : "Avg 1/1dB";
        for (int k = 1; k <= 3; k += 2) {
            DrawRightAligned(dc, report.Column(k), y, "Freq. Hz");
            DrawRightAligned(dc, report.Column(k + 1), y, head);
        }
        return;
    }
    default: break;
    }
    // Band rows: two pairs of band and level, the second half of the bands
    // beside the first.
    const int bands = third ? 33 : 11;
    const int rows = TwoColumnRows(bands);
    const int k = r - 6;
    if (k < 0 || k >= rows)
        return;
    auto name = [third](int band) { return RtaBandLabel(band, third); };
    DrawRightAligned(dc, report.Column(1), y, name(k));
    DrawRightAligned(dc, report.Column(2), y, level(k));
    if (k + rows < bands) {
        DrawRightAligned(dc, report.Column(3), y, name(k + rows));
        DrawRightAligned(dc, report.Column(4), y, level(k + rows));
    }
}

}  // namespace rta
