// The SLM & RTA summary (report type 31): the overall and current any-data
// blocks, the Leq, Max and Min spectra in one-third and whole octaves, the
// overall spectral Ln table, the Ln and exceedance block, and the wind,
// calibration and record counts of a measurement in the SSA mode.
#include <algorithm>

#include "ReportSsaSummary.h"

#include "BandNames.h"
#include "ISMSetup.h"
#include "LOGSetup.h"
#include "MeasDataSet.h"
#include "ReportSummaries.h"
#include "ReportText.h"
#include "SSASetup.h"
#include "SummaryWriterSupport.h"
#include "TableWriterSupport.h"
#include "TimeTexts.h"

namespace {

using namespace SummaryFields;

// Blocks of the report: first lines on screen, and block lengths.
constexpr int kOverallAnyLine = 14, kSpectraLine = kOverallAnyLine + summary::kAnyDataLines + 1;
constexpr int kAfterSpectraLine = 62;
constexpr int kSpectralLnLines = 19, kLnLines = 14, kWindLines = 8;
// The wind lines, an empty line and the four calibration lines.
constexpr unsigned kWindCalLines = 12;
constexpr int kFullLineCount = 138;

bool IsOctaveCentre(int band)
{
    std::string name;
    return !SSASetup::OctaveBandName(band, name).empty();
}

std::string Level(const RecordView& r, size_t table, int index)
{
    return FormatReportNumber(r.F32(table + 4 * static_cast<size_t>(index)), 1, 0);
}

// The SSA setup record (output kind 51); empty when the data set keeps
// another or none.
RecordView SetupRecord(const MeasDataSet& data)
{
    const RecordView setup = data.SetupView();
    return setup.Kind() == 51 ? setup : RecordView();
}

// Without an SSA setup record the report, like its export, leaves out the
// spectral Ln table and the wind lines and shows octave spectra.
bool SpectralLnOverall(const MeasDataSet& data)
{
    return SetupRecord(data).I16(SsaSetupFields::kSpectralLn) == 1;
}

bool WindLines(const MeasDataSet& data)
{
    return (SetupRecord(data).U16(SsaSetupFields::kOptionFlags) & 0x40) != 0;
}

}  // namespace

