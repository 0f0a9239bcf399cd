#include "ReportWriter.h"
#include "RtaBandLayout.h"
#include "TableWriterSupport.h"

namespace {

void WriteSnapshotBlock(std::ostream& out, const SnapRec& snap, const RtaBandLayout& bands)
{
    out << ComposeText("***Record #%d ***", RecordNumber(snap.GetRecordNumber())) << std::endl;
    out << ComposeText("%14s  %20s", "Timestamp:", DateTimeText(snap.GetStandardTime()).c_str()) << std::endl;
    out << ComposeText("%14s  %u     %14s  %10s", "Average Count:", snap.GetAverageCount(), "Note:",
                       snap.GetLabel().c_str())
        << std::endl;
    out << ComposeText("%14s  %s dB", "Flat Level:", FormatFixed(snap.GetSpl(), 2).c_str()) << std::endl;
    out << std::endl;
    out << ComposeText("  %7s Avg %s  %7s Avg %s", "Freq.Hz", bands.label, "Freq.Hz", bands.label) << std::endl;
    for (int left = 0; left < bands.rows; ++left) {
        const int right = left + bands.rows;
        std::string line = ComposeText("  %7s %9s", bands.Label(left).c_str(),
                                       FormatFixed(snap.GetBand(left), 2).c_str());
        if (right < bands.total)
            line += ComposeText("  %7s %9s", bands.Label(right).c_str(),
                                FormatFixed(snap.GetBand(right), 2).c_str());
        out << line << std::endl;
    }
    out << std::endl;
}

void WriteSnapshotHeadings(std::ostream& out, const RtaBandLayout& bands)
{
    for (int i = 0; i < 6; ++i)
        CsvField(out, " ");
    CsvField(out, ComposeText("Avg %s Spectra", bands.label)) << std::endl;
    for (const char* heading : {"Record #", "Timestamp", "Average Count", "Note", "Flat Level", " "})
        CsvField(out, heading);
    for (int band = 0; band < bands.total; ++band)
        CsvField(out, bands.Name(band));
    out << std::endl;
}

// The flat level and the band values are the stream's own numbers: fixed
// with three decimals, as the writer sets the stream.
void WriteSnapshotRow(std::ostream& out, const SnapRec& snap, const RtaBandLayout& bands)
{
    CsvField(out, RecordNumber(snap.GetRecordNumber()));
    CsvField(out, DateTimeText(snap.GetStandardTime()));
    CsvField(out, snap.GetAverageCount());
    CsvField(out, snap.GetLabel());
    CsvField(out, snap.GetSpl());
    CsvField(out, " ");
    for (int band = 0; band < bands.total; ++band)
        CsvField(out, snap.GetBand(band));
    out << std::endl;
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
