// The ZU-Reru snapshots report: the sound level meter, RTA and tonality
// snapshots of a ZU-Reru measurement one after another, each record in the
// layout of its kind (the dispatcher measures the columns again for every
// line, so records of different kinds can share a page).
#include "CDataReport.h"
#include "ReportText.h"
#include "TalSnapshotRows.h"

using namespace talsnapshot;

namespace {

// The mode setup record (output kind 60): the weighting of the Ln levels.
constexpr size_t kSetupWeighting = 74;

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

std::string StampText(const SnapRec& rec, const char* format)
{
    return TimeText(rec.GetStandardTime(), format);
}

}  // namespace

void CDataReport::DrawTalSnapshotLine(ReportDC& dc, unsigned index, int line, const SnapRec* rec)
{
    if (rec == nullptr)
        return;
    // Columns are measured in the font the lines are drawn in.
    PrinterFontScope font(dc);
    switch (rec->GetSubKind()) {
    case SnapRec::kTalSlm:
        LayoutSummaryColumns(dc);
        DrawTalSlmSnapshotLine(dc, index, line, rec);
        break;
    case SnapRec::kTalRta:
        LayoutSpectrumColumns(dc);
        DrawTalRtaSnapshotLine(dc, index, line, rec);
        break;
    default:
        LayoutSummaryColumns(dc);
        DrawTalTonalitySnapshotLine(dc, index, line, rec);
        break;
    }
}

void CDataReport::DrawTalSlmSnapshotLine(ReportDC& dc, unsigned index, int line, const SnapRec* rec)
{
    PrinterFontScope font(dc);
    unsigned r = 0;
    if (rec == nullptr || !LineOfRecord(data_.Records().snapshots, index, *rec, &r))
        return;
    const int y = LineY(dc, line);
    switch (r) {
    case 0: dc.TextOut(left_, y, Printf("***Record #%d (SLM)***", RecordNumber(*rec))); break;
    case 1:
        dc.TextOut(left_, y, "Timestamp:");
        dc.TextOut(columns_[2], y, StampText(*rec, "%d-%b-%Y %H:%M:%S"));
        break;
    case 3: case 4: case 5: {
        static constexpr int kLabels[] = {0, 3, 5};
        static constexpr int kValues[] = {2, 4, 6};
        const auto row = IndicatorRows(*rec)[r - 3];
        for (size_t k = 0; k < row.size(); ++k) {
            dc.TextOut(lnColumns_[kLabels[k]], y, row[k].label);
            dc.TextOut(lnColumns_[kValues[k]], y, Printf("%.1f dB", static_cast<double>(row[k].level)));
        }
        break;
    }
    case 7:
        DrawRightAligned(dc, lnColumns_[2], y, "A Weight");
        DrawRightAligned(dc, lnColumns_[4], y, "C Weight");
        DrawRightAligned(dc, lnColumns_[6], y, "Flat");
        break;
    case 8: case 9: case 10: case 11: case 12: case 13: case 14: {
        const WeightingRow& row = kWeightingRows[r - 8];
        dc.TextOut(left_, y, row.label);
        for (int w = 0; w < 3; ++w)
            DrawRightAligned(dc, lnColumns_[2 + 2 * w], y,
                             Printf("%.1f %s", static_cast<double>(WeightingLevel(*rec, row, w)),
                                    kWeightingUnits[static_cast<size_t>(w)]));
        break;
    }
    case 16: case 17: {
        // All six Ln levels are measured with the setup's weighting.
        std::string letter;
        const RecordView setup = data_.SetupView();
        if (!setup.IsEmpty())
            LOGValueTexts::FreqWeightingShortText(setup.U16(kSetupWeighting) & 0xFF, letter);
        for (int k = 0; k < 3; ++k) {
            const int ln = static_cast<int>(r) - 16 + 2 * k;
            dc.TextOut(lnColumns_[2 * k], y, Printf("L%d %.2f", ln + 1, static_cast<double>(rec->GetLnPercent(ln))));
            dc.TextOut(lnColumns_[2 * k + 1], y,
                       Printf("%.1f dB%s", static_cast<double>(rec->GetLnLevel(ln)), letter.c_str()));
        }
        break;
    }
    default: break;
    }
}