namespace ssasummary {

int LineCount(const MeasDataSet& data)
{
    return kFullLineCount - (SpectralLnOverall(data) ? 0 : kSpectralLnLines) - (WindLines(data) ? 0 : kWindLines);
}

// The title and the title block above line 14 are the view's.
void DrawLine(ReportLines& report, ReportDC& dc, int line)
{
    if (line < kOverallAnyLine)
        return;
    auto from = [line](int first) { return static_cast<unsigned>(line - first); };
    if (line < kSpectraLine) {
        summary::DrawOverallAnyDataLine(report, dc, from(kOverallAnyLine), line);
        return;
    }
    if (line < kAfterSpectraLine) {
        report.RunLayout(dc, ReportLines::Grid::kSpectralLn);
        DrawSpectrumLine(report, dc, from(kSpectraLine), line);
        return;
    }
    int at = kAfterSpectraLine;
    if (SpectralLnOverall(report.DataSet())) {
        if (line < at + kSpectralLnLines) {
            report.RunLayout(dc, ReportLines::Grid::kSpectralLn);
            DrawSpectralLnLine(report, dc, from(at), line);
            return;
        }
        at += kSpectralLnLines + 1;  // and a blank line
    }
    // The blocks after the spectra always draw with the summary columns.
    report.RunLayout(dc, ReportLines::Grid::kSummary);
    if (line < at + kLnLines) {
        DrawLnLine(report, dc, from(at), line);
        return;
    }
    at += kLnLines;
    if (line < at + summary::kAnyDataLines + 1) {
        summary::DrawCurrentAnyDataLine(report, dc, from(at), line);
        return;
    }
    at += summary::kAnyDataLines + 1;
    DrawWindCalLine(report, dc, from(at), line);
}

void DrawLnLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const RecordView sum = report.DataSet().SummaryView();
    if (sum.IsEmpty() || index >= 13)
        return;
    const int y = report.LineY(dc, line);
    const RecordView setup = SetupRecord(report.DataSet());
    const bool hasSetup = !setup.IsEmpty();
    std::string text;
    auto lnPair = [&](int k, int column) {
        const size_t at = 4 * static_cast<size_t>(k);
        dc.TextOut(report.LnColumn(column), y, "L" + FormatFixed(sum.F32(kLnPercentiles + at), 2));
        std::string suffix;
        if (hasSetup)
            LOGSetup::FreqWeightingShortText(setup.U8(SsaSetupFields::kWeighting), suffix);
        dc.TextOut(report.LnColumn(column + 1), y,
                   FormatFixed(sum.F32(kLnLevels + at), 1) + " dB" + suffix);
    };
    auto exceedance = [&](const char* label, const std::string& level, size_t count) {
        dc.TextOut(report.ExceedanceColumn(0), y, label);
        if (hasSetup)
            dc.TextOut(report.ExceedanceColumn(1), y, level);
        dc.TextOut(report.ExceedanceColumn(2), y, "Exceeded:");
        dc.TextOut(report.ExceedanceColumn(3), y, Printf("%ld %s", static_cast<long>(sum.I32(count)), "times"));
    };
    auto wholeDb = [&setup](size_t offset) { return Printf("%6d dB", setup.I16(offset)); };
    auto labelled = [&](const char* label, const std::string& value) {
        dc.TextOut(report.LeftEdge(), y, label);
        if (!value.empty())
            dc.TextOut(report.Column(2), y, value);
    };
    switch (index) {
    case 0:
        dc.TextOut(report.LnColumn(0), y, "Ln Start Level:");
        if (hasSetup)
            dc.TextOut(report.LnColumn(2), y, Printf("%2d dB", setup.I16(SsaSetupFields::kLnStartLevel)));
        break;
    case 1:
    case 2:
        for (int k = 0; k < 3; ++k)
            lnPair(2 * k + static_cast<int>(index) - 1, 2 * k);
        break;
    case 4:
        labelled("Detector:", hasSetup ? ISMSetup::GetDetectorText(setup.U8(SsaSetupFields::kDetector), text) : "");
        break;
    case 5:
        labelled("Weighting:", hasSetup ? LOGSetup::FreqWeightingText(setup.U8(SsaSetupFields::kWeighting), text) : "");
        break;
    case 6:
        exceedance("SPL Exceedance Level 1:", Printf("%6s dB", FormatReportNumber(setup.F32(SsaSetupFields::kSplExceedance1), 1, 0)),
                   kSplExceedances1);
        break;
    case 7: exceedance("SPL Exceedance level 2:", wholeDb(SsaSetupFields::kSplExceedance2), kSplExceedances2); break;
    case 8: exceedance("Peak-1 Exceedance Level:", wholeDb(SsaSetupFields::kPeak1Exceedance), kPeak1Exceedances); break;
    case 9: exceedance("Peak-2 Exceedance Level:", wholeDb(SsaSetupFields::kPeak2Exceedance), kPeak2Exceedances); break;
    case 10: labelled("Hysteresis:", hasSetup ? Printf("%d", setup.I16(SsaSetupFields::kHysteresis)) : ""); break;
    case 11: labelled("Overloaded:", Printf("%ld %s", static_cast<long>(sum.I32(kOverloads)), "time(s)")); break;
    case 12:
        labelled("Paused:", Printf("%ld %s %s", static_cast<long>(sum.I32(kPauses)), "times for",
                                   DurationText(sum.F32(kPausedTime)).c_str()));
        break;
    default: break;
    }
}

void DrawWindCalLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const RecordView sum = report.DataSet().SummaryView();
    if (sum.IsEmpty())
        return;
    // Without the wind tach the block starts with its calibration lines.
    const bool wind = WindLines(report.DataSet());
    if (index >= (wind ? 16u : 8u))
        return;
    const unsigned entry = wind ? index : index + 8;
    const int y = report.LineY(dc, line);
    const RecordView setup = SetupRecord(report.DataSet());
    // The counts stand right of the widest of their labels.
    auto records = [&](const char* label, const char* countLabel, std::string status, size_t count) {
        dc.TextOut(report.LeftEdge(), y, label);
        if (!status.empty())
            dc.TextOut(report.Column(2), y, status);
        dc.TextOut(report.Column(4), y, countLabel);
        const int w = dc.TextWidth("Number Run/Stop Records:SS");
        dc.TextOut(report.Column(4) + w, y, Printf("%5ld", static_cast<long>(sum.I32(count))));
    };
    if (entry < kWindCalLines) {
        summary::DrawWindCalLine(report, dc, y, entry, setup, kSsaWindSetup);
        return;
    }
    switch (entry) {
    case 13:
        records("Interval Records:", "Number Interval Records:",
                SwitchStatus(setup, (setup.U8(SsaSetupFields::kIntervalFlags) & 0x80) != 0), kIntervalRecords);
        break;
    case 14:
        records("History Records:", "Number History Records: ",
                SwitchStatus(setup, (setup.U8(SsaSetupFields::kLnFlags) & 0x08) != 0), kHistoryRecords);
        break;
    case 15: records("Run/Stop Records:", "Number Run/Stop Records:", {}, kRunStopRecords); break;
    default: break;
    }
}

void DrawSpectrumLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const RecordView sum = report.DataSet().SummaryView();
    if (sum.IsEmpty())
        return;
    const int y = report.LineY(dc, line);
    const bool thirds = (SetupRecord(report.DataSet()).U8(SsaSetupFields::kModeFlags) & 0x08) != 0;
    auto right = [&](int column, const std::string& text) { DrawRightAligned(dc, report.Column(column), y, text); };
    switch (index) {
    case 0: dc.TextOut(report.LeftEdge(), y, "Spectra"); return;
    case 1:
        dc.TextOut(report.Column(0), y, "Date");
        right(3, "Time");
        right(5, "Run Time");
        return;
    case 2: {
        const uint32_t start = sum.U32(kCurrentSet.start);
        dc.TextOut(report.Column(0), y, DateText(start));
        right(3, ClockText(start));
        right(5, DurationText(sum.F32(kCurrentSet.elapsed)));
        return;
    }
    case 3: return;
    case 4:
        if (thirds) {
            static const char* const kHeads[] = {"Hz", "Leq1/3", "Leq1/1", "Max1/3", "Max1/1", "Min1/3", "Min1/1"};
            for (int c = 0; c < 7; ++c) {
                right(1 + c, kHeads[c]);
                right(8 + c, kHeads[c]);
            }
        } else {
            right(1, "Freq. Hz");
            right(3, "Leq 1/1dB");
            right(5, "Max 1/1dB");
            right(7, "Min 1/1dB");
        }
        return;
    default: break;
    }
    if (!thirds) {
        const int octave = static_cast<int>(index) - 5;
        if (octave > 10)
            return;
        right(1, SsaBandLabel(3 * octave + 1));
        right(3, Level(sum, kLeqOctaves, octave));
        right(5, Level(sum, kMaxOctaves, octave));
        right(7, Level(sum, kMinOctaves, octave));
        return;
    }
    const int k = static_cast<int>(index) - 5;
    if (k > 16)
        return;
    // Band k on the left, band k + 17 on the right (columns 1 and 8 on); the
    // octave values stand beside the octave centres.
    for (int band = k, first = 1; band <= 32 && first <= 8; band += 17, first += 7) {
        right(first, SsaBandLabel(band));
        right(first + 1, Level(sum, kLeqThirds, band));
        right(first + 3, Level(sum, kMaxThirds, band));
        right(first + 5, Level(sum, kMinThirds, band));
        if (IsOctaveCentre(band)) {
            const int octave = (band - 1) / 3;
            right(first + 2, Level(sum, kLeqOctaves, octave));
            right(first + 4, Level(sum, kMaxOctaves, octave));
            right(first + 6, Level(sum, kMinOctaves, octave));
        }
    }
}

void DrawSpectralLnLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const RecordView sum = report.DataSet().SummaryView();
    if (sum.IsEmpty() || index > 18)
        return;
    const int y = report.LineY(dc, line);
    auto right = [&](int column, const std::string& text) { DrawRightAligned(dc, report.Column(column), y, text); };
    if (index == 0) {
        dc.TextOut(report.LeftEdge(), y, "Overall Spectral Ln's");
        return;
    }
    if (index == 1) {
        for (int first = 1; first <= 8; first += 7) {
            right(first, "Hz");
            for (int j = 1; j <= 6; ++j)
                right(first + j,
                      "L" + FormatFixed(sum.F32(kSpectralLnPercentiles + 4 * static_cast<size_t>(j - 1)), 2));
        }
        return;
    }
    const int k = static_cast<int>(index) - 2;
    for (int band = k, first = 1; band <= 32 && first <= 8; band += 17, first += 7) {
        right(first, SsaBandLabel(band));
        for (int j = 1; j <= 6; ++j)
            right(first + j, Level(sum, kSpectralLn + kSpectralLnRow * static_cast<size_t>(j - 1), band));
    }
}

}  // namespace ssasummary
