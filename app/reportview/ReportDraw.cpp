// The screen paint of every report type, and the lines every report shares:
// the title line, the title block of the download file and the notices.
#include <algorithm>

#include "CDataReport.h"
#include "ReportText.h"
#include "SetupTypes.h"

namespace {

// The program's own version, beside the firmware in the title block.
constexpr double kSoftwareVersion = 3.12;

// Fields of the system settings record that the title block reads.
constexpr size_t kSysModel = 10;
constexpr size_t kSysSerial = 26;
constexpr size_t kSysName = 38;
constexpr size_t kSysDescr1 = 70;
constexpr size_t kSysDescr2 = 102;
constexpr size_t kSysTextEnd = 146;
// Name and description of every mode setup record.
constexpr size_t kSetupName = 14;
constexpr size_t kSetupDescr = 24;
constexpr size_t kSetupDescrEnd = 60;
// Text slots of the file header block: the third header line holds the
// firmware version; each note slot is read from its second character on.
constexpr size_t kHeaderFirmware = 84;
constexpr size_t kHeaderLineSize = 42;
constexpr size_t kHeaderNotes[] = {253, 335, 417};
constexpr size_t kNoteSize = 81;

std::string LowerCase(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace

void CDataReport::DrawRightAligned(ReportDC& dc, int x, int y, const std::string& text)
{
    dc.SetAlignRight(true);
    dc.TextOut(x, y, text);
    dc.SetAlignRight(false);
}

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
        value = Printf("%d / %s", sys.I16(kSysModel), sys.Text(kSysSerial, kSysName - kSysSerial).c_str());
        break;
    case 2: {
        label = dc.IsPrinting() ? "Firmware/Software Revs:" : "Firm/Software Revs:";
        std::string firmware = "?.???";
        if (!header.IsEmpty()) {
            const std::string text = header.Text(kHeaderFirmware, kHeaderLineSize);
            const size_t blank = text.find(' ');
            firmware = blank == std::string::npos ? std::string() : text.substr(0, blank);
        }
        value = Printf("%s / %0.3f", firmware.c_str(), kSoftwareVersion);
        break;
    }
    case 3:
        label = "Name: ";
        value = sys.Text(kSysName, kSysDescr1 - kSysName);
        break;
    case 4:
        label = "Descr1:";
        value = sys.Text(kSysDescr1, kSysDescr2 - kSysDescr1);
        break;
    case 5:
        label = "Descr2:";
        value = sys.Text(kSysDescr2, kSysTextEnd - kSysDescr2);
        break;
    case 6:
        label = "Setup/Setup Descr:";
        if (!setup.IsEmpty()) {
            std::string extension;
            GetSetupFileExtension(data_.GetSetupType(), extension);
            value = Printf("%s%s / %s",
                           LowerCase(TrimTrailingBlanks(setup.Text(kSetupName, kSetupDescr - kSetupName))).c_str(),
                           extension.c_str(), setup.Text(kSetupDescr, kSetupDescrEnd - kSetupDescr).c_str());
        }
        break;
    default:
        label = index == 7 ? "Location:" : index == 8 ? "Note1:" : "Note2:";
        if (!header.IsEmpty())
            value = TrimTrailingBlanks(header.Text(kHeaderNotes[index - 7], kNoteSize));
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
    switch (type) {
    case 1: case 24: LayoutSummaryColumns(dc); break;
    case 2: LayoutSystemSetupColumns(dc); break;
    case 3: case 5: case 13: case 23: case 25: case 28: LayoutSettingsColumns(dc); break;
    case 27: case 29: case 32: LayoutSpectrumColumns(dc); break;
    case 33:
        // The RT60 options may have changed since the load.
        LayoutRt60Columns(dc);
        data_.Records().events.LoadRT60Settings();
        ComputeRt60();
        UpdateLineCount(data_.Records().events.GetCount() * Rt60LinesPerEvent() + 18);
        break;
    case 6: case 20: case 22: case 26: LayoutRunStopColumns(dc); break;
    case 7:
        LayoutIntervalColumns(dc);
        UpdateLineCount(data_.Records().intervals.GetReportLineCount() + 20);
        break;
    case 8: case 19: case 21: LayoutTimeHistoryColumns(dc); break;
    case 9: case 10:
        LayoutHistogramColumns(dc);
        DrawHistogramLines(dc, first, last);
        dc.SelectFont(previous);
        return;
    case 11: LayoutCalSettingsColumns(dc); break;
    case 12:
        LayoutObaIntervalColumns(dc);
        UpdateLineCount(data_.Records().obaIntervals.GetReportLineCount() + 20);
        break;
    case 31:
        LayoutSummaryColumns(dc);
        UpdateLineCount(SsaSummaryLineCount());
        break;
    case 14: LayoutCalCheckColumns(dc); break;
    case 15: LayoutIsmSettingsColumns(dc); break;
    case 16:
        LayoutDailyColumns(dc);
        UpdateLineCount(data_.Records().days.GetReportLineCount() + 15);
        break;
    case 18:
        LayoutIntervalColumns(dc);
        UpdateLineCount(data_.Records().ssaIntervals.GetReportLineCount() + 28);
        break;
    default: break;
    }
    // The layouts may have set the line count from the records.
    last = std::min(lineCount_ - 1, (clipBottom + lineHeight_ - 1) / lineHeight_);

    for (int line = first; line <= last; ++line)
        DrawReportLine(dc, line);
    dc.SelectFont(previous);
}

void CDataReport::DrawReportLine(ReportDC& dc, int line)
{
    // The drawer of the line by the report type; lines no range names stay
    // empty.
    const int type = reportType_;
    const int mode = data_.GetSetupType();
    auto title = [&](int n) {
        if (n == 1)
            DrawReportTitle(dc, ReportTitle(type, mode), 1, -1);
    };
    auto block = [&](int n, int from, int to) {
        if (n >= from && n <= to)
            DrawTitleBlockLine(dc, static_cast<unsigned>(n - from), n);
    };
    auto head = [&](int n, int lastBlockLine) {
        title(n);
        block(n, 3, lastBlockLine);
    };

    const unsigned from14 = static_cast<unsigned>(line - 14);
    const unsigned from15 = static_cast<unsigned>(line - 15);
    switch (type) {
    case 1:
        if (!ReportTitle(type, mode).empty())
            head(line, mode == 7 ? 12 : 13);
        if (mode == 10 && line >= 14 && line <= 25) {
            DrawRtaSummaryLine(dc, from14, line);
        } else if (mode == 10 && line >= 26) {
            // Four blocks of N lines, one empty line between them.
            const int n = RtaThirdOctave() ? 19 : 8;
            const int block = (line - 26) / (n + 1);
            const int index = (line - 26) % (n + 1);
            if (block < 4 && index < n)
                DrawRtaSpectrumBlock(dc, block, static_cast<unsigned>(index), line);
        } else if (mode != 10) {
            DrawModeSummaryLine(dc, mode, line);
        }
        break;
    case 2:
        head(line, 13);
        if (line >= 14)
            DrawSystemSettingsLine(dc, from14, line);
        break;
    case 3:
        head(line, 13);
        if (line >= 14)
            DrawLogSettingsLine(dc, from14, line);
        break;
    case 13:
        head(line, 13);
        if (line >= 14)
            DrawSsaSettingsLine(dc, from14, line);
        break;
    case 23:
        head(line, 13);
        if (line >= 14)
            DrawTalSettingsLine(dc, from14, line);
        break;
    case 25:
        head(line, 13);
        if (line >= 14)
            DrawFftSettingsLine(dc, from14, line);
        break;
    case 27:
        head(line, 13);
        if (line == 14)
            DrawSnapshotRecordsTitle(dc, line);
        else if (line >= 15)
            DrawFftSnapshotLine(dc, from15, line);
        break;
    case 28:
        head(line, 13);
        if (line >= 14)
            DrawRtaSettingsLine(dc, from14, line);
        break;
    case 32:
        head(line, 13);
        if (line >= 14 && line <= 22)
            DrawFftSummaryLine(dc, from14, line);
        else if (line >= 23)
            DrawFftSpectrumLine(dc, static_cast<unsigned>(line - 23), line);
        break;
    case 29:
        head(line, 13);
        if (line >= 14)
            DrawSpatialAverageLine(dc, from14, line);
        break;
    case 5:
        title(line);
        block(line, 5, 16);
        if (line >= 17)
            DrawObaSettingsLine(dc, static_cast<unsigned>(line - 17), line);
        break;
    case 6: case 20: case 22: case 26:
        head(line, 13);
        if (line == 14)
            DrawRunStopHeadings(dc, line);
        else if (line >= 15)
            DrawRunStopRow(dc, from15, line);
        break;
    case 7:
        head(line, 13);
        if (line >= 14 && line <= 17)
            DrawLogIntervalHeadings(dc, from14, line);
        else if (line >= 18)
            DrawLogIntervalLine(dc, static_cast<unsigned>(line - 18), line);
        break;
    case 8: case 19: case 21:
        head(line, 12);
        if (line == 13)
            type == 8 ? DrawLogThNote(dc, line) : type == 19 ? DrawSsaThNote(dc, line) : DrawTalThNote(dc, line);
        else if (line == 14)
            type == 8 ? DrawLogThHeadings(dc, line)
                      : type == 19 ? DrawSsaThHeadings(dc, line) : DrawTalThHeadings(dc, line);
        else if (line >= 15)
            type == 8 ? DrawLogThRow(dc, from15, line)
                      : type == 19 ? DrawSsaThRow(dc, from15, line) : DrawTalThRow(dc, from15, line);
        break;
    case 11:
        head(line, 13);
        if (line >= 14)
            DrawCalibrationSettingsLine(dc, from14, line);
        break;
    case 12:
        title(line);
        block(line, 5, 16);
        if (line >= 17 && line <= 19)
            DrawObaIntervalHeadings(dc, static_cast<unsigned>(line - 17), line);
        else if (line >= 21 && data_.Records().obaIntervals.thirdOctave)
            DrawObaThirdOctaveIntervalLine(dc, static_cast<unsigned>(line - 21), line);
        else if (line >= 21)
            DrawObaIntervalLine(dc, static_cast<unsigned>(line - 21), line);
        break;
    case 14:
        head(line, 13);
        if (line == 14)
            DrawCalCheckHeadings(dc, line);
        else if (line >= 15)
            DrawCalCheckRow(dc, from15, line);
        break;
    case 15:
        head(line, 13);
        if (line >= 14)
            DrawIsmSettingsLine(dc, from14, line);
        break;
    case 16:
        head(line, 13);
        if (line == 14)
            DrawDailyHeadings(dc, line);
        else if (line >= 15)
            DrawDailyRow(dc, from15, line);
        break;
    case 18:
        head(line, 13);
        if (line >= 14 && line <= 19)
            DrawSsaIntervalHeadings(dc, from14, line);
        else if (line >= 20)
            DrawSsaIntervalLine(dc, static_cast<unsigned>(line - 20), line);
        break;
    case 31: DrawSsaSummaryReportLine(dc, line); break;
    case 24:
        head(line, 13);
        if (line == 14)
            DrawSnapshotRecordsTitle(dc, line);
        else if (line >= 15)
            DrawTalSnapshotLine(dc, from15, line, data_.Records().snapshots.FindRecordByLine(line - 15));
        break;
    case 33:
        head(line, 13);
        if (line >= 14)
            DrawRt60Line(dc, from14, line);
        break;
    case 17: case 30:
        // Reports of a title and the title block (the export-only ones,
        // and those whose lines this view does not draw).
        head(line, 13);
        break;
    case 34:
        if (line == 1)
            DrawNoticeLine(dc, "J57 Utility displays and exports J57 download files only.", 1);
        break;
    case 35: DrawFirmwareNoticeLine(dc, line); break;
    default: break;
    }
}
