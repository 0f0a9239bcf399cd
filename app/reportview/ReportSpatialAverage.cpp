// The RTA spatially averaged history: one block per spatially averaged
// snapshot with its time stamp, average count, note, flat level and band
// spectrum.
#include "CDataReport.h"
#include "ReportText.h"
#include "SetupValueTexts.h"

namespace {

// A band's name as the band columns show it: without its " Hz".
std::string BandColumnText(int thirdOctaveIndex)
{
    std::string name;
    SSAValueTexts::BandName(thirdOctaveIndex, name);
    return name.size() > 3 ? name.substr(0, name.size() - 3) : name;
}

}  // namespace

void CDataReport::DrawSpatialAverageLine(ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const SnapMgr& mgr = data_.Records().snapshots;
    if (mgr.GetCount() == 0 || index >= static_cast<unsigned>(mgr.GetReportLineCount()))
        return;
    const unsigned perRecord = static_cast<unsigned>(mgr.GetLinesPerRecord());
    const SnapRec* rec = mgr.GetAt(static_cast<int>(index / perRecord));
    if (!rec)
        return;
    const bool third = mgr.thirdOctave;
    const int r = static_cast<int>(index % perRecord);
    const int y = LineY(dc, line);
    auto level = [rec](int band) { return std::string(FormatReportNumber(rec->GetBand(band), 1, 0)); };
    switch (r) {
    case 0: dc.TextOut(left_, y, Printf("***Record #%d ***", static_cast<int>(rec->GetRecordNumber()))); return;
    case 1:
        dc.TextOut(left_, y, "Timestamp:");
        dc.TextOut(columns_[2], y, TimeText(rec->GetStandardTime(), "%d-%b-%Y %H:%M:%S"));
        return;
    case 2:
        dc.TextOut(left_, y, "Average Count:");
        dc.TextOut(columns_[2], y, Printf("%-5d", static_cast<int16_t>(rec->GetAverageCount())));
        dc.TextOut(columns_[4], y, Printf("Note: %s", rec->GetLabel().c_str()));
        return;
    case 3:
        dc.TextOut(left_, y, "Flat Level:");
        dc.TextOut(columns_[2], y, Printf("%.1f dB", static_cast<double>(rec->GetSpl())));
        return;
    case 5: {
        const char* head = third ? "Avg 1/3dB" : "Avg 1/1dB";
        for (int k = 1; k <= 3; k += 2) {
            DrawRightAligned(dc, columns_[k], y, "Freq. Hz");
            DrawRightAligned(dc, columns_[k + 1], y, head);
        }
        return;
    }
    default: break;
    }
    // Band rows: two pairs of band and level, the second half of the bands
    // beside the first.
    const int rows = third ? 17 : 6;
    const int bands = third ? 33 : 11;
    const int k = r - 6;
    if (k < 0 || k >= rows)
        return;
    auto name = [third](int band) { return BandColumnText(third ? band : 3 * band + 1); };
    DrawRightAligned(dc, columns_[1], y, name(k));
    DrawRightAligned(dc, columns_[2], y, level(k));
    if (k + rows < bands) {
        DrawRightAligned(dc, columns_[3], y, name(k + rows));
        DrawRightAligned(dc, columns_[4], y, level(k + rows));
    }
}
