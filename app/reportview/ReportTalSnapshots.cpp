// The ZU-Reru snapshots report: the sound level meter, RTA and tonality
// snapshots of a ZU-Reru measurement one after another, each record in the
// layout of its kind (the dispatcher measures the columns again for every
// line, so records of different kinds can share a page).
#include "ReportTalSnapshots.h"

#include <functional>

#include "BandNames.h"
#include "KeptRecordFields.h"
#include "MeasDataSet.h"
#include "ReportSummaries.h"
#include "ReportText.h"
#include "SetupValueTexts.h"
#include "TalSnapshotRows.h"
#include "TimeTexts.h"

using namespace talsnapshot;

namespace {

// The line within its record that block index falls on; false past the
// snapshot block or for a record without lines.
bool LineOfRecord(const SnapMgr& snapshots, unsigned index, const SnapRec& rec, unsigned* within)
{
    const int lines = rec.GetLineCount();
    if (lines <= 0 || index >= static_cast<unsigned>(snapshots.GetReportLineCount()))
        return false;
    *within = (index - static_cast<unsigned>(rec.GetFirstLine())) % static_cast<unsigned>(lines);
    return true;
}

int RecordNumber(const SnapRec& rec)
{
    return static_cast<int>(rec.GetRecordNumber());
}

// Lines 0 and 1 of the SLM and tonality snapshots: the record's heading at
// the left edge and its time stamp, the time at time x. False for other lines.
bool DrawStampedHead(ReportDC& dc, const SnapRec& snap, unsigned within, int y, const char* kind, int left,
                     int timeX)
{
    if (within == 0) {
        dc.TextOut(left, y, Printf("***Record #%d (%s)***", RecordNumber(snap), kind));
    } else if (within == 1) {
        dc.TextOut(left, y, "Timestamp:");
        dc.TextOut(timeX, y, DateTimeText(snap.GetStandardTime()));
    }
    return within <= 1;
}

// The frame of the three record drawers: printer font, the line within the
// record (nothing past the snapshot block) and y.
void DrawRecordLine(const ReportLines& report, ReportDC& dc, unsigned index, int line, const SnapRec& rec,
                    const std::function<void(unsigned within, int y)>& draw)
{
    PrinterFontScope font(dc);
    unsigned within = 0;
    if (LineOfRecord(report.DataSet().Records().snapshots, index, rec, &within))
        draw(within, report.LineY(dc, line));
}

void DrawSlmLine(const ReportLines& report, ReportDC& dc, unsigned index, int line, const SnapRec& snap)
{
    DrawRecordLine(report, dc, index, line, snap, [&](unsigned r, int y) {
        if (DrawStampedHead(dc, snap, r, y, "SLM", report.LeftEdge(), report.Column(2)))
            return;
        switch (r) {
        case 3: case 4: case 5: {
            static constexpr int kLabels[] = {0, 3, 5};
            static constexpr int kValues[] = {2, 4, 6};
            const auto row = IndicatorRows(snap)[r - 3];
            for (size_t k = 0; k < row.size(); ++k) {
                dc.TextOut(report.LnColumn(kLabels[k]), y, row[k].label);
                dc.TextOut(report.LnColumn(kValues[k]), y, FormatFixed(row[k].level, 1) + " dB");
            }
            break;
        }
        case 7:
            summary::DrawWeightingHeadings(report, dc, y);
            break;
        case 8: case 9: case 10: case 11: case 12: case 13: case 14: {
            const WeightingRow& row = kWeightingRows[r - 8];
            dc.TextOut(report.LeftEdge(), y, row.label);
            for (int w = 0; w < 3; ++w)
                DrawRightAligned(dc, report.LnColumn(2 + 2 * w), y,
                                 FormatFixed(WeightingLevel(snap, row, w), 1) + " " +
                                     kWeightingUnits[static_cast<size_t>(w)]);
            break;
        }
        case 16: case 17: {
            // All six Ln levels are measured with the setup's weighting.
            std::string letter;
            const RecordView setup = report.DataSet().SetupView();
            if (!setup.IsEmpty())
                LOGValueTexts::FreqWeightingShortText(setup.U16(TalSetupFields::kSlmWeighting) & 0xFF, letter);
            for (int k = 0; k < 3; ++k) {
                const int ln = static_cast<int>(r) - 16 + 2 * k;
                dc.TextOut(report.LnColumn(2 * k), y,
                           Printf("L%d ", ln + 1) + FormatFixed(snap.GetLnPercent(ln), 2));
                dc.TextOut(report.LnColumn(2 * k + 1), y,
                           FormatFixed(snap.GetLnLevel(ln), 1) + " dB" + letter);
            }
            break;
        }
        default: break;
        }
    });
}

void DrawRtaLine(const ReportLines& report, ReportDC& dc, unsigned index, int line, const SnapRec& snap)
{
    DrawRecordLine(report, dc, index, line, snap, [&](unsigned r, int y) {
        auto band = [&](int b, int column) {
            DrawRightAligned(dc, report.Column(column), y, TalBandLabel(b));
            DrawRightAligned(dc, report.Column(column + 1), y, FormatReportNumber(snap.GetLeqBand(b), 1, 0));
            DrawRightAligned(dc, report.Column(column + 2), y, FormatReportNumber(snap.GetLiveBand(b), 1, 0));
        };
        if (r == 0) {
            dc.TextOut(report.LeftEdge(), y, Printf("***Record #%d (RTA)***", RecordNumber(snap)));
        } else if (r == 1) {
            dc.TextOut(report.Column(0), y, "Date");
            DrawRightAligned(dc, report.Column(2), y, "Time");
        } else if (r == 2) {
            dc.TextOut(report.Column(0), y, DateText(snap.GetStandardTime()));
            DrawRightAligned(dc, report.Column(2), y, ClockText(snap.GetStandardTime()));
        } else if (r == 4) {
            for (int column : {1, 4}) {
                DrawRightAligned(dc, report.Column(column), y, "Freq. Hz");
                DrawRightAligned(dc, report.Column(column + 1), y, "Leq 1/3dB");
                DrawRightAligned(dc, report.Column(column + 2), y, "Live 1/3dB");
            }
        } else if (r >= 5 && r < 5 + kLeftColumnBands) {
            const int row = static_cast<int>(r) - 5;
            band(row, 1);
            if (row + kLeftColumnBands < kBandCount)
                band(row + kLeftColumnBands, 4);
        }
    });
}

void DrawTonalityLine(const ReportLines& report, ReportDC& dc, unsigned index, int line, const SnapRec& snap)
{
    DrawRecordLine(report, dc, index, line, snap, [&](unsigned r, int y) {
        const int firstValue = report.LnColumn(0) + dc.TextWidth("delta fc (BARQ Bandwidth):SS");
        const int secondValue = report.LnColumn(3) + dc.TextWidth("Lg (LGroup):SS");
        auto first = [&](const char* label, const std::string& value) {
            dc.TextOut(report.LnColumn(0), y, label);
            dc.TextOut(firstValue, y, value);
        };
        auto second = [&](const char* label, float level) {
            dc.TextOut(report.LnColumn(3), y, label);
            dc.TextOut(secondValue, y, FormatFixed(level, 1) + " dB");
        };
        const float tone = snap.GetToneLevel();
        const float group = snap.GetGroupLevel();
        if (DrawStampedHead(dc, snap, r, y, "Tonality", report.LeftEdge(), report.Column(2)))
            return;
        switch (r) {
        case 3:
            first("ft (Freq. Tone):", Printf("%d Hz", snap.GetToneFrequency()));
            second("Lt (Ltone):", tone);
            break;
        case 4:
            first("delta fc (BARQ Bandwidth):", Printf("%d Hz", snap.GetDeltaFc()));
            second("Lg (LGroup):", group);
            break;
        case 5: second("Lt-Lg:", tone - group); break;
        default: break;
        }
    });
}

}  // namespace

namespace talsnapshots {

void DrawLine(ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    const SnapRec* rec = report.DataSet().Records().snapshots.FindRecordByLine(static_cast<int>(index));
    if (rec == nullptr)
        return;
    // Columns are measured in the font the lines are drawn in.
    PrinterFontScope font(dc);
    switch (rec->GetSubKind()) {
    case SnapRec::kTalSlm:
        report.RunLayout(dc, ReportLines::Grid::kSummary);
        DrawSlmLine(report, dc, index, line, *rec);
        break;
    case SnapRec::kTalRta:
        report.RunLayout(dc, ReportLines::Grid::kSpectrum);
        DrawRtaLine(report, dc, index, line, *rec);
        break;
    default:
        report.RunLayout(dc, ReportLines::Grid::kSummary);
        DrawTonalityLine(report, dc, index, line, *rec);
        break;
    }
}

}  // namespace talsnapshots