void CDataReport::DrawTalRtaSnapshotLine(ReportDC& dc, unsigned index, int line, const SnapRec* rec)
{
    PrinterFontScope font(dc);
    unsigned r = 0;
    if (rec == nullptr || !LineOfRecord(data_.Records().snapshots, index, *rec, &r))
        return;
    const int y = LineY(dc, line);
    auto band = [&](int b, int column) {
        DrawRightAligned(dc, columns_[column], y, BandLabel(b));
        DrawRightAligned(dc, columns_[column + 1], y, FormatReportNumber(rec->GetLeqBand(b), 1, 0));
        DrawRightAligned(dc, columns_[column + 2], y, FormatReportNumber(rec->GetLiveBand(b), 1, 0));
    };
    if (r == 0) {
        dc.TextOut(left_, y, Printf("***Record #%d (RTA)***", RecordNumber(*rec)));
    } else if (r == 1) {
        dc.TextOut(columns_[0], y, "Date");
        DrawRightAligned(dc, columns_[2], y, "Time");
    } else if (r == 2) {
        dc.TextOut(columns_[0], y, StampText(*rec, "%d-%b-%Y"));
        DrawRightAligned(dc, columns_[2], y, StampText(*rec, "%H:%M:%S"));
    } else if (r == 4) {
        for (int column : {1, 4}) {
            DrawRightAligned(dc, columns_[column], y, "Freq. Hz");
            DrawRightAligned(dc, columns_[column + 1], y, "Leq 1/3dB");
            DrawRightAligned(dc, columns_[column + 2], y, "Live 1/3dB");
        }
    } else if (r >= 5 && r < 5 + kLeftColumnBands) {
        const int row = static_cast<int>(r) - 5;
        band(row, 1);
        if (row + kLeftColumnBands < kBandCount)
            band(row + kLeftColumnBands, 4);
    }
}

void CDataReport::DrawTalTonalitySnapshotLine(ReportDC& dc, unsigned index, int line, const SnapRec* rec)
{
    PrinterFontScope font(dc);
    unsigned r = 0;
    if (rec == nullptr || !LineOfRecord(data_.Records().snapshots, index, *rec, &r))
        return;
    const int y = LineY(dc, line);
    const int firstValue = lnColumns_[0] + dc.TextWidth("delta fc (BARQ Bandwidth):SS");
    const int secondValue = lnColumns_[3] + dc.TextWidth("Lg (LGroup):SS");
    auto first = [&](const char* label, const std::string& value) {
        dc.TextOut(lnColumns_[0], y, label);
        dc.TextOut(firstValue, y, value);
    };
    auto second = [&](const char* label, float level) {
        dc.TextOut(lnColumns_[3], y, label);
        dc.TextOut(secondValue, y, Printf("%.1f dB", static_cast<double>(level)));
    };
    const float tone = rec->GetToneLevel();
    const float group = rec->GetGroupLevel();
    switch (r) {
    case 0: dc.TextOut(left_, y, Printf("***Record #%d (Tonality)***", RecordNumber(*rec))); break;
    case 1:
        dc.TextOut(left_, y, "Timestamp:");
        dc.TextOut(columns_[2], y, StampText(*rec, "%d-%b-%Y %H:%M:%S"));
        break;
    case 3:
        first("ft (Freq. Tone):", Printf("%d Hz", rec->GetToneFrequency()));
        second("Lt (Ltone):", tone);
        break;
    case 4:
        first("delta fc (BARQ Bandwidth):", Printf("%d Hz", rec->GetDeltaFc()));
        second("Lg (LGroup):", group);
        break;
    case 5: second("Lt-Lg:", tone - group); break;
    default: break;
    }
}
