// The screen paint of every report type, and the lines every report shares:
// the title line, the title block of the download file and the notices.
#include <algorithm>
#include <array>

#include "CDataReport.h"
#include "KeptRecordFields.h"
#include "ReportCalibration.h"
#include "ReportDaily.h"
#include "ReportFft.h"
#include "ReportHistograms.h"
#include "ReportIntervals.h"
#include "ReportOba.h"
#include "ReportPlanDrawers.h"
#include "ReportRt60.h"
#include "ReportRta.h"
#include "ReportRunStop.h"
#include "ReportSettingsCells.h"
#include "ReportSsaSummary.h"
#include "ReportSummaries.h"
#include "ReportTalSnapshots.h"
#include "ReportText.h"
#include "ReportTimeHistory.h"
#include "SetupTypes.h"
#include "SummaryWriterSupport.h"

namespace {

// The location and the two notes of the title block, in their order.
constexpr size_t kHeaderNotes[] = {FileHeaderFields::kLocation, FileHeaderFields::kNote1, FileHeaderFields::kNote2};

std::string LowerCase(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The screen's plan of a report type: the layout of its columns, where its
// title block stands (title on line 1, block lines blockFirst .. blockLast;
// no title when blockLast is 0) and the drawers of its line ranges, each
// given the index of the line within its range.
constexpr int kToEnd = 1 << 30;

struct LineRange {
    int first = 0;
    int last = 0;
    Drawer draw = nullptr;
};

struct ScreenPlan {
    int type;
    void (CDataReport::*layout)(ReportDC&);
    int blockFirst;
    int blockLast;
    std::array<LineRange, 3> ranges;
};

void DownloadFilesOnlyNotice(CDataReport& report, ReportDC& dc, unsigned, int line)
{
    report.DrawNoticeLine(dc, "J57 Utility displays and exports J57 download files only.", line);
}

using R = CDataReport;
// Type 1 (the summary by the measurement's mode) is drawn by code of its
// own; types not listed draw nothing.
const ScreenPlan kScreenPlans[] = {
    {2, &R::LayoutSystemSetupColumns, 3, 13, {{{14, kToEnd, RowAt<&settings::DrawSystemSettingsLine>}}}},
    {3, &R::LayoutSettingsColumns, 3, 13, {{{14, kToEnd, RowAt<&settings::DrawLogSettingsLine>}}}},
    {5, &R::LayoutSettingsColumns, 5, 16, {{{17, kToEnd, RowAt<&oba::DrawSettingsLine>}}}},
    {6, &R::LayoutRunStopColumns, 3, 13,
     {{{14, 14, HeadingAt<&runstop::DrawHeadings>}, {15, kToEnd, RowAt<&runstop::DrawRow>}}}},
    {7, &R::LayoutIntervalColumns, 3, 13,
     {{{14, 17, RowAt<&intervals::DrawLogHeadings>}, {18, kToEnd, RowAt<&intervals::DrawLogLine>}}}},
    {8, &R::LayoutTimeHistoryColumns, 3, 12,
     {{{13, 13, HeadingAt<&timehistory::DrawLogNote>},
       {14, 14, HeadingAt<&timehistory::DrawLogHeadings>},
       {15, kToEnd, RowAt<&timehistory::DrawLogRow>}}}},
    {9, &R::LayoutHistogramColumns, 3, 13, {{{14, kToEnd, RowAt<&histograms::DrawScreenLine>}}}},
    {10, &R::LayoutHistogramColumns, 3, 13, {{{14, kToEnd, RowAt<&histograms::DrawScreenLine>}}}},
    {11, &R::LayoutCalSettingsColumns, 3, 13, {{{14, kToEnd, RowAt<&calibration::DrawSettingsLine>}}}},
    {12, &R::LayoutObaIntervalColumns, 5, 16,
     {{{17, 19, RowAt<&intervals::DrawObaHeadings>}, {21, kToEnd, ObaIntervalLine}}}},
    {13, &R::LayoutSettingsColumns, 3, 13, {{{14, kToEnd, RowAt<&settings::DrawSsaSettingsLine>}}}},
    {14, &R::LayoutCalCheckColumns, 3, 13,
     {{{14, 14, HeadingAt<&calibration::DrawCheckHeadings>}, {15, kToEnd, RowAt<&calibration::DrawCheckRow>}}}},
    {15, &R::LayoutIsmSettingsColumns, 3, 13, {{{14, kToEnd, RowAt<&calibration::DrawIsmSettingsLine>}}}},
    {16, &R::LayoutDailyColumns, 3, 13,
     {{{14, 14, HeadingAt<&daily::DrawHeadings>}, {15, kToEnd, RowAt<&daily::DrawRow>}}}},
    // Reports of a title and the title block (the export-only ones, and
    // those whose lines this view does not draw).
    {17, nullptr, 3, 13, {}},
    {18, &R::LayoutIntervalColumns, 3, 13,
     {{{14, 19, RowAt<&intervals::DrawSsaHeadings>}, {20, kToEnd, RowAt<&intervals::DrawSsaLine>}}}},
    {19, &R::LayoutTimeHistoryColumns, 3, 12,
     {{{13, 13, HeadingAt<&timehistory::DrawSsaNote>},
       {14, 14, HeadingAt<&timehistory::DrawSsaHeadings>},
       {15, kToEnd, RowAt<&timehistory::DrawSsaRow>}}}},
    {20, &R::LayoutRunStopColumns, 3, 13,
     {{{14, 14, HeadingAt<&runstop::DrawHeadings>}, {15, kToEnd, RowAt<&runstop::DrawRow>}}}},
    {21, &R::LayoutTimeHistoryColumns, 3, 12,
     {{{13, 13, HeadingAt<&timehistory::DrawTalNote>},
       {14, 14, HeadingAt<&timehistory::DrawTalHeadings>},
       {15, kToEnd, RowAt<&timehistory::DrawTalRow>}}}},
    {22, &R::LayoutRunStopColumns, 3, 13,
     {{{14, 14, HeadingAt<&runstop::DrawHeadings>}, {15, kToEnd, RowAt<&runstop::DrawRow>}}}},
    {23, &R::LayoutSettingsColumns, 3, 13, {{{14, kToEnd, RowAt<&settings::DrawTalSettingsLine>}}}},
    {24, &R::LayoutSummaryColumns, 3, 13,
     {{{14, 14, SnapshotRecordsTitle}, {15, kToEnd, RowAt<&talsnapshots::DrawLine>}}}},
    {25, &R::LayoutSettingsColumns, 3, 13, {{{14, kToEnd, RowAt<&fft::DrawSettingsLine>}}}},
    {26, &R::LayoutRunStopColumns, 3, 13,
     {{{14, 14, HeadingAt<&runstop::DrawHeadings>}, {15, kToEnd, RowAt<&runstop::DrawRow>}}}},
    {27, &R::LayoutSpectrumColumns, 3, 13,
     {{{14, 14, SnapshotRecordsTitle}, {15, kToEnd, RowAt<&fft::DrawSnapshotLine>}}}},
    {28, &R::LayoutSettingsColumns, 3, 13, {{{14, kToEnd, RowAt<&settings::DrawRtaSettingsLine>}}}},
    {29, &R::LayoutSpectrumColumns, 3, 13, {{{14, kToEnd, RowAt<&rta::DrawSpatialAverageLine>}}}},
    {30, nullptr, 3, 13, {}},
    {31, &R::LayoutSummaryColumns, 3, 13, {{{14, kToEnd, HeadingAt<&ssasummary::DrawLine>}}}},
    {32, &R::LayoutSpectrumColumns, 3, 13,
     {{{14, kToEnd, RowAt<&fft::DrawSummaryReportLine>}}}},
    {33, &R::LayoutRt60Columns, 3, 13, {{{14, kToEnd, RowAt<&rt60::DrawLine>}}}},
    {34, nullptr, 0, 0, {{{1, 1, DownloadFilesOnlyNotice}}}},
    {35, nullptr, 0, 0, {{{0, kToEnd, HeadingAt<&R::DrawFirmwareNoticeLine>}}}},
};

const ScreenPlan* ScreenPlanOf(int type)
{
    for (const ScreenPlan& plan : kScreenPlans)
        if (plan.type == type)
            return &plan;
    return nullptr;
}

}  // namespace

void CDataReport::DrawReportTitle(ReportDC& dc, const std::string& title, int line, int page)
{
    const int y = LineY(dc, line);
    const std::string date = FormatLocalTime(data_.GetTranslationTime(), "%d %b %Y, %H:%M:%S");
    const int width = dc.TextWidth(date);
    dc.TextOut(left_, y, title);
    if (dc.IsPrinting()) {
        dc.TextOut(left_ + (right_ - left_) / 2 - width / 2, y, date);
        if (page > 0)
            DrawRightAligned(dc, right_, y, Printf("Page %d", page));
    } else {
        dc.TextOut(right_ - width, y, date);
    }
    const int rule = y + (3 * lineHeight_) / 2;
    dc.Line(left_, rule, right_, rule);
}

void CDataReport::DrawTitleBlockLine(ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const RecordView sys = data_.SystemView();
    if (sys.IsEmpty() || index > 9)
        return;
    const int y = LineY(dc, line);
    const RecordView header = data_.FileHeaderView();
    const RecordView setup = data_.SetupView();
    std::string label;
    std::string value;
    switch (index) {
    case 0:
        label = "File Translated:";
        value = filePath_;
        break;
    case 1:
        label = "Model/Serial Number:";
        value = Printf("%d / %s", sys.I16(SystemFields::kModel), sys.Text(SystemFields::kSerial, SystemFields::kSerialLength).c_str());
        break;
    case 2:
        label = dc.IsPrinting() ? "Firmware/Software Revs:" : "Firm/Software Revs:";
        value = Printf("%s / %0.3f", FirmwareRevision(header).c_str(), kSoftwareVersion);
        break;
    case 3:
        label = "Name: ";
        value = sys.Text(SystemFields::kName, SystemFields::kNameLength);
        break;
    case 4:
        label = "Descr1:";
        value = sys.Text(SystemFields::kDescription1, SystemFields::kDescription1Length);
        break;
    case 5:
        label = "Descr2:";
        value = sys.Text(SystemFields::kDescription2, SystemFields::kDescription2Length);
        break;
    case 6:
        label = "Setup/Setup Descr:";
        if (!setup.IsEmpty()) {
            std::string extension;
            GetSetupFileExtension(data_.GetSetupType(), extension);
            value = Printf("%s%s / %s",
                           LowerCase(TrimTrailingBlanks(setup.Text(SetupRecordFields::kName, SetupRecordFields::kNameLength))).c_str(),
                           extension.c_str(), setup.Text(SetupRecordFields::kDescription, SetupRecordFields::kDescriptionLength).c_str());
        }
        break;
    default:
        label = index == 7 ? "Location:" : index == 8 ? "Note1:" : "Note2:";
        if (!header.IsEmpty())
            value = TrimTrailingBlanks(header.Text(kHeaderNotes[index - 7], FileHeaderFields::kNoteLength));
        break;
    }
    dc.TextOut(fileInfoColumns_[0], y, label);
    if (!value.empty())
        dc.TextOut(fileInfoColumns_[1], y, value);
}

void CDataReport::DrawNoticeLine(ReportDC& dc, const std::string& text, int line)
{
    const int y = LineY(dc, line);
    dc.TextOut(left_, y, text);
    const int rule = y + (3 * lineHeight_) / 2;
    dc.Line(left_, rule, right_, rule);
}

void CDataReport::DrawFirmwareNoticeLine(ReportDC& dc, int line)
{
    const int y = LineY(dc, line);
    if (line == 1)
        dc.TextOut(left_, y,
                   Printf("%s %.3lf %s", "J57 Utility supports download files from firmware version", 1.0,
                          "or greater"));
    else if (line == 3)
        dc.Line(left_, y, right_, y);
}

namespace {

// The reports whose line count follows from their records: the records'
// report lines and the report's own lines around them.
struct CountedReport {
    int type;
    int (*lines)(const MeasDataSet& data);
};

const CountedReport kCountedReports[] = {
    {7, [](const MeasDataSet& d) { return d.Records().intervals.GetReportLineCount() + 20; }},
    {12, [](const MeasDataSet& d) { return d.Records().obaIntervals.GetReportLineCount() + 20; }},
    {16, [](const MeasDataSet& d) { return d.Records().days.GetReportLineCount() + 15; }},
    {18, [](const MeasDataSet& d) { return d.Records().ssaIntervals.GetReportLineCount() + 28; }},
    {31, [](const MeasDataSet& d) { return ssasummary::LineCount(d); }},
    {33, [](const MeasDataSet& d) { return d.Records().events.GetCount() * rt60::LinesPerEvent(d) + 18; }},
};

}  // namespace

void CDataReport::OnDraw(ReportDC& dc)
{
    ReportFont previous;
    if (!dc.IsPrinting()) {
        // Nothing is painted before the first complete load.
        if (!data_.IsLoaded())
            return;
        previous = dc.SelectFont(ReportFont::Screen);
        left_ = 2;
        right_ = totalWidth_;
        lineHeight_ = screenLineHeight_;
    } else {
        previous = dc.SelectFont(ReportFont::Printer);
        lineHeight_ = printerLineHeight_ > 0 ? printerLineHeight_ : dc.LineHeight();
    }
    LayoutFileInfoColumns(dc);

    const QRect clip = dc.ClipBox();
    const int clipBottom = clip.top() + clip.height();
    const int first = std::max(0, clip.top() / lineHeight_);
    int last = std::min(lineCount_ - 1, (clipBottom + lineHeight_ - 1) / lineHeight_);

    const int type = reportType_;
    if (type == 1)
        LayoutSummaryColumns(dc);
    else if (const ScreenPlan* plan = ScreenPlanOf(type); plan != nullptr && plan->layout != nullptr)
        (this->*plan->layout)(dc);
    // The reports whose line count follows from their records and their
    // options; the options may have changed since the load.
    if (type == 33) {
        data_.Records().events.LoadRT60Settings();
        ComputeRt60();
    }
    if (type == 9 || type == 10) {
        int rows[3];
        histograms::Configure(data_.Records(), rows);
        UpdateLineCount(histograms::ScreenLineCount(rows));
    }
    for (const CountedReport& counted : kCountedReports) {
        if (counted.type == type)
            UpdateLineCount(counted.lines(data_));
    }
    last = std::min(lineCount_ - 1, (clipBottom + lineHeight_ - 1) / lineHeight_);

    for (int line = first; line <= last; ++line)
        DrawReportLine(dc, line);
    dc.SelectFont(previous);
}

void CDataReport::DrawReportLine(ReportDC& dc, int line)
{
    const int type = reportType_;
    if (type == 1) {
        DrawSummaryScreenLine(dc, line);
        return;
    }
    const ScreenPlan* plan = ScreenPlanOf(type);
    if (plan == nullptr)
        return;
    if (plan->blockLast > 0) {
        if (line == 1)
            DrawReportTitle(dc, ReportTitle(type, data_.GetSetupType()), 1, -1);
        if (line >= plan->blockFirst && line <= plan->blockLast)
            DrawTitleBlockLine(dc, static_cast<unsigned>(line - plan->blockFirst), line);
    }
    for (const LineRange& range : plan->ranges)
        if (range.draw != nullptr && line >= range.first && line <= range.last) {
            range.draw(*this, dc, static_cast<unsigned>(line - range.first), line);
            return;
        }
}

void CDataReport::DrawSummaryScreenLine(ReportDC& dc, int line)
{
    // The summary of the measurement's mode: a title only for the modes
    // that have one, the RTA's summary lines and spectrum blocks, or the
    // summary lines of the other modes.
    const int mode = data_.GetSetupType();
    const std::string title = ReportTitle(1, mode);
    if (!title.empty()) {
        if (line == 1)
            DrawReportTitle(dc, title, 1, -1);
        if (line >= 3 && line <= (mode == 7 ? 12 : 13))
            DrawTitleBlockLine(dc, static_cast<unsigned>(line - 3), line);
    }
    if (mode == 10 && line >= 14 && line <= 25) {
        rta::DrawSummaryLine(*this, dc, static_cast<unsigned>(line - 14), line);
    } else if (mode == 10 && line >= 26) {
        // Four blocks of N lines, one empty line between them.
        const int n = rta::ThirdOctave(data_) ? 19 : 8;
        const int block = (line - 26) / (n + 1);
        const int index = (line - 26) % (n + 1);
        if (block < 4 && index < n)
            rta::DrawSpectrumBlock(*this, dc, block, static_cast<unsigned>(index), line);
    } else if (mode != 10) {
        summary::DrawModeLine(*this, dc, mode, line);
    }
}
