#include "ReportWriter.h"
#include "RtaBandLayout.h"
#include "TableWriterSupport.h"

namespace {

void WriteSnapshotBlock(std::ostream& out, const SnapRec& snap, const RtaBandLayout& bands)
{
    auto line = [&out] { return CellLine(out, true); };
    line().Cell(0, "***Record #").Cell(0, RecordNumber(snap.GetRecordNumber())).Cell(0, " ***").End();
    line().Right(14, "Timestamp:").Cell(0, "  ").Right(20, DateTimeText(snap.GetStandardTime())).End();
    line()
        .Right(14, "Average Count:")
        .Cell(0, "  ")
        .Cell(0, snap.GetAverageCount())
        .Cell(0, "     ")
        .Right(14, "Note:")
        .Cell(0, "  ")
        .Right(10, snap.GetLabel())
        .End();
    line().Right(14, "Flat Level:").Cell(0, "  ").Cell(0, FormatFixed(snap.GetSpl(), 2)).Cell(0, " dB").End();
    line().End();
    line()
        .Cell(0, "  ")
        .Right(7, "Freq.Hz")
        .Cell(0, " Avg ")
        .Cell(0, bands.label)
        .Cell(0, "  ")
        .Right(7, "Freq.Hz")
        .Cell(0, " Avg ")
        .Cell(0, bands.label)
        .End();
    for (int left = 0; left < bands.rows; ++left) {
        CellLine row = line();
        for (const int band : {left, left + bands.rows}) {
            if (band < bands.total)
                row.Cell(0, "  ").Right(7, bands.Label(band)).Cell(0, " ").Right(9, FormatFixed(snap.GetBand(band), 2));
        }
        row.End();
    }
    line().End();
}

void WriteSnapshotHeadings(std::ostream& out, const RtaBandLayout& bands)
{
    CellLine spectra(out, false);
    for (int i = 0; i < 6; ++i)
        spectra.Cell(0, " ");
    spectra.Cell(0, "Avg " + std::string(bands.label) + " Spectra").End();
    CellLine headings(out, false);
    for (const char* heading : {"Record #", "Timestamp", "Average Count", "Note", "Flat Level", " "})
        headings.Cell(0, heading);
    for (int band = 0; band < bands.total; ++band)
        headings.Cell(0, bands.Name(band));
    headings.End();
}

// The flat level and the band values are the stream's own numbers: fixed
// with three decimals, as the writer sets the stream.
void WriteSnapshotRow(std::ostream& out, const SnapRec& snap, const RtaBandLayout& bands)
{
    CellLine row(out, false);
    row.Cell(0, RecordNumber(snap.GetRecordNumber()))
        .Cell(0, DateTimeText(snap.GetStandardTime()))
        .Cell(0, snap.GetAverageCount())
        .Cell(0, snap.GetLabel())
        .Cell(0, snap.GetSpl())
        .Cell(0, " ");
    for (int band = 0; band < bands.total; ++band)
        row.Cell(0, snap.GetBand(band));
    row.End();
}

}  // namespace

int ReportWriter::WriteRtaSnapshots(std::ostream& out, ExportFormat format, const SnapMgr& snapshots,
                                    const RecordView& setup)
{
    const RtaBandLayout bands = RtaBandLayout::Of(setup);
    if (!Usable(out) || snapshots.GetAt(0) == nullptr)
        return 1;
    if (!IsText(format)) {
        SetFixed(out);
        out.precision(3);
    }
    for (int i = 0; i < snapshots.GetCount(); ++i) {
        const SnapRec* snap = snapshots.GetAt(i);
        if (snap == nullptr)
            continue;
        if (IsText(format)) {
            WriteSnapshotBlock(out, *snap, bands);
        } else {
            if (i == 0)
                WriteSnapshotHeadings(out, bands);
            WriteSnapshotRow(out, *snap, bands);
        }
    }
    return 1;
}
